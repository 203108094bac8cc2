#include "ConfigFileCommands.h"

#include "DialogFolder.h"
#include "MessagePresenter.h"
#include "UserTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace tarvek::cfgfile;
using namespace tarvek::config;

namespace tarvek::ui
{
namespace
{

FileDialogRequest dialogRequest(FileDialogKind kind, const char *title)
{
    FileDialogRequest request;
    request.kind = kind;
    request.title = QString::fromUtf8(title);
    request.filters = {{QStringLiteral("File di configurazione (*.cfg)"), QStringLiteral("*.cfg")},
                       {QStringLiteral("Tutti i files"), QStringLiteral("*.*")}};
    request.folder = configDialogFolder(QCoreApplication::applicationDirPath());
    request.fileName = QStringLiteral("Tarvek.cfg");
    request.confirmOverwrite = kind == FileDialogKind::Save;
    return request;
}

} // namespace

ConfigFileCommands::ConfigFileCommands(SettingsModel &model, MessagePresenter &messages,
                                       FileDialogs &dialogs, QWidget *owner)
    : m_model(model), m_messages(messages), m_dialogs(dialogs), m_owner(owner)
{
}

FileDialogRequest ConfigFileCommands::saveDialogRequest()
{
    return dialogRequest(FileDialogKind::Save, "Salva File");
}

FileDialogRequest ConfigFileCommands::loadDialogRequest()
{
    return dialogRequest(FileDialogKind::Open, "Apertura File");
}

// Shows the dialog and gives the chosen file's absolute path; its folder
// becomes the current directory for the rest of the run (the help file is
// looked for there first).
std::optional<QString> ConfigFileCommands::choose(const FileDialogRequest &request)
{
    const std::optional<QString> chosen = m_dialogs.chooseFile(m_owner, request);
    if (!chosen)
        return std::nullopt;
    const QFileInfo file(*chosen);
    QDir::setCurrent(file.absolutePath());
    return file.absoluteFilePath();
}

void ConfigFileCommands::report(const CfgResult &result)
{
    if (!result.ok())
        m_messages.showMessage(m_owner, texts::kFileErrorTitle, result.reason, MessageIcon::None);
}

void ConfigFileCommands::save()
{
    const std::optional<QString> path = choose(saveDialogRequest());
    if (!path)
        return; // cancel: nothing shown, nothing changed
    report(saveConfigFile(*path, m_model));
}

void ConfigFileCommands::load()
{
    const std::optional<QString> path = choose(loadDialogRequest());
    if (!path)
        return;
    report(loadConfigFile(*path, m_model));
}

} // namespace tarvek::ui
