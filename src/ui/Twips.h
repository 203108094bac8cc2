#pragma once
// Window geometry is laid out in twips (1/1440 inch). They become pixels
// through the screen's logical DPI, so the window keeps its proportions on a
// high-DPI screen: 15 twips per pixel at 96 DPI, 10 at 144 DPI.
#include <QRect>
#include <QSize>
#include <cmath>

namespace tarvek::ui
{

constexpr double kTwipsPerInch = 1440.0;
// A QTextDocument measures in pixels of 96 per inch, whatever the screen;
// fixed-size dialogs are laid out at the same resolution.
constexpr double kDocumentDpi = 96.0;

// Exact: 15 twips a pixel at 96 DPI.
constexpr double twipsToDocumentPixels(int twips)
{
    return twips * kDocumentDpi / kTwipsPerInch;
}

inline int twipsToPixels(int twips, double logicalDpi)
{
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

// Left, top, width, height in twips. Width and height are taken from the
// rounded edges, so neighbouring controls that touch in twips touch in pixels.
inline QRect twipsRect(int left, int top, int width, int height, double logicalDpi)
{
    const int x = twipsToPixels(left, logicalDpi);
    const int y = twipsToPixels(top, logicalDpi);
    return QRect(x, y, twipsToPixels(left + width, logicalDpi) - x,
                 twipsToPixels(top + height, logicalDpi) - y);
}

inline QSize twipsSize(int width, int height, double logicalDpi)
{
    return QSize(twipsToPixels(width, logicalDpi), twipsToPixels(height, logicalDpi));
}

} // namespace tarvek::ui
