#include "BlockBuilder.h"

#include "AprsSymbols.h"
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

double valueOf(const MaskedField &field)
{
    return readNumber(field.text());
}

QString wholeText(double value)
{
    return QString::number(value, 'f', 0);
}

QString ssidReason(const QString &text, const QString &which = QString())
{
    return QStringLiteral("%1the SSID \"%2\" after \"-\" is not a whole number from 0 to %3")
        .arg(which, splitCallsign(text).ssid.value_or(QString()))
        .arg(kMaxSsidNumber);
}

// The order the settings are packed and checked in. The build stops at the
// first step that fails, so this order decides which failure the operator is
// told of; it differs from the description's order on purpose. Settings that
// share a byte with another are packed with it and not listed: chkAutoReply
// with cbMicEMsg, chkRxPosition with edBcnEvery. The callsign's presence is
// checked last, after every setting is packed.
constexpr PackStep kPackOrder[] = {
    {key::kTxDelay},           {key::kMessageRetries},
    {key::kMicEMessage},       {key::kSymbol},
    {key::kAlternateTable},    {key::kGpsInterval},
    {key::kSpeedIntervals[0]}, {key::kSpeedIntervals[1]},
    {key::kSpeedIntervals[2]}, {key::kSpeedIntervals[3]},
    {key::kSpeedIntervals[4]}, {key::kSpeedIntervals[5]},
    {key::kSpeedIntervals[6]}, {key::kManualInterval},
    {key::kGpsTimeout},        {key::kStatusEvery},
    {key::kCallsign},          {key::kPath},
    {key::kStatusText},        {key::kMessageTo},
    {key::kMessage},           {key::kCallsign, PackCheck::NotEmpty},
};

// The outcome of a step: empty when it did its work, else the rule broken.
using StepReason = QString;

// A byte, or the rule its value broke.
struct ByteResult {
    std::uint8_t byte = 0;
    QString reason;

    bool ok() const { return reason.isEmpty(); }
};

// Packs the settings one step at a time, each by its row's block bytes and
// coding, and stops at the first step that fails.
class Builder
{
public:
    Builder(TrackerSettings &settings, ConfigBlock &target) : m_settings(settings), m_block(target)
    {
    }

    BuildResult run()
    {
        for (const PackStep &step : kPackOrder) {
            const SettingDescription &row = *findSetting(QLatin1StringView(step.key));
            const QString textBefore = textOf(row);
            const StepReason reason = step.check == PackCheck::Pack ? pack(row) : requireText(row);
            if (!reason.isEmpty())
                return {&row, textBefore, reason};
        }
        return {};
    }

    // One setting's step alone, as the build runs it.
    BuildResult packAlone(const SettingDescription &row)
    {
        const QString textBefore = textOf(row);
        const StepReason reason = pack(row);
        if (!reason.isEmpty())
            return {&row, textBefore, reason};
        return {};
    }

private:
    StepReason pack(const SettingDescription &row)
    {
        switch (row.block.coding) {
        case BlockCoding::TxDelay:
            return packTxDelay(row);
        case BlockCoding::Number:
            return packNumber(row);
        case BlockCoding::GpsTimeout: {
            StepReason reason = packNumber(row);
            if (reason.isEmpty() && m_block[offset::kGpsAcqTimeout] == 0)
                m_block[offset::kGpsCheckInterval] = kGpslessMarker;
            return reason;
        }
        case BlockCoding::Tens:
        case BlockCoding::GpsInterval:
            return packInterval(row);
        case BlockCoding::MicEMessage:
            return packMessageByte(row);
        case BlockCoding::StatusEvery:
            return packStatusByte(row);
        case BlockCoding::SymbolCode:
            return packSymbol(row);
        case BlockCoding::SymbolTable:
            m_block[at(row)] = tableCharacter(tableOfBox(checkBoxOf(row).value())).toLatin1();
            return {};
        case BlockCoding::Callsign:
            return packCallsignField(row.block.first, fieldOf(row), false);
        case BlockCoding::Path:
            return packPath(row);
        case BlockCoding::Text:
            return packField(row);
        case BlockCoding::AutoReply:    // packed with the Mic-E message
        case BlockCoding::HideReceived: // packed with the status interval
        case BlockCoding::None:
            break;
        }
        return {};
    }

    StepReason requireText(const SettingDescription &row)
    {
        if (fieldOf(row).text().isEmpty())
            return QStringLiteral("the %1 is empty").arg(row.name);
        return {};
    }

    static size_t at(const SettingDescription &row) { return static_cast<size_t>(row.block.first); }

    MaskedField &fieldOf(const SettingDescription &row)
    {
        return controlAs<MaskedField>(row.inTracker(m_settings));
    }

    CheckBox &checkBoxOf(const SettingDescription &row)
    {
        return controlAs<CheckBox>(row.inTracker(m_settings));
    }

    // The setting's text as a failure quotes it: a field's text, or the
    // list position.
    QString textOf(const SettingDescription &row)
    {
        const Control control = row.inTracker(m_settings);
        if (const MaskedField *field = controlIf<MaskedField>(control))
            return field->text();
        if (const ListChoice *list = controlIf<ListChoice>(control))
            return QString::number(list->index());
        return {};
    }

    // Every number stored in the block is taken to the nearest whole number
    // and must fit a byte.
    static ByteResult toByte(double value, const QString &what = QString())
    {
        const double whole = roundHalfEven(value);
        if (!(whole >= 0.0 && whole <= 255.0))
            return {0,
                    what.isEmpty()
                        ? QStringLiteral("%1 does not fit a byte (0 to 255)").arg(wholeText(whole))
                        : what.arg(wholeText(whole))};
        return {static_cast<std::uint8_t>(whole), {}};
    }

    // A normalised number is written with as many digits as the field has
    // positions, zeros in front; one needing more digits is refused by the
    // field, and that fails the build.
    static StepReason writeBack(MaskedField &field, double number)
    {
        const auto whole = static_cast<long long>(roundHalfEven(number));
        if (!field.setText(formatWithDigits(whole, field.positions())))
            return QStringLiteral("written back as %1, it needs more than the field's %2 digits")
                .arg(whole)
                .arg(field.positions());
        return {};
    }

    static StepReason writeBack(MaskedField &field, const QString &normalised)
    {
        if (!field.setText(normalised))
            return QStringLiteral("the normalised text \"%1\" does not fit the field")
                .arg(normalised);
        return {};
    }

    static StepReason raiseToMinimum(MaskedField &field, int minimum)
    {
        if (valueOf(field) < minimum)
            return writeBack(field, minimum);
        return {};
    }

    StepReason packNumber(const SettingDescription &row)
    {
        MaskedField &field = fieldOf(row);
        const ByteResult value = toByte(valueOf(field));
        if (!value.ok())
            return value.reason;
        m_block[at(row)] = value.byte;
        return writeBack(field, value.byte);
    }

    // Intervals in seconds travel as tens of seconds. The byte is stored
    // before the write-back, which may still fail the build.
    StepReason packInterval(const SettingDescription &row)
    {
        MaskedField &field = fieldOf(row);
        if (StepReason reason = raiseToMinimum(field, 10); !reason.isEmpty())
            return reason;
        const ByteResult tens =
            toByte(valueOf(field) / kSecondsPerIntervalStep,
                   QStringLiteral("it makes %1 tens of seconds, more than a byte holds (255)"));
        if (!tens.ok())
            return tens.reason;
        m_block[at(row)] = tens.byte;
        return writeBack(field, tens.byte * kSecondsPerIntervalStep);
    }

    StepReason packTxDelay(const SettingDescription &row)
    {
        MaskedField &field = fieldOf(row);
        if (StepReason reason = raiseToMinimum(field, 7); !reason.isEmpty())
            return reason;
        const ByteResult flags = toByte(valueOf(field) * kFlagsPerMillisecond);
        if (!flags.ok())
            return flags.reason;
        m_block[at(row)] = flags.byte;
        return writeBack(field, flags.byte / kFlagsPerMillisecond);
    }

    // The Mic-E message's list position and the auto-reply box share a byte.
    StepReason packMessageByte(const SettingDescription &row)
    {
        const int autoReply = m_settings.autoReply.value() != 0 ? 1 : 0;
        const ByteResult code =
            toByte(packMessageCode({m_settings.micEMessage.index(), autoReply}));
        if (!code.ok())
            return code.reason;
        m_block[at(row)] = code.byte;
        return {};
    }

    // The status interval (at most 127) and the hide-received box share a
    // byte.
    StepReason packStatusByte(const SettingDescription &row)
    {
        MaskedField &every = fieldOf(row);
        if (valueOf(every) > kLargestStatusEvery) {
            if (StepReason reason = writeBack(every, kLargestStatusEvery); !reason.isEmpty())
                return reason;
        }
        const int rxPosition = m_settings.hideReceived.value() != 0 ? 1 : 0;
        const ByteResult status =
            toByte(packStatusCode({static_cast<int>(valueOf(every)), rxPosition}));
        if (!status.ok())
            return status.reason;
        m_block[at(row)] = status.byte;
        return writeBack(every, unpackStatusCode(status.byte).every);
    }

    StepReason packSymbol(const SettingDescription &row)
    {
        const QString symbol = fieldOf(row).content();
        if (symbol.isEmpty())
            return QStringLiteral("the symbol is missing");
        const int code = cp1252Code(symbol.at(0).unicode());
        m_block[at(row)] = static_cast<std::uint8_t>(code < 0 ? '?' : code);
        return {};
    }

    StepReason packCallsignField(int position, MaskedField &field, bool addEnd)
    {
        const auto normalised = packCallsign(m_block, position, field.text(), addEnd);
        if (!normalised)
            return ssidReason(field.text());
        return writeBack(field, *normalised);
    }

    // One or two digipeaters after the callsign, the last followed by a 0;
    // without any, that 0 comes right after the callsign.
    StepReason packPath(const SettingDescription &row)
    {
        MaskedField &field = fieldOf(row);
        const QString path = field.text();
        if (path.isEmpty()) {
            m_block[offset::kDigi1] = 0;
            return {};
        }
        const QStringList digipeaters = pathDigipeaters(path);
        if (digipeaters.size() == 1)
            return packCallsignField(offset::kDigi1, field, true);
        const auto first = packCallsign(m_block, offset::kDigi1, digipeaters[0], false);
        if (!first)
            return ssidReason(digipeaters[0], QStringLiteral("first digipeater: "));
        const auto second = packCallsign(m_block, offset::kDigi2, digipeaters[1], true);
        if (!second)
            return ssidReason(digipeaters[1], QStringLiteral("second digipeater: "));
        return writeBack(field, *first + u',' + *second);
    }

    StepReason packField(const SettingDescription &row)
    {
        const QString fieldText = fieldOf(row).text();
        if (!packText(m_block, row.block.first, fieldText))
            return QStringLiteral("%1 bytes from byte %2 on run past the end of the block")
                .arg(encodeCp1252(fieldText).size() + 1)
                .arg(row.block.first);
        return {};
    }

    TrackerSettings &m_settings;
    ConfigBlock &m_block;
};

} // namespace

std::span<const PackStep> packOrder()
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
    const int ssidAt = position + kCallsignLength;
    if (!normalized || position < 0 || ssidAt + (addEnd ? 1 : 0) >= kConfigBlockSize)
        return std::nullopt;
    const QByteArray call = encodeCp1252(normalized->callsign);
    Q_ASSERT(call.size() == kCallsignLength);
    const auto at = static_cast<size_t>(position);
    for (int k = 0; k < kCallsignLength; ++k)
        block[at + k] = static_cast<std::uint8_t>(call.at(k));
    const auto ssid = static_cast<size_t>(ssidAt);
    block[ssid] = static_cast<std::uint8_t>(normalized->ssidCode);
    if (addEnd)
        block[ssid + 1] = 0;
    return normalized->text;
}

QString rejectionText(const BuildResult &result)
{
    return result.ok() ? QString() : QStringLiteral("\"%1\": %2").arg(result.text, result.reason);
}

StepPreview previewStep(const SettingDescription &setting, const QString &text)
{
    Q_ASSERT(setting.inTracker);
    TrackerSettings scratch;
    MaskedField &field = controlAs<MaskedField>(setting.inTracker(scratch));
    StepPreview preview;
    if (!field.setText(text)) {
        preview.result = {&setting, text, QStringLiteral("the field does not take this text")};
        preview.normalised = text;
        return preview;
    }
    preview.result = Builder(scratch, preview.block).packAlone(setting);
    preview.normalised = field.text();
    return preview;
}

BuildResult buildConfigBlock(TrackerSettings &settings, ConfigBlock &block)
{
    block.fill(0);
    return Builder(settings, block).run();
}

} // namespace tarvek::config
