#pragma once
// Check box states between the settings (0 clear, 1 ticked, 2 greyed) and
// Qt, which numbers partly ticked 1 and ticked 2.
#include "CheckBox.h"

#include <QCheckBox>
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

// The signal a check box sends when its state changes, by a click or by the
// program: checkStateChanged from Qt 6.7, which deprecates stateChanged. Its
// receivers take the state as an int, which both signals give.
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
inline constexpr auto kCheckStateChanged = &QCheckBox::checkStateChanged;
#else
inline constexpr auto kCheckStateChanged = &QCheckBox::stateChanged;
#endif

} // namespace tarvek::ui
