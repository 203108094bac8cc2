#pragma once
// The serial device under SystemSerialPort, one implementation per system:
// SerialDevicePosix.cpp on QSerialPort, SerialDeviceWindows.cpp on the Win32
// communications API. Each opens the device for writing at 4800 baud, 8 data
// bits, no parity, 1 stop bit, no flow control, and returns every failure as
// the text the operator reads, the same texts on both systems.
#include "SerialResult.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace tarvek::serial
{

class SerialDevice
{
public:
    SerialDevice();
    ~SerialDevice(); // closes the device if it is open
    SerialDevice(const SerialDevice &) = delete;
    SerialDevice &operator=(const SerialDevice &) = delete;

    // Opens `device` (a path, or COMn on Windows) and checks that the line
    // took its settings; on failure the device is closed again.
    [[nodiscard]] SerialResult open(const QString &device);
    bool isOpen() const;
    // Returns only when every byte has been handed to the system (on Windows:
    // when the driver has sent them), or fails when `timeoutMs` has passed
    // (on Windows: the bytes' time at 4800 baud plus `timeoutMs`).
    [[nodiscard]] SerialResult write(const QByteArray &bytes, int timeoutMs);
    void close();

private:
    struct Handle;
    std::unique_ptr<Handle> m_handle;
    QString m_device;
};

} // namespace tarvek::serial
