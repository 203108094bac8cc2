#include "BlockDecoder.h"

#include "Cp1252.h"
#include "NumericReading.h"
#include "PackedCodes.h"
#include "TrackerSettings.h"

#include <algorithm>

namespace tarvek
{
namespace
{

constexpr int kCallsignSize = 6;
constexpr int kStatusTextSize = offset::DestCall - offset::StatusText; // 30
constexpr int kMessageSize = kConfigBlockSize - offset::Message;       // 39

// The characters from `from` up to the first 0, at most `size` of them.
QString TextAt(const ConfigBlock &block, int from, int size)
{
    const auto begin = block.begin() + from;
    const auto end = std::find(begin, begin + size, std::uint8_t{0});
    return DecodeCp1252(QByteArray(reinterpret_cast<const char *>(&*begin), end - begin));
}

// CALL-SSID, without "-0"; the callsign without its padding spaces.
QString CallsignAt(const ConfigBlock &block, int from)
{
    QString call = DecodeCp1252(
        QByteArray(reinterpret_cast<const char *>(block.data() + from), kCallsignSize));
    while (call.endsWith(u' '))
        call.chop(1);
    const int ssid = int(block[from + kCallsignSize]) - '0';
    return ssid == 0 ? call : call + u'-' + QString::number(ssid);
}

QString PathAt(const ConfigBlock &block)
{
    if (block[offset::Digi1] == 0)
        return QString();
    const QString first = CallsignAt(block, offset::Digi1);
    if (block[offset::Digi2] == 0)
        return first;
    return first + u',' + CallsignAt(block, offset::Digi2);
}

QString Digits(double value, int digits)
{
    return FormatWithDigits(static_cast<long long>(value), digits);
}

QString Tens(std::uint8_t tens, int digits)
{
    return Digits(tens * 10.0, digits);
}

QString Flag(bool set)
{
    return set ? QStringLiteral("1") : QStringLiteral("0");
}

QString SymbolTable(std::uint8_t code)
{
    if (code == '/' || code == '\\')
        return Flag(code == '\\');
    return QStringLiteral("invalid (%1)").arg(code);
}

QString AcquisitionInterval(const ConfigBlock &block)
{
    const std::uint8_t interval = block[offset::GpsCheckInterval];
    if (interval == kGpslessMarker && block[offset::GpsAcqTimeout] == 0)
        return QStringLiteral("GPSless");
    return Tens(interval, 3);
}

} // namespace

QList<Setting> DecodeSettings(const ConfigBlock &block)
{
    QList<Setting> out;
    const auto add = [&out](const char *name, const QString &value) {
        out.append({QString::fromLatin1(name), value});
    };
    add("edNumFlagsAuto", Digits(RoundHalfEven(block[offset::TxDelay] / 0.15), 3));
    add("edMsgRepeat", Digits(block[offset::MsgRetries], 3));
    const MessageCode message = UnpackMessageCode(block[offset::MsgOptions]);
    add("cbMicEMsg", QString::number(message.micEIndex));
    add("chkAutoReply", QString::number(message.autoReply));
    add("edSymbol", TextAt(block, offset::SymbolCode, 1));
    add("chkTable", SymbolTable(block[offset::SymbolTable]));
    add("edGpsCheckTime", AcquisitionInterval(block));
    add("edGpsAcqTime", Digits(block[offset::GpsAcqTimeout], 3));
    for (int i = 0; i < kSpeedBands; ++i) {
        const QString name = QStringLiteral("esSpeedTable(%1)").arg(i);
        out.append({name, Tens(block[offset::SpeedTable + i], i < 2 ? 4 : 3)});
    }
    add("edManualTime", Tens(block[offset::ManualInterval], 4));
    const StatusCode status = UnpackStatusCode(block[offset::StatusEvery]);
    add("edBcnEvery", Digits(status.every, 3));
    add("chkRxPosition", QString::number(status.rxPosition));
    add("edMyCall", CallsignAt(block, offset::MyCall));
    add("edAprsPath", PathAt(block));
    add("edBeacon", TextAt(block, offset::StatusText, kStatusTextSize));
    add("edDestCall", CallsignAt(block, offset::DestCall));
    add("edAprsMsg", TextAt(block, offset::Message, kMessageSize));
    return out;
}

} // namespace tarvek
