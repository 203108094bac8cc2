#include "SystemSerialPort.h"

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

bool SystemSerialPort::fail(const QString &description)
{
    m_error = description;
    // A port that is not there: say which ones are, and how to number one.
    if (description.startsWith(texts::noSuchPortStart()))
        m_error += (m_error.endsWith(u'.') ? QStringLiteral(" ") : QStringLiteral(". ")) +
                   portsThereAre(m_lister());
    return false;
}

bool SystemSerialPort::setPortNumber(int number)
{
    if (number < 1)
        return fail(texts::invalidPortNumber());
    if (m_line->isOpen())
        return fail(QStringLiteral("Operation valid only when the port is closed"));
    m_number = number;
    return true;
}

bool SystemSerialPort::open()
{
    if (m_line->isOpen())
        return fail(QStringLiteral("Port already open"));
    if (m_number < 1)
        return fail(texts::invalidPortNumber());
    const PortLookup lookup = m_resolver(m_number);
    if (!lookup.ok())
        return fail(lookup.reason);
    m_device = lookup.device;
    if (const std::optional<QString> failure = m_line->open(m_device))
        return fail(*failure);
    return true;
}

bool SystemSerialPort::isOpen() const
{
    return m_line->isOpen();
}

bool SystemSerialPort::write(const QByteArray &bytes)
{
    if (!m_line->isOpen())
        return fail(QStringLiteral("Operation valid only when the port is open"));
    if (const std::optional<QString> failure = m_line->write(bytes, m_writeTimeoutMs))
        return fail(*failure);
    return true;
}

void SystemSerialPort::close()
{
    m_line->close();
}

} // namespace tarvek::serial
