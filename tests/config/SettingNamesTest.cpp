// Readable setting names, list texts and block-byte texts: every readable
// name reaches the same control as its control name, so both give the same
// block and fields.
#include "BlockBuilder.h"
#include "ControlAccess.h"

#include <gtest/gtest.h>

using namespace tarvek::config;

namespace tarvek
{
namespace
{

using namespace Qt::StringLiterals;

struct NameRow {
    const char *control;
    const char *name;
    const char *value; // differs from the factory default
};

// The readable names users type; the description must keep them.
// clang-format off
constexpr NameRow kNames[] = {
    {"edComm", "port", "3"},                {"edNumFlagsAuto", "tx-delay", "300"},
    {"edMsgRepeat", "msg-retries", "004"},  {"cbMicEMsg", "mic-e", "5"},
    {"chkAutoReply", "auto-reply", "1"},    {"edSymbol", "symbol", "k"},
    {"chkTable", "alternate-table", "1"},   {"edGpsCheckTime", "gps-interval", "060"},
    {"edGpsAcqTime", "gps-timeout", "000"}, {"esSpeedTable(0)", "speed-0-3", "0600"},
    {"esSpeedTable(1)", "speed-4-9", "0300"},      {"esSpeedTable(2)", "speed-10-22", "200"},
    {"esSpeedTable(3)", "speed-23-40", "150"},     {"esSpeedTable(4)", "speed-41-72", "120"},
    {"esSpeedTable(5)", "speed-73-125", "100"},    {"esSpeedTable(6)", "speed-over-125", "080"},
    {"edManualTime", "manual-interval", "0900"},   {"edBcnEvery", "status-every", "010"},
    {"chkRxPosition", "hide-received", "1"},       {"edMyCall", "callsign", "IU0ABC-7"},
    {"edAprsPath", "path", "WIDE2-2"},             {"edBeacon", "status", "On the road"},
    {"edDestCall", "msg-to", "IU0XYZ-1"},          {"edAprsMsg", "message", "Hello"},
    {"txtLat", "lat", "45.30.50"},                 {"txtLng", "lon", "9.10.20"},
    {"chkCent", "hundredths", "0"},                {"optLLtoNorm", "normal-form", "1"},
};
// clang-format on

struct Outcome {
    bool ok = false;
    ConfigBlock block{};
    QString fields;
};

Outcome BuildWith(const char *name, const char *value)
{
    SettingsModel model;
    loadDefaults(model.tracker);
    const auto control = findControl(model, QString::fromLatin1(name));
    EXPECT_TRUE(control) << name;
    if (!control)
        return {};
    const WriteResult written = writeControl(*control, QString::fromLatin1(value));
    EXPECT_TRUE(written.ok()) << qPrintable(written.reason);
    Outcome out;
    out.ok = buildConfigBlock(model.tracker, out.block).ok();
    out.fields = controlsAsJson(model);
    return out;
}

TEST(SettingNames, ReadableAndControlNamesGiveTheSameBlockAndFields)
{
    const Outcome defaults = BuildWith("edComm", "1");
    for (const NameRow &row : kNames) {
        const SettingDescription *setting = findSettingByName(QLatin1StringView(row.name));
        ASSERT_TRUE(setting) << row.name;
        EXPECT_EQ(QLatin1StringView(setting->key), QLatin1StringView(row.control));
        const Outcome byControl = BuildWith(row.control, row.value);
        const Outcome byName = BuildWith(row.name, row.value);
        EXPECT_TRUE(byControl.ok && byName.ok) << row.name;
        EXPECT_EQ(byName.block, byControl.block) << row.name;
        EXPECT_EQ(byName.fields, byControl.fields) << row.name;
        EXPECT_NE(byName.fields, defaults.fields) << row.name << " wrote nothing";
    }
    EXPECT_EQ(findSettingByName(u"speed-0-4"_s), nullptr);
}

TEST(SettingNames, MicEListTakesItsTextsInAnyCaseWithBlanksOrHyphens)
{
    const QStringList items = micEMessageNames();
    EXPECT_EQ(listPositionOfText(items, u"off-duty"_s), 0);
    EXPECT_EQ(listPositionOfText(items, u"In Service"_s), 2);
    EXPECT_EQ(listPositionOfText(items, u"EN  ROUTE"_s), 1);
    EXPECT_EQ(listPositionOfText(items, u" emergency "_s), 7);
    EXPECT_EQ(listPositionOfText(items, u"in - service"_s), 2);
    EXPECT_EQ(listPositionOfText(items, u"inservice"_s), std::nullopt);
    EXPECT_EQ(listPositionOfText(items, u"off_duty"_s), std::nullopt);

    SettingsModel model;
    const auto micE = findControl(model, u"mic-e"_s);
    ASSERT_TRUE(writeControl(*micE, u"Priority"_s).ok());
    EXPECT_EQ(model.tracker.micEMessage.index(), 6);
    const WriteResult refused = writeControl(*micE, u"Urgent"_s);
    EXPECT_TRUE(refused.reason.startsWith(u"cbMicEMsg (mic-e): \"Urgent\""_s))
        << qPrintable(refused.reason);
    EXPECT_EQ(model.tracker.micEMessage.index(), 6);
}

TEST(SettingNames, BlockBytesForPeople)
{
    const auto text = [](const char *key) { return blockBytesText(findSetting(key)->block); };
    EXPECT_EQ(text("edComm"), u"not in the block"_s);
    EXPECT_EQ(text("edNumFlagsAuto"), u"byte 0"_s);
    EXPECT_EQ(text("cbMicEMsg"), u"byte 2, bits 0 to 3"_s);
    EXPECT_EQ(text("chkRxPosition"), u"byte 15, bit 7"_s);
    EXPECT_EQ(text("edMyCall"), u"bytes 16 to 22"_s);
}

} // namespace
} // namespace tarvek
