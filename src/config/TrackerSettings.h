#pragma once
// The tracker's settings, one object per control of the main window, named
// after the control. The window binds its widgets to these objects, so they
// are the one store of every value; the block builder, the file commands and
// the command line read and write them by name.
#include "CheckBox.h"
#include "ListChoice.h"
#include "MaskedField.h"
#include "OptionButton.h"
#include "SettingsDescription.h"

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

    // Each text control takes its mask and length from its row in the
    // settings description.
    MaskedField edComm = DescribedField("edComm");
    MaskedField edNumFlagsAuto = DescribedField("edNumFlagsAuto");
    MaskedField edMsgRepeat = DescribedField("edMsgRepeat");
    ListChoice cbMicEMsg;
    CheckBox chkAutoReply;
    MaskedField edSymbol = DescribedField("edSymbol");
    CheckBox chkTable;
    MaskedField edGpsCheckTime = DescribedField("edGpsCheckTime");
    MaskedField edGpsAcqTime = DescribedField("edGpsAcqTime");
    std::array<MaskedField, kSpeedBands> esSpeedTable{{
        DescribedField("esSpeedTable(0)"),
        DescribedField("esSpeedTable(1)"),
        DescribedField("esSpeedTable(2)"),
        DescribedField("esSpeedTable(3)"),
        DescribedField("esSpeedTable(4)"),
        DescribedField("esSpeedTable(5)"),
        DescribedField("esSpeedTable(6)"),
    }};
    MaskedField edManualTime = DescribedField("edManualTime");
    MaskedField edBcnEvery = DescribedField("edBcnEvery");
    CheckBox chkRxPosition;
    MaskedField edMyCall = DescribedField("edMyCall");
    MaskedField edAprsPath = DescribedField("edAprsPath");
    MaskedField edBeacon = DescribedField("edBeacon");
    MaskedField edDestCall = DescribedField("edDestCall");
    MaskedField edAprsMsg = DescribedField("edAprsMsg");
};

// The Mic-E message types, in list order.
QStringList MicEMessageNames();

// The calculator window's four controls that configuration files store,
// holding their initial values from the settings description.
class CalculatorSettings : public QObject
{
    Q_OBJECT
public:
    CalculatorSettings();
    CalculatorSettings(const CalculatorSettings &) = delete;
    CalculatorSettings &operator=(const CalculatorSettings &) = delete;

    MaskedField txtLat = DescribedField("txtLat");
    MaskedField txtLng = DescribedField("txtLng");
    CheckBox chkCent;
    // Selected: the normal (20 character) form; not selected: the compressed one.
    OptionButton optLLtoNorm{false};

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
void LoadDefaults(TrackerSettings &settings);

} // namespace tarvek
