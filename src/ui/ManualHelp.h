#pragma once
// The instruction manual's viewer (frmIstruzioni) as the main window sees it,
// behind an interface so that tests can stand in for it. HelpLauncher is the
// real one.
#include <QString>

namespace tarvek::ui
{

class ManualHelp
{
public:
    virtual ~ManualHelp() = default;
    // Shows the manual `fileName` in a window titled `title`.
    virtual void showManual(const QString &fileName, const QString &title) = 0;
    // Closes the viewer if it is open (the main window is closing).
    virtual void unload() = 0;
    // Whether the viewer is waiting for the operator in a box of its own (the
    // missing-file message, shown when the viewer becomes active, after
    // showManual has returned). The main window does not close meanwhile.
    virtual bool isWaiting() const { return false; }
};

} // namespace tarvek::ui
