// The calculator's form: every control with its place in twips, in the order
// the window creates them.
#include "WindowForms.h"

namespace tarvek::ui
{
namespace
{

using T = ControlType;
// The calculator's captions stand centred in the height of their places.
constexpr Qt::Alignment kCentred = Qt::AlignLeft | Qt::AlignVCenter;

// One control a line; clang-format would break the rows apart.
// clang-format off
constexpr FormControl kCalculatorForm[] = {
    {.name = "zFrame2", .type = T::Frame, .box = {80, 40, 3270, 900}, .caption = "Lat / Lon  coordinates [+/-Grad.Min.Cent]"},
    {.name = "zLabel02", .type = T::Label, .parent = "zFrame2", .box = {225, 240, 975, 255}, .caption = "La&titude:", .captionOf = "txtLat", .align = kCentred},
    {.name = "txtLat", .type = T::TextField, .parent = "zFrame2", .box = {225, 500, 1050, 300}, .tab = 1, .look = Look::Bold},
    {.name = "zLabel01", .type = T::Label, .parent = "zFrame2", .box = {1575, 240, 1035, 255}, .caption = "Lo&ngitude:", .captionOf = "txtLng", .align = kCentred},
    {.name = "txtLng", .type = T::TextField, .parent = "zFrame2", .box = {1575, 500, 1150, 300}, .tab = 2, .look = Look::Bold},
    {.name = "chkCent", .type = T::CheckBox, .parent = "zFrame2", .box = {2600, 275, 615, 165}, .tab = 6, .look = Look::Small, .toolTip = "Lat/Lon in gradi.minuti.centesimi"},
    {.name = "Label1", .type = T::Label, .box = {3450, 40, 1815, 255}, .caption = "APRS Conversion Type:", .align = kCentred},
    {.name = "optLLtoNorm", .type = T::OptionButton, .box = {3450, 275, 1750, 325}, .tab = 3},
    {.name = "optLLtoComp", .type = T::OptionButton, .box = {3450, 550, 1750, 325}, .caption = "Compressed (14 car)", .tab = 4,
     .description = "the compressed form (14 characters)"},
    {.name = "cmdCalc", .type = T::Button, .box = {480, 1080, 2445, 375}, .caption = "Write coords in GPSless Bcn", .tab = 5,
     .description = "writes the position report into the status text (GPSless Bcn)"},
    {.name = "OKButton", .type = T::Button, .box = {3840, 1080, 975, 375}, .caption = "Close", .tab = 7},
};
// clang-format on

} // namespace

std::span<const FormControl> calculatorForm()
{
    return kCalculatorForm;
}

} // namespace tarvek::ui
