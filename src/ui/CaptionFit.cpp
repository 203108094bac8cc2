#include "CaptionFit.h"

#include "WrapButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QVariant>
#include <algorithm>

namespace tarvek::ui
{

namespace
{

const char *const kDesignRect = "tarvekDesignRect";
constexpr int kNarrowestStretch = 60;
constexpr int kStretchStep = 10;
// Blank pixels kept between a caption and the control to its right.
constexpr int kGap = 2;

// The advance of the text plus one pixel for the last glyph's overhang; the
// window uses upright faces only. (The exact ink box would shape and load
// every glyph twice at start-up.)
int textWidth(const QFontMetrics &fm, const QString &text)
{
    return fm.horizontalAdvance(text) + 1;
}

int styleMetric(const QWidget *control, QStyle::PixelMetric metric)
{
    return control->style()->pixelMetric(metric, nullptr, control);
}

// The width a one-line caption needs in `font`; 0 when the control has none.
int neededWidth(const QWidget *control, const QFont &font)
{
    const QFontMetrics fm(font);
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return textWidth(fm, label->text()) + 2 * label->margin() + 2 * label->frameWidth();
    if (const auto *box = qobject_cast<const QCheckBox *>(control))
        return styleMetric(control, QStyle::PM_IndicatorWidth) +
               styleMetric(control, QStyle::PM_CheckBoxLabelSpacing) + textWidth(fm, box->text()) +
               2;
    if (const auto *option = qobject_cast<const QRadioButton *>(control))
        return styleMetric(control, QStyle::PM_ExclusiveIndicatorWidth) +
               styleMetric(control, QStyle::PM_RadioButtonLabelSpacing) +
               textWidth(fm, option->text()) + 2;
    if (const auto *button = qobject_cast<const QPushButton *>(control))
        return textWidth(fm, button->text()) + styleMetric(control, QStyle::PM_ButtonMargin) +
               2 * styleMetric(control, QStyle::PM_DefaultFrameWidth);
    if (const auto *frame = qobject_cast<const QGroupBox *>(control))
        return textWidth(fm, frame->title()) + 16;
    return 0;
}

// A wrapping button's caption fits when every word fits a line and the
// wrapped lines fit the height.
bool wrappedFits(const WrapButton *button, const QFont &font, int width)
{
    const QFontMetrics fm(font);
    const QRect area = button->captionRect().adjusted(0, 0, width - button->width(), 0);
    const QStringList words = button->text().split(u' ', Qt::SkipEmptyParts);
    for (const QString &word : words) {
        if (textWidth(fm, word) > area.width())
            return false;
    }
    const QRect needed = fm.boundingRect(area, WrapButton::captionFlags(), button->text());
    return needed.height() <= area.height();
}

bool fitsAt(const QWidget *control, const QFont &font, int width)
{
    if (const auto *button = qobject_cast<const WrapButton *>(control))
        return wrappedFits(button, font, width);
    return neededWidth(control, font) <= width;
}

// How far right a caption may run: to the parent's inner edge, or to the
// nearest control that starts to its right on the same rows.
int rightLimit(const QWidget *control, const QRect &place)
{
    const QWidget *parent = control->parentWidget();
    int limit = parent ? parent->width() - 2 : place.right() + 1;
    if (!parent)
        return limit;
    for (const QObject *child : parent->children()) {
        const auto *sibling = qobject_cast<const QWidget *>(child);
        if (!sibling || sibling == control || sibling->isWindow())
            continue;
        const QVariant design = sibling->property(kDesignRect);
        const QRect other = design.isValid() ? design.toRect() : sibling->geometry();
        const bool sameRows = other.top() < place.bottom() && other.bottom() > place.top();
        if (sameRows && other.left() > place.left())
            limit = std::min(limit, other.left() - kGap);
    }
    return limit;
}

bool mayGrowRight(const QWidget *control)
{
    return qobject_cast<const QLabel *>(control) || qobject_cast<const QCheckBox *>(control) ||
           qobject_cast<const QRadioButton *>(control);
}

// The first of `faces` installed as an outline font, or an empty name. A
// bitmap face would not do: Qt cannot draw it condensed, which fitting
// needs, and replaces it by another face at large sizes. On Windows the
// classic "MS Sans Serif" and "Small Fonts" are such bitmap faces.
QString firstOutlineFace(const QStringList &faces)
{
    // The installed families, listed once: asking the font database about
    // each name would run the system's substitution rules every time.
    const QStringList installed = QFontDatabase::families();
    for (const QString &face : faces) {
        if (installed.contains(face, Qt::CaseInsensitive) &&
            QFontDatabase::isSmoothlyScalable(face))
            return face;
    }
    return {};
}

// The system's general font, or where that is no outline font of its own
// a common outline sans face. Under Wine without Windows' fonts the general
// font is "MS Shell Dlg", a name with no font behind it, and the face Qt
// finds for it can be any, a mathematical one included, whose line height
// leaves no room for the text in a line edit.
QFont generalFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (!QFontDatabase::isSmoothlyScalable(font.family())) {
        static const QString kFallback = firstOutlineFace(
            {QStringLiteral("Tahoma"), QStringLiteral("Segoe UI"), QStringLiteral("Arial"),
             QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        if (!kFallback.isEmpty())
            font.setFamily(kFallback);
    }
    return font;
}

// `face` at `points`; the general font (generalFont) when `face` is empty.
QFont fontOf(const QString &face, qreal points)
{
    QFont font = face.isEmpty() ? generalFont() : QFont(face);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    // Unstretched, as fitCaption asks for it: a font left at "any stretch"
    // is a different request from the same font unstretched, and each
    // request is a font engine of its own with its own glyphs to load.
    font.setStretch(QFont::Unstretched);
    return font;
}

} // namespace

void useOutlineApplicationFont()
{
    const QFont system = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const QFont general = generalFont();
    if (general.family() != system.family())
        QApplication::setFont(general);
}

QFont formFont(qreal points)
{
    // "Microsoft Sans Serif" is the outline successor of the classic "MS
    // Sans Serif", with the same metrics, on every Windows.
    static const QString kFace =
        firstOutlineFace({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("MS Sans Serif")});
    return fontOf(kFace, points);
}

QFont smallCaptionFont(qreal points)
{
    // Tahoma, narrow and drawn for small sizes, comes with every Windows.
    static const QString kFace =
        firstOutlineFace({QStringLiteral("Tahoma"), QStringLiteral("Small Fonts")});
    return fontOf(kFace, points);
}

int captionWidth(const QWidget *control)
{
    return neededWidth(control, control->font());
}

bool captionFits(const QWidget *control)
{
    return fitsAt(control, control->font(), control->width());
}

void placeCaptioned(QWidget *control, const QRect &rect)
{
    control->setProperty(kDesignRect, rect);
    control->setGeometry(rect);
}

void fitAllCaptions(QWidget *window)
{
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->property(kDesignRect).isValid())
            fitCaption(control);
    }
}

void fitCaption(QWidget *control)
{
    const QRect place = control->property(kDesignRect).toRect();
    QFont font = control->font();
    font.setStretch(QFont::Unstretched);
    // The room the caption may show in: for labels, check and option boxes up
    // to the next control on the right, for buttons and frames their own width.
    const bool mayGrow = mayGrowRight(control);
    const int room = mayGrow ? rightLimit(control, place) - place.left() : place.width();
    // Each measurement shapes the caption, so the width is measured once per
    // font tried and serves both the test and the control's new width.
    const auto *wrapping = qobject_cast<const WrapButton *>(control);
    int needed = neededWidth(control, font);
    const auto fits = [&] { return wrapping ? wrappedFits(wrapping, font, room) : needed <= room; };
    if (!fits()) {
        // Each stretch is a font engine of its own, looked up, set up and
        // filled with its own glyphs, the costliest part of start-up. The
        // stretches come in steps of a tenth, so that the condensed captions
        // share two or three of them, and the search starts at the step the
        // width ratio suggests.
        int stretch = QFont::Unstretched - kStretchStep;
        if (!wrapping && needed > room)
            stretch = QFont::Unstretched * room / needed / kStretchStep * kStretchStep;
        for (stretch = std::max(stretch, kNarrowestStretch); stretch >= kNarrowestStretch;
             stretch -= kStretchStep) {
            font.setStretch(stretch);
            needed = neededWidth(control, font);
            if (fits())
                break;
        }
    }
    control->setFont(font);
    const int width = mayGrow ? std::max(place.width(), std::min(room, needed)) : place.width();
    control->setGeometry(place.left(), place.top(), width, place.height());
}

} // namespace tarvek::ui
