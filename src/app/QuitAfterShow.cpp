#include "QuitAfterShow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstring>

namespace tarvek::app
{

void QuitAfterShow::install(QObject *window)
{
    window->installEventFilter(new QuitAfterShow(window));
}

bool QuitAfterShow::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_done) {
        m_done = true;
        // Quit once this paint has reached the screen.
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    }
    return false;
}

bool quitAfterShowRequested(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quit-after-show") == 0)
            return true;
    }
    return false;
}

} // namespace tarvek::app
