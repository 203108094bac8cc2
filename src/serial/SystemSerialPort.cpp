#include "SystemSerialPort.h"

#include "PortDiagnosis.h"
#include "SerialDevice.h"
#include "SerialErrorTexts.h"

namespace tarvek::serial
{

SystemSerialPort::SystemSerialPort(Resolver resolver, int writeTimeoutMs, PortLister lister)
    : m_resolver(std::move(resolver)), m_lister(std::move(lister)),
      m_writeTimeoutMs(writeTimeoutMs), m_line(std::make_unique<SerialDevice>())
{
}

SystemSerialPort::~SystemSerialPort() = default;

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
    if (m_line->isOpen())
        return fail(texts::portNotClosed());
    m_number = number;
    return {};
}

SerialResult SystemSerialPort::open()
{
    if (m_line->isOpen())
        return fail(texts::portAlreadyOpen());
    if (m_number < 1)
        return fail(texts::invalidPortNumber());
    const PortLookup lookup = m_resolver(m_number);
    if (!lookup.ok())
        return fail(lookup.reason);
    m_device = lookup.device;
    const SerialResult opened = m_line->open(m_device);
    return opened.ok() ? opened : fail(opened.reason);
}

bool SystemSerialPort::isOpen() const
{
    return m_line->isOpen();
}

SerialResult SystemSerialPort::write(const QByteArray &bytes)
{
    if (!m_line->isOpen())
        return fail(texts::portNotOpen());
    return m_line->write(bytes, m_writeTimeoutMs);
}

void SystemSerialPort::close()
{
    m_line->close();
}

} // namespace tarvek::serial
