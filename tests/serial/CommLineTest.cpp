// The Windows serial line on a fake of the Win32 calls: what each error a
// driver returns becomes, and that no write outlasts its deadline however
// the driver takes the bytes or drains its queue.
#include "CommLine.h"
#include "SerialErrorTexts.h"

#include "QtPrinters.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <thread>

using namespace tarvek::serial;

namespace tarvek
{
namespace
{

using namespace Qt::StringLiterals;

const HANDLE kPort = reinterpret_cast<HANDLE>(0x40);

// Answers each call as a scripted driver would, on a clock of its own that
// only the driver's time-outs and the line's sleeps move.
class FakeComm final : public serial::Win32Comm
{
public:
    DWORD openError = 0;            // CreateFile fails with it
    int openTakesMs = 0;            // CreateFile returns after so long
    DWORD setStateError = 0;        // SetCommState fails with it
    bool dropsBaudRate = false;     // GetCommState reads back another rate
    DWORD writeError = 0;           // WriteFile fails with it
    DWORD takesPerWrite = MAXDWORD; // bytes WriteFile takes before its time-out
    std::deque<DWORD> outQueue;     // what ClearCommError reports, the last one repeated
    DWORD queueError = 0;           // ClearCommError fails with it

    DCB setState{};
    ULONGLONG now = 1000;
    QByteArray line;
    int writeCalls = 0;
    bool closed = false;
    bool discarded = false; // the output queue dropped while the port was open

    HANDLE createFile(const std::wstring &path) override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(openTakesMs));
        openedPath = QString::fromStdWString(path);
        return fail(openError) ? INVALID_HANDLE_VALUE : kPort;
    }
    bool getCommState(HANDLE, DCB &dcb) override
    {
        dcb = setState;
        if (dropsBaudRate)
            dcb.BaudRate = 9600;
        return true;
    }
    bool setCommState(HANDLE, DCB &dcb) override
    {
        setState = dcb;
        return !fail(setStateError);
    }
    bool setCommTimeouts(HANDLE, COMMTIMEOUTS &timeouts) override
    {
        writeTimeoutMs =
            timeouts.WriteTotalTimeoutConstant + timeouts.WriteTotalTimeoutMultiplier * 1000;
        return true;
    }
    bool writeFile(HANDLE, const char *bytes, DWORD count, DWORD &written) override
    {
        ++writeCalls;
        if (fail(writeError))
            return false;
        written = std::min(count, takesPerWrite);
        line.append(bytes, written);
        if (written < count)
            now += writeTimeoutMs; // a partial count comes back after the time-out
        return true;
    }
    bool clearCommError(HANDLE, DWORD &errors, COMSTAT &status) override
    {
        errors = 0;
        if (fail(queueError))
            return false;
        status.cbOutQue = outQueue.empty() ? 0 : outQueue.front();
        if (outQueue.size() > 1)
            outQueue.pop_front();
        return true;
    }
    void discardOutput(HANDLE) override { discarded = !closed; }
    void closeHandle(HANDLE) override { closed = true; }
    DWORD lastError() override { return error; }
    QString message(DWORD code) override { return u"system text %1"_s.arg(code); }
    ULONGLONG nowMs() override { return now; }
    void sleepMs(DWORD ms) override { now += ms; }

    QString openedPath;

private:
    bool fail(DWORD code)
    {
        error = code;
        return code != 0;
    }
    // Per thread, as GetLastError is.
    static thread_local DWORD error;
    DWORD writeTimeoutMs = 0;
};

thread_local DWORD FakeComm::error = 0;

const QByteArray kFrame(60, 'x');
constexpr int kMarginMs = 2000;
// 60 bytes at 4800 baud take 125 ms.
constexpr ULONGLONG kDeadlineMs = 125 + kMarginMs;

TEST(CommLine, OpensThroughTheDeviceNamespaceWithDistinctFlowCharacters)
{
    FakeComm comm;
    // A driver's DCB with its reserved fields set.
    comm.setState.wReserved = 0x1234;
    comm.setState.wReserved1 = 7;
    comm.setState.fDummy2 = 0x5;
    CommLine line(comm);
    EXPECT_EQ(line.open(u"COM12"_s).reason, QString());
    EXPECT_EQ(comm.openedPath, u"\\\\.\\COM12"_s);
    EXPECT_TRUE(line.isOpen());
    EXPECT_EQ(comm.setState.BaudRate, 4800u);
    EXPECT_NE(comm.setState.XonChar, comm.setState.XoffChar);
    EXPECT_EQ(comm.setState.wReserved, 0);
    EXPECT_EQ(comm.setState.wReserved1, 0);
    EXPECT_EQ(comm.setState.fDummy2, 0u);
    EXPECT_FALSE(comm.setState.fOutX || comm.setState.fInX || comm.setState.fOutxCtsFlow);
}

// A port that takes long to open (Bluetooth, its device out of reach): the
// program's event loop goes on meanwhile, so its windows repaint.
TEST(CommLine, EventsFlowWhileAPortTakesLongToOpen)
{
    int argc = 1;
    char name[] = "serial_comm_line_test";
    char *argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    FakeComm comm;
    comm.openTakesMs = 300;
    CommLine line(comm);
    int ticks = 0;
    QTimer ticking;
    QObject::connect(&ticking, &QTimer::timeout, [&] { ++ticks; });
    ticking.start(20);
    EXPECT_EQ(line.open(u"COM7"_s).reason, QString());
    EXPECT_GE(ticks, 5);
}

TEST(CommLine, OpenFailuresSayWhatWentWrong)
{
    struct Case {
        DWORD openError, setStateError;
        bool dropsBaudRate;
        QString expected;
    };
    const QString reason = u"system text %1"_s;
    for (const Case &c : {
             Case{ERROR_FILE_NOT_FOUND, 0, false, texts::noSuchPort(u"COM3"_s, reason.arg(2))},
             Case{ERROR_ACCESS_DENIED, 0, false,
                  texts::portInUse(u"COM3"_s, reason.arg(5)) +
                      u". Another program has it open, such as a terminal or another radio or "
                      "APRS program: close it, or choose another port."_s},
             Case{0, ERROR_INVALID_PARAMETER, false,
                  texts::refusesLineSettings(u"COM3"_s, reason.arg(87))},
             Case{0, 0, true, texts::refusesLineSettings(u"COM3"_s)},
         }) {
        FakeComm comm;
        comm.openError = c.openError;
        comm.setStateError = c.setStateError;
        comm.dropsBaudRate = c.dropsBaudRate;
        CommLine line(comm);
        EXPECT_EQ(line.open(u"COM3"_s).reason, c.expected);
        EXPECT_FALSE(line.isOpen());
        EXPECT_EQ(comm.closed, c.openError == 0) << c.expected.toStdString();
    }
}

TEST(CommLine, WriteErrorsAfterOpenTellAGoneAdapterFromATimeOut)
{
    const QString reason = u"system text %1"_s;
    const std::vector<std::pair<DWORD, QString>> cases = {
        {ERROR_ACCESS_DENIED, texts::portGone(u"COM5"_s, reason.arg(ERROR_ACCESS_DENIED))},
        {ERROR_DEVICE_NOT_CONNECTED,
         texts::portGone(u"COM5"_s, reason.arg(ERROR_DEVICE_NOT_CONNECTED))},
        {ERROR_BAD_COMMAND, texts::portGone(u"COM5"_s, reason.arg(ERROR_BAD_COMMAND))},
        {ERROR_GEN_FAILURE, texts::portGone(u"COM5"_s, reason.arg(ERROR_GEN_FAILURE))},
        {ERROR_SEM_TIMEOUT, texts::writeTimedOut(u"COM5"_s)},
        {ERROR_INVALID_HANDLE, texts::cannotWrite(u"COM5"_s, reason.arg(ERROR_INVALID_HANDLE))},
    };
    for (const auto &[code, expected] : cases) {
        for (const bool whileDraining : {false, true}) {
            FakeComm comm;
            CommLine line(comm);
            ASSERT_EQ(line.open(u"COM5"_s).reason, QString());
            (whileDraining ? comm.queueError : comm.writeError) = code;
            EXPECT_EQ(line.write(kFrame, kMarginMs).reason, expected)
                << code << " " << whileDraining;
            EXPECT_TRUE(comm.discarded) << code;
        }
    }
}

TEST(CommLine, WriteWaitsUntilTheQueueHasDrained)
{
    FakeComm comm;
    comm.outQueue = {60, 30, 1, 0};
    CommLine line(comm);
    ASSERT_EQ(line.open(u"COM5"_s).reason, QString());
    const ULONGLONG start = comm.now;
    EXPECT_EQ(line.write(kFrame, kMarginMs).reason, QString());
    EXPECT_EQ(comm.line, kFrame);
    EXPECT_TRUE(comm.outQueue.size() == 1 && comm.outQueue.front() == 0);
    EXPECT_GT(comm.now, start);
    EXPECT_LT(comm.now, start + 200);
    EXPECT_FALSE(comm.discarded);
}

// A wedged adapter: it takes a byte per time-out, or never empties its queue.
// Either way the write fails as timed out by its one deadline.
TEST(CommLine, NoWaitOutlastsTheWritesDeadline)
{
    for (const bool queueStuck : {false, true}) {
        FakeComm comm;
        if (queueStuck)
            comm.outQueue = {60};
        else
            comm.takesPerWrite = 1;
        CommLine line(comm);
        ASSERT_EQ(line.open(u"COM5"_s).reason, QString());
        const ULONGLONG start = comm.now;
        EXPECT_EQ(line.write(kFrame, kMarginMs).reason, texts::writeTimedOut(u"COM5"_s));
        EXPECT_GE(comm.now, start + kDeadlineMs) << queueStuck;
        EXPECT_LE(comm.now, start + kDeadlineMs) << queueStuck;
        EXPECT_LE(comm.writeCalls, 2) << queueStuck;
    }
}

} // namespace
} // namespace tarvek
