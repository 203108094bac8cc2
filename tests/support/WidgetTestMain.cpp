// GoogleTest entry point for widget tests: one QApplication for the process,
// with the windows' resources (the program icon) registered as the program's
// own main does.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    Q_INIT_RESOURCE(tarvek_ui);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
