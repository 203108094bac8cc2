// What a screen reader finds in the windows: every control the keyboard
// reaches has its caption as name and the role of its kind, inputs describe
// the format they expect, the counters read as characters left, and the
// information dialog's text is its description.
#include "CalculatorWindow.h"
#include "FileDialogs.h"
#include "InfoDialog.h"
#include "MainWindow.h"
#include "MaskedLineEdit.h"
#include "MessagePresenter.h"
#include "SerialPort.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

using namespace tarvek::config;
using namespace tarvek::serial;

namespace tarvek::ui
{
namespace
{

using namespace Qt::StringLiterals;
using Role = QAccessible::Role;

class SilentMessages final : public MessagePresenter
{
public:
    void showMessage(QWidget *, const QString &, const QString &, MessageIcon) override {}
};

class NoFileDialogs final : public FileDialogs
{
public:
    std::optional<QString> chooseFile(QWidget *, const FileDialogRequest &) override
    {
        return std::nullopt;
    }
};

class ClosedPort final : public SerialPort
{
public:
    SerialResult setPortNumber(int) override { return {}; }
    SerialResult open() override { return {u"closed"_s}; }
    bool isOpen() const override { return false; }
    SerialResult write(const QByteArray &) override { return {u"closed"_s}; }
    void close() override {}
};

struct Spoken {
    QString name;
    Role role;
};

// What a screen reader announces as the control's name. A list box is named
// by its label relation (on Linux its own name is the chosen item).
QString NameOf(QAccessibleInterface *control)
{
    if (control->role() == Role::ComboBox) {
        const auto labels = control->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return control->text(QAccessible::Name);
}

// The controls of `window` that take the focus, by objectName.
std::map<QString, QAccessibleInterface *> FocusableControls(QWidget *window)
{
    std::map<QString, QAccessibleInterface *> found;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->focusPolicy() != Qt::NoFocus && widget->window() == window)
            found[widget->objectName()] = QAccessible::queryAccessibleInterface(widget);
    }
    return found;
}

void ExpectSpoken(QWidget *window, const std::map<QString, Spoken> &expected)
{
    const auto found = FocusableControls(window);
    QStringList names;
    for (const auto &[name, control] : found)
        names << name;
    QStringList expectedNames;
    for (const auto &[name, spoken] : expected)
        expectedNames << name;
    EXPECT_EQ(names, expectedNames);
    for (const auto &[name, control] : found) {
        const auto wanted = expected.find(name);
        if (wanted == expected.end())
            continue;
        ASSERT_NE(control, nullptr) << qPrintable(name);
        EXPECT_EQ(NameOf(control), wanted->second.name) << qPrintable(name);
        EXPECT_EQ(control->role(), wanted->second.role) << qPrintable(name);
        if (wanted->second.role != Role::PushButton) { // an input says what it expects
            EXPECT_FALSE(control->text(QAccessible::Description).isEmpty()) << qPrintable(name);
        }
    }
}

class AccessibilityTest : public ::testing::Test
{
protected:
    SettingsModel model;
    SilentMessages messages;
    NoFileDialogs dialogs;
    ClosedPort port;
    MainWindow window{model, {messages, dialogs, port, {}, std::nullopt}};
};

TEST_F(AccessibilityTest, MainWindowControlsHaveTheirCaptionsAndRoles)
{
    const Role edit = Role::EditableText;
    const Role check = Role::CheckBox;
    const Role button = Role::PushButton;
    ExpectSpoken(
        &window,
        {
            {u"edNumFlagsAuto"_s, {u"TX DELAY"_s, edit}},
            {u"cbMicEMsg"_s, {u"Mic-E msg"_s, Role::ComboBox}},
            {u"edSymbol"_s, {u"ICON Symbol"_s, edit}},
            {u"chkTable"_s, {u"Alternate Table"_s, check}},
            {u"edMyCall"_s, {u"MY CALLSIGN"_s, edit}},
            {u"edBcnEvery"_s, {u"Status txt every"_s, edit}},
            {u"edAprsPath"_s, {u"APRS PATH"_s, edit}},
            {u"edBeacon"_s, {u"STATUS Text"_s, edit}},
            {u"chkRxPosition"_s, {u"Disable display position of received stations"_s, check}},
            {u"edManualTime"_s, {u"Manual Timing"_s, edit}},
            {u"edGpsCheckTime"_s, {u"Acquisition interval"_s, edit}},
            {u"edGpsAcqTime"_s, {u"Acquisition timeout"_s, edit}},
            {u"esSpeedTable(0)"_s, {u"Speed 0-3 Km/h"_s, edit}},
            {u"esSpeedTable(1)"_s, {u"Speed 4-9 Km/h"_s, edit}},
            {u"esSpeedTable(2)"_s, {u"Speed 10-22 Km/h"_s, edit}},
            {u"esSpeedTable(3)"_s, {u"Speed 23-40 Km/h"_s, edit}},
            {u"esSpeedTable(4)"_s, {u"Speed 41-72 Km/h"_s, edit}},
            {u"esSpeedTable(5)"_s, {u"Speed 73-125 Km/h"_s, edit}},
            {u"esSpeedTable(6)"_s, {u"Speed > 125 Km/h"_s, edit}},
            {u"edDestCall"_s, {u"APRS message TO CALL"_s, edit}},
            {u"edAprsMsg"_s, {u"Message"_s, edit}},
            {u"edMsgRepeat"_s, {u"Msg Retries"_s, edit}},
            {u"chkAutoReply"_s, {u"Auto send message when receiving msg to MYCALL"_s, check}},
            {u"edComm"_s, {u"Comm num:"_s, edit}},
            {u"cmdLatLon"_s, {u"Calculate GPSless Bcn"_s, button}},
            {u"cmdDefault"_s, {u"Default"_s, button}},
            {u"cmdSave"_s, {u"Save"_s, button}},
            {u"cmdLoad"_s, {u"Load"_s, button}},
            {u"cmdSend"_s, {u"SEND"_s, button}},
            {u"cmdHelp"_s, {u"Help (F1)"_s, button}},
        });
    auto *timeout = QAccessible::queryAccessibleInterface(window.controls().gpsTimeout);
    EXPECT_EQ(timeout->text(QAccessible::Description),
              u"3 digits, tenths of a second; 0 is GPSless Mode"_s);
    // The green button tells what it opens.
    auto *gpsless = QAccessible::queryAccessibleInterface(window.controls().gpslessButton);
    EXPECT_TRUE(gpsless->text(QAccessible::Description).contains(u"GPSless"_s));
}

TEST_F(AccessibilityTest, CalculatorControlsHaveTheirCaptionsAndRoles)
{
    ExpectSpoken(window.calculator(),
                 {
                     {u"txtLat"_s, {u"Latitude:"_s, Role::EditableText}},
                     {u"txtLng"_s, {u"Longitude:"_s, Role::EditableText}},
                     {u"chkCent"_s, {u"Cent."_s, Role::CheckBox}},
                     {u"optLLtoNorm"_s, {u"Normal (20 car)"_s, Role::RadioButton}},
                     {u"optLLtoComp"_s, {u"Compressed (14 car)"_s, Role::RadioButton}},
                     {u"cmdCalc"_s, {u"Write coords in GPSless Bcn"_s, Role::PushButton}},
                     {u"OKButton"_s, {u"Close"_s, Role::PushButton}},
                 });
}

TEST_F(AccessibilityTest, CountersReadAsCharactersLeft)
{
    const auto counter = [](QLabel *label) {
        return QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
    };
    ASSERT_TRUE(model.tracker.statusText.setText(u"Tarvek"_s));
    EXPECT_EQ(counter(window.controls().statusCounter), u"23 characters left"_s);
    ASSERT_TRUE(model.tracker.message.setText(QString(37, u'x')));
    EXPECT_EQ(counter(window.controls().messageCounter), u"1 character left"_s);
}

TEST_F(AccessibilityTest, InformationTextIsTheDialogsDescription)
{
    window.infoDialog()->setInfoText(u"Sending data"_s);
    auto *dialog = QAccessible::queryAccessibleInterface(window.infoDialog());
    EXPECT_EQ(dialog->text(QAccessible::Description), u"Sending data"_s);
    EXPECT_EQ(window.infoDialog()->infoLabel()->text(), u"Sending data"_s);
}

} // namespace
} // namespace tarvek::ui
