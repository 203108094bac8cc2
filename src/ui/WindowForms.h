#pragma once
// The forms of the program's two windows (FormTable.h).
#include "FormTable.h"

#include <span>

namespace tarvek::ui
{

// Main window, form `Setup` (MainWindowForm.cpp).
std::span<const FormControl> mainWindowForm();

// The GPSless position calculator, form `frmLatLon` (CalculatorForm.cpp).
std::span<const FormControl> calculatorForm();

} // namespace tarvek::ui
