#include "SystemSerialPort.h"

#include <QDeadlineTimer>
#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace tarvek::serial
{
namespace
{

constexpr qint32 kBaudRate = 4800;

#ifdef Q_OS_UNIX
// Whether the user may not read and write the device at all (as opposed to
// the device being held by someone else).
bool accessDenied(const QString &device)
{
    const QByteArray path = QFile::encodeName(device);
    return ::access(path.constData(), R_OK | W_OK) != 0 && errno == EACCES;
}
#endif

} // namespace

SystemSerialPort::SystemSerialPort(Resolver resolver, int writeTimeoutMs)
    : m_resolver(std::move(resolver)), m_writeTimeoutMs(writeTimeoutMs)
{
    // The line settings belong to the port object; open() applies them.
    m_port.setBaudRate(kBaudRate);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.setReadBufferSize(1024);
}

SystemSerialPort::~SystemSerialPort()
{
    if (m_port.isOpen())
        m_port.close();
}

bool SystemSerialPort::fail(const QString &description)
{
    m_error = description;
    return false;
}

bool SystemSerialPort::setPortNumber(int number)
{
    if (number < 1)
        return fail(QStringLiteral("Invalid port number"));
    if (m_port.isOpen())
        return fail(QStringLiteral("Operation valid only when the port is closed"));
    m_number = number;
    return true;
}

bool SystemSerialPort::open()
{
    if (m_port.isOpen())
        return fail(QStringLiteral("Port already open"));
    if (m_number < 1)
        return fail(QStringLiteral("Invalid port number"));
    const PortLookup lookup = m_resolver(m_number);
    if (!lookup.found())
        return fail(lookup.error);
    m_device = lookup.device;
    m_port.setPortName(m_device);
    m_port.clearError();
    // Write only: nothing is ever read from the tracker.
    if (!m_port.open(QIODevice::WriteOnly))
        return fail(openFailure(m_port.error()));
    if (!configureLine() || !lockExclusively()) {
        m_port.close();
        return false;
    }
    return true;
}

// open() has applied the settings; a driver that silently changed one of
// them would send garbage, so they are read back.
bool SystemSerialPort::configureLine()
{
    const bool ok = m_port.baudRate(QSerialPort::Output) == kBaudRate &&
                    m_port.dataBits() == QSerialPort::Data8 &&
                    m_port.parity() == QSerialPort::NoParity &&
                    m_port.stopBits() == QSerialPort::OneStop &&
                    m_port.flowControl() == QSerialPort::NoFlowControl;
    if (!ok)
        return fail(QStringLiteral("%1 does not accept 4800 baud, 8 data bits, no parity, "
                                   "1 stop bit")
                        .arg(m_device));
    return true;
}

// QSerialPort guards a port with a lock file and TIOCEXCL; neither stops a
// program that holds the device with flock(), as many terminal programs do
// (nor TIOCEXCL a privileged user). Taking the same lock here reports such a
// port as in use instead of writing into someone else's session.
bool SystemSerialPort::lockExclusively()
{
#ifdef Q_OS_UNIX
    const int fd = static_cast<int>(m_port.handle());
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        return fail(QStringLiteral("Serial port %1 is in use by another program").arg(m_device));
#endif
    return true;
}

QString SystemSerialPort::openFailure(QSerialPort::SerialPortError error) const
{
    const QString reason = m_port.errorString();
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return QStringLiteral("No serial port %1 (%2)").arg(m_device, reason);
    case QSerialPort::PermissionError:
#ifdef Q_OS_UNIX
        if (accessDenied(m_device))
            return QStringLiteral("Permission denied opening %1. Serial ports belong to the "
                                  "group dialout: add your user to it with "
                                  "\"sudo usermod -aG dialout $USER\", then log out and in "
                                  "again.")
                .arg(m_device);
#endif
        return QStringLiteral("Serial port %1 is in use by another program (%2)")
            .arg(m_device, reason);
    default:
        return QStringLiteral("Cannot open serial port %1: %2").arg(m_device, reason);
    }
}

bool SystemSerialPort::isOpen() const
{
    return m_port.isOpen();
}

// QSerialPort only queues the bytes; waitForBytesWritten() hands them to the
// system. Looping until nothing is queued makes the write complete before
// the caller's pause starts.
bool SystemSerialPort::write(const QByteArray &bytes)
{
    if (!m_port.isOpen())
        return fail(QStringLiteral("Operation valid only when the port is open"));
    m_port.clearError();
    if (m_port.write(bytes) != bytes.size())
        return fail(writeFailure());
    const QDeadlineTimer deadline(m_writeTimeoutMs);
    while (m_port.bytesToWrite() > 0) {
        const bool progressed = m_port.waitForBytesWritten(int(deadline.remainingTime()));
        if (m_port.error() != QSerialPort::NoError && m_port.error() != QSerialPort::TimeoutError)
            return fail(writeFailure());
        if (!progressed && deadline.hasExpired())
            return fail(QStringLiteral("Timed out writing to %1").arg(m_device));
    }
    return true;
}

QString SystemSerialPort::writeFailure() const
{
    if (m_port.error() == QSerialPort::ResourceError)
        return QStringLiteral("Serial port %1 is gone (unplugged or disconnected): %2")
            .arg(m_device, m_port.errorString());
    return QStringLiteral("Cannot write to %1: %2").arg(m_device, m_port.errorString());
}

bool SystemSerialPort::close()
{
    if (m_port.isOpen())
        m_port.close();
    return true;
}

} // namespace tarvek::serial
