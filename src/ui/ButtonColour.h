#pragma once
// A push button in a colour of its own.
#include <QColor>

class QPushButton;

namespace tarvek::ui
{

// Gives `button` the background `colour`. Styles that draw buttons with the
// system's theme (Windows' windowsvista, macOS) ignore the palette; there
// the button is drawn by Qt's Fusion style, which paints it. Where the
// window's style paints the colour already, the button keeps that style.
void colourButton(QPushButton *button, const QColor &colour);

} // namespace tarvek::ui
