#pragma once
// The main window's Save and Load buttons.
//
// Each command shows its file dialog (program folder, or the documents folder
// when the program's folder takes no new file, and "Tarvek.cfg" preset on
// every run), makes the chosen file's folder the current directory, and
// then saves to or loads from the file's absolute path.
// Cancelling a dialog is silent. A failure is shown in a box titled "Tarvek"
// with the failure's description, OK only and no icon. A complete load ends
// with the calculator settings' `loaded` signal, which the calculator follows.
#include "ConfigFile.h"
#include "FileDialogs.h"

#include <QString>

class QWidget;

namespace tarvek::ui
{

class MessagePresenter;

class ConfigFileCommands
{
public:
    // Every reference must outlive this object. `owner` parents the dialogs
    // and the message box.
    ConfigFileCommands(config::SettingsModel &model, MessagePresenter &messages,
                       FileDialogs &dialogs, QWidget *owner);

    void save();
    void load();

    // The dialog set-ups, as used by the two commands.
    static FileDialogRequest saveDialogRequest();
    static FileDialogRequest loadDialogRequest();

private:
    std::optional<QString> choose(const FileDialogRequest &request);
    void report(const cfgfile::CfgResult &result);

    config::SettingsModel &m_model;
    MessagePresenter &m_messages;
    FileDialogs &m_dialogs;
    QWidget *m_owner;
};

} // namespace tarvek::ui
