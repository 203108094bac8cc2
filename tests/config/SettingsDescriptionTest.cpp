// The settings description: every row reaches a control of its own kind,
// the block bytes of different settings never overlap, and loadDefaults
// writes in the fixed order with one notification per control.
#include "ConfigBlock.h"
#include "ControlAccess.h"
#include "SettingsDescription.h"

#include <QMap>
#include <QSet>

#include <gtest/gtest.h>

using namespace tarvek::config;

namespace tarvek
{
namespace
{

using namespace Qt::StringLiterals;

TEST(SettingsDescription, EachRowReachesOneControlOfItsKindUnderUniqueNames)
{
    SettingsModel model;
    QSet<QString> keys, names;
    for (const ControlRef &ref : allControls(model)) {
        const SettingDescription &row = *ref.setting;
        keys.insert(ref.name);
        names.insert(QString(row.name));
        EXPECT_EQ(row.kind == ControlKind::MaskedText, ref.as<MaskedField>() != nullptr)
            << qPrintable(ref.name);
        EXPECT_EQ(row.kind == ControlKind::CheckBox, ref.as<CheckBox>() != nullptr);
        EXPECT_EQ(row.kind == ControlKind::List, ref.as<ListChoice>() != nullptr);
        EXPECT_EQ(row.kind == ControlKind::Option, ref.as<OptionButton>() != nullptr);
        EXPECT_FALSE(row.caption.isEmpty() || row.format.isEmpty()) << qPrintable(ref.name);
        EXPECT_EQ(findSetting(ref.name), &row);
    }
    EXPECT_EQ(keys.size(), 28);
    EXPECT_EQ(names.size(), 28);
    EXPECT_EQ(findSetting(u"esSpeedTable(7)"_s), nullptr);
}

TEST(SettingsDescription, BlockBytesStayInTheBlockAndOnlySharedBytesSplitTheirBits)
{
    std::array<int, kConfigBlockSize> usedBits{};
    for (const SettingDescription &row : allSettings()) {
        const BlockBytes &bytes = row.block;
        EXPECT_EQ(bytes.count > 0, bytes.coding != BlockCoding::None) << qPrintable(row.key);
        if (bytes.count == 0)
            continue;
        ASSERT_GE(bytes.first, 0);
        ASSERT_LE(bytes.first + bytes.count, kConfigBlockSize) << qPrintable(row.key);
        for (int i = bytes.first; i < bytes.first + bytes.count; ++i) {
            EXPECT_EQ(usedBits[size_t(i)] & bytes.bits, 0) << qPrintable(row.key) << " byte " << i;
            usedBits[size_t(i)] |= bytes.bits;
        }
    }
    for (int i = 0; i < kConfigBlockSize; ++i)
        EXPECT_NE(usedBits[size_t(i)], 0) << "byte " << i << " belongs to no setting";
}

// A coding that reads or writes fixed settings would read the wrong setting
// on any other row.
TEST(SettingsDescription, CodingsThatFitOneSettingAppearOnOneRowOnly)
{
    QMap<int, QString> blockRows;
    QMap<int, QString> cfgRows;
    for (const SettingDescription &row : allSettings()) {
        if (fitsOneSetting(row.block.coding)) {
            const int coding = static_cast<int>(row.block.coding);
            EXPECT_FALSE(blockRows.contains(coding))
                << qPrintable(row.key) << " and " << qPrintable(blockRows.value(coding));
            blockRows.insert(coding, row.key);
        }
        if (fitsOneSetting(row.cfg.coding)) {
            const int coding = static_cast<int>(row.cfg.coding);
            EXPECT_FALSE(cfgRows.contains(coding))
                << qPrintable(row.key) << " and " << qPrintable(cfgRows.value(coding));
            cfgRows.insert(coding, row.key);
        }
    }
    EXPECT_EQ(blockRows.size(), 6);
    EXPECT_EQ(cfgRows.size(), 2);
}

TEST(LoadDefaults, WritesEveryMainWindowControlOnceInTheFixedOrder)
{
    SettingsModel model;
    QStringList written;
    for (const ControlRef &ref : allControls(model)) {
        const auto record = [&written, name = ref.name] { written << name; };
        std::visit(
            [&](auto *control) {
                using Kind = std::remove_pointer_t<decltype(control)>;
                QObject::connect(control, &Kind::changed, record);
            },
            ref.control);
    }
    loadDefaults(model.tracker);
    EXPECT_EQ(written.join(u' '),
              u"edComm edNumFlagsAuto edMsgRepeat cbMicEMsg edSymbol chkTable chkRxPosition "
              "esSpeedTable(0) esSpeedTable(1) esSpeedTable(2) esSpeedTable(3) esSpeedTable(4) "
              "esSpeedTable(5) esSpeedTable(6) edManualTime edBcnEvery edGpsCheckTime "
              "edGpsAcqTime edMyCall edAprsPath edBeacon edDestCall edAprsMsg chkAutoReply"_s);
}

} // namespace
} // namespace tarvek
