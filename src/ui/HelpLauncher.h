#pragma once
// Owns the help viewer for the main window: creates it at the first request,
// passes every request to its showManual, forgets it when it unloads (closed by the
// operator, or after the missing-file message) and unloads it on demand when
// the main window closes.
#include "ManualHelp.h"

#include <QObject>
#include <QString>

#include <memory>

namespace tarvek::ui
{

class HelpViewer;
class MessagePresenter;

class HelpLauncher : public QObject, public ManualHelp
{
    Q_OBJECT
public:
    // `messages` must outlive the launcher. The viewer also looks for the
    // manual in `programFolder`; empty means the program's own folder.
    explicit HelpLauncher(MessagePresenter &messages, const QString &programFolder = {},
                          QObject *parent = nullptr);
    ~HelpLauncher() override;

    void showManual(const QString &fileName, const QString &title) override;
    void unload() override;
    bool isWaiting() const override;
    // The viewer while it exists, for tests and for bringing it forward.
    HelpViewer *viewer() const { return m_viewer.get(); }

private:
    void forgetViewer();

    MessagePresenter &m_messages;
    QString m_programFolder;
    std::unique_ptr<HelpViewer> m_viewer;
};

} // namespace tarvek::ui
