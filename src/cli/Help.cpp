#include "Help.h"

namespace tarvek::cli
{
namespace
{

struct VerbPage {
    const char *verb;
    const char *text;
};

constexpr const char *kInputs =
    "Inputs: the settings start from the factory defaults; --cfg FILE loads a .cfg file\n"
    "as the window's Load does; each --set NAME=VALUE then writes one setting, in the\n"
    "order given. NAME is a control name (edMyCall) or a readable name (callsign):\n"
    "`tarvek-cli settings` lists them with what each takes. Check boxes take 0, 1 or 2;\n"
    "mic-e takes a list position 0 to 7 or its text (\"in-service\").\n";

// clang-format off
constexpr VerbPage kPages[] = {
    {"encode",
     "usage: tarvek-cli encode [--cfg FILE] [--set NAME=VALUE]... [--json]\n"
     "Builds the configuration block as SEND does, writing the normalised texts back,\n"
     "and prints the verdict, the block and the upload bytes as hex dumps and every\n"
     "setting as NAME=VALUE; with --json one JSON object on one line.\n"
     "%INPUTS%"
     "Exit: 0 built; 1 rejected (the setting, its text and the rule on stderr);\n"
     "2 usage error or refused --set; 3 FILE failed to load.\n"
     "example: tarvek-cli encode --cfg Tarvek.cfg --set callsign=IU0ABC-9 --json\n"},
    {"save",
     "usage: tarvek-cli save OUTFILE [--cfg FILE] [--set NAME=VALUE]...\n"
     "Writes OUTFILE as the window's Save writes a .cfg file. A failed save leaves\n"
     "OUTFILE as it was.\n"
     "%INPUTS%"
     "Exit: 0 saved; 2 usage error or refused --set; 3 FILE failed to load or the\n"
     "save failed.\n"
     "example: tarvek-cli save car.cfg --cfg Tarvek.cfg --set path=WIDE2-2\n"},
    {"position",
     "usage: tarvek-cli position --lat TEXT --lon TEXT [--seconds] [--normal]\n"
     "                           [--symbol C] [--alternate]\n"
     "Prints the GPSless position text as the calculator writes it: latitude and\n"
     "longitude as degrees.minutes.hundredths (degrees.minutes.seconds with\n"
     "--seconds), the compressed form unless --normal, symbol \">\" unless --symbol C,\n"
     "the primary table \"/\" unless --alternate (\"\\\").\n"
     "Exit: 0 printed; 1 a text is not valid; 2 usage error.\n"
     "example: tarvek-cli position --lat 45.30.50 --lon 9.10.20 --normal\n"},
    {"send",
     "usage: tarvek-cli send --port N [--cfg FILE] [--set NAME=VALUE]...\n"
     "Builds the block as encode does and uploads it to serial port N as SEND does,\n"
     "printing the progress and the confirmation. `tarvek-cli ports` lists the port\n"
     "numbers; TARVEK_COM<N>=DEVICE names the device of port N. When standard error\n"
     "is a terminal the progress dots show there as each step happens.\n"
     "%INPUTS%"
     "Exit: 0 sent; 1 rejected (the setting and the rule on stderr); 2 usage error or\n"
     "refused --set; 3 FILE failed to load; 4 serial error.\n"
     "example: tarvek-cli send --port 1 --cfg Tarvek.cfg --set mic-e=en-route\n"},
    {"decode",
     "usage: tarvek-cli decode [FILE]\n"
     "Reads FILE (standard input when absent): the 120 bytes of an upload as captured\n"
     "on the line, or a 114-byte block. Checks the preambles and checksums and prints\n"
     "each setting decoded from the block as NAME=VALUE.\n"
     "Exit: 0 everything checks out; 1 a length, preamble or checksum is wrong;\n"
     "2 usage error.\n"
     "example: tarvek-cli decode capture.bin\n"},
    {"settings",
     "usage: tarvek-cli settings [--json]\n"
     "Lists every setting, one a line: control name | readable name | caption |\n"
     "format | factory default | the block bytes it fills. With --json one JSON array\n"
     "of objects with the keys control, name, caption, format, default and block.\n"
     "Exit: 0; 2 usage error.\n"
     "example: tarvek-cli settings | grep callsign\n"},
    {"ports",
     "usage: tarvek-cli ports\n"
     "Lists the serial port numbers that \"Comm num:\" and send --port use, one a line:\n"
     "the number, the device and what the system knows of it (USB description, maker,\n"
     "serial number). A number set by TARVEK_COM<n> is marked so.\n"
     "Exit: 0, also when there is no port; 2 usage error.\n"
     "example: TARVEK_COM2=/dev/ttyUSB1 tarvek-cli ports\n"},
};
// clang-format on

} // namespace

QString usageText()
{
    return QStringLiteral(
        "usage: tarvek-cli <verb> [options]\n"
        "  encode [inputs] [--json]\n"
        "  save OUTFILE [inputs]\n"
        "  position --lat TEXT --lon TEXT [--seconds] [--normal] [--symbol C] [--alternate]\n"
        "  send --port N [inputs]\n"
        "  decode [FILE]\n"
        "  settings [--json]\n"
        "  ports\n"
        "inputs: [--cfg FILE] [--set NAME=VALUE]...\n"
        "`tarvek-cli VERB --help` describes a verb with an example.\n"
        "`tarvek-cli settings` lists the names --set takes; `tarvek-cli ports` lists the\n"
        "port numbers --port takes.\n");
}

QString verbHelp(const QString &verb)
{
    for (const VerbPage &page : kPages) {
        if (verb == QLatin1String(page.verb))
            return QString::fromLatin1(page.text).replace(QStringLiteral("%INPUTS%"),
                                                          QString::fromLatin1(kInputs));
    }
    return {};
}

bool asksForHelp(const QStringList &args)
{
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

} // namespace tarvek::cli
