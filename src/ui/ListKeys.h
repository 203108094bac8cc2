#pragma once
// The keys that open a field's list of choices, as on a combo box.
class QKeyEvent;

namespace tarvek::ui
{

// F4 or Alt+Down.
bool opensList(const QKeyEvent *key);

} // namespace tarvek::ui
