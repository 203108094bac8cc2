#pragma once
// The upload of one configuration block, step by step: open the port, show
// the progress, preamble and frame 1, preamble and frame 2, close the port,
// show the result. The pauses, the event processing and the dialog are
// hooks, so the window, tarvek-cli and the tests each supply their own.
#include "ConfigBlock.h"
#include "Frames.h"
#include "SerialPort.h"

#include <QString>
#include <functional>

namespace tarvek::serial
{

// Pauses of the wire sequence, in milliseconds.
namespace pause
{
constexpr int kBeforeFirstFrame = 400; // after the progress text is shown
constexpr int kAfterPreamble = 10;
constexpr int kAfterFrame = 500;
constexpr int kAfterClose = 400;
constexpr int kTotal = kBeforeFirstFrame + 2 * (kAfterPreamble + kAfterFrame) + kAfterClose;
} // namespace pause

// The information dialog as the upload drives it.
class UploadView
{
public:
    virtual ~UploadView() = default;
    virtual void setInfoText(const QString &text) = 0;
    virtual void appendInfoText(const QString &text) = 0;
    virtual void setOkVisible(bool visible) = 0;
    // Shows the dialog without blocking its owner.
    virtual void showNonModal() = 0;
};

struct UploadHooks {
    // Blocks the calling thread; window events do not run meanwhile.
    std::function<void(int milliseconds)> sleep;
    // Lets pending window events run.
    std::function<void()> processEvents;
};

// A blocking sleep that lasts at least the time asked by the monotonic
// clock, and no event processing: for programs without windows.
UploadHooks blockingHooks();

// "\r\nSending data on COM" + the port text as typed + "..."
QString progressText(const QString &portText);

// Which way an upload ended, for the callers that treat the two failures
// differently (the window shows only a serial error).
enum class UploadOutcome {
    Sent,
    NotOpened, // the port reported closed right after opening: nothing was sent
    Failed,    // a serial error
};

struct UploadResult {
    UploadOutcome outcome = UploadOutcome::Failed;
    QString reason; // why nothing or not everything was sent; empty when sent

    bool ok() const { return reason.isEmpty(); }
};

// Sends `block` on the port whose number is in `portText` (the text of
// "Comm num:" as typed). On a serial error the remaining steps are skipped
// and the port is closed, so that it is never left open by a failure; the
// dialog keeps its progress text. The caller shows the error.
UploadResult uploadConfigBlock(const config::ConfigBlock &block, const QString &portText,
                               SerialPort &port, UploadView &view, const UploadHooks &hooks);

} // namespace tarvek::serial
