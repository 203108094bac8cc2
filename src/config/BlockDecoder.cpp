#include "BlockDecoder.h"

#include "Cp1252.h"
#include "NumericReading.h"
#include "PackedCodes.h"
#include "SettingsDescription.h"

#include <algorithm>

namespace tarvek
{
namespace
{

constexpr int kCallsignSize = 6;

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

QString AcquisitionInterval(const ConfigBlock &block, int digits)
{
    const std::uint8_t interval = block[offset::GpsCheckInterval];
    if (interval == kGpslessMarker && block[offset::GpsAcqTimeout] == 0)
        return QStringLiteral("GPSless");
    return Tens(interval, digits);
}

// The value of one setting as the block carries it; numbers with as many
// digits as the setting's mask has positions.
QString Decode(const SettingDescription &setting, const ConfigBlock &block)
{
    const BlockBytes &bytes = setting.block;
    const std::uint8_t byte = block[static_cast<size_t>(bytes.first)];
    const auto digits = static_cast<int>(setting.mask.size());
    switch (bytes.coding) {
    case BlockCoding::None:
        break;
    case BlockCoding::TxDelay:
        return Digits(RoundHalfEven(byte / 0.15), digits);
    case BlockCoding::Number:
        return Digits(byte, digits);
    case BlockCoding::Tens:
        return Tens(byte, digits);
    case BlockCoding::AcquisitionTens:
        return AcquisitionInterval(block, digits);
    case BlockCoding::MessageCode: {
        const MessageCode code = UnpackMessageCode(byte);
        return QString::number(setting.kind == ControlKind::List ? code.micEIndex : code.autoReply);
    }
    case BlockCoding::StatusCode: {
        const StatusCode code = UnpackStatusCode(byte);
        return setting.kind == ControlKind::MaskedText ? Digits(code.every, digits)
                                                       : QString::number(code.rxPosition);
    }
    case BlockCoding::SymbolCode:
        return TextAt(block, bytes.first, 1);
    case BlockCoding::SymbolTable:
        return SymbolTable(byte);
    case BlockCoding::Callsign:
        return CallsignAt(block, bytes.first);
    case BlockCoding::Path:
        return PathAt(block);
    case BlockCoding::Text:
        return TextAt(block, bytes.first, bytes.count);
    }
    return QString();
}

} // namespace

QList<Setting> DecodeSettings(const ConfigBlock &block)
{
    QList<Setting> out;
    for (const SettingDescription &setting : AllSettings()) {
        if (setting.block.coding != BlockCoding::None)
            out.append({setting.key, Decode(setting, block)});
    }
    return out;
}

} // namespace tarvek
