#include "Upload.h"

#include "UserTexts.h"

#include "PortNumbers.h"
#include "SerialErrorTexts.h"

#include <chrono>
#include <thread>

using namespace tarvek::config;

namespace tarvek::serial
{
namespace
{

// Chooses the port by the field's text and opens it.
SerialResult openPort(SerialPort &port, const QString &portText)
{
    const std::optional<int> number = portNumberFromText(portText);
    const SerialResult chosen = port.setPortNumber(number.value_or(0));
    return chosen.ok() ? port.open() : chosen;
}

// A preamble and a frame, each followed by its pause; a dot in the dialog
// once both are out.
SerialResult sendFrame(SerialPort &port, UploadView &view, const UploadHooks &hooks,
                       const QByteArray &preamble, const QByteArray &frame)
{
    hooks.processEvents();
    if (SerialResult written = port.write(preamble); !written.ok())
        return written;
    hooks.sleep(pause::kAfterPreamble);
    if (SerialResult written = port.write(frame); !written.ok())
        return written;
    hooks.sleep(pause::kAfterFrame);
    view.appendInfoText(QStringLiteral("."));
    return {};
}

void sleepAtLeast(int milliseconds)
{
    // The deadline is taken on the monotonic clock when the pause starts, and
    // the sleep goes on until it has passed: a sleep that ends early (a
    // signal, or a system timer coarser than the pause, as Windows' Sleep can
    // be) never shortens the pause the tracker needs to get ready.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    for (Clock::time_point now = Clock::now(); now < deadline; now = Clock::now())
        std::this_thread::sleep_for(deadline - now);
}

} // namespace

UploadHooks blockingHooks()
{
    return {sleepAtLeast, [] {}};
}

QString progressText(const QString &portText)
{
    return config::texts::kSending + portText + QStringLiteral("...");
}

UploadResult uploadConfigBlock(const ConfigBlock &block, const QString &portText, SerialPort &port,
                               UploadView &view, const UploadHooks &hooks)
{
    const QByteArray frame1 = buildFrame(block, 0);
    const QByteArray frame2 = buildFrame(block, 1);
    const QByteArray preamble = preambleBytes();

    SerialResult step = openPort(port, portText);
    if (step.ok() && !port.isOpen())
        return {UploadOutcome::NotOpened, texts::portStayedClosed()};
    if (step.ok()) {
        view.setInfoText(progressText(portText));
        view.setOkVisible(false);
        view.showNonModal();
        hooks.processEvents();
        hooks.sleep(pause::kBeforeFirstFrame);
        view.appendInfoText(QStringLiteral("."));
        step = sendFrame(port, view, hooks, preamble, frame1);
    }
    if (step.ok())
        step = sendFrame(port, view, hooks, preamble, frame2);
    if (!step.ok()) {
        // The port is closed so that a failure never leaves it open: the main
        // window refuses to close while it is.
        port.close();
        return {UploadOutcome::Failed, step.reason};
    }
    hooks.processEvents();
    port.close();
    hooks.sleep(pause::kAfterClose);
    view.setInfoText(config::texts::kSent);
    view.setOkVisible(true);
    return {UploadOutcome::Sent, QString()};
}

} // namespace tarvek::serial
