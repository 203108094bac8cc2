#pragma once
// A fixed list with exactly one entry selected (the Mic-E message selector).
#include <QObject>
#include <QStringList>

namespace tarvek::config
{

class ListChoice : public QObject
{
    Q_OBJECT
public:
    explicit ListChoice(QStringList items, QObject *parent = nullptr);

    const QStringList &items() const { return m_items; }
    int index() const { return m_index; }
    // A position outside the list is refused and the selection stays.
    [[nodiscard]] bool setIndex(int index);

Q_SIGNALS:
    void changed();

private:
    QStringList m_items;
    int m_index = 0;
};

} // namespace tarvek::config
