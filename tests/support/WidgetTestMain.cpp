// GoogleTest entry point for widget tests: one QApplication for the process,
// with the windows' resources (the program icon) registered as the program's
// own main does. What Qt itself keeps of the user's choices (the file
// dialog's last folder and view) goes to a folder of the run's own, not to
// the user's configuration.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    const QTemporaryDir userConfig;
    qputenv("XDG_CONFIG_HOME", userConfig.path().toLocal8Bit());
    Q_INIT_RESOURCE(tarvek_ui);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
