#include "ControlAccess.h"
#include "MaskedField.h"
#include "TrackerSettings.h"

#include <gtest/gtest.h>

using namespace tarvek::config;

using tarvek::config::MaskedField;

namespace
{

int CountChanges(MaskedField &field, const std::function<void()> &action)
{
    int changes = 0;
    QObject::connect(&field, &MaskedField::changed, &field, [&] { ++changes; });
    action();
    return changes;
}

} // namespace

TEST(MaskedField, ShortWriteLeavesPromptInOpenPositions)
{
    MaskedField field(QStringLiteral("999"), 3);
    ASSERT_TRUE(field.setText(QStringLiteral("25")));
    EXPECT_EQ(field.text(), QStringLiteral("25_"));
    EXPECT_EQ(field.content(), QStringLiteral("25"));
    ASSERT_TRUE(field.setText(QString()));
    EXPECT_EQ(field.text(), QStringLiteral("___"));
}

TEST(MaskedField, RefusedWriteKeepsTextAndRaisesNoChange)
{
    MaskedField field(QStringLiteral("999"), 3);
    ASSERT_TRUE(field.setText(QStringLiteral("100")));
    const int changes = CountChanges(field, [&] {
        EXPECT_FALSE(field.setText(QStringLiteral("1000")));
        EXPECT_FALSE(field.setText(QStringLiteral("1a")));
        EXPECT_FALSE(field.setText(QStringLiteral("-1")));
    });
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(field.text(), QStringLiteral("100"));
}

TEST(MaskedField, EveryAcceptedWriteRaisesChangeEvenWhenTextIsTheSame)
{
    MaskedField field(QString(), 9);
    const int changes = CountChanges(field, [&] {
        EXPECT_TRUE(field.setText(QStringLiteral("NOCALL")));
        EXPECT_TRUE(field.setText(QStringLiteral("NOCALL")));
    });
    EXPECT_EQ(changes, 2);
}

TEST(MaskedField, SymbolUnfilledIsEmptyButTypedUnderscoreIsASymbol)
{
    MaskedField symbol(QStringLiteral("&"), 1);
    EXPECT_EQ(symbol.text(), QStringLiteral("_"));
    EXPECT_TRUE(symbol.content().isEmpty());
    ASSERT_TRUE(symbol.setText(QStringLiteral("_")));
    EXPECT_EQ(symbol.text(), QStringLiteral("_"));
    EXPECT_EQ(symbol.content(), QStringLiteral("_"));
    EXPECT_FALSE(symbol.setText(QStringLiteral("\t"))) << "control characters are not printable";
    EXPECT_FALSE(symbol.setText(QStringLiteral(">>")));
}

TEST(MaskedField, DigitMaskTakesPromptAsOpenPosition)
{
    MaskedField field(QStringLiteral("#"), 1);
    ASSERT_TRUE(field.setText(QStringLiteral("_")));
    EXPECT_EQ(field.text(), QStringLiteral("_"));
    EXPECT_TRUE(field.content().isEmpty());
}

// "Comm num:" takes up to three digits reading 0 to 255; empty, it reads "_"
// as the one-digit field did, so files that stored either load the same.
TEST(MaskedField, NumberFieldTakesDigitsUpToItsMaximum)
{
    MaskedField port(QString(), 3, nullptr, 255);
    EXPECT_EQ(port.text(), QStringLiteral("_"));
    for (const char *taken : {"1", "12", "255", "007", "0", "_"}) {
        EXPECT_TRUE(port.setText(QString::fromLatin1(taken))) << taken;
        EXPECT_EQ(port.text(), QString::fromLatin1(taken));
    }
    EXPECT_TRUE(port.content().isEmpty());
    ASSERT_TRUE(port.setText(QStringLiteral("12")));
    for (const char *refused : {"256", "1000", "1a", " 1", "-1", "+1", "1_", "__"})
        EXPECT_FALSE(port.setText(QString::fromLatin1(refused))) << refused;
    EXPECT_EQ(port.text(), QStringLiteral("12"));
    ASSERT_TRUE(port.setText(QString()));
    EXPECT_EQ(port.text(), QStringLiteral("_"));
}

TEST(MaskedField, FreeTextRefusesMoreThanMaxLength)
{
    MaskedField beacon(QString(), 29);
    EXPECT_TRUE(beacon.setText(QString(29, u'x')));
    EXPECT_FALSE(beacon.setText(QString(30, u'y')));
    EXPECT_EQ(beacon.text(), QString(29, u'x'));
}

TEST(ListChoice, RefusesPositionsOutsideTheList)
{
    tarvek::config::TrackerSettings settings;
    EXPECT_EQ(settings.micEMessage.index(), 0);
    EXPECT_TRUE(settings.micEMessage.setIndex(7));
    EXPECT_FALSE(settings.micEMessage.setIndex(8));
    EXPECT_FALSE(settings.micEMessage.setIndex(-1));
    EXPECT_EQ(settings.micEMessage.index(), 7);
    EXPECT_FALSE(settings.alternateTable.setValue(3));
    EXPECT_EQ(settings.alternateTable.value(), 0);
}

TEST(LoadDefaults, FillsTextFieldsExactlyAndLeavesCalculatorAlone)
{
    tarvek::config::SettingsModel model;
    ASSERT_TRUE(model.calculator.latitude.setText(QStringLiteral("45.30.50")));
    tarvek::config::loadDefaults(model.tracker);
    EXPECT_EQ(model.tracker.statusText.text().size(), 29);
    EXPECT_EQ(model.tracker.message.text().size(), 38);
    EXPECT_EQ(model.calculator.latitude.text(), QStringLiteral("45.30.50"));
    ASSERT_TRUE(model.tracker.gpsTimeout.setText(QStringLiteral("000")));
    tarvek::config::loadDefaults(model.tracker);
    EXPECT_EQ(model.tracker.gpsTimeout.text(), QStringLiteral("025"));
}

TEST(ControlAccess, WritesByNameWithTheControlsRefusals)
{
    tarvek::config::SettingsModel model;
    const auto speed = tarvek::config::findControl(model, QStringLiteral("esSpeedTable(6)"));
    ASSERT_TRUE(speed);
    EXPECT_TRUE(tarvek::config::writeControl(*speed, QStringLiteral("77")).ok());
    EXPECT_EQ(model.tracker.speedIntervals[6].text(), QStringLiteral("77_"));
    const auto mic = tarvek::config::findControl(model, QStringLiteral("cbMicEMsg"));
    EXPECT_FALSE(tarvek::config::writeControl(*mic, QStringLiteral("8")).ok());
    EXPECT_FALSE(tarvek::config::writeControl(*mic, QStringLiteral("x")).ok());
    const auto norm = tarvek::config::findControl(model, QStringLiteral("optLLtoNorm"));
    EXPECT_TRUE(tarvek::config::writeControl(*norm, QStringLiteral("1")).ok());
    EXPECT_TRUE(model.calculator.normalForm.isSelected());
    EXPECT_FALSE(tarvek::config::findControl(model, QStringLiteral("edNothing")));
}
