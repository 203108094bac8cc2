#pragma once
// SEND: the logic of the main window's `cmdSend_Click`.
//
// How it fits: the main window creates one SendCommand as it loads, handing
// it what it works on (Parts: the settings, the block, the SEND button, the
// information dialog, the serial port, the message boxes), and calls
// cmdSend_Click when SEND is clicked. The window refuses to close while the
// port is open or SEND is still running.
//
// cmdSend_Click disables SEND, builds the block (writing the normalised
// texts back into the settings), lets pending window events run, and then
// either uploads (progress in the InfoDialog, serial errors in a box titled
// "TARVEK" without icon) or shows "Parametri incompleti o non corretti"
// titled "Invio non eseguito - Tarvek" with the information icon. SEND is
// enabled again in every case. The upload runs on the calling (window)
// thread with blocking pauses, letting window events run between its steps,
// so the port is open only inside cmdSend_Click.
#include "ConfigBlock.h"
#include "Frames.h"
#include "Upload.h"

#include <QPointer>
#include <utility>

class QAbstractButton;
class QWidget;

namespace tarvek
{
class TrackerSettings;
} // namespace tarvek

namespace tarvek::ui
{

class InfoDialog;
class MessagePresenter;

class SendCommand
{
public:
    static constexpr const char *kRejectedText = "Parametri incompleti o non corretti";
    static constexpr const char *kRejectedTitle = "Invio non eseguito - Tarvek";
    static constexpr const char *kSerialErrorTitle = "TARVEK";

    struct Parts {
        TrackerSettings &settings;
        ConfigBlock &block;
        QAbstractButton *cmdSend; // the SEND button
        InfoDialog *dialog;       // form `Dialog`, owned by `owner`
        SerialPort &port;
        MessagePresenter &messages;
        QWidget *owner; // the main window: parent of the message boxes
        Preamble preamble = kPreamble;
    };

    explicit SendCommand(Parts parts);

    // The handler of the SEND button.
    void cmdSend_Click();

    // Whether the serial port is open (only during an upload).
    bool isPortOpen() const;

    // Replaces the blocking sleep and the event processing (tests).
    void setHooks(UploadHooks hooks) { m_hooks = std::move(hooks); }

private:
    TrackerSettings &m_settings;
    ConfigBlock &m_block;
    QPointer<QAbstractButton> m_cmdSend;
    QPointer<InfoDialog> m_dialog;
    SerialPort &m_port;
    MessagePresenter &m_messages;
    QPointer<QWidget> m_owner;
    Preamble m_preamble;
    UploadHooks m_hooks;
};

} // namespace tarvek::ui
