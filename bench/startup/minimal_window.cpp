// The yardstick for tarvek-config's start-up: one empty Qt Widgets window,
// ended after its first paint by the same hook as the program.
#include "QuitAfterShow.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(289, 504);
    tarvek::app::QuitAfterShow::install(&window);
    window.show();
    return QApplication::exec();
}
