// The main window's form: every control with its place in twips, in the order
// the window creates them (a later control lies above an earlier one).
#include "WindowForms.h"

namespace tarvek::ui
{
namespace
{

using T = ControlType;

// One control a line; clang-format would break the rows apart.
// clang-format off
constexpr FormControl kMainWindowForm[] = {
    {.name = "Frame1", .type = T::Frame, .box = {60, 0, 4215, 2295}, .caption = "Main APRS / Mic-E Settings"},
    {.name = "Label8", .type = T::Label, .parent = "Frame1", .box = {100, 250, 855, 255}, .captionOf = "edNumFlagsAuto"},
    {.name = "edNumFlagsAuto", .type = T::MaskedField, .parent = "Frame1", .box = {1200, 240, 400, 255}, .tab = 1, .selectAllOnFocus = true},
    {.name = "Label10", .type = T::Label, .parent = "Frame1", .box = {1600, 240, 255, 255}, .caption = "mS"},
    {.name = "Label12", .type = T::Label, .parent = "Frame1", .box = {2160, 255, 855, 255}, .captionOf = "cbMicEMsg"},
    {.name = "cbMicEMsg", .type = T::List, .parent = "Frame1", .box = {3000, 240, 1095, 285}, .tab = 2, .look = Look::Small},
    {.name = "cmdLatLon", .type = T::WrapButton, .parent = "Frame1", .box = {3000, 200, 1095, 495}, .caption = "Calculate GPSless Bcn", .tab = 30, .look = Look::Green,
     .description = "GPSless Mode: opens the calculator that writes a fixed position into the GPSless beacon"},
    {.name = "Label7", .type = T::Label, .parent = "Frame1", .box = {100, 610, 975, 255}, .captionOf = "edSymbol"},
    {.name = "edSymbol", .type = T::MaskedField, .parent = "Frame1", .box = {1200, 600, 255, 255}, .tab = 3, .selectAllOnFocus = true},
    {.name = "cmdSymbols", .type = T::DropButton, .parent = "Frame1", .box = {1470, 600, 120, 255}, .caption = "Choose the symbol", .toolTip = "Choose the symbol by name (F4)",
     .description = "Opens the list of APRS symbols; F4 or Alt+Down in the symbol field does the same"},
    {.name = "chkTable", .type = T::CheckBox, .parent = "Frame1", .box = {1600, 600, 1400, 255}, .tab = 4},
    {.name = "Label4", .type = T::Label, .parent = "Frame1", .box = {100, 980, 1095, 255}, .captionOf = "edMyCall"},
    {.name = "edMyCall", .type = T::MaskedField, .parent = "Frame1", .box = {1200, 960, 1095, 255}, .tab = 5},
    {.name = "Label30", .type = T::Label, .parent = "Frame1", .box = {2415, 960, 1215, 255}, .captionOf = "edBcnEvery"},
    {.name = "edBcnEvery", .type = T::MaskedField, .parent = "Frame1", .box = {3555, 960, 390, 255}, .tab = 6, .selectAllOnFocus = true},
    {.name = "Label32", .type = T::Label, .parent = "Frame1", .box = {3975, 960, 195, 255}, .caption = "tx"},
    {.name = "Label5", .type = T::Label, .parent = "Frame1", .box = {100, 1345, 975, 255}, .captionOf = "edAprsPath"},
    {.name = "edAprsPath", .type = T::MaskedField, .parent = "Frame1", .box = {1200, 1320, 1695, 255}, .tab = 7, .toolTip = "Max 2 digipeater addresses"},
    {.name = "Label6", .type = T::Label, .parent = "Frame1", .box = {90, 1695, 1120, 165}, .captionOf = "edBeacon"},
    {.name = "edBeacon", .type = T::MaskedField, .parent = "Frame1", .box = {1200, 1665, 2900, 270}, .tab = 8, .toolTip = "Max 29 chars. Enter aprs Lat/Lon in GPSless Mode."},
    {.name = "Label34", .type = T::Label, .parent = "Frame1", .box = {3840, 1910, 255, 255}, .caption = "[29]"},
    {.name = "chkRxPosition", .type = T::CheckBox, .parent = "Frame1", .box = {100, 1980, 3375, 255}, .tab = 28},

    {.name = "Frame2", .type = T::Frame, .box = {60, 2280, 4215, 2490}, .caption = "Timing  Settings"},
    {.name = "frManual", .type = T::Frame, .parent = "Frame2", .box = {120, 240, 1455, 615}, .captionOf = "edManualTime"},
    {.name = "Label15", .type = T::Label, .parent = "frManual", .box = {80, 250, 495, 255}, .caption = "Every"},
    {.name = "edManualTime", .type = T::MaskedField, .parent = "frManual", .box = {540, 255, 525, 255}, .tab = 9, .selectAllOnFocus = true},
    {.name = "Label29", .type = T::Label, .parent = "frManual", .box = {1060, 250, 280, 255}, .caption = "sec."},
    {.name = "Frame5", .type = T::Frame, .parent = "Frame2", .box = {120, 840, 1455, 1575}, .caption = "GPS"},
    {.name = "Label36", .type = T::Label, .parent = "Frame5", .box = {60, 240, 1335, 225}, .captionOf = "edGpsCheckTime"},
    {.name = "Label37", .type = T::Label, .parent = "Frame5", .box = {100, 480, 495, 255}, .caption = "Every"},
    {.name = "edGpsCheckTime", .type = T::MaskedField, .parent = "Frame5", .box = {570, 480, 420, 255}, .tab = 17, .selectAllOnFocus = true},
    {.name = "Label35", .type = T::Label, .parent = "Frame5", .box = {1000, 480, 300, 255}, .caption = "sec."},
    {.name = "Label9", .type = T::Label, .parent = "Frame5", .box = {60, 840, 1335, 225}, .captionOf = "edGpsAcqTime"},
    {.name = "edGpsAcqTime", .type = T::MaskedField, .parent = "Frame5", .box = {120, 1065, 405, 255}, .tab = 18},
    {.name = "Label11", .type = T::Label, .parent = "Frame5", .box = {540, 1065, 705, 255}, .caption = "x 100 mS"},
    {.name = "Label33", .type = T::Label, .parent = "Frame5", .box = {100, 1320, 1220, 165}, .caption = "(0=GPSless Mode)", .look = Look::Small},
    {.name = "frAuto", .type = T::Frame, .parent = "Frame2", .box = {1680, 240, 2415, 2175}, .caption = "Automatic Timing"},
    {.name = "Label22", .type = T::Label, .parent = "frAuto", .box = {120, 240, 1455, 255}, .captionOf = "esSpeedTable(0)"},
    {.name = "esSpeedTable(0)", .type = T::MaskedField, .parent = "frAuto", .box = {1485, 240, 540, 255}, .tab = 10, .selectAllOnFocus = true},
    {.name = "Label14", .type = T::Label, .parent = "frAuto", .box = {2040, 240, 300, 255}, .caption = "sec."},
    {.name = "Label23", .type = T::Label, .parent = "frAuto", .box = {120, 480, 1455, 255}, .captionOf = "esSpeedTable(1)"},
    {.name = "esSpeedTable(1)", .type = T::MaskedField, .parent = "frAuto", .box = {1485, 480, 540, 255}, .tab = 11, .selectAllOnFocus = true},
    {.name = "Label16", .type = T::Label, .parent = "frAuto", .box = {2040, 480, 300, 255}, .caption = "sec."},
    {.name = "Label24", .type = T::Label, .parent = "frAuto", .box = {120, 720, 1455, 255}, .captionOf = "esSpeedTable(2)"},
    {.name = "esSpeedTable(2)", .type = T::MaskedField, .parent = "frAuto", .box = {1600, 720, 425, 255}, .tab = 12, .selectAllOnFocus = true},
    {.name = "Label17", .type = T::Label, .parent = "frAuto", .box = {2040, 720, 300, 255}, .caption = "sec."},
    {.name = "Label25", .type = T::Label, .parent = "frAuto", .box = {120, 960, 1455, 255}, .captionOf = "esSpeedTable(3)"},
    {.name = "esSpeedTable(3)", .type = T::MaskedField, .parent = "frAuto", .box = {1600, 960, 425, 255}, .tab = 13, .selectAllOnFocus = true},
    {.name = "Label18", .type = T::Label, .parent = "frAuto", .box = {2040, 960, 300, 255}, .caption = "sec."},
    {.name = "Label26", .type = T::Label, .parent = "frAuto", .box = {120, 1200, 1455, 255}, .captionOf = "esSpeedTable(4)"},
    {.name = "esSpeedTable(4)", .type = T::MaskedField, .parent = "frAuto", .box = {1600, 1200, 425, 255}, .tab = 14, .selectAllOnFocus = true},
    {.name = "Label19", .type = T::Label, .parent = "frAuto", .box = {2040, 1200, 300, 255}, .caption = "sec."},
    {.name = "Label27", .type = T::Label, .parent = "frAuto", .box = {120, 1440, 1455, 255}, .captionOf = "esSpeedTable(5)"},
    {.name = "esSpeedTable(5)", .type = T::MaskedField, .parent = "frAuto", .box = {1600, 1440, 425, 255}, .tab = 15, .selectAllOnFocus = true},
    {.name = "Label20", .type = T::Label, .parent = "frAuto", .box = {2040, 1440, 300, 255}, .caption = "sec."},
    {.name = "Label28", .type = T::Label, .parent = "frAuto", .box = {120, 1680, 1455, 255}, .captionOf = "esSpeedTable(6)"},
    {.name = "esSpeedTable(6)", .type = T::MaskedField, .parent = "frAuto", .box = {1600, 1680, 425, 255}, .tab = 16, .selectAllOnFocus = true},
    {.name = "Label21", .type = T::Label, .parent = "frAuto", .box = {2040, 1680, 300, 255}, .caption = "sec."},

    {.name = "Frame3", .type = T::Frame, .box = {60, 4800, 4215, 1500}, .caption = "Message Settings"},
    {.name = "Label2", .type = T::Label, .parent = "Frame3", .box = {60, 250, 1935, 255}, .captionOf = "edDestCall"},
    {.name = "edDestCall", .type = T::MaskedField, .parent = "Frame3", .box = {2040, 235, 1095, 255}, .tab = 20},
    {.name = "Label3", .type = T::Label, .parent = "Frame3", .box = {60, 565, 1095, 255}, .captionOf = "edAprsMsg"},
    {.name = "edAprsMsg", .type = T::MaskedField, .parent = "Frame3", .box = {720, 555, 3430, 270}, .tab = 21, .toolTip = "Max 38 chars."},
    {.name = "Label13", .type = T::Label, .parent = "Frame3", .box = {3880, 800, 255, 255}, .caption = "[38]"},
    {.name = "Label31", .type = T::Label, .parent = "Frame3", .box = {60, 910, 975, 255}, .captionOf = "edMsgRepeat"},
    {.name = "edMsgRepeat", .type = T::MaskedField, .parent = "Frame3", .box = {960, 895, 405, 255}, .tab = 19, .selectAllOnFocus = true},
    {.name = "chkAutoReply", .type = T::CheckBox, .parent = "Frame3", .box = {120, 1200, 4000, 255}, .tab = 29},

    {.name = "Frame6", .type = T::Frame, .box = {60, 6325, 4215, 1200}, .caption = "Configuration / Programming"},
    {.name = "cmdDefault", .type = T::Button, .parent = "Frame6", .box = {120, 240, 850, 375}, .caption = "Default", .tab = 26},
    {.name = "cmdSave", .type = T::Button, .parent = "Frame6", .box = {1680, 240, 850, 375}, .caption = "Save", .tab = 25},
    {.name = "cmdLoad", .type = T::Button, .parent = "Frame6", .box = {3240, 240, 850, 375}, .caption = "Load", .tab = 24},
    {.name = "Label1", .type = T::Label, .parent = "Frame6", .box = {120, 810, 855, 255}, .captionOf = "edComm"},
    {.name = "edComm", .type = T::MaskedField, .parent = "Frame6", .box = {1080, 810, 405, 255}, .tab = 22, .selectAllOnFocus = true},
    {.name = "cmdPorts", .type = T::DropButton, .parent = "Frame6", .box = {1490, 810, 65, 255}, .caption = "Choose the port", .toolTip = "Choose the port from the list (F4)",
     .description = "Opens the list of serial ports with their names and states; F4 or Alt+Down in Comm num: does the same"},
    {.name = "cmdSend", .type = T::Button, .parent = "Frame6", .box = {1560, 720, 1095, 375}, .caption = "SEND", .tab = 23},
    {.name = "cmdHelp", .type = T::Button, .parent = "Frame6", .box = {3240, 720, 850, 375}, .caption = "Help (F1)", .tab = 27},
};
// clang-format on

} // namespace

std::span<const FormControl> mainWindowForm()
{
    return kMainWindowForm;
}

} // namespace tarvek::ui
