// tarvek-config: builds the real services (message boxes, file dialogs, the
// serial port, the help viewer) and opens the main window.
#include "CaptionFit.h"
#include "FileDialogs.h"
#include "HelpLauncher.h"
#include "MainWindow.h"
#include "MessagePresenter.h"
#include "QuitAfterShow.h"
#include "SystemSerialPort.h"
#include "Utf8Locale.h"

#include <QApplication>

int main(int argc, char **argv)
{
    tarvek::config::startOnUtf8Locale();
    Q_INIT_RESOURCE(tarvek_ui);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvek Config"));
    tarvek::ui::useOutlineApplicationFont();

    tarvek::config::SettingsModel model;
    tarvek::ui::QtMessagePresenter messages;
    tarvek::ui::QtFileDialogs fileDialogs;
    tarvek::serial::SystemSerialPort port;
    // frmIstruzioni, created at the first help request.
    tarvek::ui::HelpLauncher help(messages);
    tarvek::ui::MainWindow window(model, {.messages = messages,
                                          .fileDialogs = fileDialogs,
                                          .port = port,
                                          .help = &help,
                                          .uploadHooks = std::nullopt});
    if (tarvek::app::quitAfterShowRequested(argc, argv))
        tarvek::app::QuitAfterShow::install(&window);
    window.show();
    return QApplication::exec();
}
