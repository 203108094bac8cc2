#include "ListKeys.h"

#include <QKeyEvent>

namespace tarvek::ui
{

bool opensList(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_F4 && modifiers == Qt::NoModifier) ||
           (key->key() == Qt::Key_Down && modifiers == Qt::AltModifier);
}

} // namespace tarvek::ui
