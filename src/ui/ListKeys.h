#pragma once
// The keys that open a field's list of choices, as on a combo box, and the
// button beside the field that does the same.
#include <functional>

class QAbstractButton;
class QKeyEvent;
class QObject;
class QWidget;

namespace tarvek::ui
{

// F4 or Alt+Down.
bool opensList(const QKeyEvent *key);

// Runs `open` when `button` is clicked or a key that opens a list is pressed
// in `field` (the key goes no further), for as long as `owner` lives.
void openListFrom(QWidget *field, QAbstractButton *button, QObject *owner,
                  std::function<void()> open);

} // namespace tarvek::ui
