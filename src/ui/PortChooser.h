#pragma once
// Opens the port chooser for "Comm num:": from the small button beside the
// field, or by F4 or Alt+Down in the field as on a combo box. It opens on
// the port the field's number means now and follows adapters plugged in or
// pulled out while it is open. A chosen port's number goes in through the
// control, as if the operator had typed it, so Save and SEND see it; Esc
// changes nothing.
#include <QObject>
#include <memory>

class QAbstractButton;

namespace tarvek::serial
{
class PortSource;
} // namespace tarvek::serial

namespace tarvek::ui
{

class MaskedLineEdit;
class PortPicker;
class PortWatch;

class PortChooser : public QObject
{
    Q_OBJECT
public:
    // The field, the button and `ports` must outlive the chooser; the
    // picker, built on first use, is a window of `portField`'s window.
    PortChooser(MaskedLineEdit *portField, QAbstractButton *button, const serial::PortSource &ports,
                QObject *parent = nullptr);
    ~PortChooser() override;

    // Shows the picker on the current port and starts following the ports.
    void open();
    // The picker, once it has been opened; null before.
    PortPicker *picker() const { return m_picker.get(); }

private:
    void build();
    void takeChoice();

    MaskedLineEdit *m_field;
    const serial::PortSource &m_ports;
    std::unique_ptr<PortPicker> m_picker;
    std::unique_ptr<PortWatch> m_watch; // declared after the picker it feeds: goes first
};

} // namespace tarvek::ui
