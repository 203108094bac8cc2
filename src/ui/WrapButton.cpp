#include "WrapButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tarvek::ui
{

QRect WrapButton::captionRect() const
{
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, this) / 2 + 1;
    return rect().adjusted(margin, 1, -margin, -1);
}

void WrapButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear(); // the bevel and the focus frame only
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(captionRect(), captionFlags(), palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}

} // namespace tarvek::ui
