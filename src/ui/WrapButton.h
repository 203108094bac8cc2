#pragma once
// A push button whose caption wraps onto several lines at word boundaries,
// as a caption longer than the button does on a classic Windows button.
// text() stays the caption as given.
#include <QPushButton>

namespace tarvek::ui
{

class WrapButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // The rectangle the caption is drawn in.
    QRect captionRect() const;
    static constexpr int captionFlags() { return Qt::AlignCenter | Qt::TextWordWrap; }

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tarvek::ui
