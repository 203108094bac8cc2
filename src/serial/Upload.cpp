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

// Runs the steps from opening the port to closing it. The steps that can
// fail return the port's result of the first operation that failed.
class UploadSteps
{
public:
    UploadSteps(SerialPort &port, UploadView &view, const UploadHooks &hooks)
        : m_port(port), m_view(view), m_hooks(hooks)
    {
    }

    SerialResult open(const QString &portText)
    {
        const std::optional<int> number = portNumberFromText(portText);
        const SerialResult chosen = m_port.setPortNumber(number.value_or(0));
        return chosen.ok() ? m_port.open() : chosen;
    }

    void showProgress(const QString &portText)
    {
        m_view.setInfoText(progressText(portText));
        m_view.setOkVisible(false);
        m_view.showNonModal();
        m_hooks.processEvents();
        m_hooks.sleep(pause::kBeforeFirstFrame);
        m_view.appendInfoText(QStringLiteral("."));
    }

    SerialResult sendFrame(const QByteArray &preamble, const QByteArray &frame)
    {
        m_hooks.processEvents();
        if (SerialResult written = m_port.write(preamble); !written.ok())
            return written;
        m_hooks.sleep(pause::kAfterPreamble);
        if (SerialResult written = m_port.write(frame); !written.ok())
            return written;
        m_hooks.sleep(pause::kAfterFrame);
        m_view.appendInfoText(QStringLiteral("."));
        return {};
    }

    void close()
    {
        m_hooks.processEvents();
        m_port.close();
        m_hooks.sleep(pause::kAfterClose);
    }

private:
    SerialPort &m_port;
    UploadView &m_view;
    const UploadHooks &m_hooks;
};

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

    UploadSteps steps(port, view, hooks);
    SerialResult step = steps.open(portText);
    if (step.ok() && !port.isOpen())
        return {UploadOutcome::NotOpened, texts::portStayedClosed()};
    if (step.ok()) {
        steps.showProgress(portText);
        step = steps.sendFrame(preamble, frame1);
    }
    if (step.ok())
        step = steps.sendFrame(preamble, frame2);
    if (!step.ok()) {
        // The port is closed so that a failure never leaves it open: the main
        // window refuses to close while it is.
        port.close();
        return {UploadOutcome::Failed, step.reason};
    }
    steps.close();
    view.setInfoText(config::texts::kSent);
    view.setOkVisible(true);
    return {UploadOutcome::Sent, QString()};
}

} // namespace tarvek::serial
