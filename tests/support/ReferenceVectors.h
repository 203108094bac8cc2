#pragma once
// The reference vectors in tests/data: JSON files of cases, one object per
// case, read the same way by every test that replays them.
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QString>

namespace tarvek::testing
{

// The cases of `file`, a file name in tests/data: its top-level array, or the
// array under `section` when the file holds named sections. A missing or
// unreadable file gives no cases, so a test checks how many it got.
QJsonArray LoadVectors(const QString &file, const QString &section = {});

// A value as the text a control is written with: strings as they are,
// numbers in decimal.
QString VectorText(const QJsonValue &value);

// A case's "writes": control names and the texts written into them, in order.
QList<QPair<QString, QString>> VectorWrites(const QJsonObject &vector);

} // namespace tarvek::testing
