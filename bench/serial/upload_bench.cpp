// bench_serial_upload [RUNS]: uploads the default configuration RUNS times
// (5 by default) through SystemSerialPort to a pseudo-terminal, with the
// blocking pauses and event processing the window uses, and prints the wall
// time of each upload against the 1,820 ms of pauses, plus the gaps between
// a preamble and its frame as the program made them (from the return of the
// preamble's write to the start of the frame's) and as the far end of the
// line saw them. Run it beside a load to see which of the two a busy machine
// shortens.
#include "BlockBuilder.h"
#include "PtyPair.h"
#include "SystemSerialPort.h"
#include "TrackerSettings.h"
#include "Upload.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace tarvek::config;
using namespace tarvek::serial;

namespace
{

using namespace tarvek;
using testing::Clock;
using testing::MillisBetween;

class SilentView final : public UploadView
{
public:
    void setInfoText(const QString &) override {}
    void appendInfoText(const QString &) override {}
    void setOkVisible(bool) override {}
    void showNonModal() override {}
};

// The system port, with the time each write started and returned.
class TimedPort final : public SerialPort
{
public:
    explicit TimedPort(SerialPort &port) : m_port(port) {}

    SerialResult setPortNumber(int number) override { return m_port.setPortNumber(number); }
    SerialResult open() override { return m_port.open(); }
    bool isOpen() const override { return m_port.isOpen(); }
    SerialResult write(const QByteArray &bytes) override
    {
        started.push_back(Clock::now());
        SerialResult written = m_port.write(bytes);
        returned.push_back(Clock::now());
        return written;
    }
    void close() override { m_port.close(); }

    std::vector<Clock::time_point> started, returned;

private:
    SerialPort &m_port;
};

struct Figures {
    double wall = 0;        // the whole upload, open to the end of the last pause
    double firstByte = 0;   // start to the first byte on the far end
    double gapFrame1 = 0;   // preamble 1 to frame 1, on the far end
    double gapBurst = 0;    // frame 1 to preamble 2, on the far end
    double gapFrame2 = 0;   // preamble 2 to frame 2, on the far end
    double pauseFrame1 = 0; // preamble 1's write returned to frame 1's write, in the program
    double pauseFrame2 = 0; // the same for frame 2
    bool exact = false;     // the 120 bytes as expected
};

Figures runOnce(const ConfigBlock &block)
{
    Figures f;
    testing::PtyPair pty;
    if (!pty.isValid())
        return f;
    const QString device = pty.device();
    SystemSerialPort system([device](int) { return PortLookup{device, QString()}; });
    TimedPort port(system);
    SilentView view;
    UploadHooks hooks = blockingHooks();
    hooks.processEvents = [] { QCoreApplication::processEvents(); };
    const Clock::time_point start = Clock::now();
    const UploadResult result = uploadConfigBlock(block, QStringLiteral("1"), port, view, hooks);
    f.wall = MillisBetween(start, Clock::now());
    if (result.outcome != UploadOutcome::Sent || !pty.waitFor(kWireSize, std::chrono::seconds(1)))
        return f;
    const std::vector<Clock::time_point> at = pty.arrivals();
    f.firstByte = MillisBetween(start, at[0]);
    f.gapFrame1 = MillisBetween(at[1], at[2]);
    f.gapBurst = MillisBetween(at[59], at[60]);
    f.gapFrame2 = MillisBetween(at[61], at[62]);
    f.exact = pty.received() == buildWire(block);
    if (port.started.size() == 4) {
        f.pauseFrame1 = MillisBetween(port.returned[0], port.started[1]);
        f.pauseFrame2 = MillisBetween(port.returned[2], port.started[3]);
    }
    return f;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    TrackerSettings settings;
    loadDefaults(settings);
    ConfigBlock block{};
    if (!buildConfigBlock(settings, block).ok())
        return 1;

    std::printf("upload of the defaults to a pseudo-terminal, %d runs; pauses %d ms\n", runs,
                pause::kTotal);
    std::printf("run  wall ms  over ms  over %%  first byte  pre>frm1  frm1>pre  pre>frm2  "
                "program pre>frm1  pre>frm2  bytes\n");
    std::vector<double> walls;
    double shortestFarEnd = 1e9, shortestProgram = 1e9;
    for (int i = 0; i < runs; ++i) {
        const Figures f = runOnce(block);
        walls.push_back(f.wall);
        const double over = f.wall - pause::kTotal;
        std::printf("%3d  %7.1f  %7.1f  %6.2f  %10.1f  %8.1f  %8.1f  %8.1f  %16.2f  %8.2f  %s\n",
                    i + 1, f.wall, over, 100.0 * over / pause::kTotal, f.firstByte, f.gapFrame1,
                    f.gapBurst, f.gapFrame2, f.pauseFrame1, f.pauseFrame2,
                    f.exact ? "exact" : "WRONG");
        shortestFarEnd = std::min({shortestFarEnd, f.gapFrame1, f.gapFrame2});
        shortestProgram = std::min({shortestProgram, f.pauseFrame1, f.pauseFrame2});
    }
    std::sort(walls.begin(), walls.end());
    const double median = walls[walls.size() / 2];
    std::printf("wall time min %.1f  median %.1f  max %.1f ms; median over the pauses %.2f%% "
                "(target: within 3%%)\n",
                walls.front(), median, walls.back(),
                100.0 * (median - pause::kTotal) / pause::kTotal);
    std::printf("shortest preamble-to-frame pause: %.2f ms in the program, %.2f ms on the far end "
                "(%d ms asked)\n",
                shortestProgram, shortestFarEnd, pause::kAfterPreamble);
    return 0;
}
