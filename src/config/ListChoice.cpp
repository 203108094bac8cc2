#include "ListChoice.h"

namespace tarvek::config
{

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

} // namespace tarvek::config
