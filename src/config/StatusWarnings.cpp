#include "StatusWarnings.h"

#include "PositionReading.h"

namespace tarvek::config
{
namespace
{

constexpr char kUseCalculator[] = "Calculate GPSless Bcn";

// ">" in table "/" (Car).
QString symbolText(QChar table, QChar code)
{
    const auto symbol =
        findAprsSymbol(table == u'\\' ? AprsTable::Alternate : AprsTable::Primary, code);
    const QString text = QStringLiteral("\"%1\" in table \"%2\"").arg(code, table);
    return symbol ? text + QStringLiteral(" (%1)").arg(symbol->name) : text;
}

// The position's symbol against the symbol settings: the tracker sends the
// text as it stands, so the text's symbol is the one on the air.
QString symbolWarning(const geo::ReadPosition &position, AprsTable table, const QString &symbol)
{
    const QChar textTable = QLatin1Char(position.tableId);
    const QChar textCode = QLatin1Char(position.symbolCode);
    if (symbol.isEmpty() || (textTable == tableCharacter(table) && textCode == symbol.front()))
        return {};
    return QStringLiteral("the position shows %1, but ICON Symbol and Alternate Table choose %2, "
                          "and the tracker beacons the position's; write the position again with "
                          "%3")
        .arg(symbolText(textTable, textCode), symbolText(tableCharacter(table), symbol.front()),
             QLatin1String(kUseCalculator));
}

} // namespace

QStringList gpslessStatusWarnings(const QString &text, AprsTable table, const QString &symbol)
{
    // APRS Protocol Reference 1.0.1, chapters 8 and 9: a position report
    // without timestamp, in the normal or the compressed form.
    const auto position = geo::readPositionText(text.toStdString());
    if (!position) {
        return {QStringLiteral("in GPSless Mode the tracker beacons this text as its position, "
                               "and it does not begin with one, so no map shows the station; "
                               "write the position with %1")
                    .arg(QLatin1String(kUseCalculator))};
    }
    QStringList reasons;
    reasons << symbolWarning(*position, table, symbol);
    // APRS Protocol Reference 1.0.1, chapter 6: 0° 0' N, 0° 0' W (or E) is
    // the "no position" a station sends when it knows none.
    if (position->latitude == 0 && position->longitude == 0)
        reasons << QStringLiteral("0° N 0° E is APRS's \"no position\": the station would appear "
                                  "off West Africa; write your position with %1")
                       .arg(QLatin1String(kUseCalculator));
    reasons.removeAll(QString());
    return reasons;
}

QStringList statusWarnings(const QString &text)
{
    // APRS Protocol Reference 1.0.1, chapter 16: status text may hold any
    // printable character except "|" and "~".
    QString reserved;
    for (QChar ch : {QChar(u'|'), QChar(u'~')}) {
        if (text.contains(ch))
            reserved += ch;
    }
    if (reserved.isEmpty())
        return {};
    return {QStringLiteral("APRS reserves \"%1\" in status reports: receivers may cut or misread "
                           "the status the tracker sends; leave %2 out")
                .arg(reserved.size() == 1 ? reserved : QStringLiteral("|\" and \"~"),
                     reserved.size() == 1 ? QStringLiteral("it") : QStringLiteral("them"))};
}

} // namespace tarvek::config
