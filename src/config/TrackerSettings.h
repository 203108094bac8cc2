#pragma once
// The tracker's settings, one object per control of the main window, named
// for what it holds; its control name (edMyCall for callsign) is its key in
// the settings description. The window binds its widgets to these objects,
// so they are the one store of every value; the block builder, the file
// commands and the command line read and write them by name.
#include "CheckBox.h"
#include "ListChoice.h"
#include "MaskedField.h"
#include "OptionButton.h"
#include "SettingKeys.h"
#include "SettingsDescription.h"

#include <array>

namespace tarvek::config
{

constexpr int kSpeedBands = 7;
static_assert(std::size(key::kSpeedIntervals) == kSpeedBands);

class TrackerSettings
{
public:
    TrackerSettings();
    TrackerSettings(const TrackerSettings &) = delete;
    TrackerSettings &operator=(const TrackerSettings &) = delete;

    // Each text control takes its mask and length from its row in the
    // settings description.
    MaskedField port = describedField(key::kPort);
    MaskedField txDelay = describedField(key::kTxDelay);
    MaskedField messageRetries = describedField(key::kMessageRetries);
    ListChoice micEMessage;
    CheckBox autoReply;
    MaskedField symbol = describedField(key::kSymbol);
    CheckBox alternateTable;
    MaskedField gpsInterval = describedField(key::kGpsInterval);
    MaskedField gpsTimeout = describedField(key::kGpsTimeout);
    std::array<MaskedField, kSpeedBands> speedIntervals{{
        describedField(key::kSpeedIntervals[0]),
        describedField(key::kSpeedIntervals[1]),
        describedField(key::kSpeedIntervals[2]),
        describedField(key::kSpeedIntervals[3]),
        describedField(key::kSpeedIntervals[4]),
        describedField(key::kSpeedIntervals[5]),
        describedField(key::kSpeedIntervals[6]),
    }};
    MaskedField manualInterval = describedField(key::kManualInterval);
    MaskedField statusEvery = describedField(key::kStatusEvery);
    CheckBox hideReceived;
    MaskedField callsign = describedField(key::kCallsign);
    MaskedField path = describedField(key::kPath);
    MaskedField statusText = describedField(key::kStatusText);
    MaskedField messageTo = describedField(key::kMessageTo);
    MaskedField message = describedField(key::kMessage);
};

// The Mic-E message types, in list order.
QStringList micEMessageNames();

// The calculator window's four controls that configuration files store,
// holding their initial values from the settings description.
class CalculatorSettings : public QObject
{
    Q_OBJECT
public:
    CalculatorSettings();
    CalculatorSettings(const CalculatorSettings &) = delete;
    CalculatorSettings &operator=(const CalculatorSettings &) = delete;

    MaskedField latitude = describedField(key::kLatitude);
    MaskedField longitude = describedField(key::kLongitude);
    CheckBox hundredths;
    // Selected: the normal (20 character) form; not selected: the compressed one.
    OptionButton normalForm{false};

Q_SIGNALS:
    // A configuration file has been loaded: every stored field is written.
    void loaded();
};

// Everything the program holds: the main window's settings and the
// calculator's stored fields.
struct SettingsModel {
    TrackerSettings tracker;
    CalculatorSettings calculator;
};

// Writes the factory default of every main-window setting into its control,
// in the fixed order of the description's defaults steps, each write raising
// the control's change notification. The calculator's fields are not touched.
void loadDefaults(TrackerSettings &settings);

} // namespace tarvek::config
