#include "DeviceLinks.h"

#include <QDir>
#include <QFileInfo>

namespace tarvek::serial
{

QMap<QString, QString> deviceLinks(const QString &folder)
{
    QMap<QString, QString> links;
    const QDir dir(folder);
    // QDir::System lists links whose target is gone too; they are skipped
    // below, as they name no device.
    for (const QFileInfo &entry :
         dir.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        if (!entry.isSymLink())
            continue;
        const QString device = entry.canonicalFilePath();
        if (!device.isEmpty() && !links.contains(device))
            links.insert(device, entry.absoluteFilePath());
    }
    return links;
}

} // namespace tarvek::serial
