#include "CheckBox.h"

namespace tarvek::config
{

bool CheckBox::setValue(int value)
{
    if (value < Unchecked || value > Grayed)
        return false;
    m_value = value;
    Q_EMIT changed();
    return true;
}

} // namespace tarvek::config
