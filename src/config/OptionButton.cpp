#include "OptionButton.h"

namespace tarvek::config
{

void OptionButton::setSelected(bool selected)
{
    m_selected = selected;
    Q_EMIT changed();
}

} // namespace tarvek::config
