#pragma once
// Check box states between the settings (0 clear, 1 ticked, 2 greyed) and
// Qt, which numbers partly ticked 1 and ticked 2.
#include "CheckBox.h"

#include <Qt>

namespace tarvek::ui
{

inline Qt::CheckState toQtCheckState(int value)
{
    switch (value) {
    case CheckBox::Checked:
        return Qt::Checked;
    case CheckBox::Grayed:
        return Qt::PartiallyChecked;
    default:
        return Qt::Unchecked;
    }
}

inline int fromQtCheckState(int state)
{
    switch (state) {
    case Qt::Checked:
        return CheckBox::Checked;
    case Qt::PartiallyChecked:
        return CheckBox::Grayed;
    default:
        return CheckBox::Unchecked;
    }
}

} // namespace tarvek::ui
