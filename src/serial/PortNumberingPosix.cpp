#include "PortNumbering.h"
#include "SerialErrorTexts.h"

namespace tarvek::serial
{

QMap<int, QString> numberSystemDevices(const QStringList &devices)
{
    const QStringList ordered = orderSerialPorts(devices);
    QMap<int, QString> numbered;
    for (qsizetype i = 0; i < ordered.size(); ++i)
        numbered.insert(static_cast<int>(i + 1), ordered.at(i));
    return numbered;
}

PortLookup lookupUnnumberedPort(int number, const QMap<int, QString> &numbered)
{
    const auto count = numbered.size();
    return {QString(), texts::noSuchPortNumber(number, count)};
}

} // namespace tarvek::serial
