#pragma once
// The tracker's settings, one object per control of the main window, named
// after the control. The window binds its widgets to these objects, so they
// are the one store of every value; the block builder, the file commands and
// the command line read and write them by name.
#include "CheckBox.h"
#include "ListChoice.h"
#include "MaskedField.h"
#include "OptionButton.h"

#include <array>

namespace tarvek
{

constexpr int kSpeedBands = 7;

class TrackerSettings
{
public:
    TrackerSettings();
    TrackerSettings(const TrackerSettings &) = delete;
    TrackerSettings &operator=(const TrackerSettings &) = delete;

    MaskedField edComm{QStringLiteral("#"), 1};
    MaskedField edNumFlagsAuto{QStringLiteral("999"), 3};
    MaskedField edMsgRepeat{QStringLiteral("999"), 3};
    ListChoice cbMicEMsg;
    CheckBox chkAutoReply;
    MaskedField edSymbol{QStringLiteral("&"), 1};
    CheckBox chkTable;
    MaskedField edGpsCheckTime{QStringLiteral("999"), 3};
    MaskedField edGpsAcqTime{QStringLiteral("999"), 3};
    std::array<MaskedField, kSpeedBands> esSpeedTable{{
        {QStringLiteral("9999"), 4},
        {QStringLiteral("9999"), 4},
        {QStringLiteral("999"), 3},
        {QStringLiteral("999"), 3},
        {QStringLiteral("999"), 3},
        {QStringLiteral("999"), 3},
        {QStringLiteral("999"), 3},
    }};
    MaskedField edManualTime{QStringLiteral("9999"), 4};
    MaskedField edBcnEvery{QStringLiteral("999"), 3};
    CheckBox chkRxPosition;
    MaskedField edMyCall{QString(), 9};
    MaskedField edAprsPath{QString(), 19};
    MaskedField edBeacon{QString(), 29};
    MaskedField edDestCall{QString(), 9};
    MaskedField edAprsMsg{QString(), 38};
};

// The Mic-E message types, in list order.
QStringList MicEMessageNames();

// The calculator window's four controls that configuration files store.
class CalculatorSettings
{
public:
    CalculatorSettings();
    CalculatorSettings(const CalculatorSettings &) = delete;
    CalculatorSettings &operator=(const CalculatorSettings &) = delete;

    MaskedField txtLat{QString(), 0};
    MaskedField txtLng{QString(), 0};
    CheckBox chkCent;
    // Selected: the normal (20 character) form; not selected: the compressed one.
    OptionButton optLLtoNorm{false};
};

// Everything the program holds: the main window's settings and the
// calculator's stored fields.
struct SettingsModel {
    TrackerSettings tracker;
    CalculatorSettings calculator;
};

// Writes the factory default of every main-window setting into its control,
// in a fixed order, each write raising the control's change notification.
// The calculator's fields are not touched.
void LoadDefaults(TrackerSettings &settings);

} // namespace tarvek
