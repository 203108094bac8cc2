#pragma once
// Fonts of the window and a guard against clipped captions. The window asks
// for the Windows faces of its design, as outline fonts; where a machine
// lacks them the system's sans-serif face stands in at the same point size,
// and it is often wider.
// fitCaption then keeps every caption whole inside the control's place: it
// first lets the control grow into free room on its right, and only when
// that is not enough draws the caption narrower (condensed).
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace tarvek::ui
{

// The window's face at `points`, and the face of its small captions: faces
// that can be drawn condensed, where installed (see CaptionFit.cpp), the
// system's general face otherwise.
QFont formFont(qreal points);
QFont smallCaptionFont(qreal points);

// Gives the application, and so every dialog and message box, a common
// outline sans face where the system's general font is no outline font of
// its own (Wine without Windows' fonts); elsewhere the font stays the
// system's.
void useOutlineApplicationFont();

// Remembers `rect` (pixels, in the parent) as the control's place and puts
// it there.
void placeCaptioned(QWidget *control, const QRect &rect);

// Fits every placed caption of the window, once all its controls exist
// (a caption may run only up to the next control on its right).
void fitAllCaptions(QWidget *window);

// Fits the caption again after a change of text or weight, starting from
// the remembered place and the control's base font.
void fitCaption(QWidget *control);

// The width the caption needs, for labels, check boxes and push buttons;
// 0 for other controls.
int captionWidth(const QWidget *control);

// Whether the caption shows whole in the control's current rectangle.
bool captionFits(const QWidget *control);

} // namespace tarvek::ui
