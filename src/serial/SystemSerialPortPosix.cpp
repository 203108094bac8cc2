// The serial port's device on Linux and other POSIX systems: QSerialPort,
// plus an flock() so that a port another program holds is reported as in use.
#include "PortDiagnosis.h"
#include "SerialErrorTexts.h"
#include "SystemSerialPort.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSerialPort>
#include <cerrno>
#include <sys/file.h>
#include <unistd.h>

namespace tarvek::serial
{
namespace
{

constexpr qint32 kBaudRate = 4800;

QString inUse(const QString &failure, const QString &device)
{
    return texts::withCause(failure,
                            diagnoseOpenFailure(OpenFailure::Busy, device, *systemPortFacts()));
}

// Whether the user may not read and write the device at all (as opposed to
// the device being held by someone else).
bool accessDenied(const QString &device)
{
    const QByteArray path = QFile::encodeName(device);
    return ::access(path.constData(), R_OK | W_OK) != 0 && errno == EACCES;
}

// The system's words first, then the cause and the remedy where the system
// tells them.
QString openFailure(const QSerialPort &port, const QString &device)
{
    const QString reason = port.errorString();
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return texts::noSuchPort(device, reason);
    case QSerialPort::PermissionError:
        if (accessDenied(device)) {
            const QString cause =
                diagnoseOpenFailure(OpenFailure::PermissionDenied, device, *systemPortFacts());
            return cause.isEmpty() ? texts::notInDialoutGroup(device)
                                   : texts::withCause(texts::permissionDenied(device), cause);
        }
        return inUse(texts::portInUse(device, reason), device);
    default:
        return texts::cannotOpen(device, reason);
    }
}

QString writeFailure(const QSerialPort &port, const QString &device)
{
    if (port.error() == QSerialPort::ResourceError)
        return texts::portGone(device, port.errorString());
    return texts::cannotWrite(device, port.errorString());
}

// open() has applied the settings; a driver that silently changed one of
// them would send garbage, so they are read back.
bool lineTookSettings(const QSerialPort &port)
{
    return port.baudRate(QSerialPort::Output) == kBaudRate &&
           port.dataBits() == QSerialPort::Data8 && port.parity() == QSerialPort::NoParity &&
           port.stopBits() == QSerialPort::OneStop &&
           port.flowControl() == QSerialPort::NoFlowControl;
}

// QSerialPort guards a port with a lock file and TIOCEXCL; neither stops a
// program that holds the device with flock(), as many terminal programs do
// (nor TIOCEXCL a privileged user). Taking the same lock here reports such a
// port as in use instead of writing into someone else's session.
bool heldByAnotherProgram(const QSerialPort &port)
{
    const int fd = static_cast<int>(port.handle());
    return fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

} // namespace

struct SystemSerialPort::Line {
    Line()
    {
        // The line settings belong to the port object; open() applies them.
        port.setBaudRate(kBaudRate);
        port.setDataBits(QSerialPort::Data8);
        port.setParity(QSerialPort::NoParity);
        port.setStopBits(QSerialPort::OneStop);
        port.setFlowControl(QSerialPort::NoFlowControl);
        port.setReadBufferSize(1024);
    }

    QSerialPort port;
};

SystemSerialPort::Line *SystemSerialPort::newLine()
{
    return new Line;
}

void SystemSerialPort::LineDeleter::operator()(Line *line) const
{
    delete line;
}

SerialResult SystemSerialPort::openDevice(const QString &device)
{
    QSerialPort &port = m_line->port;
    port.setPortName(device);
    port.clearError();
    // Write only: nothing is ever read from the tracker.
    if (!port.open(QIODevice::WriteOnly))
        return {openFailure(port, device)};
    SerialResult result;
    if (!lineTookSettings(port))
        result.reason = texts::refusesLineSettings(device);
    else if (heldByAnotherProgram(port))
        result.reason = inUse(texts::portInUse(device), device);
    if (!result.ok())
        port.close();
    return result;
}

bool SystemSerialPort::isOpen() const
{
    return m_line->port.isOpen();
}

// QSerialPort only queues the bytes; waitForBytesWritten() hands them to the
// system. Looping until nothing is queued makes the write complete before
// the caller's pause starts.
SerialResult SystemSerialPort::write(const QByteArray &bytes)
{
    if (!isOpen())
        return fail(texts::portNotOpen());
    QSerialPort &port = m_line->port;
    port.clearError();
    if (port.write(bytes) != bytes.size())
        return {writeFailure(port, m_device)};
    const QDeadlineTimer deadline(m_writeTimeoutMs);
    while (port.bytesToWrite() > 0) {
        const bool progressed = port.waitForBytesWritten(int(deadline.remainingTime()));
        if (port.error() != QSerialPort::NoError && port.error() != QSerialPort::TimeoutError)
            return {writeFailure(port, m_device)};
        if (!progressed && deadline.hasExpired())
            return {texts::writeTimedOut(m_device)};
    }
    return {};
}

void SystemSerialPort::close()
{
    if (m_line->port.isOpen())
        m_line->port.close();
}

} // namespace tarvek::serial
