#pragma once
// For start-up measurements: ends the program as soon as a window has been
// painted for the first time, so that a benchmark can time "start until the
// main window is on screen". Not part of normal use.
#include <QObject>

namespace tarvek::app
{

class QuitAfterShow : public QObject
{
public:
    // Watches `window` and quits the application after its first paint.
    static void install(QObject *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
    bool m_done = false;
};

// Whether the arguments ask for it ("--quit-after-show").
bool quitAfterShowRequested(int argc, char **argv);

} // namespace tarvek::app
