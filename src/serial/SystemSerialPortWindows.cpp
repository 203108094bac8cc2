// The serial port's device on Windows: a CommLine on the system's Win32
// calls. Windows opens a port for one program at a time, so a port another
// program holds fails to open with "access denied".
#include "CommLine.h"
#include "SerialErrorTexts.h"
#include "SystemSerialPort.h"

namespace tarvek::serial
{

struct SystemSerialPort::Line {
    CommLine comm{systemComm()};
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
    return m_line->comm.open(device);
}

bool SystemSerialPort::isOpen() const
{
    return m_line->comm.isOpen();
}

// The time-out is a margin over the bytes' own time at 4800 baud.
SerialResult SystemSerialPort::write(const QByteArray &bytes)
{
    if (!isOpen())
        return fail(texts::portNotOpen());
    return m_line->comm.write(bytes, m_writeTimeoutMs);
}

void SystemSerialPort::close()
{
    m_line->comm.close();
}

} // namespace tarvek::serial
