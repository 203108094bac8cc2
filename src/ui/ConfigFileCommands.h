#pragma once
// The main window's Save and Load buttons.
//
// How it fits: the main window owns one ConfigFileCommands, built with the
// settings model, its message boxes and file dialogs, itself as the owner of
// both, and the hooks through which a Load reaches the calculator. Its Save
// and Load buttons call cmdSave_Click and cmdLoad_Click.
//
// Each command shows its file dialog (program folder and "Tarvek.cfg" preset
// on every run), makes the chosen file's folder the current directory, and
// then saves to the full path or loads the bare file name from that folder.
// Cancelling a dialog is silent. A failure is shown in a box titled "Tarvek"
// with the failure's description, OK only and no icon.
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
    ConfigFileCommands(SettingsModel &model, MessagePresenter &messages, FileDialogs &dialogs,
                       QWidget *owner, CalculatorHooks calculator);

    void cmdSave_Click();
    void cmdLoad_Click();

    // The dialog set-ups, as used by the two commands.
    static FileDialogRequest SaveDialogRequest();
    static FileDialogRequest LoadDialogRequest();

private:
    std::optional<QString> choose(const FileDialogRequest &request);
    void report(const CfgResult &result);

    SettingsModel &m_model;
    MessagePresenter &m_messages;
    FileDialogs &m_dialogs;
    QWidget *m_owner;
    CalculatorHooks m_calculator;
};

} // namespace tarvek::ui
