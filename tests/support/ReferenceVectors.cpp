#include "ReferenceVectors.h"

#include <QFile>
#include <QJsonDocument>

namespace tarvek::testing
{

QJsonArray LoadVectors(const QString &file, const QString &section)
{
    QFile input(QStringLiteral(TARVEK_TEST_DATA_DIR "/") + file);
    if (!input.open(QIODevice::ReadOnly))
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(input.readAll());
    return section.isEmpty() ? document.array() : document.object().value(section).toArray();
}

QString VectorText(const QJsonValue &value)
{
    return value.isString() ? value.toString() : QString::number(value.toInt());
}

QList<QPair<QString, QString>> VectorWrites(const QJsonObject &vector)
{
    QList<QPair<QString, QString>> writes;
    for (const QJsonValue &write : vector.value(QLatin1String("writes")).toArray()) {
        const QJsonArray pair = write.toArray();
        writes.append({pair.at(0).toString(), VectorText(pair.at(1))});
    }
    return writes;
}

} // namespace tarvek::testing
