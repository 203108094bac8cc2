#pragma once
// A check box setting: 0 clear, 1 ticked, 2 greyed.
#include <QObject>

namespace tarvek::config
{

class CheckBox : public QObject
{
    Q_OBJECT
public:
    enum State { Unchecked = 0, Checked = 1, Grayed = 2 };

    explicit CheckBox(QObject *parent = nullptr) : QObject(parent) {}

    int value() const { return m_value; }
    bool isTicked() const { return m_value == Checked; }
    // Any other state than 0, 1 or 2 is refused and the state stays.
    [[nodiscard]] bool setValue(int value);

Q_SIGNALS:
    void changed();

private:
    int m_value = Unchecked;
};

} // namespace tarvek::config
