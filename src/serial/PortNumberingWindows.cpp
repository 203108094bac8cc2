#include "PortNumbering.h"

#include <QRegularExpression>

namespace tarvek::serial
{

QMap<int, QString> numberSystemDevices(const QStringList &devices)
{
    static const QRegularExpression kComName(QStringLiteral("^COM([0-9]+)$"));
    QMap<int, QString> numbered;
    for (const QString &device : devices) {
        const QRegularExpressionMatch match = kComName.match(device);
        if (match.hasMatch())
            numbered.insert(match.captured(1).toInt(), device);
    }
    return numbered;
}

// Port n is COMn whether or not Windows lists it now: opening it says
// whether it is there.
PortLookup lookupUnnumberedPort(int number, const QMap<int, QString> & /*numbered*/)
{
    return {QStringLiteral("COM%1").arg(number), QString()};
}

} // namespace tarvek::serial
