#include "CheckBox.h"
#include "ListChoice.h"
#include "OptionButton.h"

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

ListChoice::ListChoice(QStringList items, QObject *parent)
    : QObject(parent), m_items(std::move(items))
{
}

bool ListChoice::setIndex(int index)
{
    if (index < 0 || index >= m_items.size())
        return false;
    m_index = index;
    Q_EMIT changed();
    return true;
}

void OptionButton::setSelected(bool selected)
{
    m_selected = selected;
    Q_EMIT changed();
}

} // namespace tarvek::config
