#include "ButtonColour.h"

#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>

namespace tarvek::ui
{
namespace
{

// Whether the button's style paints its bevel in the palette's button
// colour: the style draws a small bevel, and its middle must show the colour.
// Asking the style, not its name, covers themes that honour the palette too.
bool paintsButtonColour(const QPushButton *button, const QColor &colour)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = QRect(0, 0, 40, 24);
    option.state |= QStyle::State_Raised;
    option.state &= ~QStyle::State_HasFocus;
    QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    button->style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, button);
    painter.end();
    const QColor middle = image.pixelColor(option.rect.center());
    constexpr int kTolerance = 48;
    return std::abs(middle.red() - colour.red()) < kTolerance &&
           std::abs(middle.green() - colour.green()) < kTolerance &&
           std::abs(middle.blue() - colour.blue()) < kTolerance;
}

} // namespace

void colourButton(QPushButton *button, const QColor &colour)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
    if (paintsButtonColour(button, colour))
        return;
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        fusion->setParent(button); // a widget does not own the style it is given
        button->setStyle(fusion);
    }
}

} // namespace tarvek::ui
