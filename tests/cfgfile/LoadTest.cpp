#include "CfgTestSupport.h"
#include "ConfigFile.h"
#include "RecordReader.h"
#include "Unprivileged.h"

#include <QBuffer>
#include <QDir>
#include <functional>
#include <map>
#include <random>

using namespace tarvek::cfgfile;
using namespace tarvek::config;

using namespace tarvek;
using namespace tarvek::testing;

namespace
{

// A configuration unlike the defaults in every stored control, as the 25
// values of its file.
const char *const kDistinct[25] = {
    "\"3\"",        "\"150\"",       "\"005\"", "20",           "\"[\"",       "1", // line 1
    "\"0600\"",     "\"0400\"",      "\"300\"", "\"200\"",      "\"150\"",     "\"120\"",
    "\"100\"", // 2-8
    "\"0600\"",     "138",           "\"030\"", "\"QX0ZZZ-7\"", "\"WIDE2-1\"", "\"Hello, world\"",
    "\"QX1AAA\"",   "\"Hi there\"",                       // line 9
    "\"45.30.50\"", "\"011.52.20\"", "0",       "#TRUE#", // line 10
};

// Writes into `model` the controls of kDistinct's first `groups` groups.
void ApplyDistinct(SettingsModel &m, int groups)
{
    if (groups >= 1) {
        for (auto [n, v] : {std::pair{"edComm", "3"},
                            {"edNumFlagsAuto", "150"},
                            {"edMsgRepeat", "005"},
                            {"cbMicEMsg", "4"},
                            {"chkAutoReply", "1"},
                            {"edSymbol", "["},
                            {"chkTable", "1"}})
            Set(m, n, v);
    }
    if (groups >= 2) {
        const char *speeds[] = {"0600", "0400", "300", "200", "150", "120", "100"};
        for (int i = 0; i < 7; ++i)
            Set(m, QStringLiteral("esSpeedTable(%1)").arg(i), QString::fromLatin1(speeds[i]));
    }
    if (groups >= 3) {
        for (auto [n, v] : {std::pair{"edManualTime", "0600"},
                            {"edBcnEvery", "010"},
                            {"chkRxPosition", "1"},
                            {"edGpsAcqTime", "030"},
                            {"edMyCall", "QX0ZZZ-7"},
                            {"edAprsPath", "WIDE2-1"},
                            {"edBeacon", "Hello, world"},
                            {"edDestCall", "QX1AAA"},
                            {"edAprsMsg", "Hi there"}})
            Set(m, n, v);
    }
    if (groups >= 4) {
        for (auto [n, v] : {std::pair{"txtLat", "45.30.50"},
                            {"txtLng", "011.52.20"},
                            {"chkCent", "0"},
                            {"optLLtoNorm", "1"}})
            Set(m, n, v);
    }
}

// The values joined as Save lays them out: 6, 1 x 7, 8, 4 per line.
QByteArray Layout(const std::vector<QByteArray> &values)
{
    static const int perLine[] = {6, 1, 1, 1, 1, 1, 1, 1, 8, 4};
    QByteArray out;
    size_t next = 0;
    for (int count : perLine) {
        for (int i = 0; i < count && next < values.size(); ++i, ++next)
            out += (i ? "," : "") + values[next];
        if (next == values.size()) {
            return out.isEmpty() ? out : out + "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

std::vector<QByteArray> Distinct(size_t count = 25)
{
    return std::vector<QByteArray>(std::begin(kDistinct), std::begin(kDistinct) + count);
}

class LoadTest : public ::testing::Test
{
protected:
    CfgResult LoadBytes(const QByteArray &bytes)
    {
        const QString file = dir.filePath(QStringLiteral("in.cfg"));
        WriteBytes(file, bytes);
        return Counted([&] { return loadConfigFile(file, *model); });
    }
    // The state the load must leave: start-up state, then `writes`.
    void ExpectState(const std::function<void(SettingsModel &)> &writes)
    {
        auto expected = StartupModel();
        writes(*expected);
        EXPECT_EQ(controlsAsJson(*model), controlsAsJson(*expected));
    }

    QTemporaryDir dir;
    std::unique_ptr<SettingsModel> model = StartupModel();
    int clicks = 0;
    std::function<void()> onLoaded = [this] { ++clicks; };
    // Runs one load, counting the calculator settings' `loaded` signal.
    CfgResult Counted(const std::function<CfgResult()> &load)
    {
        const QMetaObject::Connection connection = QObject::connect(
            &model->calculator, &CalculatorSettings::loaded, [this] { onLoaded(); });
        CfgResult result = load();
        QObject::disconnect(connection);
        return result;
    }
};

TEST_F(LoadTest, FullFileAppliesEverythingAndClicksOnce)
{
    QString latAtClick;
    onLoaded = [&] {
        ++clicks;
        latAtClick = model->calculator.latitude.text();
    };
    ASSERT_TRUE(LoadBytes(Layout(Distinct())).ok());
    ExpectState([](SettingsModel &m) { ApplyDistinct(m, 4); });
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(latAtClick, QStringLiteral("45.30.50")); // clicked after the fields are set
}

TEST_F(LoadTest, AllValuesOnOneLineOrOnePerLineLoadTheSame)
{
    QByteArray oneLine, manyLines;
    for (const QByteArray &v : Distinct()) {
        oneLine += (oneLine.isEmpty() ? "" : ",") + v;
        manyLines += v + "\r\n";
    }
    for (const QByteArray &bytes : {oneLine + "\r\n", manyLines}) {
        model = StartupModel();
        ASSERT_TRUE(LoadBytes(bytes).ok());
        ExpectState([](SettingsModel &m) { ApplyDistinct(m, 4); });
    }
}

TEST_F(LoadTest, LinesAfterTheTenthAreIgnored)
{
    ASSERT_TRUE(LoadBytes(Layout(Distinct()) + "garbage,\"x\",,\r\n" + QByteArray(300, '\0')).ok());
    ExpectState([](SettingsModel &m) { ApplyDistinct(m, 4); });
}

// A value too long for any setting, put at each place of the file in turn:
// the load stops there and names that place's setting and line.
TEST_F(LoadTest, AFailureNamesTheSettingAndLineOfItsPlace)
{
    const char *const settings[25] = {
        "edComm",          "edNumFlagsAuto",  "edMsgRepeat",     "cbMicEMsg",
        "edSymbol",        "chkTable",        "esSpeedTable(0)", "esSpeedTable(1)",
        "esSpeedTable(2)", "esSpeedTable(3)", "esSpeedTable(4)", "esSpeedTable(5)",
        "esSpeedTable(6)", "edManualTime",    "edBcnEvery",      "edGpsAcqTime",
        "edMyCall",        "edAprsPath",      "edBeacon",        "edDestCall",
        "edAprsMsg",       "txtLat",          "txtLng",          "chkCent",
        "optLLtoNorm"};
    const int lines[25] = {1, 1, 1, 1, 1, 1, 2, 3, 4,  5,  6,  7, 8,
                           9, 9, 9, 9, 9, 9, 9, 9, 10, 10, 10, 10};
    // Too long in its text, or in the spaces before it.
    const QByteArray tooLong[] = {'"' + QByteArray(RecordReader::kMaxValueBytes + 1, 'x') + '"',
                                  QByteArray(RecordReader::kMaxValueBytes + 1, ' ') + '1'};
    for (const QByteArray &value : tooLong) {
        for (size_t i = 0; i < 25; ++i) {
            auto values = Distinct();
            values[i] = value;
            const CfgResult result = LoadBytes(Layout(values));
            EXPECT_EQ(result.error, CfgError::ValueTooLong) << settings[i];
            EXPECT_EQ(result.setting, QLatin1StringView(settings[i]));
            EXPECT_EQ(result.line, lines[i]) << settings[i] << " " << value.front();
        }
    }
}

// Old Mac editors end lines with CR alone, Unix ones with LF: a bad value on
// line 4 (the third speed band) is named on line 4 whichever end they use.
TEST_F(LoadTest, AFailureNamesItsLineWhateverTheLineEnds)
{
    auto values = Distinct();
    values[8] = "\"12345\"";
    const QByteArray crLf = Layout(values);
    for (const char *end : {"\r", "\n"}) {
        QByteArray bytes = crLf;
        const CfgResult result = LoadBytes(bytes.replace("\r\n", end));
        EXPECT_EQ(result.setting, QLatin1StringView("esSpeedTable(2)")) << int(*end);
        EXPECT_EQ(result.line, 4) << int(*end);
    }
}

TEST_F(LoadTest, GpsCheckTimeIsNotStoredAndKeepsItsValue)
{
    Set(*model, "edGpsCheckTime", "500");
    ASSERT_TRUE(LoadBytes(ExampleFile()).ok());
    EXPECT_EQ(model->tracker.gpsInterval.text(), QStringLiteral("500"));
}

TEST_F(LoadTest, LoadingTwiceEqualsLoadingOnce)
{
    ASSERT_TRUE(LoadBytes(Layout(Distinct())).ok());
    const QString once = controlsAsJson(*model);
    ASSERT_TRUE(LoadBytes(Layout(Distinct())).ok());
    EXPECT_EQ(controlsAsJson(*model), once);
    EXPECT_EQ(clicks, 2);
}

// Load writes through the controls, so the window's reactions follow.
TEST_F(LoadTest, EveryStoredControlAnnouncesItsChange)
{
    std::map<QString, int> changes;
    for (const ControlRef &c : allControls(*model)) {
        auto count = [&changes, name = c.name] { ++changes[name]; };
        std::visit(
            [&](auto *control) {
                using Kind = std::remove_pointer_t<decltype(control)>;
                QObject::connect(control, &Kind::changed, control, count);
            },
            c.control);
    }
    ASSERT_TRUE(LoadBytes(ExampleFile()).ok());
    for (const ControlRef &c : allControls(*model))
        EXPECT_EQ(changes[c.name], c.name == QLatin1String("edGpsCheckTime") ? 0 : 1)
            << c.name.toStdString();
}

struct CodeCase {
    const char *name;
    const char *messageCode;
    int micIndex;
    int autoReply;
    const char *statusCode;
    const char *bcnEvery;
    int rxPosition;
};

class CodeTable : public LoadTest, public ::testing::WithParamInterface<CodeCase>
{
};

TEST_P(CodeTable, UnpacksBothCodes)
{
    const CodeCase &c = GetParam();
    auto values = Distinct();
    values[3] = c.messageCode;
    values[14] = c.statusCode;
    ASSERT_TRUE(LoadBytes(Layout(values)).ok());
    EXPECT_EQ(model->tracker.micEMessage.index(), c.micIndex);
    EXPECT_EQ(model->tracker.autoReply.value(), c.autoReply);
    EXPECT_EQ(model->tracker.statusEvery.text(), QString::fromLatin1(c.bcnEvery));
    EXPECT_EQ(model->tracker.hideReceived.value(), c.rxPosition);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodeTable,
    ::testing::Values(CodeCase{"InServiceAutoReply_131", "18", 2, 1, "131", "003", 1},
                      CodeCase{"Emergency_3", "7", 7, 0, "3", "003", 0},
                      CodeCase{"Status200", "0", 0, 0, "200", "072", 1},
                      CodeCase{"HalfToEven", "16.5", 0, 1, "2.5", "002", 0},
                      CodeCase{"QuotedNumbers", "\"18\"", 2, 1, "\"131\"", "003", 1},
                      CodeCase{"EmptyValues", "", 0, 0, "", "000", 0},
                      CodeCase{"NegativeStatus", "0", 0, 0, "-1", "127", 1}),
    [](const auto &info) { return std::string(info.param.name); });

// What a failed load leaves: the groups before the failure, and in the failing
// group the values before the failing one.
struct FailCase {
    const char *name;
    size_t valueCount; // values of kDistinct kept
    int index = -1;    // value replaced, or -1
    const char *replacement = "";
    CfgError error;
    int groupsApplied;                                              // whole groups applied
    std::vector<std::pair<const char *, const char *>> alsoApplied; // from the failing group
};

class FailedLoadTable : public LoadTest, public ::testing::WithParamInterface<FailCase>
{
};

TEST_P(FailedLoadTable, LeavesWhatWasAppliedBefore)
{
    const FailCase &c = GetParam();
    auto values = Distinct(c.valueCount);
    if (c.index >= 0)
        values[static_cast<size_t>(c.index)] = c.replacement;
    const CfgResult result = LoadBytes(Layout(values));
    EXPECT_EQ(result.error, c.error);
    EXPECT_EQ(result.reason, cfgErrorDescription(c.error));
    ExpectState([&](SettingsModel &m) {
        ApplyDistinct(m, c.groupsApplied);
        for (auto [n, v] : c.alsoApplied)
            Set(m, n, v);
    });
    EXPECT_EQ(clicks, 0);
}

constexpr auto End = CfgError::InputPastEnd;
constexpr auto Invalid = CfgError::InvalidPropertyValue;
constexpr auto Mismatch = CfgError::TypeMismatch;

INSTANTIATE_TEST_SUITE_P(
    Cases, FailedLoadTable,
    ::testing::Values(
        FailCase{"NoValues", 0, -1, "", End, 0, {}}, FailCase{"FiveValues", 5, -1, "", End, 0, {}},
        FailCase{"SixValues", 6, -1, "", End, 1, {}},
        FailCase{"TwelveValues", 12, -1, "", End, 1, {}},
        FailCase{"ThirteenValues", 13, -1, "", End, 2, {}},
        FailCase{"TwentyValues", 20, -1, "", End, 2, {}},
        FailCase{"TwentyOneValues", 21, -1, "", End, 3, {}},
        FailCase{"TwentyFourValues", 24, -1, "", End, 3, {}},
        FailCase{"MessageCode8",
                 25,
                 3,
                 "8",
                 Invalid,
                 0,
                 {{"edComm", "3"}, {"edNumFlagsAuto", "150"}, {"edMsgRepeat", "005"}}},
        FailCase{"MessageCode15",
                 25,
                 3,
                 "15",
                 Invalid,
                 0,
                 {{"edComm", "3"}, {"edNumFlagsAuto", "150"}, {"edMsgRepeat", "005"}}},
        FailCase{"MessageCode24",
                 25,
                 3,
                 "24",
                 Invalid,
                 0,
                 {{"edComm", "3"}, {"edNumFlagsAuto", "150"}, {"edMsgRepeat", "005"}}},
        FailCase{"MessageCodeMinus1",
                 25,
                 3,
                 "-1",
                 Invalid,
                 0,
                 {{"edComm", "3"}, {"edNumFlagsAuto", "150"}, {"edMsgRepeat", "005"}}},
        FailCase{"MessageCodeOverflow",
                 25,
                 3,
                 "40000",
                 CfgError::Overflow,
                 0,
                 {{"edComm", "3"}, {"edNumFlagsAuto", "150"}, {"edMsgRepeat", "005"}}},
        FailCase{"MessageCodeText",
                 25,
                 3,
                 "\"x\"",
                 Mismatch,
                 0,
                 {{"edComm", "3"}, {"edNumFlagsAuto", "150"}, {"edMsgRepeat", "005"}}},
        FailCase{"CommNotADigit", 25, 0, "\"x\"", Invalid, 0, {}},
        FailCase{"TableState3",
                 25,
                 5,
                 "3",
                 Invalid,
                 0,
                 {{"edComm", "3"},
                  {"edNumFlagsAuto", "150"},
                  {"edMsgRepeat", "005"},
                  {"cbMicEMsg", "4"},
                  {"chkAutoReply", "1"},
                  {"edSymbol", "["}}},
        FailCase{
            "SpeedTooManyDigits",
            25,
            9,
            "\"12345\"",
            Invalid,
            1,
            {{"esSpeedTable(0)", "0600"}, {"esSpeedTable(1)", "0400"}, {"esSpeedTable(2)", "300"}}},
        FailCase{"StatusCodeOverflow",
                 25,
                 14,
                 "99999999999",
                 CfgError::Overflow,
                 2,
                 {{"edManualTime", "0600"}}},
        FailCase{"CallsignTooLong",
                 25,
                 16,
                 "\"QX0ZZZ-123\"",
                 Invalid,
                 2,
                 {{"edManualTime", "0600"},
                  {"edBcnEvery", "010"},
                  {"chkRxPosition", "1"},
                  {"edGpsAcqTime", "030"}}},
        // A check box takes a strict whole number: #TRUE# is -1, which the
        // box refuses; "1x" is no number at all.
        FailCase{"TableTruth",
                 25,
                 5,
                 "#TRUE#",
                 Invalid,
                 0,
                 {{"edComm", "3"},
                  {"edNumFlagsAuto", "150"},
                  {"edMsgRepeat", "005"},
                  {"cbMicEMsg", "4"},
                  {"chkAutoReply", "1"},
                  {"edSymbol", "["}}},
        FailCase{"CentNotANumber",
                 25,
                 23,
                 "1x",
                 Mismatch,
                 3,
                 {{"txtLat", "45.30.50"}, {"txtLng", "011.52.20"}}},
        FailCase{"CentState5",
                 25,
                 23,
                 "5",
                 Invalid,
                 3,
                 {{"txtLat", "45.30.50"}, {"txtLng", "011.52.20"}}},
        FailCase{"TruthText",
                 25,
                 24,
                 "\"yes\"",
                 Mismatch,
                 3,
                 {{"txtLat", "45.30.50"}, {"txtLng", "011.52.20"}, {"chkCent", "0"}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(LoadTest, FileCutAfterLineEightLoadsLineOneAndTheSpeeds)
{
    const QList<QByteArray> lines = Layout(Distinct()).split('\n');
    EXPECT_EQ(LoadBytes(lines.mid(0, 8).join('\n') + '\n').error, End);
    ExpectState([](SettingsModel &m) { ApplyDistinct(m, 2); });
    model = StartupModel();
    EXPECT_EQ(LoadBytes(lines.mid(0, 4).join('\n') + '\n').error, End);
    ExpectState([](SettingsModel &m) { ApplyDistinct(m, 1); });
}

TEST_F(LoadTest, FilesThatCannotBeOpenedChangeNothing)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const struct {
        QString path;
        const char *description;
    } cases[] = {
        {dir.filePath(QStringLiteral("nothere.cfg")), "File not found"},
        {dir.filePath(QStringLiteral("nofolder/x.cfg")), "Path not found"},
        {dir.filePath(QStringLiteral("folder")), "Path/File access error"},
        {QString(), "Bad file name"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(Counted([&] { return loadConfigFile(c.path, *model); }).reason,
                  QString::fromLatin1(c.description));
        ExpectState([](SettingsModel &) {});
    }
}

// As an ordinary user (root's rights would pass every permission).
TEST_F(LoadTest, UnreadableFileIsPermissionDeniedAndChangesNothing)
{
    const QString file = dir.filePath(QStringLiteral("secret.cfg"));
    WriteBytes(file, Layout(Distinct()));
    SetMode(file, 0600);
    MakeReachable(dir.path());
    const std::string notRun = RunUnprivileged([&] {
        EXPECT_EQ(Counted([&] { return loadConfigFile(file, *model); }).reason,
                  QStringLiteral("Permission denied"));
        ExpectState([](SettingsModel &) {});
        EXPECT_EQ(clicks, 0);
    });
    if (!notRun.empty())
        GTEST_SKIP() << notRun;
}

// Round trips: what Save writes, Load gives back exactly.
class RoundTrip : public LoadTest
{
protected:
    void ExpectRoundTrip(SettingsModel &source)
    {
        const QString file = dir.filePath(QStringLiteral("rt.cfg"));
        ASSERT_TRUE(saveConfigFile(file, source).ok());
        ASSERT_TRUE(Counted([&] { return loadConfigFile(file, *model); }).ok());
        Set(*model, "edGpsCheckTime", source.tracker.gpsInterval.text().toLatin1().constData());
        EXPECT_EQ(controlsAsJson(*model), controlsAsJson(source));
    }
};

TEST_F(RoundTrip, VariedSettings)
{
    auto source = StartupModel();
    ApplyDistinct(*source, 4);
    Set(*source, "chkTable", "2");
    Set(*source, "chkCent", "2");
    Set(*source, "esSpeedTable(3)", "");
    Set(*source, "edMsgRepeat", "7");
    Set(*source, "edAprsPath", "");
    ExpectRoundTrip(*source);
}

// A port number of up to three digits is stored as typed and loads back; an
// empty port is stored as "_", as the one-digit field stored it.
TEST_F(RoundTrip, PortNumbersAsTyped)
{
    for (const char *typed : {"12", "255", "007", ""}) {
        SCOPED_TRACE(typed);
        auto source = StartupModel();
        Set(*source, "edComm", typed);
        ExpectRoundTrip(*source);
        QFile file(dir.filePath(QStringLiteral("rt.cfg")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().startsWith('"' + QByteArray(*typed ? typed : "_") + "\","));
    }
}

TEST_F(RoundTrip, EveryPrintableCharacterAndQuotesInEveryTextField)
{
    QString printable;
    for (char16_t c = 32; c < 127; ++c)
        printable.append(QChar(c));
    printable += QString::fromUtf8("€Šéÿ");
    const char *fields[] = {"edMyCall",  "edAprsPath", "edBeacon", "edDestCall",
                            "edAprsMsg", "txtLat",     "txtLng"};
    // Slide a window over the characters so each field sees all of them.
    for (qsizetype start = 0; start < printable.size(); start += 9) {
        auto source = StartupModel();
        for (const char *name : fields) {
            const auto control = findControl(*source, QString::fromLatin1(name));
            const MaskedField *field = control->as<MaskedField>();
            const int room = field->maxLength() ? field->maxLength() : 40;
            QString text = QStringLiteral("\"") + printable.mid(start, room - 2) + u'"';
            Set(*source, QString::fromLatin1(name), text.left(room));
        }
        Set(*source, "edSymbol", "\"");
        SCOPED_TRACE(printable.mid(start, 9).toStdString());
        ExpectRoundTrip(*source);
    }
}

// Damaged or hostile files: each ends with a message and the values applied
// so far, without crashing, hanging or reading without bound.
TEST_F(LoadTest, BadInputs)
{
    std::mt19937 rng(7);
    QByteArray binary(4096, '\0');
    for (char &b : binary)
        b = static_cast<char>(rng());
    const QByteArray digits400(400, '7');
    const struct {
        const char *name;
        QByteArray bytes;
        CfgError error;
    } cases[] = {
        {"empty", QByteArray(), End},
        {"onlyLineEnds", "\r\n\r\n\r\n", End},
        {"unclosedQuote", "\"1\",\"2", End},
        {"unclosedQuoteLater", "\"1\",\"200\",\"008\",0,\">\",0\r\n\"0480", End},
        {"digits400Text", "\"" + digits400 + "\",\"200\",\"008\",0,\">\",0", Invalid},
        {"digits400Number", "\"1\",\"200\",\"008\"," + digits400 + ",\">\",0", CfgError::Overflow},
        {"nulInDigits", QByteArray("\"1\",\"\0\",\"008\",0,\">\",0", 21), Invalid},
        {"onlyNulBytes", QByteArray(64, '\0'), End},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        model = StartupModel();
        EXPECT_EQ(LoadBytes(c.bytes).error, c.error);
        EXPECT_EQ(clicks, 0);
    }
    EXPECT_FALSE(LoadBytes(binary).ok());
    EXPECT_EQ(clicks, 0);
}

TEST_F(LoadTest, HundredMegabyteLineIsNotReadWhole)
{
    const QString file = dir.filePath(QStringLiteral("huge.cfg"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.write("\"1\",\"200\",\"008\",0,\">\",0\r\n\""));
        ASSERT_TRUE(f.resize(100 * 1024 * 1024)); // sparse: NUL bytes, no line end
    }
    EXPECT_EQ(Counted([&] { return loadConfigFile(file, *model); }).error, CfgError::ValueTooLong);
    ExpectState([](SettingsModel &) {}); // line 1 is the start-up state already
}

// A device that never ends: the load must stop by itself.
class EndlessDevice : public QIODevice
{
public:
    explicit EndlessDevice(char fill) : m_fill(fill) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 served = 0;

protected:
    qint64 readData(char *data, qint64 max) override
    {
        std::fill(data, data + max, m_fill);
        served += max;
        return max;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    char m_fill;
};

TEST_F(LoadTest, EndlessInputIsReadWithinABound)
{
    for (char fill : {' ', 'x', '"', ','}) {
        EndlessDevice device(fill);
        const CfgResult result = Counted([&] { return loadConfig(device, *model); });
        // Commas are 25 empty values, which load; the others never end a value.
        EXPECT_EQ(result.ok(), fill == ',') << fill;
        EXPECT_LT(device.served, 25 * (RecordReader::kMaxValueBytes + 64 * 1024)) << fill;
    }
}

} // namespace

namespace
{

// Serves a few bytes, then fails to read.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(QByteArray head) : m_head(std::move(head)) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    bool atEnd() const override { return false; }

protected:
    qint64 readData(char *data, qint64 max) override
    {
        if (m_head.isEmpty())
            return -1;
        const qint64 n = std::min<qint64>(max, m_head.size());
        std::copy_n(m_head.constData(), n, data);
        m_head.remove(0, n);
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_head;
};

TEST(LoadConfig, ReadErrorIsReportedNotTakenForAShortValue)
{
    SettingsModel model;
    loadDefaults(model.tracker);
    FailingDevice device("\"2\",\"150\",\"005\",0,\">\",1");
    const CfgResult result = loadConfig(device, model);
    EXPECT_EQ(result.error, CfgError::DeviceIo);
    EXPECT_EQ(model.tracker.port.text(), QStringLiteral("1")); // the group was never applied
}

} // namespace
