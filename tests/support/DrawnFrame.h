#pragma once
// The mark a field wears as the operator sees it: the colour drawn at the
// middle of its left edge.
#include <QColor>
#include <QImage>
#include <QWidget>

namespace tarvek::testing
{

enum class DrawnFrame { None, Amber, Red };

inline DrawnFrame DrawnFrameOf(QWidget *field)
{
    const QColor edge = field->grab().toImage().pixelColor(0, field->height() / 2);
    if (edge.red() < 200 || edge.blue() > 90)
        return DrawnFrame::None;
    return edge.green() > 90 ? DrawnFrame::Amber : DrawnFrame::Red;
}

} // namespace tarvek::testing
