#include "BlockBuilder.h"

#include "Callsign.h"
#include "Cp1252.h"
#include "NumericReading.h"
#include "PackedCodes.h"
#include "SettingKeys.h"
#include "SettingsDescription.h"
#include "TrackerSettings.h"

namespace tarvek::config
{
namespace
{

// Thrown inside the build at the first value that cannot be carried, with
// the rule that value broke.
struct BuildFailure {
    QString reason;
};

[[noreturn]] void failedWith(const QString &reason)
{
    throw BuildFailure{reason};
}

double valueOf(const MaskedField &field)
{
    return readNumber(field.text());
}

QString wholeText(double value)
{
    return QString::number(value, 'f', 0);
}

// The SSID part of a callsign text as normalizeCallsign reads it: what
// follows the first "-" from the second character on, blanks around the
// whole text left out.
QString ssidText(const QString &text)
{
    const QString trimmed = text.trimmed();
    const qsizetype dash = trimmed.size() > 1 ? trimmed.indexOf(u'-', 1) : -1;
    return dash < 0 ? QString() : trimmed.mid(dash + 1);
}

QString ssidReason(const QString &text, const QString &which = QString())
{
    return QStringLiteral("%1the SSID \"%2\" after \"-\" is not a whole number from 0 to 32767")
        .arg(which, ssidText(text));
}

// The order the settings are packed and checked in. The build stops at the
// first setting that cannot be carried, so this order decides which failure
// the operator is told of; it differs from the description's order on
// purpose. Settings that share a byte with another are packed with it and
// not listed: chkAutoReply with cbMicEMsg, chkRxPosition with edBcnEvery.
constexpr const char *kPackOrder[] = {
    key::kTxDelay,           key::kMessageRetries,
    key::kMicEMessage,       key::kSymbol,
    key::kAlternateTable,    key::kGpsInterval,
    key::kSpeedIntervals[0], key::kSpeedIntervals[1],
    key::kSpeedIntervals[2], key::kSpeedIntervals[3],
    key::kSpeedIntervals[4], key::kSpeedIntervals[5],
    key::kSpeedIntervals[6], key::kManualInterval,
    key::kGpsTimeout,        key::kStatusEvery,
    key::kCallsign,          key::kPath,
    key::kStatusText,        key::kMessageTo,
    key::kMessage,
};

// Packs the settings one step at a time, each by its row's block bytes and
// coding. Each step names the setting it works on first, so that a failure
// is reported against it.
class Builder
{
public:
    Builder(TrackerSettings &settings, ConfigBlock &target) : m_settings(settings), m_block(target)
    {
    }

    void run()
    {
        for (const char *stepKey : kPackOrder)
            pack(*findSetting(QLatin1StringView(stepKey)));
        begin(key::kCallsign, m_settings.callsign);
        if (m_settings.callsign.text().isEmpty())
            failedWith(QStringLiteral("the callsign is empty"));
    }

    const char *key = nullptr; // the setting of the step under way
    QString text;              // its text when the step began

    void pack(const SettingDescription &row)
    {
        switch (row.block.coding) {
        case BlockCoding::TxDelay:
            return packTxDelay(row);
        case BlockCoding::Number:
            return packNumber(row);
        case BlockCoding::AcquisitionTimeout:
            packNumber(row);
            if (m_block[offset::kGpsAcqTimeout] == 0)
                m_block[offset::kGpsCheckInterval] = kGpslessMarker;
            return;
        case BlockCoding::Tens:
        case BlockCoding::AcquisitionTens:
            return packInterval(row);
        case BlockCoding::MessageCode:
            return packMessageByte(row);
        case BlockCoding::StatusCode:
            return packStatusByte(row);
        case BlockCoding::SymbolCode:
            return packSymbol(row);
        case BlockCoding::SymbolTable:
            m_block[at(row)] = m_settings.alternateTable.value() != 0 ? '\\' : '/';
            return;
        case BlockCoding::Callsign:
            return packCallsignField(row.block.first, fieldOf(row), row.key.data(), false);
        case BlockCoding::Path:
            return packPath(row);
        case BlockCoding::Text:
            return packField(row);
        case BlockCoding::None:
            return;
        }
    }

private:
    static size_t at(const SettingDescription &row) { return static_cast<size_t>(row.block.first); }

    MaskedField &fieldOf(const SettingDescription &row)
    {
        Q_ASSERT(row.kind == ControlKind::MaskedText && row.inTracker);
        return static_cast<MaskedField &>(row.inTracker(m_settings));
    }

    void begin(const SettingDescription &row) { begin(row.key.data(), fieldOf(row).text()); }
    void begin(const char *stepKey, const MaskedField &field) { begin(stepKey, field.text()); }
    void begin(const char *stepKey, const QString &stepText)
    {
        key = stepKey;
        text = stepText;
    }

    // Every number stored in the block is taken to the nearest whole number
    // and must fit a byte.
    std::uint8_t toByte(double value, const QString &what = QString())
    {
        const double whole = roundHalfEven(value);
        if (!(whole >= 0.0 && whole <= 255.0))
            failedWith(
                what.isEmpty()
                    ? QStringLiteral("%1 does not fit a byte (0 to 255)").arg(wholeText(whole))
                    : what.arg(wholeText(whole)));
        return static_cast<std::uint8_t>(whole);
    }

    // A normalised number is written with as many digits as the field has
    // positions, zeros in front; one needing more digits is refused by the
    // field, and that fails the build.
    void writeBack(MaskedField &field, double number)
    {
        const auto whole = static_cast<long long>(roundHalfEven(number));
        if (!field.setText(formatWithDigits(whole, field.positions())))
            failedWith(
                QStringLiteral("written back as %1, it needs more than the field's %2 digits")
                    .arg(whole)
                    .arg(field.positions()));
    }

    void writeBack(MaskedField &field, const QString &normalised)
    {
        if (!field.setText(normalised))
            failedWith(QStringLiteral("the normalised text \"%1\" does not fit the field")
                           .arg(normalised));
    }

    void raiseToMinimum(MaskedField &field, int minimum)
    {
        if (valueOf(field) < minimum)
            writeBack(field, minimum);
    }

    void packNumber(const SettingDescription &row)
    {
        begin(row);
        MaskedField &field = fieldOf(row);
        const std::uint8_t value = toByte(valueOf(field));
        m_block[at(row)] = value;
        writeBack(field, value);
    }

    // Intervals in seconds travel as tens of seconds. The byte is stored
    // before the write-back, which may still fail the build.
    void packInterval(const SettingDescription &row)
    {
        begin(row);
        MaskedField &field = fieldOf(row);
        raiseToMinimum(field, 10);
        const std::uint8_t tens =
            toByte(valueOf(field) / 10.0,
                   QStringLiteral("it makes %1 tens of seconds, more than a byte holds (255)"));
        m_block[at(row)] = tens;
        writeBack(field, tens * 10.0);
    }

    void packTxDelay(const SettingDescription &row)
    {
        begin(row);
        MaskedField &field = fieldOf(row);
        raiseToMinimum(field, 7);
        const std::uint8_t flags = toByte(valueOf(field) * 0.15);
        m_block[at(row)] = flags;
        writeBack(field, flags / 0.15);
    }

    // The Mic-E message's list position and the auto-reply box share a byte.
    void packMessageByte(const SettingDescription &row)
    {
        const int index = m_settings.micEMessage.index();
        begin(row.key.data(), QString::number(index));
        const int autoReply = m_settings.autoReply.value() != 0 ? 1 : 0;
        m_block[at(row)] = toByte(packMessageCode({index, autoReply}));
    }

    // The status interval (at most 127) and the hide-received box share a
    // byte.
    void packStatusByte(const SettingDescription &row)
    {
        begin(row);
        MaskedField &every = fieldOf(row);
        if (valueOf(every) > 127)
            writeBack(every, 127);
        const int rxPosition = m_settings.hideReceived.value() != 0 ? 1 : 0;
        const std::uint8_t status =
            toByte(packStatusCode({static_cast<int>(valueOf(every)), rxPosition}));
        m_block[at(row)] = status;
        writeBack(every, unpackStatusCode(status).every);
    }

    void packSymbol(const SettingDescription &row)
    {
        begin(row);
        const QString symbol = fieldOf(row).content();
        if (symbol.isEmpty())
            failedWith(QStringLiteral("the symbol is missing"));
        const int code = cp1252Code(symbol.at(0).unicode());
        m_block[at(row)] = static_cast<std::uint8_t>(code < 0 ? '?' : code);
    }

    void packCallsignField(int position, MaskedField &field, const char *stepKey, bool addEnd)
    {
        begin(stepKey, field);
        const auto normalised = packCallsign(m_block, position, field.text(), addEnd);
        if (!normalised)
            failedWith(ssidReason(field.text()));
        writeBack(field, *normalised);
    }

    // One or two digipeaters after the callsign, the last followed by a 0;
    // without any, that 0 comes right after the callsign.
    void packPath(const SettingDescription &row)
    {
        MaskedField &field = fieldOf(row);
        const QString path = field.text();
        if (path.isEmpty()) {
            m_block[offset::kDigi1] = 0;
            return;
        }
        const qsizetype comma = path.size() > 1 ? path.indexOf(u',', 1) : -1;
        if (comma < 0) {
            packCallsignField(offset::kDigi1, field, row.key.data(), true);
            return;
        }
        begin(row.key.data(), path);
        const auto first = packCallsign(m_block, offset::kDigi1, path.left(comma), false);
        if (!first)
            failedWith(ssidReason(path.left(comma), QStringLiteral("first digipeater: ")));
        const auto second = packCallsign(m_block, offset::kDigi2, path.mid(comma + 1), true);
        if (!second)
            failedWith(ssidReason(path.mid(comma + 1), QStringLiteral("second digipeater: ")));
        writeBack(field, *first + u',' + *second);
    }

    void packField(const SettingDescription &row)
    {
        begin(row);
        const QString fieldText = fieldOf(row).text();
        if (!packText(m_block, row.block.first, fieldText))
            failedWith(QStringLiteral("%1 bytes from byte %2 on run past the end of the block")
                           .arg(encodeCp1252(fieldText).size() + 1)
                           .arg(row.block.first));
    }

    TrackerSettings &m_settings;
    ConfigBlock &m_block;
};

} // namespace

std::span<const char *const> packOrder()
{
    return kPackOrder;
}

bool packText(ConfigBlock &block, int position, const QString &text)
{
    const QByteArray bytes = encodeCp1252(text);
    if (position < 0 || position + bytes.size() >= kConfigBlockSize)
        return false;
    for (qsizetype k = 0; k < bytes.size(); ++k)
        block[static_cast<size_t>(position + k)] = static_cast<std::uint8_t>(bytes.at(k));
    block[static_cast<size_t>(position + bytes.size())] = 0;
    return true;
}

std::optional<QString> packCallsign(ConfigBlock &block, int position, const QString &text,
                                    bool addEnd)
{
    const auto normalized = normalizeCallsign(text);
    if (!normalized || position < 0 || position + (addEnd ? 7 : 6) >= kConfigBlockSize)
        return std::nullopt;
    const QByteArray call = encodeCp1252(normalized->callsign);
    Q_ASSERT(call.size() == 6);
    const auto at = static_cast<size_t>(position);
    for (int k = 0; k < 6; ++k)
        block[at + k] = static_cast<std::uint8_t>(call.at(k));
    block[at + 6] = static_cast<std::uint8_t>(normalized->ssidCode);
    if (addEnd)
        block[at + 7] = 0;
    return normalized->text;
}

QString rejectionText(const BuildResult &result)
{
    return result.ok() ? QString() : QStringLiteral("\"%1\": %2").arg(result.text, result.reason);
}

StepPreview previewStep(const SettingDescription &setting, const QString &text)
{
    Q_ASSERT(setting.kind == ControlKind::MaskedText && setting.inTracker);
    TrackerSettings scratch;
    auto &field = static_cast<MaskedField &>(setting.inTracker(scratch));
    StepPreview preview;
    if (!field.setText(text)) {
        preview.result = {&setting, text, QStringLiteral("the field does not take this text")};
        preview.normalised = text;
        return preview;
    }
    Builder builder(scratch, preview.block);
    try {
        builder.pack(setting);
    } catch (const BuildFailure &failure) {
        preview.result = {&setting, builder.text, failure.reason};
    }
    preview.normalised = field.text();
    return preview;
}

BuildResult buildConfigBlock(TrackerSettings &settings, ConfigBlock &block)
{
    block.fill(0);
    Builder builder(settings, block);
    try {
        builder.run();
    } catch (const BuildFailure &failure) {
        return {findSetting(QLatin1StringView(builder.key)), builder.text, failure.reason};
    }
    return {};
}

} // namespace tarvek::config
