// The serial device on Windows: a CommLine on the system's Win32 calls.
// Windows opens a port for one program at a time, so a port another program
// holds fails to open with "access denied".
#include "SerialDevice.h"

#include "CommLine.h"

namespace tarvek::serial
{

struct SerialDevice::Handle {
    CommLine line{systemComm()};
};

SerialDevice::SerialDevice() : m_handle(std::make_unique<Handle>())
{
}

SerialDevice::~SerialDevice()
{
    close();
}

SerialResult SerialDevice::open(const QString &device)
{
    m_device = device;
    return m_handle->line.open(device);
}

bool SerialDevice::isOpen() const
{
    return m_handle->line.isOpen();
}

SerialResult SerialDevice::write(const QByteArray &bytes, int timeoutMs)
{
    return m_handle->line.write(bytes, timeoutMs);
}

void SerialDevice::close()
{
    m_handle->line.close();
}

} // namespace tarvek::serial
