#pragma once
// The real serial port, on QSerialPort: 4800 baud, 8 data bits, no parity,
// 1 stop bit, no flow control, opened for writing only.
#include "PortNumbers.h"
#include "SerialPort.h"

#include <QSerialPort>
#include <functional>

namespace tarvek::serial
{

class SystemSerialPort final : public SerialPort
{
public:
    using Resolver = std::function<PortLookup(int number)>;

    // `resolver` maps a port number to a device; by default the system's
    // ports and TARVEK_COM<n>.
    explicit SystemSerialPort(Resolver resolver = resolvePortNumber, int writeTimeoutMs = 2000);
    ~SystemSerialPort() override;

    bool setPortNumber(int number) override;
    bool open() override;
    bool isOpen() const override;
    bool write(const QByteArray &bytes) override;
    bool close() override;
    QString errorDescription() const override { return m_error; }

    // The device that the last open() used (or tried).
    QString device() const { return m_device; }

private:
    bool fail(const QString &description);
    bool configureLine();
    bool lockExclusively();
    QString openFailure(QSerialPort::SerialPortError error) const;
    QString writeFailure() const;

    Resolver m_resolver;
    int m_writeTimeoutMs;
    int m_number = 0;
    QString m_device;
    QString m_error;
    QSerialPort m_port;
};

} // namespace tarvek::serial
