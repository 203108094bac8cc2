#pragma once
// A serial line on Windows, \\.\COMn through the Win32 communications API
// (Win32Comm.h): opened for 4800 baud, 8 data bits, no parity, 1 stop bit,
// no flow control; every failure comes back as the text the operator reads.
// Windows only; SystemSerialPortWindows.cpp runs it on the system's calls.
#include "SerialResult.h"
#include "Win32Comm.h"

#include <QByteArray>
#include <QString>

namespace tarvek::serial
{

class CommLine
{
public:
    // `comm` must outlive the line.
    explicit CommLine(Win32Comm &comm);
    ~CommLine(); // closes the line if it is open
    CommLine(const CommLine &) = delete;
    CommLine &operator=(const CommLine &) = delete;

    [[nodiscard]] SerialResult open(const QString &device);
    bool isOpen() const;
    // Returns when the driver has sent every byte. The whole write, the
    // driver's queue included, has one deadline: the time the bytes take at
    // 4800 baud plus `marginMs`; no wait outlasts it. A write that fails drops
    // what the driver still holds to send.
    [[nodiscard]] SerialResult write(const QByteArray &bytes, int marginMs);
    void close();

private:
    SerialResult configureLine();
    SerialResult writeWithin(const QByteArray &bytes, int marginMs);
    SerialResult waitUntilSent(ULONGLONG deadline);
    QString writeFailure(DWORD code);

    Win32Comm &m_comm;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    QString m_device;
};

// The time `bytes` take on the line at 4800 baud (10 bits each), rounded up.
ULONGLONG lineTimeMs(qsizetype bytes);

} // namespace tarvek::serial
