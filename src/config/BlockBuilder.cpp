#include "BlockBuilder.h"

#include "Callsign.h"
#include "Cp1252.h"
#include "NumericReading.h"
#include "PackedCodes.h"
#include "TrackerSettings.h"

namespace tarvek
{
namespace
{

// Thrown inside the build at the first value that cannot be carried.
struct BuildFailure {
};

void Require(bool condition)
{
    if (!condition)
        throw BuildFailure{};
}

double ValueOf(const MaskedField &field)
{
    return ReadNumber(field.text());
}

// Every number stored in the block is taken to the nearest whole number and
// must fit a byte.
std::uint8_t ToByte(double value)
{
    const double whole = RoundHalfEven(value);
    Require(whole >= 0.0 && whole <= 255.0);
    return static_cast<std::uint8_t>(whole);
}

// A normalised number is written with as many digits as the field has
// positions, zeros in front; one needing more digits is refused by the field,
// and that fails the build.
void WriteBack(MaskedField &field, double number)
{
    const auto whole = static_cast<long long>(RoundHalfEven(number));
    Require(field.setText(FormatWithDigits(whole, field.positions())));
}

void WriteBack(MaskedField &field, const QString &text)
{
    Require(field.setText(text));
}

void RaiseToMinimum(MaskedField &field, int minimum)
{
    if (ValueOf(field) < minimum)
        WriteBack(field, minimum);
}

// Intervals in seconds travel as tens of seconds. The byte is stored before
// the write-back, which may still fail the build.
void PackInterval(ConfigBlock &block, int index, MaskedField &field)
{
    RaiseToMinimum(field, 10);
    const std::uint8_t tens = ToByte(ValueOf(field) / 10.0);
    block[static_cast<size_t>(index)] = tens;
    WriteBack(field, tens * 10.0);
}

void PackTxDelay(TrackerSettings &s, ConfigBlock &block)
{
    RaiseToMinimum(s.edNumFlagsAuto, 7);
    const std::uint8_t flags = ToByte(ValueOf(s.edNumFlagsAuto) * 0.15);
    block[offset::TxDelay] = flags;
    WriteBack(s.edNumFlagsAuto, flags / 0.15);
}

void PackTimings(TrackerSettings &s, ConfigBlock &block)
{
    PackInterval(block, offset::GpsCheckInterval, s.edGpsCheckTime);
    for (int i = 0; i < kSpeedBands; ++i)
        PackInterval(block, offset::SpeedTable + i, s.esSpeedTable[static_cast<size_t>(i)]);
    PackInterval(block, offset::ManualInterval, s.edManualTime);

    const std::uint8_t timeout = ToByte(ValueOf(s.edGpsAcqTime));
    block[offset::GpsAcqTimeout] = timeout;
    WriteBack(s.edGpsAcqTime, timeout);
    if (timeout == 0)
        block[offset::GpsCheckInterval] = kGpslessMarker;

    if (ValueOf(s.edBcnEvery) > 127)
        WriteBack(s.edBcnEvery, 127);
    const int rxPosition = s.chkRxPosition.value() != 0 ? 1 : 0;
    const std::uint8_t status =
        ToByte(PackStatusCode({static_cast<int>(ValueOf(s.edBcnEvery)), rxPosition}));
    block[offset::StatusEvery] = status;
    WriteBack(s.edBcnEvery, UnpackStatusCode(status).every);
}

void PackSymbol(TrackerSettings &s, ConfigBlock &block)
{
    const QString symbol = s.edSymbol.content();
    Require(!symbol.isEmpty());
    const int code = Cp1252Code(symbol.at(0).unicode());
    block[offset::SymbolCode] = static_cast<std::uint8_t>(code < 0 ? '?' : code);
    block[offset::SymbolTable] = s.chkTable.value() != 0 ? '\\' : '/';
}

void PackCallsignField(ConfigBlock &block, int position, MaskedField &field, bool addEnd)
{
    const auto text = PackCallsign(block, position, field.text(), addEnd);
    Require(text.has_value());
    WriteBack(field, *text);
}

void PackPath(TrackerSettings &s, ConfigBlock &block)
{
    const QString path = s.edAprsPath.text();
    if (path.isEmpty())
        return;
    const qsizetype comma = path.size() > 1 ? path.indexOf(u',', 1) : -1;
    if (comma < 0) {
        PackCallsignField(block, offset::Digi1, s.edAprsPath, true);
        return;
    }
    const auto first = PackCallsign(block, offset::Digi1, path.left(comma), false);
    Require(first.has_value());
    const auto second = PackCallsign(block, offset::Digi2, path.mid(comma + 1), true);
    Require(second.has_value());
    WriteBack(s.edAprsPath, *first + u',' + *second);
}

void Build(TrackerSettings &s, ConfigBlock &block)
{
    PackTxDelay(s, block);
    const std::uint8_t retries = ToByte(ValueOf(s.edMsgRepeat));
    block[offset::MsgRetries] = retries;
    WriteBack(s.edMsgRepeat, retries);
    const int autoReply = s.chkAutoReply.value() != 0 ? 1 : 0;
    block[offset::MsgOptions] = ToByte(PackMessageCode({s.cbMicEMsg.index(), autoReply}));
    PackSymbol(s, block);
    PackTimings(s, block);
    PackCallsignField(block, offset::MyCall, s.edMyCall, s.edAprsPath.text().isEmpty());
    PackPath(s, block);
    Require(PackText(block, offset::StatusText, s.edBeacon.text()));
    PackCallsignField(block, offset::DestCall, s.edDestCall, false);
    Require(PackText(block, offset::Message, s.edAprsMsg.text()));
    Require(!s.edMyCall.text().isEmpty());
}

} // namespace

bool PackText(ConfigBlock &block, int position, const QString &text)
{
    const QByteArray bytes = EncodeCp1252(text);
    if (position < 0 || position + bytes.size() >= kConfigBlockSize)
        return false;
    for (qsizetype k = 0; k < bytes.size(); ++k)
        block[static_cast<size_t>(position + k)] = static_cast<std::uint8_t>(bytes.at(k));
    block[static_cast<size_t>(position + bytes.size())] = 0;
    return true;
}

std::optional<QString> PackCallsign(ConfigBlock &block, int position, const QString &text,
                                    bool addEnd)
{
    const auto normalized = NormalizeCallsign(text);
    if (!normalized || position < 0 || position + (addEnd ? 7 : 6) >= kConfigBlockSize)
        return std::nullopt;
    const QByteArray call = EncodeCp1252(normalized->callsign);
    Q_ASSERT(call.size() == 6);
    for (int k = 0; k < 6; ++k)
        block[static_cast<size_t>(position + k)] = static_cast<std::uint8_t>(call.at(k));
    block[static_cast<size_t>(position + 6)] = static_cast<std::uint8_t>(normalized->ssidCode);
    if (addEnd)
        block[static_cast<size_t>(position + 7)] = 0;
    return normalized->text;
}

bool BuildConfigBlock(TrackerSettings &settings, ConfigBlock &block)
{
    block.fill(0);
    try {
        Build(settings, block);
    } catch (const BuildFailure &) {
        return false;
    }
    return true;
}

} // namespace tarvek
