#include "VerbTable.h"

namespace tarvek::cli
{
namespace
{

constexpr VerbOption kEncodeOptions[] = {kCfgOption, kSetOption, kJsonOption};
constexpr VerbOption kSaveOptions[] = {kCfgOption, kSetOption};
constexpr VerbOption kPositionOptions[] = {kLatOption,    kLonOption,    kSecondsOption,
                                           kNormalOption, kSymbolOption, kAlternateOption};
constexpr VerbOption kSendOptions[] = {kPortOption, kCfgOption, kSetOption};
constexpr VerbOption kListOptions[] = {kJsonOption};

constexpr ExitMeaning kEncodeExits[] = {
    {ExitOk, "built"},
    {ExitFailed, "rejected (the setting, its text and the rule on stderr)"},
    {ExitUsage, "usage error or refused --set"},
    {ExitCfgFailed, "FILE failed to load"},
};
constexpr ExitMeaning kSaveExits[] = {
    {ExitOk, "saved"},
    {ExitUsage, "usage error or refused --set"},
    {ExitCfgFailed, "FILE failed to load or the save failed"},
};
constexpr ExitMeaning kPositionExits[] = {
    {ExitOk, "printed"},
    {ExitFailed, "a text is not valid"},
    {ExitUsage, "usage error"},
};
constexpr ExitMeaning kSendExits[] = {
    {ExitOk, "sent"},
    {ExitFailed, "rejected (the setting and the rule on stderr)"},
    {ExitUsage, "usage error or refused --set"},
    {ExitCfgFailed, "FILE failed to load"},
    {ExitSerialError, "serial error"},
};
constexpr ExitMeaning kDecodeExits[] = {
    {ExitOk, "everything checks out"},
    {ExitFailed, "a length, preamble or checksum is wrong"},
    {ExitUsage, "usage error"},
};
constexpr ExitMeaning kListExits[] = {
    {ExitOk, ""},
    {ExitUsage, "usage error"},
};
constexpr ExitMeaning kPortsExits[] = {
    {ExitOk, ", also when there is no port"},
    {ExitUsage, "usage error"},
};

// clang-format off
constexpr Verb kVerbs[] = {
    {"encode",
     "build the configuration block and print it",
     "[--cfg FILE] [--set NAME=VALUE]... [--json]",
     "Builds the configuration block as SEND does, writing the normalised texts back,\n"
     "and prints the verdict, the block and the upload bytes as hex dumps, the\n"
     "symbol's name and every setting as NAME=VALUE; with --json one JSON object on\n"
     "one line.\n"
     "%INPUTS%",
     kEncodeExits,
     "tarvek-cli encode --cfg Tarvek.cfg --set callsign=IU0ABC-9 --json",
     kEncodeOptions, {},
     runEncode},
    {"save",
     "write the settings to a .cfg file",
     "OUTFILE [--cfg FILE] [--set NAME=VALUE]...",
     "Writes OUTFILE as the window's Save writes a .cfg file. A failed save leaves\n"
     "OUTFILE as it was.\n"
     "%INPUTS%",
     kSaveExits,
     "tarvek-cli save car.cfg --cfg Tarvek.cfg --set path=WIDE2-2",
     kSaveOptions, {"OUTFILE", true},
     runSave},
    {"position",
     "print the GPSless position text",
     "--lat TEXT --lon TEXT [--seconds] [--normal]\n[--symbol C] [--alternate]",
     "Prints the GPSless position text as the calculator writes it: latitude and\n"
     "longitude as degrees.minutes.hundredths (degrees.minutes.seconds with\n"
     "--seconds), the compressed form unless --normal, symbol \">\" unless --symbol C,\n"
     "the primary table \"/\" unless --alternate (\"\\\").\n",
     kPositionExits,
     "tarvek-cli position --lat 45.30.50 --lon 9.10.20 --normal",
     kPositionOptions, {},
     runPosition},
    {"send",
     "build the block and upload it to the tracker",
     "--port N [--cfg FILE] [--set NAME=VALUE]...",
     "Builds the block as encode does and uploads it to serial port N as SEND does,\n"
     "printing the progress and the confirmation. `tarvek-cli ports` lists the port\n"
     "numbers; TARVEK_COM<N>=DEVICE names the device of port N. When standard error\n"
     "is a terminal the progress dots show there as each step happens.\n"
     "%INPUTS%",
     kSendExits,
     "tarvek-cli send --port 1 --cfg Tarvek.cfg --set mic-e=en-route",
     kSendOptions, {},
     runSend},
    {"decode",
     "check a captured upload and print its settings",
     "[FILE]",
     "Reads FILE (standard input when absent): the 120 bytes of an upload as captured\n"
     "on the line, or a 114-byte block. Checks the preambles and checksums and prints\n"
     "each setting decoded from the block as NAME=VALUE.\n",
     kDecodeExits,
     "tarvek-cli decode capture.bin",
     {}, {"FILE", false},
     runDecode},
    {"settings",
     "list every setting and what it takes",
     "[--json]",
     "Lists every setting, one a line: control name | readable name | caption |\n"
     "format | factory default | the block bytes it fills. With --json one JSON array\n"
     "of objects with the keys control, name, caption, format, default and block.\n",
     kListExits,
     "tarvek-cli settings | grep callsign",
     kListOptions, {},
     runSettings},
    {"symbols",
     "list the APRS symbols with their names",
     "[--json]",
     "Lists the APRS symbols of the primary table \"/\" and the alternate table \"\\\",\n"
     "one a line: the table, the symbol code (what edSymbol takes; chkTable 1 chooses\n"
     "the alternate table) and its name. With --json one JSON array of objects with\n"
     "the keys table, code and name.\n",
     kListExits,
     "tarvek-cli symbols | grep -i truck",
     kListOptions, {},
     runSymbols},
    {"ports",
     "list the serial port numbers",
     "",
     "Lists the serial port numbers that \"Comm num:\" and send --port use, one a line:\n"
     "the number, the device, what the system knows of it (USB description, maker,\n"
     "serial number, its name in /dev/serial/by-id) and its state: ready, in use (by\n"
     "which program), not allowed (why), Bluetooth. A number set by TARVEK_COM<n> is\n"
     "marked so. When no port is usable, it says what is wrong, such as a USB adapter\n"
     "without a port, and the remedy.\n",
     kPortsExits,
     "TARVEK_COM2=/dev/ttyUSB1 tarvek-cli ports",
     {}, {},
     runPorts},
};
// clang-format on

} // namespace

std::span<const Verb> verbs()
{
    return kVerbs;
}

const Verb *findVerb(QStringView name)
{
    for (const Verb &verb : kVerbs) {
        if (name == QLatin1String(verb.name))
            return &verb;
    }
    return nullptr;
}

} // namespace tarvek::cli
