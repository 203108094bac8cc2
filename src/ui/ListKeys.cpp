#include "ListKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

namespace tarvek::ui
{
namespace
{

class ListKeyFilter final : public QObject
{
public:
    ListKeyFilter(QWidget *field, std::function<void()> open, QObject *owner)
        : QObject(owner), m_field(field), m_open(std::move(open))
    {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_field && event->type() == QEvent::KeyPress &&
            opensList(static_cast<QKeyEvent *>(event))) {
            m_open();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_field;
    std::function<void()> m_open;
};

} // namespace

bool opensList(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_F4 && modifiers == Qt::NoModifier) ||
           (key->key() == Qt::Key_Down && modifiers == Qt::AltModifier);
}

void openListFrom(QWidget *field, QAbstractButton *button, QObject *owner,
                  std::function<void()> open)
{
    QObject::connect(button, &QAbstractButton::clicked, owner, open);
    new ListKeyFilter(field, std::move(open), owner);
}

} // namespace tarvek::ui
