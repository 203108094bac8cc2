// tarvek-cli run as a user would: the settings list against the factory
// defaults, reasons for rejected builds and failed inputs, the lower-case
// warning, per-verb help, the port list with TARVEK_COM overrides on
// pseudo-terminals and the progress dots on a terminal's standard error.
#include "CliRunner.h"
#include "ControlAccess.h"
#include "PortListing.h"
#include "VerbTable.h"
#ifndef Q_OS_WIN
#include "PtyPair.h"
#endif
#include "QtPrinters.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarvek::config;
using namespace tarvek::serial;

namespace tarvek
{
namespace
{

using namespace Qt::StringLiterals;
#ifndef Q_OS_WIN
using testing::PtyPair;
#endif

// A run with its output as text.
struct CliText {
    int exitCode = -1;
    QString out;
    QString err;
};

CliText Cli(const QStringList &args, const testing::CliEnvironment &environment = {},
            const QString &stderrFile = {})
{
    const testing::CliRun run = testing::RunCli(args, {}, environment, stderrFile);
    return {run.exitCode, QString::fromUtf8(run.out), QString::fromUtf8(run.err)};
}

TEST(CliSettings, ListsEverySettingWithTheDefaultsLoadDefaultsWrites)
{
    const CliText run = Cli({u"settings"_s, u"--json"_s});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    const QJsonArray rows = QJsonDocument::fromJson(run.out.toUtf8()).array();
    SettingsModel model;
    loadDefaults(model.tracker);
    const std::vector<ControlRef> controls = allControls(model);
    ASSERT_EQ(rows.size(), qsizetype(controls.size()));
    const CliText plain = Cli({u"settings"_s});
    const QStringList lines = plain.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), rows.size());
    for (size_t i = 0; i < controls.size(); ++i) {
        const QJsonObject row = rows.at(qsizetype(i)).toObject();
        const ControlRef &ref = controls[i];
        EXPECT_EQ(row.value(u"control"_s).toString(), ref.name);
        EXPECT_EQ(row.value(u"name"_s).toString(), QString(ref.setting->name));
        EXPECT_EQ(row.value(u"caption"_s).toString(), QString(ref.setting->caption));
        EXPECT_FALSE(row.value(u"format"_s).toString().isEmpty());
        EXPECT_FALSE(row.value(u"block"_s).toString().isEmpty());
        const auto value = readControl(ref);
        if (std::holds_alternative<QString>(value))
            EXPECT_EQ(row.value(u"default"_s), QJsonValue(std::get<QString>(value)))
                << qPrintable(ref.name);
        else
            EXPECT_EQ(row.value(u"default"_s), QJsonValue(std::get<int>(value)))
                << qPrintable(ref.name);
        EXPECT_TRUE(
            lines.at(qsizetype(i)).startsWith(ref.name + u" | "_s + ref.setting->name + u" | "_s))
            << qPrintable(lines.at(qsizetype(i)));
    }
}

// The format in --json says what a setting takes: the field's mask, the
// Mic-E list's entries in their order.
TEST(CliSettings, JsonFormatNamesTheMaskAndTheListEntries)
{
    const CliText run = Cli({u"settings"_s, u"--json"_s});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    QMap<QString, QString> formats;
    for (const QJsonValue row : QJsonDocument::fromJson(run.out.toUtf8()).array())
        formats[row[u"control"_s].toString()] = row[u"format"_s].toString();
    for (const auto &[control, mask] : {std::pair{"edComm", "a number up to 255"},
                                        {"edNumFlagsAuto", "\"999\""},
                                        {"edSymbol", "\"&\""},
                                        {"esSpeedTable(0)", "\"9999\""}}) {
        const QString format = formats.value(QString::fromLatin1(control));
        EXPECT_TRUE(format.contains(QLatin1StringView(mask)))
            << control << ": " << qPrintable(format);
    }
    const QString micE = formats.value(u"cbMicEMsg"_s);
    qsizetype from = 0;
    for (const char *entry : {"Off Duty", "En Route", "In Service", "Returning", "Committed",
                              "Special", "Priority", "Emergency"}) {
        const qsizetype at = micE.indexOf(QLatin1StringView(entry), from);
        EXPECT_GE(at, from) << entry << " in " << qPrintable(micE);
        from = std::max(at, from);
    }
}

// Both tables listed, and encode names the symbol in the table chkTable
// chooses: "k" is a truck in "/" and a special vehicle in "\".
TEST(CliSymbols, ListsBothTablesAndEncodeNamesTheChosenSymbol)
{
    const CliText list = Cli({u"symbols"_s, u"--json"_s});
    ASSERT_EQ(list.exitCode, 0) << qPrintable(list.err);
    const QJsonArray rows = QJsonDocument::fromJson(list.out.toUtf8()).array();
    ASSERT_EQ(rows.size(), 188);
    EXPECT_EQ(rows.first()[u"table"_s].toString() + rows.first()[u"code"_s].toString(), u"/!"_s);
    EXPECT_EQ(rows.last()[u"table"_s].toString() + rows.last()[u"code"_s].toString(), u"\\~"_s);
    // "k" is code 107, the 75th of "!" to "~" in each table.
    EXPECT_EQ(rows.at(74)[u"name"_s].toString(), u"Truck"_s);
    EXPECT_EQ(rows.at(94 + 74)[u"name"_s].toString(), u"Special vehicle (SUV, 4x4)"_s);
    const CliText plain = Cli({u"symbols"_s});
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_TRUE(plain.out.startsWith(u"/ !  Police or sheriff\n"_s)) << qPrintable(plain.out);
    for (const QString &line : {u"\n/ k  Truck\n"_s, u"\n\\ k  Special vehicle (SUV, 4x4)\n"_s})
        EXPECT_TRUE(plain.out.contains(line)) << qPrintable(line);

    for (const auto &[table, name] :
         {std::pair{u"0"_s, u"Truck"_s}, {u"1"_s, u"Special vehicle (SUV, 4x4)"_s}}) {
        const CliText run = Cli({u"encode"_s, u"--json"_s, u"--set"_s, u"symbol=k"_s, u"--set"_s,
                                 u"alternate-table="_s + table});
        ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
        const QJsonValue symbol = QJsonDocument::fromJson(run.out.toUtf8())[u"symbol"_s];
        EXPECT_EQ(symbol[u"name"_s].toString(), name);
        EXPECT_EQ(symbol[u"code"_s].toString(), u"k"_s);
    }
    const CliText people = Cli({u"encode"_s, u"--set"_s, u"symbol=-"_s});
    EXPECT_TRUE(people.out.contains(u"\nSymbol: House, home station (VHF): \"-\" in the primary "
                                    u"table \"/\"\nSettings:\n"_s))
        << qPrintable(people.out);
}

// A greyed "Alternate Table" names the alternate table's symbol, the one the
// block sends.
TEST(CliExplains, GreyedAlternateTableNamesTheSymbolTheBlockSends)
{
    const CliText run = Cli({u"encode"_s, u"--set"_s, u"chkTable=2"_s});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_TRUE(
        run.out.contains(u"\nSymbol: Car with overlay: \">\" in the alternate table \"\\\"\n"_s))
        << qPrintable(run.out);
    EXPECT_TRUE(run.out.contains(u"0000  1e 08 00 3e 5c"_s)) << qPrintable(run.out);
}

// A symbol field with its position unfilled is no symbol, as the build reads
// it, not the weather station "_" that its prompt looks like.
TEST(CliExplains, UnfilledSymbolIsNamedAsNoSymbol)
{
    const CliText run = Cli({u"encode"_s, u"--set"_s, u"edSymbol="_s});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains(u"\nSymbol: No symbol: SEND refuses an empty symbol\n"_s))
        << qPrintable(run.out);
    const CliText json = Cli({u"encode"_s, u"--set"_s, u"edSymbol="_s, u"--json"_s});
    const QJsonValue symbol = QJsonDocument::fromJson(json.out.toUtf8())[u"symbol"_s];
    EXPECT_EQ(symbol[u"code"_s].toString(u"?"_s), u""_s);
    EXPECT_TRUE(symbol[u"name"_s].isNull());
}

// An unknown option is named as typed, with both dashes and without the
// value given after "=".
TEST(CliReasons, UnknownOptionWithAValueIsNamedWithoutIt)
{
    for (const QString &cent : {u"--cent=5"_s, u"--cent"_s}) {
        const CliText run = Cli({u"position"_s, cent, u"--lat"_s, u"1"_s, u"--lon"_s, u"2"_s});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.startsWith(u"tarvek-cli position: unknown option \"--cent\"\n"_s))
            << qPrintable(run.err);
    }
}

// SEND's normalisation reaches the path's first digipeater too.
TEST(CliExplains, PathIsWrittenBackNormalised)
{
    const CliText run = Cli({u"encode"_s, u"--set"_s, u"path=WIDE1-0,WIDE2-1"_s});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.out.contains(u"\nedAprsPath=WIDE1,WIDE2-1\n"_s)) << qPrintable(run.out);
}

TEST(CliReasons, RejectedBuildNamesTheSettingOnStderrAndInJson)
{
    const CliText run = Cli({u"encode"_s, u"--json"_s, u"--set"_s, u"path=WIDE1--1"_s});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, testing::NocallWarning("encode") +
                           u"tarvek-cli encode: Parametri incompleti o non corretti\n"
                           "tarvek-cli encode: edAprsPath (path) \"WIDE1--1\": the SSID \"-1\" "
                           "after \"-\" is not a whole number from 0 to 32767\n"_s);
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_FALSE(json.value(u"ok"_s).toBool(true));
    EXPECT_EQ(json.value(u"rejected"_s).toObject(),
              (QJsonObject{{u"control"_s, u"edAprsPath"_s},
                           {u"text"_s, u"WIDE1--1"_s},
                           {u"reason"_s, u"the SSID \"-1\" after \"-\" is not a whole number "
                                         "from 0 to 32767"_s}}));
    const CliText built = Cli({u"encode"_s, u"--json"_s});
    EXPECT_FALSE(built.out.contains(u"rejected"_s));
}

TEST(CliReasons, FailedInputsNameTheFileLineSettingAndValue)
{
    QTemporaryDir dir;
    const auto write = [&](const char *name, const QByteArray &bytes) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const QString bad = write("bad.cfg", "\"1\",\"200\",\"008\",0,\">\",0\r\n\"0480\"\r\n"
                                         "\"0360\"\r\n\"25x\"\r\n1\r\n2\r\n3\r\n4\r\n");
    const QString cut = write("cut.cfg", "\"1\",\"200\",\"008\",0,\">\",0\r\n\"0480\"\r\n");
    const QString none = dir.filePath(u"none.cfg"_s);
    const QString huge = write("huge.cfg", "\"1\",\"200\",\"008\",0,\">\",0\r\n\"" +
                                               QByteArray(70000, '4') + "\"\r\n");
    const struct {
        QStringList args;
        int exitCode;
        QString err;
    } rows[] = {
        {{u"save"_s, dir.filePath(u"out.cfg"_s), u"--cfg"_s, bad},
         3,
         u"tarvek-cli save: --cfg "_s + bad +
             u": line 4, esSpeedTable(2) (speed-10-22) \"25x\": Invalid property value\n"_s},
        {{u"send"_s, u"--port"_s, u"1"_s, u"--cfg"_s, cut},
         3,
         u"tarvek-cli send: --cfg "_s + cut +
             u": line 3, reading the value for esSpeedTable(1) (speed-4-9): Input past end of "
             "file\n"_s},
        {{u"encode"_s, u"--cfg"_s, huge},
         3,
         u"tarvek-cli encode: --cfg "_s + huge +
             u": line 2, reading the value for esSpeedTable(0) (speed-0-3): Value too long\n"_s},
        {{u"encode"_s, u"--cfg"_s, none},
         3,
         u"tarvek-cli encode: --cfg "_s + none + u": File not found\n"_s},
        {{u"encode"_s, u"--set"_s, u"tx-delay=2x"_s},
         2,
         u"tarvek-cli encode: --set tx-delay=2x: edNumFlagsAuto (tx-delay): character 2 of "
         "\"2x\" is not a digit\n"_s},
        {{u"save"_s, dir.filePath(u"out.cfg"_s), u"--set"_s, u"callsign=ABCDEFGHIJ"_s},
         2,
         u"tarvek-cli save: --set callsign=ABCDEFGHIJ: edMyCall (callsign): the field takes "
         "at most 9 characters, \"ABCDEFGHIJ\" has 10\n"_s},
        {{u"encode"_s, u"--set"_s, u"colour=1"_s},
         2,
         u"tarvek-cli encode: --set colour=1: unknown setting \"colour\" (`tarvek-cli "
         "settings` lists them)\n"_s},
    };
    for (const auto &row : rows) {
        const CliText run = Cli(row.args);
        EXPECT_EQ(run.exitCode, row.exitCode) << qPrintable(row.args.join(u' '));
        EXPECT_EQ(run.err, row.err);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(u"out.cfg"_s)));
}

TEST(CliReasons, LowerCaseCallsignsAreWarnedAboutAndKept)
{
    const CliText run = Cli({u"encode"_s, u"--json"_s, u"--set"_s, u"callsign=iu0abc-7"_s,
                             u"--set"_s, u"msg-to=IU0XYZ"_s, u"--set"_s, u"edAprsPath=Wide2-2"_s});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, u"tarvek-cli encode: warning: edMyCall (callsign) \"iu0abc-7\" has "
                       "lower-case letters; the window upper-cases callsigns as they are typed\n"
                       "tarvek-cli encode: warning: edAprsPath (path) \"Wide2-2\" has lower-case "
                       "letters; the window upper-cases callsigns as they are typed\n"
                       "tarvek-cli encode: warning: edMyCall (callsign) \"iu0abc-7\": the callsign "
                       "\"iu0abc\" holds \"iuabc\", but an AX.25 address takes upper-case letters "
                       "and digits only: digipeaters and receivers may drop what the tracker "
                       "sends; keep to letters and digits\n"
                       "tarvek-cli encode: warning: edAprsPath (path) \"Wide2-2\": the digipeater "
                       "\"Wide2\" holds \"ide\", but an AX.25 address takes upper-case letters and "
                       "digits only: digipeaters and receivers may drop what the tracker sends; "
                       "keep to letters and digits\n"_s);
    EXPECT_TRUE(run.out.contains(u"\"edMyCall\": \"iu0abc-7\""_s)) << qPrintable(run.out);
    const CliText messageTo =
        Cli({u"encode"_s, u"--set"_s, u"callsign=IU0ABC"_s, u"--set"_s, u"msg-to=iu0xyz"_s});
    EXPECT_EQ(messageTo.err, u"tarvek-cli encode: warning: edDestCall (msg-to) \"iu0xyz\" has "
                             "lower-case letters; the window upper-cases callsigns as they are "
                             "typed\n"
                             "tarvek-cli encode: warning: edDestCall (msg-to) \"iu0xyz\": the "
                             "destination \"iu0xyz\" holds \"iuxyz\", but an AX.25 address takes "
                             "upper-case letters and digits only: digipeaters and receivers may "
                             "drop what the tracker sends; keep to letters and digits\n"_s);
}

// Settings that would go wrong on the air: one line each on standard error,
// in the lower-case warning's form, and in --json; the exit code, the block
// and the settings printed stay as they are.
TEST(CliWarnings, OnStderrAndInJsonWithNothingElseChanged)
{
    const QStringList realCall{u"--set"_s, u"callsign=IU0ABC-9"_s};
    const CliText plain = Cli(QStringList{u"encode"_s} << realCall);
    EXPECT_EQ(plain.err, QString());
    const CliText warned =
        Cli(QStringList{u"encode"_s} << realCall << QStringList{u"--set"_s, u"speed-0-3=0030"_s});
    EXPECT_EQ(warned.exitCode, 0);
    EXPECT_EQ(warned.err, u"tarvek-cli encode: warning: esSpeedTable(0) (speed-0-3) \"0030\": the "
                          "tracker beacons every 30 s (120 an hour), more often than the usual "
                          "once a minute on a shared channel; use 60 s or more\n"_s);
    EXPECT_TRUE(warned.out.contains(u"\nesSpeedTable(0)=0030\n"_s));
    EXPECT_FALSE(warned.out.contains(u"warning"_s));

    const CliText json = Cli(QStringList{u"encode"_s, u"--json"_s}
                             << realCall << QStringList{u"--set"_s, u"path=WIDE3-3"_s});
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_TRUE(object.value(u"ok"_s).toBool());
    const QJsonArray warnings = object.value(u"warnings"_s).toArray();
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(warnings[0].toObject().value(u"control"_s), u"edAprsPath"_s);
    EXPECT_EQ(warnings[0].toObject().value(u"text"_s), u"WIDE3-3"_s);
    EXPECT_TRUE(json.err.endsWith(warnings[0].toObject().value(u"reason"_s).toString() + u'\n'));
    const CliText none = Cli(QStringList{u"encode"_s, u"--json"_s} << realCall);
    EXPECT_EQ(QJsonDocument::fromJson(none.out.toUtf8()).object().value(u"warnings"_s),
              QJsonArray());

    // A control character the warning quotes is written out on stderr and
    // kept in --json.
    const QStringList status{u"--set"_s, u"status=a|\x1b[2J"_s};
    const QTemporaryDir dir;
    const CliText escaped =
        Cli(QStringList{u"save"_s, dir.filePath(u"w.cfg"_s)} << realCall << status);
    EXPECT_TRUE(escaped.err.contains(u"edBeacon (status) \"a|\\x1b[2J\": APRS reserves \"|\""_s))
        << qPrintable(escaped.err);
    EXPECT_FALSE(escaped.err.contains(u'\x1b'));
    const CliText kept = Cli(QStringList{u"encode"_s, u"--json"_s} << realCall << status);
    EXPECT_EQ(QJsonDocument::fromJson(kept.out.toUtf8())[u"warnings"_s][0][u"text"_s],
              u"a|\x1b[2J"_s);
}

// A value's control characters reach people written out, never as they are:
// an escape sequence in a .cfg or a --set value can neither clear the screen
// nor retitle the terminal, and a line break cannot forge a line. Files and
// --json keep the characters themselves.
TEST(CliReasons, ControlCharactersAreShownEscapedAndKeptInFiles)
{
    const auto hasRawControls = [](const QByteArray &bytes) {
        return bytes.contains('\x1b') || bytes.contains('\x07') || bytes.contains('\x7f') ||
               bytes.contains('\n' + QByteArray("X")) || bytes.contains("\xc2\x9b") ||
               bytes.contains("\xc2\x9d");
    };
    QTemporaryDir dir;
    const QString saved = dir.filePath(u"saved.cfg"_s);
    ASSERT_EQ(Cli({u"save"_s, saved}).exitCode, 0);
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray defaults = file.readAll();
    file.close(); // Windows replaces no file that is open
    const QString bad = dir.filePath(u"bad.cfg"_s);
    QFile badFile(bad);
    ASSERT_TRUE(badFile.open(QIODevice::WriteOnly));
    badFile.write("\"1\x1b[2J\x1b]0;pwned\x07\"" + defaults.mid(defaults.indexOf(',')));
    badFile.close();

    const testing::CliRun loaded = testing::RunCli({u"encode"_s, u"--cfg"_s, bad});
    EXPECT_EQ(loaded.exitCode, 3);
    EXPECT_FALSE(hasRawControls(loaded.out + loaded.err));
    EXPECT_TRUE(loaded.err.contains(R"("1\x1b[2J\x1b]0;pwned\x07")")) << loaded.err.constData();

    const QString status = u"a\x1b[2J\a\x7f\u009b\u009d\\n\nX"_s;
    const testing::CliRun set = testing::RunCli(
        {u"encode"_s, u"--set"_s, u"edBeacon="_s + status, u"--set"_s, u"callsign=n\x1b"_s});
    EXPECT_EQ(set.exitCode, 0) << set.err.constData();
    EXPECT_FALSE(hasRawControls(set.out + set.err));
    EXPECT_TRUE(set.out.contains(R"(edBeacon=a\x1b[2J\x07\x7f\x9b\x9d\n\x0aX)"
                                 "\n"))
        << set.out.constData();
    EXPECT_TRUE(set.err.contains(R"(edMyCall (callsign) "n\x1b" has lower-case)"))
        << set.err.constData();

    const CliText refused = Cli({u"encode"_s, u"--set"_s, u"edComm=\nX"_s});
    EXPECT_EQ(refused.err, u"tarvek-cli encode: --set edComm=\\x0aX: edComm (port): the field "
                           "takes a number from 0 to 255 in digits, not \"\\x0aX\"\n"_s);

    // U+009B has no byte in the files' code page; U+009D is its byte 0x9D.
    const QString kept = u"a\x1b[2J\a\x7f\u009d\\n"_s;
    ASSERT_EQ(Cli({u"save"_s, saved, u"--set"_s, u"edBeacon="_s + kept}).exitCode, 0);
    QFile savedAgain(saved);
    ASSERT_TRUE(savedAgain.open(QIODevice::ReadOnly));
    EXPECT_TRUE(savedAgain.readAll().contains("\"a\x1b[2J\a\x7f\x9d\\n\""));
    const CliText json = Cli({u"encode"_s, u"--json"_s, u"--cfg"_s, saved});
    const QJsonObject fields = QJsonDocument::fromJson(json.out.toUtf8())[u"fields"_s].toObject();
    EXPECT_EQ(fields[u"edBeacon"_s].toString(), kept);
}

// The setting's name ends at the first "=": texts may hold "=" themselves.
TEST(CliInputs, SetValueMayHoldEqualsSigns)
{
    const CliText run = Cli({u"encode"_s, u"--set"_s, u"message=2+2=4"_s});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.out.contains(u"\nedAprsMsg=2+2=4\n"_s)) << qPrintable(run.out);
}

// An option's value after "=" or as the next argument: the same run.
TEST(CliInputs, OptionValuesMayFollowAnEqualsSign)
{
    for (const auto &[joined, apart] :
         {std::pair{QStringList{u"encode"_s, u"--set=callsign=N0CALL-7"_s, u"--json"_s},
                    QStringList{u"encode"_s, u"--set"_s, u"callsign=N0CALL-7"_s, u"--json"_s}},
          {QStringList{u"position"_s, u"--lat=45.30.50"_s, u"--lon=-11.52.20"_s, u"--normal"_s},
           QStringList{u"position"_s, u"--lat"_s, u"45.30.50"_s, u"--lon"_s, u"-11.52.20"_s,
                       u"--normal"_s}}}) {
        const CliText run = Cli(joined);
        EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
        EXPECT_EQ(run.out, Cli(apart).out);
    }
    EXPECT_TRUE(
        Cli({u"encode"_s, u"--set=callsign=N0CALL-7"_s}).out.contains(u"\nedMyCall=N0CALL-7\n"_s));
}

// Whatever is wrong with a command line, every verb says it the same way:
// the reason after its name, then its usage line, on standard error; exit 2.
TEST(CliUsage, EveryKindOfMistakeIsToldOneWayWithTheUsageLine)
{
    const struct {
        QStringList args;
        QString reason;
    } rows[] = {
        {{u"encode"_s, u"--bogus"_s}, u"unknown option \"--bogus\""_s},
        {{u"save"_s, u"a.cfg"_s, u"-x"_s}, u"unknown option \"-x\""_s},
        {{u"save"_s, u"a.cfg"_s, u"--set"_s}, u"--set needs a value"_s},
        {{u"save"_s, u"-set"_s, u"x=1"_s, u"a.cfg"_s, u"-set"_s}, u"-set needs a value"_s},
        {{u"position"_s, u"--normal=1"_s, u"--lat"_s, u"0"_s, u"--lon"_s, u"0"_s},
         u"--normal takes no value"_s},
        {{u"send"_s, u"--port"_s, u"1"_s, u"--port=2"_s}, u"--port given more than once"_s},
        {{u"send"_s, u"--port"_s, u"256"_s},
         u"--port takes a port number up to 255, not \"256\""_s},
        {{u"send"_s, u"--port"_s, u"0255"_s},
         u"--port takes a port number up to 255, not \"0255\""_s},
        {{u"send"_s, u"--port"_s, u"_"_s}, u"--port takes a port number up to 255, not \"_\""_s},
        {{u"send"_s, u"--cfg"_s, u"a.cfg"_s}, u"--port is required"_s},
        {{u"decode"_s, u"a"_s, u"b"_s}, u"unexpected argument \"b\""_s},
        {{u"encode"_s, u"x"_s}, u"unexpected argument \"x\""_s},
        {{u"settings"_s, u"--json"_s, u"x"_s}, u"unexpected argument \"x\""_s},
        {{u"ports"_s, u"--json"_s}, u"unknown option \"--json\""_s},
        {{u"encode"_s, u"--set"_s, u"callsign"_s}, u"--set takes NAME=VALUE, not \"callsign\""_s},
    };
    for (const auto &row : rows) {
        const CliText run = Cli(row.args);
        const QString verb = row.args.first();
        EXPECT_EQ(run.exitCode, 2) << qPrintable(row.args.join(u' '));
        EXPECT_TRUE(run.err.startsWith(u"tarvek-cli "_s + verb + u": "_s + row.reason +
                                       u"\nusage: tarvek-cli "_s + verb))
            << qPrintable(run.err);
        EXPECT_EQ(run.err.count(u'\n'), 2) << qPrintable(run.err);
        EXPECT_TRUE(run.out.isEmpty()) << qPrintable(run.out);
    }
}

TEST(CliHelp, HelpVerbPrintsWhatVerbHelpPrints)
{
    for (const QString &verb : {u"encode"_s, u"position"_s, u"ports"_s}) {
        const CliText run = Cli({u"help"_s, verb});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, Cli({verb, u"--help"_s}).out);
    }
    EXPECT_EQ(Cli({u"help"_s}).out, Cli({u"--help"_s}).out);
    const CliText unknown = Cli({u"help"_s, u"colour"_s});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.startsWith(u"tarvek-cli: unknown verb \"colour\"\nusage: "_s))
        << qPrintable(unknown.err);
}

// Each page whole, as help/ holds it after being read by hand: a stray space
// or a lost line shows. Every verb of the table has a page, and every line
// fits an 80-column terminal.
TEST(CliHelp, EveryPageReadsAsWritten)
{
    QStringList pages{u"overview"_s};
    for (const cli::Verb &verb : cli::verbs())
        pages << QLatin1String(verb.name);
    for (const QString &page : std::as_const(pages)) {
        SCOPED_TRACE(page.toStdString());
        QFile file(u":/help/"_s + page + u".txt"_s);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString expected = QString::fromUtf8(file.readAll());
        const CliText run =
            Cli(page == u"overview"_s ? QStringList{u"--help"_s} : QStringList{page, u"--help"_s});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, expected);
        for (const QString &line : run.out.split(u'\n'))
            EXPECT_LT(line.size(), 80) << qPrintable(line);
    }
}

#ifdef Q_OS_WIN
TEST(CliPorts, NumbersAreTheComPortsAndOverrides)
{
    const std::vector<SystemPort> system = {
        {u"COM3"_s, u"\\Device\\VCP0"_s, {}, {}},
        {u"COM1"_s, u"\\Device\\Serial0"_s, {}, {}},
    };
    QStringList seen;
    for (const NumberedPort &p : numberPorts(system, {{2, u"COM7"_s}, {3, u"COM9"_s}}))
        seen << u"%1 %2 %3"_s.arg(p.number).arg(p.port.device,
                                                p.overridden ? u"override"_s : u"-"_s);
    EXPECT_EQ(seen, (QStringList{u"1 COM1 -"_s, u"2 COM7 override"_s, u"3 COM9 override"_s}));
}
#else
TEST(CliPorts, NumbersOverridesAndSystemPortsInOrder)
{
    const std::vector<SystemPort> system = {
        {u"/dev/ttyS0"_s, {}, {}, {}},
        {u"/dev/ttyUSB1"_s, u"CP2102 USB to UART"_s, u"Silicon Labs"_s, u"0001"_s},
        {u"/dev/ttyUSB0"_s, u"FT232R USB UART"_s, u"FTDI"_s, u"A50285BI"_s},
    };
    const std::vector<NumberedPort> ports =
        numberPorts(system, {{2, u"/dev/ttyS0"_s}, {4, u"/dev/ttyUSB1"_s}, {5, u"/dev/pts/4"_s}});
    QStringList seen;
    for (const NumberedPort &p : ports)
        seen << u"%1 %2 %3 %4%5"_s.arg(p.number).arg(p.port.device, p.port.manufacturer,
                                                     p.overridden ? u"override"_s : u"-"_s,
                                                     p.reported ? u""_s : u" unreported"_s);
    EXPECT_EQ(seen, (QStringList{u"1 /dev/ttyUSB0 FTDI -"_s, u"2 /dev/ttyS0  override"_s,
                                 u"3 /dev/ttyS0  -"_s, u"4 /dev/ttyUSB1 Silicon Labs override"_s,
                                 u"5 /dev/pts/4  override unreported"_s}));
    EXPECT_TRUE(numberPorts({}, {}).empty());
}
#endif

#ifndef Q_OS_WIN // pseudo-terminals: Linux-only
TEST(CliPorts, OverridesOnPseudoTerminalsAreListedAndMarked)
{
    PtyPair first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    const CliText run = Cli({u"ports"_s}, {{u"TARVEK_COM1"_s, first.device()},
                                           {u"TARVEK_COM12"_s, second.device()},
                                           {u"TARVEK_COM3"_s, QString()},
                                           {u"TARVEK_COM4"_s, u"/tmp/x\x1b]0;t\a\ny"_s}});
    EXPECT_EQ(run.exitCode, 0);
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    // This test holds both pseudo-terminals open: the state names it, by the
    // 15 characters of a program's name that Linux keeps.
    const QString heldByThisTest =
        u"  in use by cli_explains_te (pid %1)"_s.arg(QCoreApplication::applicationPid());
    EXPECT_EQ(lines.first(),
              u"1  "_s + first.device() + u"  (set by TARVEK_COM1)"_s + heldByThisTest);
    // A device's name is one line, its control characters written out.
    EXPECT_TRUE(
        lines.contains(u"4  /tmp/x\\x1b]0;t\\x07\\x0ay  (set by TARVEK_COM4)  no such device"_s))
        << qPrintable(run.out);
    EXPECT_EQ(lines.last(),
              u"12  "_s + second.device() + u"  (set by TARVEK_COM12)"_s + heldByThisTest);
    for (const QString &line : lines)
        EXPECT_FALSE(line.startsWith(u"3  "_s) && line.contains(u"TARVEK_COM3"_s));
}

TEST(CliSend, ProgressDotsReachATerminalOnStderrAsTheStepsHappen)
{
    PtyPair port, terminal;
    ASSERT_TRUE(port.isValid() && terminal.isValid());
    const auto started = testing::Clock::now();
    const CliText run = Cli({u"send"_s, u"--port"_s, u"1"_s}, {{u"TARVEK_COM1"_s, port.device()}},
                            terminal.device());
    const auto ended = testing::Clock::now();
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, u"Sending data on COM1......\nData sent !\n"
                       " Be shure that the word '*OK*' appears on LCD\n"_s);
    ASSERT_TRUE(terminal.waitFor(40, std::chrono::milliseconds(1000)));
    const QByteArray shown = terminal.received();
    EXPECT_TRUE(shown.startsWith(testing::NocallWarning("send").toUtf8() +
                                 "tarvek-cli send: Sending data on COM1......"))
        << shown.data();
    // The first dot follows the 400 ms pause; three more steps of over
    // 400 ms each come before the end.
    const qsizetype firstDot = shown.indexOf("...") + 3;
    const auto arrivals = terminal.arrivals();
    ASSERT_LT(size_t(firstDot), arrivals.size());
    EXPECT_GT(testing::MillisBetween(started, arrivals[size_t(firstDot)]), 300.0);
    EXPECT_GT(testing::MillisBetween(arrivals[size_t(firstDot)], ended), 1000.0);
}
#endif

} // namespace
} // namespace tarvek
