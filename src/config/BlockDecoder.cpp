#include "BlockDecoder.h"

#include "Callsign.h"
#include "Cp1252.h"
#include "NumericReading.h"
#include "PackedCodes.h"
#include "PositionText.h"
#include "SettingsDescription.h"

#include <algorithm>

namespace tarvek::config
{
namespace
{

// The characters from `from` up to the first 0, at most `size` of them.
QString textAt(const ConfigBlock &block, int from, int size)
{
    const auto begin = block.begin() + from;
    const auto end = std::find(begin, begin + size, std::uint8_t{0});
    return decodeCp1252(QByteArray(reinterpret_cast<const char *>(&*begin), end - begin));
}

// CALL-SSID, without "-0"; the callsign without its padding spaces.
QString callsignAt(const ConfigBlock &block, int from)
{
    QString call = decodeCp1252(
        QByteArray(reinterpret_cast<const char *>(block.data() + from), kCallsignLength));
    while (call.endsWith(u' '))
        call.chop(1);
    const int ssid = int(block[from + kCallsignLength]) - kSsidBase;
    return ssid == 0 ? call : call + u'-' + QString::number(ssid);
}

QString pathAt(const ConfigBlock &block)
{
    if (block[offset::kDigi1] == 0)
        return QString();
    QString first = callsignAt(block, offset::kDigi1);
    if (block[offset::kDigi2] == 0)
        return first;
    return first + u',' + callsignAt(block, offset::kDigi2);
}

QString digitsText(double value, int digits)
{
    return formatWithDigits(static_cast<long long>(value), digits);
}

QString tensText(std::uint8_t tens, int digits)
{
    return digitsText(tens * kSecondsPerIntervalStep, digits);
}

QString flagText(bool set)
{
    return set ? QStringLiteral("1") : QStringLiteral("0");
}

QString symbolTableText(std::uint8_t code)
{
    if (code == geo::kPrimaryTableId || code == geo::kAlternateTableId)
        return flagText(code == geo::kAlternateTableId);
    return QStringLiteral("invalid (%1)").arg(code);
}

QString acquisitionInterval(const ConfigBlock &block, int digits)
{
    const std::uint8_t interval = block[offset::kGpsCheckInterval];
    if (interval == kGpslessMarker && block[offset::kGpsAcqTimeout] == 0)
        return QStringLiteral("GPSless");
    return tensText(interval, digits);
}

// The value of one setting as the block carries it; numbers with as many
// digits as the setting's mask has positions.
QString decodeSetting(const SettingDescription &setting, const ConfigBlock &block)
{
    const BlockBytes &bytes = setting.block;
    const std::uint8_t byte = block[static_cast<size_t>(bytes.first)];
    const auto digits = static_cast<int>(setting.mask.size());
    switch (bytes.coding) {
    case BlockCoding::None:
        break;
    case BlockCoding::TxDelay:
        return digitsText(roundHalfEven(byte / kFlagsPerMillisecond), digits);
    case BlockCoding::Number:
    case BlockCoding::GpsTimeout:
        return digitsText(byte, digits);
    case BlockCoding::Tens:
        return tensText(byte, digits);
    case BlockCoding::GpsInterval:
        return acquisitionInterval(block, digits);
    case BlockCoding::MicEMessage:
        return QString::number(unpackMessageCode(byte).micEIndex);
    case BlockCoding::AutoReply:
        return QString::number(unpackMessageCode(byte).autoReply);
    case BlockCoding::StatusEvery:
        return digitsText(unpackStatusCode(byte).every, digits);
    case BlockCoding::HideReceived:
        return QString::number(unpackStatusCode(byte).rxPosition);
    case BlockCoding::SymbolCode:
        return textAt(block, bytes.first, 1);
    case BlockCoding::SymbolTable:
        return symbolTableText(byte);
    case BlockCoding::Callsign:
        return callsignAt(block, bytes.first);
    case BlockCoding::Path:
        return pathAt(block);
    case BlockCoding::Text:
        return textAt(block, bytes.first, bytes.count);
    }
    return QString();
}

} // namespace

QList<Setting> decodeSettings(const ConfigBlock &block)
{
    QList<Setting> out;
    for (const SettingDescription &setting : allSettings()) {
        if (setting.block.coding != BlockCoding::None)
            out.append({setting.key, decodeSetting(setting, block)});
    }
    return out;
}

} // namespace tarvek::config
