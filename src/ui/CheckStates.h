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
    case config::CheckBox::Checked:
        return Qt::Checked;
    case config::CheckBox::Grayed:
        return Qt::PartiallyChecked;
    default:
        return Qt::Unchecked;
    }
}

inline int fromQtCheckState(int state)
{
    switch (state) {
    case Qt::Checked:
        return config::CheckBox::Checked;
    case Qt::PartiallyChecked:
        return config::CheckBox::Grayed;
    default:
        return config::CheckBox::Unchecked;
    }
}

} // namespace tarvek::ui
