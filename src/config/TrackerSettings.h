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
#include "SettingsDescription.h"

#include <array>

namespace tarvek::config
{

constexpr int kSpeedBands = 7;

class TrackerSettings
{
public:
    TrackerSettings();
    TrackerSettings(const TrackerSettings &) = delete;
    TrackerSettings &operator=(const TrackerSettings &) = delete;

    // Each text control takes its mask and length from its row in the
    // settings description.
    MaskedField port = describedField("edComm");
    MaskedField txDelay = describedField("edNumFlagsAuto");
    MaskedField messageRetries = describedField("edMsgRepeat");
    ListChoice micEMessage;
    CheckBox autoReply;
    MaskedField symbol = describedField("edSymbol");
    CheckBox alternateTable;
    MaskedField gpsInterval = describedField("edGpsCheckTime");
    MaskedField gpsTimeout = describedField("edGpsAcqTime");
    std::array<MaskedField, kSpeedBands> speedIntervals{{
        describedField("esSpeedTable(0)"),
        describedField("esSpeedTable(1)"),
        describedField("esSpeedTable(2)"),
        describedField("esSpeedTable(3)"),
        describedField("esSpeedTable(4)"),
        describedField("esSpeedTable(5)"),
        describedField("esSpeedTable(6)"),
    }};
    MaskedField manualInterval = describedField("edManualTime");
    MaskedField statusEvery = describedField("edBcnEvery");
    CheckBox hideReceived;
    MaskedField callsign = describedField("edMyCall");
    MaskedField path = describedField("edAprsPath");
    MaskedField statusText = describedField("edBeacon");
    MaskedField messageTo = describedField("edDestCall");
    MaskedField message = describedField("edAprsMsg");
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

    MaskedField latitude = describedField("txtLat");
    MaskedField longitude = describedField("txtLng");
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
