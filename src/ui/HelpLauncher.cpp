#include "HelpLauncher.h"

#include "HelpViewer.h"

#include <QCoreApplication>

namespace tarvek::ui
{

HelpLauncher::HelpLauncher(MessagePresenter &messages, const QString &programFolder,
                           QObject *parent)
    : QObject(parent), m_messages(messages),
      m_programFolder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                              : programFolder)
{
}

HelpLauncher::~HelpLauncher() = default;

void HelpLauncher::showManual(const QString &fileName, const QString &title)
{
    if (!m_viewer) {
        m_viewer = std::make_unique<HelpViewer>(m_messages, m_programFolder);
        connect(m_viewer.get(), &HelpViewer::unloaded, this, &HelpLauncher::forgetViewer);
    }
    m_viewer->showManual(fileName, title);
}

void HelpLauncher::unload()
{
    if (m_viewer)
        m_viewer->close(); // emits unloaded, which forgets it
    forgetViewer();
}

bool HelpLauncher::isWaiting() const
{
    return m_viewer && m_viewer->isActivating();
}

void HelpLauncher::forgetViewer()
{
    // The signal comes from inside the viewer's own handlers, so it is deleted
    // once they have returned.
    if (m_viewer)
        m_viewer.release()->deleteWhenIdle();
}

} // namespace tarvek::ui
