#pragma once
// The real serial port: 4800 baud, 8 data bits, no parity, 1 stop bit, no
// flow control, opened for writing only. It chooses the device by port
// number and adds, to a port that is not there, the ports that are; one file
// per system drives the device (SystemSerialPortPosix.cpp on QSerialPort,
// SystemSerialPortWindows.cpp on CommLine). Every failure is the text the
// operator reads, the same texts on both systems.
#include "PortListing.h"
#include "PortNumbers.h"
#include "SerialPort.h"

#include <functional>
#include <memory>

namespace tarvek::serial
{

class SystemSerialPort final : public SerialPort
{
public:
    using Resolver = std::function<PortLookup(int number)>;
    using PortLister = std::function<std::vector<NumberedPort>()>;

    // `resolver` maps a port number to a device; by default the system's
    // ports and TARVEK_COM<n>. Where the port is not there, the failure
    // names the ports `lister` gives (by default the system's) and how a
    // port gets its number. A write fails after `writeTimeoutMs` (on
    // Windows: after the bytes' time at 4800 baud and that much more).
    explicit SystemSerialPort(Resolver resolver = resolvePortNumber, int writeTimeoutMs = 2000,
                              PortLister lister = listNumberedPorts);
    ~SystemSerialPort() override;

    SerialResult setPortNumber(int number) override;
    SerialResult open() override;
    bool isOpen() const override;
    SerialResult write(const QByteArray &bytes) override;
    void close() override;

    // The device that the last open() used (or tried).
    QString device() const { return m_device; }

private:
    // The system's device, made and destroyed in the system's file, where
    // it is a complete type.
    struct Line;
    struct LineDeleter {
        void operator()(Line *line) const;
    };
    static Line *newLine();

    SerialResult fail(const QString &description) const;
    // Opens `device` and checks that the line took its settings; on failure
    // the device is closed again.
    SerialResult openDevice(const QString &device);

    Resolver m_resolver;
    PortLister m_lister;
    int m_writeTimeoutMs;
    int m_number = 0;
    QString m_device;
    std::unique_ptr<Line, LineDeleter> m_line;
};

} // namespace tarvek::serial
