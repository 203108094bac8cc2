// What the port does alike on every system: it chooses the device by port
// number, and a failure to find it names the ports that are there. The
// device itself is the system's: SystemSerialPortPosix.cpp and
// SystemSerialPortWindows.cpp.
#include "SystemSerialPort.h"

#include "PortDiagnosis.h"
#include "SerialErrorTexts.h"

namespace tarvek::serial
{

SystemSerialPort::SystemSerialPort(Resolver resolver, int writeTimeoutMs, PortLister lister)
    : m_resolver(std::move(resolver)), m_lister(std::move(lister)),
      m_writeTimeoutMs(writeTimeoutMs), m_line(newLine())
{
}

SystemSerialPort::~SystemSerialPort()
{
    close();
}

SerialResult SystemSerialPort::fail(const QString &description) const
{
    SerialResult result{description};
    // A port that is not there: say which ones are, and how to number one.
    if (description.startsWith(texts::noSuchPortStart()))
        result.reason = texts::withCause(texts::withCause(description, portsThereAre(m_lister())),
                                         diagnoseNoUsablePort(*systemPortFacts()));
    return result;
}

SerialResult SystemSerialPort::setPortNumber(int number)
{
    if (number < 1)
        return fail(texts::invalidPortNumber());
    if (isOpen())
        return fail(texts::portNotClosed());
    m_number = number;
    return {};
}

SerialResult SystemSerialPort::open()
{
    if (isOpen())
        return fail(texts::portAlreadyOpen());
    if (m_number < 1)
        return fail(texts::invalidPortNumber());
    const PortLookup lookup = m_resolver(m_number);
    if (!lookup.ok())
        return fail(lookup.reason);
    m_device = lookup.device;
    const SerialResult opened = openDevice(m_device);
    return opened.ok() ? opened : fail(opened.reason);
}

} // namespace tarvek::serial
