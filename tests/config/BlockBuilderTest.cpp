#include "BlockBuilder.h"
#include "ControlAccess.h"
#include "Frames.h"
#include "SettingsDescription.h"
#include "TrackerSettings.h"

#include "ReferenceVectors.h"

#include <gtest/gtest.h>

using namespace tarvek::config;
using namespace tarvek::serial;

using namespace tarvek;

namespace
{

QByteArray Bytes(const ConfigBlock &block)
{
    return QByteArray(reinterpret_cast<const char *>(block.data()), kConfigBlockSize);
}

struct Built {
    bool ok;
    ConfigBlock block;
};

class BlockBuilderTest : public ::testing::Test
{
protected:
    void SetUp() override { loadDefaults(model.tracker); }

    void Set(const char *name, const QString &value)
    {
        const auto control = findControl(model, QString::fromLatin1(name));
        ASSERT_TRUE(control) << name;
        const WriteResult written = writeControl(*control, value);
        ASSERT_TRUE(written.ok()) << written.reason.toStdString();
    }
    void Set(const char *name, const char *value) { Set(name, QString::fromLatin1(value)); }

    Built fillBlock()
    {
        Built b{};
        b.ok = buildConfigBlock(model.tracker, b.block).ok();
        return b;
    }

    SettingsModel model;
    TrackerSettings &s = model.tracker;
};

} // namespace

TEST_F(BlockBuilderTest, DefaultsGiveTheFactoryBlock)
{
    QByteArray expected;
    expected += QByteArray::fromHex("1e08003e2f0a302419120d0b091e1903");
    expected += "NOCALL9WIDE1 1WIDE2 2";
    expected += '\0';
    expected += "Tarvek, ver3.0, by QX0ZZZ Max";
    expected += '\0';
    expected += "NOCALL0";
    expected += "Message sent using Tarvek, version 3.0";
    expected += '\0';
    ASSERT_EQ(expected.size(), kConfigBlockSize);
    const Built b = fillBlock();
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(Bytes(b.block).toHex(), expected.toHex());
}

TEST_F(BlockBuilderTest, NormalisedTextsAreWrittenBack)
{
    Set("edNumFlagsAuto", "5");
    Set("edMsgRepeat", "8");
    Set("esSpeedTable(2)", "15");
    Set("esSpeedTable(3)", "25");
    Set("esSpeedTable(4)", "35");
    Set("esSpeedTable(0)", "15");
    Set("esSpeedTable(1)", "0485");
    Set("edManualTime", "0495");
    Set("edBcnEvery", "200");
    const Built b = fillBlock();
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(s.txDelay.text(), QStringLiteral("007"));
    EXPECT_EQ(b.block[offset::kTxDelay], 1);
    EXPECT_EQ(s.messageRetries.text(), QStringLiteral("008"));
    EXPECT_EQ(s.speedIntervals[2].text(), QStringLiteral("020"));
    EXPECT_EQ(s.speedIntervals[3].text(), QStringLiteral("020"));
    EXPECT_EQ(s.speedIntervals[4].text(), QStringLiteral("040"));
    EXPECT_EQ(s.speedIntervals[0].text(), QStringLiteral("0020"));
    EXPECT_EQ(s.speedIntervals[1].text(), QStringLiteral("0480"));
    EXPECT_EQ(b.block[offset::kSpeedTable + 1], 48);
    EXPECT_EQ(s.manualInterval.text(), QStringLiteral("0500"));
    EXPECT_EQ(b.block[offset::kManualInterval], 50);
    EXPECT_EQ(s.statusEvery.text(), QStringLiteral("127"));
}

// Below 7 ms the delay is raised to 7 ms, 1 flag: "0" and "3" would
// otherwise give 0 flags (3 x 0.15 = 0.45), written back as "000".
TEST_F(BlockBuilderTest, TxDelayIsRewrittenAsTheDelayReallyUsed)
{
    for (const auto &[typed, written] :
         {std::pair{"250", "253"}, {"150", "147"}, {"10", "013"}, {"0", "007"}, {"3", "007"}}) {
        Set("edNumFlagsAuto", typed);
        ASSERT_TRUE(fillBlock().ok) << typed;
        EXPECT_EQ(s.txDelay.text(), QString::fromLatin1(written)) << typed;
    }
}

TEST_F(BlockBuilderTest, PathShapes)
{
    Set("edAprsPath", "WIDE1-1");
    Built b = fillBlock();
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(Bytes(b.block).mid(23, 15).toHex(),
              QByteArray("WIDE1 1").toHex() + QByteArray(16, '0'));

    Set("edAprsPath", "");
    b = fillBlock();
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(Bytes(b.block).mid(23, 15), QByteArray(15, '\0'));
    EXPECT_EQ(b.block[22], '9');
    EXPECT_TRUE(s.path.text().isEmpty());

    Set("edAprsPath", "WIDE1-1,");
    b = fillBlock();
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(Bytes(b.block).mid(30, 8), QByteArray("      0") + '\0');
    EXPECT_EQ(s.path.text(), QStringLiteral("WIDE1-1,"));

    // Everything after the first comma is one callsign: the second
    // digipeater keeps its SSID, the third is not sent.
    Set("edAprsPath", "WIDE1-1,W2-2,W3-3");
    b = fillBlock();
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(Bytes(b.block).mid(30, 8), QByteArray("W2    2") + '\0');
    EXPECT_EQ(s.path.text(), QStringLiteral("WIDE1-1,W2-2,W3-3"));
}

TEST_F(BlockBuilderTest, GpslessModeSendsTheMarker)
{
    Set("edGpsAcqTime", "000");
    Set("edGpsCheckTime", "5");
    const Built b = fillBlock();
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(b.block[offset::kGpsCheckInterval], kGpslessMarker);
    EXPECT_EQ(b.block[offset::kGpsAcqTimeout], 0);
    EXPECT_EQ(s.gpsInterval.text(), QStringLiteral("010"));
}

TEST_F(BlockBuilderTest, FlagsAndTable)
{
    Set("edBcnEvery", "127");
    Set("chkRxPosition", "1");
    Set("chkAutoReply", "1");
    Set("cbMicEMsg", "2");
    Set("chkTable", "1");
    Set("edSymbol", "_");
    const Built b = fillBlock();
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(b.block[offset::kStatusEvery], 255);
    EXPECT_EQ(s.statusEvery.text(), QStringLiteral("127"));
    EXPECT_EQ(b.block[offset::kMsgOptions], 18);
    EXPECT_EQ(b.block[offset::kSymbolTable], '\\');
    EXPECT_EQ(b.block[offset::kSymbolCode], 95) << "a typed underscore is the weather symbol";
}

struct FailureCase {
    const char *name;
    const char *control;
    const char *value;
};

class BuildFailure : public BlockBuilderTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(BuildFailure, RejectsTheSettings)
{
    Set(GetParam().control, GetParam().value);
    EXPECT_FALSE(fillBlock().ok);
}

INSTANTIATE_TEST_SUITE_P(Causes, BuildFailure,
                         ::testing::Values(FailureCase{"retries_256", "edMsgRepeat", "256"},
                                           FailureCase{"timeout_256", "edGpsAcqTime", "256"},
                                           FailureCase{"speed_2555", "esSpeedTable(0)", "2555"},
                                           FailureCase{"manual_2555", "edManualTime", "2555"},
                                           FailureCase{"speed3_995", "esSpeedTable(4)", "995"},
                                           FailureCase{"check_999", "edGpsCheckTime", "999"},
                                           FailureCase{"txdelay_997", "edNumFlagsAuto", "997"},
                                           FailureCase{"empty_symbol", "edSymbol", ""},
                                           FailureCase{"empty_callsign", "edMyCall", ""},
                                           FailureCase{"blank_callsign", "edMyCall", "   "},
                                           FailureCase{"negative_ssid", "edMyCall", "NOCALL--1"},
                                           FailureCase{"ssid_below_48", "edMyCall", "NOCAL--49"},
                                           FailureCase{"ssid_too_big", "edDestCall", "X-99999"},
                                           FailureCase{"path_negative_ssid", "edAprsPath",
                                                       "WIDE1--2"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(BlockBuilderTest, LateFailureLeavesEarlierTextsNormalised)
{
    Set("edNumFlagsAuto", "250");
    Set("esSpeedTable(2)", "15");
    Set("edMyCall", "NOCALL-16");
    Set("edDestCall", "X--1");
    const Built b = fillBlock();
    EXPECT_FALSE(b.ok);
    EXPECT_EQ(s.txDelay.text(), QStringLiteral("253"));
    EXPECT_EQ(s.speedIntervals[2].text(), QStringLiteral("020"));
    EXPECT_EQ(s.callsign.text(), QStringLiteral("NOCALL"));
    EXPECT_EQ(b.block[offset::kStatusText], 'T') << "the block stays as far as it was filled";
    EXPECT_EQ(b.block[offset::kMessage], 0);
}

TEST_F(BlockBuilderTest, AnyCharacterInTheTextFieldsBuildsOrFailsCleanly)
{
    for (int code = 1; code < 0x2100; code += (code < 256 ? 1 : 97)) {
        const QString text = QString(QChar(code)) + QStringLiteral("-") + QChar(code);
        Set("edMyCall", text);
        Set("edAprsPath", text + u',' + text);
        Set("edDestCall", text);
        Set("edBeacon", QString(29, QChar(code)));
        Set("edAprsMsg", QString(38, QChar(code)));
        const Built b = fillBlock();
        EXPECT_TRUE(b.ok) << code;
        EXPECT_EQ(b.block[113], 0) << code;
    }
}

// Each byte of the block is packed by exactly one step; a setting that
// shares its byte with another is packed by that one's step.
TEST(PackOrder, PacksEveryDescribedByteOnce)
{
    QMap<int, int> stepsPerByte;
    for (const auto &[key, check] : packOrder()) {
        if (check != PackCheck::Pack)
            continue;
        const SettingDescription *row = findSetting(QLatin1StringView(key));
        ASSERT_TRUE(row) << key;
        ASSERT_NE(row->block.coding, BlockCoding::None) << key;
        ++stepsPerByte[row->block.first];
    }
    for (const SettingDescription &row : allSettings()) {
        if (row.block.coding != BlockCoding::None) {
            EXPECT_EQ(stepsPerByte.value(row.block.first), 1) << qPrintable(row.key);
        }
    }
}

TEST(PackText, RefusesATextRunningPastTheBlock)
{
    ConfigBlock block{};
    EXPECT_TRUE(packText(block, 75, QString(38, u'm')));
    EXPECT_FALSE(packText(block, 75, QString(39, u'm')));
    EXPECT_TRUE(packText(block, 38, QString(75, u's')));
    EXPECT_FALSE(packText(block, 38, QString(76, u's')));
}

TEST(ReferenceVectors, EveryCaseBuildsTheSameBlockAndFields)
{
    const QJsonArray cases = tarvek::testing::LoadVectors(QStringLiteral("encode_vectors.json"));
    ASSERT_EQ(cases.size(), 60);
    int index = 0;
    for (const auto &entry : cases) {
        const QJsonObject c = entry.toObject();
        SettingsModel model;
        loadDefaults(model.tracker);
        for (const auto &[name, value] : tarvek::testing::VectorWrites(c)) {
            const auto control = findControl(model, name);
            ASSERT_TRUE(control);
            ASSERT_TRUE(writeControl(*control, value).ok()) << index;
        }
        ConfigBlock block{};
        const bool ok = buildConfigBlock(model.tracker, block).ok();
        EXPECT_EQ(ok, c[QStringLiteral("ok")].toBool()) << index;
        EXPECT_EQ(QString::fromLatin1(Bytes(block).toHex()), c[QStringLiteral("block")].toString())
            << index;
        const QJsonValue wire = c[QStringLiteral("wire")];
        EXPECT_EQ(ok ? QString::fromLatin1(buildWire(block).toHex()) : QString(),
                  wire.isNull() ? QString() : wire.toString())
            << index;
        const QJsonObject fields = c[QStringLiteral("fields")].toObject();
        for (const ControlRef &ref : allControls(model)) {
            const auto value = readControl(ref);
            const QJsonValue expected = fields[ref.name];
            if (std::holds_alternative<QString>(value))
                EXPECT_EQ(std::get<QString>(value), expected.toString()) << index;
            else
                EXPECT_EQ(std::get<int>(value), expected.toInt()) << index;
        }
        ++index;
    }
}
