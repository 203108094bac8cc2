#pragma once
// SEND: what the main window's SEND button does.
//
// run() disables SEND, builds the block (writing the normalised texts back
// into the settings), lets pending window events run, and then either
// uploads (progress in the InfoDialog, serial errors in a box titled "TARVEK"
// without icon) or shows "Parametri incompleti o non corretti" titled "Invio
// non eseguito - Tarvek" with the information icon. SEND is enabled again in
// every case. The upload runs on the calling (window) thread with blocking
// pauses, letting window events run between its steps, so the port is open
// only inside run(); the window refuses to close meanwhile.
//
// The command owns the configuration block it builds and sends.
#include "BlockBuilder.h"
#include "ConfigBlock.h"
#include "Frames.h"
#include "Upload.h"

#include <QPointer>
#include <utility>

class QAbstractButton;
class QWidget;

namespace tarvek::config
{
class TrackerSettings;
} // namespace tarvek::config

namespace tarvek::ui
{

class InfoDialog;
class MessagePresenter;

class SendCommand
{
public:
    struct Parts {
        config::TrackerSettings &settings;
        QAbstractButton *sendButton;
        InfoDialog *dialog; // form `Dialog`, owned by `owner`
        serial::SerialPort &port;
        MessagePresenter &messages;
        QWidget *owner; // the main window: parent of the message boxes
    };

    explicit SendCommand(Parts parts);

    // Builds the block and uploads it. Returns the build's verdict: the
    // failing setting when the block was rejected.
    config::BuildResult run();

    // The block the last run built.
    const config::ConfigBlock &block() const { return m_block; }

    // Replaces the blocking sleep and the event processing (tests).
    void setHooks(serial::UploadHooks hooks) { m_hooks = std::move(hooks); }

private:
    config::TrackerSettings &m_settings;
    config::ConfigBlock m_block{};
    QPointer<QAbstractButton> m_sendButton;
    QPointer<InfoDialog> m_dialog;
    serial::SerialPort &m_port;
    MessagePresenter &m_messages;
    QPointer<QWidget> m_owner;
    serial::UploadHooks m_hooks;
};

} // namespace tarvek::ui
