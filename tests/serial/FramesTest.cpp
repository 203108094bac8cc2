// The wire format both ways: checksums, the 120 bytes of an upload, and the
// decoder that reads a capture back into settings.
#include "BlockBuilder.h"
#include "BlockDecoder.h"
#include "CfgTestSupport.h"
#include "ControlAccess.h"
#include "Frames.h"
#include "WireDecoder.h"

#include "QtPrinters.h"
#include "ReferenceVectors.h"

#include <gtest/gtest.h>

using namespace tarvek::config;
using namespace tarvek::serial;

namespace tarvek
{
namespace
{

using namespace Qt::StringLiterals;

// The defaults' upload, worked out by hand from the block layout.
const QByteArray kDefaultWire = QByteArray::fromHex(
    "ffff1e08003e2f0a302419120d0b091e19034e4f43414c4c3957494445312031574944453220320054617276"
    "656b2c20766572332e302c206279209dffff5158305a5a5a204d6178004e4f43414c4c304d65737361676520"
    "73656e74207573696e672054617276656b2c2076657273696f6e20332e300089");

struct ChecksumCase {
    const char *name;
    std::uint8_t fill;
    std::uint8_t expected;
};

class Checksum : public ::testing::TestWithParam<ChecksumCase>
{
};

TEST_P(Checksum, StartsFrom254AndWraps)
{
    const std::vector<std::uint8_t> data(kFrameDataSize, GetParam().fill);
    EXPECT_EQ(frameChecksum(data.data(), kFrameDataSize), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Halves, Checksum,
                         ::testing::Values(ChecksumCase{"AllZero", 0, 254},
                                           ChecksumCase{"All255", 255, 197},
                                           ChecksumCase{"AllOne", 1, 55}),
                         [](const auto &info) { return info.param.name; });

ConfigBlock DefaultBlock()
{
    TrackerSettings settings;
    loadDefaults(settings);
    ConfigBlock block{};
    EXPECT_TRUE(buildConfigBlock(settings, block).ok());
    return block;
}

TEST(Wire, DefaultsGiveTheExpected120Bytes)
{
    EXPECT_EQ(buildWire(DefaultBlock()), kDefaultWire);
}

TEST(Wire, EachFrameHasItsOwnChecksum)
{
    ConfigBlock block{};
    block[56] = 1; // last byte of frame 1
    const QByteArray wire = buildWire(block);
    EXPECT_EQ(std::uint8_t(wire[59]), 255);
    EXPECT_EQ(std::uint8_t(wire[119]), 254);
}

struct CaptureCase {
    const char *name;
    int index; // byte changed in the defaults' capture, -1 for none
    int size;  // bytes kept
    const char *error;
};

class Capture : public ::testing::TestWithParam<CaptureCase>
{
};

TEST_P(Capture, ChecksPreamblesChecksumsAndLength)
{
    const CaptureCase &c = GetParam();
    QByteArray bytes = kDefaultWire;
    if (c.index >= 0)
        bytes[c.index] = char(bytes[c.index] ^ 0x01);
    bytes.truncate(c.size);
    const ParsedCapture parsed = parseCapture(bytes);
    EXPECT_EQ(parsed.ok(), QString::fromLatin1(c.error).isEmpty());
    EXPECT_EQ(parsed.reason, QString::fromLatin1(c.error));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Capture,
    ::testing::Values(
        CaptureCase{"Good", -1, 120, ""},
        CaptureCase{"Empty", -1, 0,
                    "0 bytes: expected 120 (an upload as captured on the line) or 114 (a "
                    "configuration block)"},
        CaptureCase{"OneShort", -1, 119,
                    "119 bytes: expected 120 (an upload as captured on the line) or 114 (a "
                    "configuration block)"},
        CaptureCase{"FirstPreamble", 1, 120, "preamble 1 is 255 254, expected 255 255"},
        CaptureCase{"SecondPreamble", 60, 120, "preamble 2 is 254 255, expected 255 255"},
        CaptureCase{"FirstChecksum", 59, 120, "checksum of frame 1 is 156, expected 157"},
        CaptureCase{"DataOfSecondFrame", 100, 120, "checksum of frame 2 is 137, expected 136"}),
    [](const auto &info) { return info.param.name; });

TEST(Capture, BareBlockIsTakenAsIs)
{
    const ConfigBlock block = DefaultBlock();
    const ParsedCapture parsed =
        parseCapture(QByteArray(reinterpret_cast<const char *>(block.data()), kConfigBlockSize));
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.block, block);
    EXPECT_EQ(parseCapture(kDefaultWire).block, block);
}

QString Lines(const QList<Setting> &settings)
{
    QString out;
    for (const Setting &s : settings)
        out += s.first + u'=' + s.second + u'\n';
    return out;
}

TEST(Decode, DefaultsInTheWindowsTerms)
{
    EXPECT_EQ(Lines(decodeSettings(DefaultBlock())),
              u"edNumFlagsAuto=200\nedMsgRepeat=008\ncbMicEMsg=0\nchkAutoReply=0\nedSymbol=>\n"
              "chkTable=0\nedGpsCheckTime=100\nedGpsAcqTime=025\nesSpeedTable(0)=0480\n"
              "esSpeedTable(1)=0360\nesSpeedTable(2)=250\nesSpeedTable(3)=180\n"
              "esSpeedTable(4)=130\nesSpeedTable(5)=110\nesSpeedTable(6)=090\n"
              "edManualTime=0300\nedBcnEvery=003\nchkRxPosition=0\nedMyCall=NOCALL-9\n"
              "edAprsPath=WIDE1-1,WIDE2-2\nedBeacon=Tarvek, ver3.0, by QX0ZZZ Max\n"
              "edDestCall=NOCALL\nedAprsMsg=Message sent using Tarvek, version 3.0\n"_s);
}

QString Decoded(const QList<Setting> &settings, const QString &name)
{
    for (const Setting &s : settings)
        if (s.first == name)
            return s.second;
    return u"<missing>"_s;
}

struct ShapeCase {
    const char *name;
    std::vector<std::pair<const char *, const char *>> writes;
    const char *control;
    const char *expected;
};

class DecodeShape : public ::testing::TestWithParam<ShapeCase>
{
};

// Settings written as in the window, built, and read back from the block.
TEST_P(DecodeShape, ReadsBackWhatTheBuildPacked)
{
    SettingsModel model;
    loadDefaults(model.tracker);
    for (const auto &[name, value] : GetParam().writes)
        ASSERT_NO_FATAL_FAILURE(testing::Set(model, name, value));
    ConfigBlock block{};
    ASSERT_TRUE(buildConfigBlock(model.tracker, block).ok());
    EXPECT_EQ(Decoded(decodeSettings(block), QString::fromLatin1(GetParam().control)),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DecodeShape,
    ::testing::Values(
        ShapeCase{"OneDigipeater", {{"edAprsPath", "WIDE1-1"}}, "edAprsPath", "WIDE1-1"},
        ShapeCase{"NoPath", {{"edAprsPath", ""}}, "edAprsPath", ""},
        ShapeCase{"PathEndingInComma", {{"edAprsPath", "WIDE1-1,"}}, "edAprsPath", "WIDE1-1,"},
        ShapeCase{"OwnCallWithoutPath", {{"edAprsPath", ""}}, "edMyCall", "NOCALL-9"},
        ShapeCase{"Ssid15", {{"edMyCall", "AB1CD-15"}}, "edMyCall", "AB1CD-15"},
        ShapeCase{"LeadingZeroSsid", {{"edMyCall", "AB1CD-09"}}, "edMyCall", "AB1CD-9"},
        ShapeCase{"EmptyDestination", {{"edDestCall", ""}}, "edDestCall", ""},
        ShapeCase{"Gpsless", {{"edGpsAcqTime", "000"}}, "edGpsCheckTime", "GPSless"},
        ShapeCase{
            "DisplayFlag", {{"chkRxPosition", "1"}, {"edBcnEvery", "127"}}, "edBcnEvery", "127"},
        ShapeCase{"AutoReply", {{"chkAutoReply", "1"}, {"cbMicEMsg", "7"}}, "cbMicEMsg", "7"},
        ShapeCase{"AlternateTable", {{"chkTable", "1"}}, "chkTable", "1"},
        ShapeCase{"TxDelayAsUsed", {{"edNumFlagsAuto", "250"}}, "edNumFlagsAuto", "253"},
        ShapeCase{"Windows1252Text",
                  {{"edBeacon", "caf\xc3\xa9 \xe2\x82\xac"}},
                  "edBeacon",
                  "caf\xc3\xa9 \xe2\x82\xac"}),
    [](const auto &info) { return info.param.name; });

// The reference uploads read back as the numbers and texts the window shows
// after SEND.
TEST(Decode, ReferenceUploadsMatchTheNormalisedFields)
{
    const QJsonArray cases = testing::LoadVectors(u"upload_vectors.json"_s);
    ASSERT_GT(cases.size(), 30);
    const QStringList compared = {
        u"edNumFlagsAuto"_s,  u"edMsgRepeat"_s,     u"cbMicEMsg"_s,       u"chkAutoReply"_s,
        u"edSymbol"_s,        u"chkTable"_s,        u"edGpsAcqTime"_s,    u"esSpeedTable(0)"_s,
        u"esSpeedTable(1)"_s, u"esSpeedTable(2)"_s, u"esSpeedTable(3)"_s, u"esSpeedTable(4)"_s,
        u"esSpeedTable(5)"_s, u"esSpeedTable(6)"_s, u"edManualTime"_s,    u"edBcnEvery"_s,
        u"chkRxPosition"_s,   u"edBeacon"_s,        u"edAprsMsg"_s};
    for (const QJsonValue &entry : cases) {
        const QJsonObject c = entry.toObject();
        const QString name = c[u"name"_s].toString();
        const ParsedCapture parsed =
            parseCapture(QByteArray::fromHex(c[u"wire"_s].toString().toLatin1()));
        ASSERT_TRUE(parsed.ok()) << qPrintable(name);
        const QList<Setting> decoded = decodeSettings(parsed.block);
        const QJsonObject fields = c[u"fields"_s].toObject();
        for (const QString &control : compared) {
            EXPECT_EQ(Decoded(decoded, control), testing::VectorText(fields[control]))
                << qPrintable(name) << " " << qPrintable(control);
        }
        if (fields[u"edGpsAcqTime"_s].toString() == u"000"_s)
            EXPECT_EQ(Decoded(decoded, u"edGpsCheckTime"_s), u"GPSless"_s);
        else
            EXPECT_EQ(Decoded(decoded, u"edGpsCheckTime"_s),
                      fields[u"edGpsCheckTime"_s].toString());
    }
}

} // namespace
} // namespace tarvek
