#include "SendCommand.h"

#include "BlockBuilder.h"
#include "InfoDialog.h"
#include "MessagePresenter.h"
#include "SerialPort.h"
#include "TrackerSettings.h"
#include "UserTexts.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

using namespace tarvek::config;
using namespace tarvek::serial;

namespace tarvek::ui
{
namespace
{

// The information dialog as the upload drives it.
class DialogView final : public UploadView
{
public:
    explicit DialogView(InfoDialog *dialog) : m_dialog(dialog) {}

    void setInfoText(const QString &text) override
    {
        m_text = text;
        if (m_dialog)
            m_dialog->setInfoText(m_text);
    }
    void appendInfoText(const QString &text) override { setInfoText(m_text + text); }
    void setOkVisible(bool visible) override
    {
        if (m_dialog)
            m_dialog->okButton()->setVisible(visible);
    }
    void showNonModal() override
    {
        if (!m_dialog)
            return;
        m_dialog->show();
        m_dialog->raise();
        m_dialog->activateWindow();
    }

private:
    QPointer<InfoDialog> m_dialog;
    QString m_text; // what the upload has written so far
};

UploadHooks windowHooks()
{
    UploadHooks hooks = blockingHooks();
    hooks.processEvents = [] { QCoreApplication::processEvents(); };
    return hooks;
}

// Enables the button again when SEND ends, however it ends.
class ReenableOnExit
{
public:
    explicit ReenableOnExit(QAbstractButton *button) : m_button(button) {}
    ~ReenableOnExit()
    {
        if (m_button)
            m_button->setEnabled(true);
    }
    ReenableOnExit(const ReenableOnExit &) = delete;
    ReenableOnExit &operator=(const ReenableOnExit &) = delete;

private:
    QPointer<QAbstractButton> m_button;
};

} // namespace

SendCommand::SendCommand(Parts parts)
    : m_settings(parts.settings), m_sendButton(parts.sendButton), m_dialog(parts.dialog),
      m_port(parts.port), m_messages(parts.messages), m_owner(parts.owner), m_hooks(windowHooks())
{
}

BuildResult SendCommand::run()
{
    if (m_sendButton)
        m_sendButton->setEnabled(false);
    const ReenableOnExit reenable(m_sendButton);
    BuildResult built = buildConfigBlock(m_settings, m_block);
    m_hooks.processEvents();
    if (!built.ok()) {
        m_messages.showMessage(m_owner, texts::kRejectedTitle, texts::kRejected,
                               MessageIcon::Information);
        return built;
    }
    DialogView view(m_dialog);
    const UploadResult result =
        uploadConfigBlock(m_block, m_settings.port.text(), m_port, view, m_hooks);
    if (result.outcome == UploadOutcome::Failed)
        m_messages.showMessage(m_owner, texts::kSerialErrorTitle, result.reason, MessageIcon::None);
    return built;
}

} // namespace tarvek::ui
