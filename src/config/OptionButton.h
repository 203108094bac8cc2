#pragma once
// One option button of a group of two: selected or not. The group's other
// button is selected exactly when this one is not.
#include <QObject>

namespace tarvek::config
{

class OptionButton : public QObject
{
    Q_OBJECT
public:
    explicit OptionButton(bool selected, QObject *parent = nullptr)
        : QObject(parent), m_selected(selected)
    {
    }

    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

Q_SIGNALS:
    void changed();

private:
    bool m_selected;
};

} // namespace tarvek::config
