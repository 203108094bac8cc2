#include "BlockBuilder.h"

#include "Callsign.h"
#include "Cp1252.h"
#include "NumericReading.h"
#include "PackedCodes.h"
#include "SettingKeys.h"
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

// Packs the settings one step at a time. Each step names the setting it
// works on first, so that a failure is reported against it.
class Builder
{
public:
    Builder(TrackerSettings &settings, ConfigBlock &target) : m_settings(settings), m_block(target)
    {
    }

    void run()
    {
        packTxDelay();
        packNumber(m_settings.messageRetries, key::kMessageRetries, offset::kMsgRetries);
        begin(key::kMicEMessage, QString::number(m_settings.micEMessage.index()));
        const int autoReply = m_settings.autoReply.value() != 0 ? 1 : 0;
        m_block[offset::kMsgOptions] =
            toByte(packMessageCode({m_settings.micEMessage.index(), autoReply}));
        packSymbol();
        packTimings();
        packCallsignField(offset::kMyCall, m_settings.callsign, key::kCallsign,
                          m_settings.path.text().isEmpty());
        packPath();
        packField(offset::kStatusText, m_settings.statusText, key::kStatusText);
        packCallsignField(offset::kDestCall, m_settings.messageTo, key::kMessageTo, false);
        packField(offset::kMessage, m_settings.message, key::kMessage);
        begin(key::kCallsign, m_settings.callsign);
        if (m_settings.callsign.text().isEmpty())
            failedWith(QStringLiteral("the callsign is empty"));
    }

    const char *key = nullptr; // the setting of the step under way
    QString text;              // its text when the step began

private:
    void begin(const char *stepKey, const MaskedField &field) { begin(stepKey, field.text()); }
    void begin(const char *stepKey, const QString &stepText)
    {
        key = stepKey;
        text = stepText;
    }

    // Every number stored in the m_block is taken to the nearest whole number
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

    void packNumber(MaskedField &field, const char *stepKey, int index)
    {
        begin(stepKey, field);
        const std::uint8_t value = toByte(valueOf(field));
        m_block[static_cast<size_t>(index)] = value;
        writeBack(field, value);
    }

    // Intervals in seconds travel as tens of seconds. The byte is stored
    // before the write-back, which may still fail the build.
    void packInterval(int index, MaskedField &field, const char *stepKey)
    {
        begin(stepKey, field);
        raiseToMinimum(field, 10);
        const std::uint8_t tens =
            toByte(valueOf(field) / 10.0,
                   QStringLiteral("it makes %1 tens of seconds, more than a byte holds (255)"));
        m_block[static_cast<size_t>(index)] = tens;
        writeBack(field, tens * 10.0);
    }

    void packTxDelay()
    {
        begin(key::kTxDelay, m_settings.txDelay);
        raiseToMinimum(m_settings.txDelay, 7);
        const std::uint8_t flags = toByte(valueOf(m_settings.txDelay) * 0.15);
        m_block[offset::kTxDelay] = flags;
        writeBack(m_settings.txDelay, flags / 0.15);
    }

    void packTimings()
    {
        packInterval(offset::kGpsCheckInterval, m_settings.gpsInterval, key::kGpsInterval);
        for (int i = 0; i < kSpeedBands; ++i)
            packInterval(offset::kSpeedTable + i, m_settings.speedIntervals[static_cast<size_t>(i)],
                         key::kSpeedIntervals[i]);
        packInterval(offset::kManualInterval, m_settings.manualInterval, key::kManualInterval);

        packNumber(m_settings.gpsTimeout, key::kGpsTimeout, offset::kGpsAcqTimeout);
        if (m_block[offset::kGpsAcqTimeout] == 0)
            m_block[offset::kGpsCheckInterval] = kGpslessMarker;

        begin(key::kStatusEvery, m_settings.statusEvery);
        if (valueOf(m_settings.statusEvery) > 127)
            writeBack(m_settings.statusEvery, 127);
        const int rxPosition = m_settings.hideReceived.value() != 0 ? 1 : 0;
        const std::uint8_t status =
            toByte(packStatusCode({static_cast<int>(valueOf(m_settings.statusEvery)), rxPosition}));
        m_block[offset::kStatusEvery] = status;
        writeBack(m_settings.statusEvery, unpackStatusCode(status).every);
    }

    void packSymbol()
    {
        begin(key::kSymbol, m_settings.symbol);
        const QString symbol = m_settings.symbol.content();
        if (symbol.isEmpty())
            failedWith(QStringLiteral("the symbol is missing"));
        const int code = cp1252Code(symbol.at(0).unicode());
        m_block[offset::kSymbolCode] = static_cast<std::uint8_t>(code < 0 ? '?' : code);
        m_block[offset::kSymbolTable] = m_settings.alternateTable.value() != 0 ? '\\' : '/';
    }

    void packCallsignField(int position, MaskedField &field, const char *stepKey, bool addEnd)
    {
        begin(stepKey, field);
        const auto normalised = packCallsign(m_block, position, field.text(), addEnd);
        if (!normalised)
            failedWith(ssidReason(field.text()));
        writeBack(field, *normalised);
    }

    void packPath()
    {
        const QString path = m_settings.path.text();
        if (path.isEmpty())
            return;
        const qsizetype comma = path.size() > 1 ? path.indexOf(u',', 1) : -1;
        if (comma < 0) {
            packCallsignField(offset::kDigi1, m_settings.path, key::kPath, true);
            return;
        }
        begin(key::kPath, path);
        const auto first = packCallsign(m_block, offset::kDigi1, path.left(comma), false);
        if (!first)
            failedWith(ssidReason(path.left(comma), QStringLiteral("first digipeater: ")));
        const auto second = packCallsign(m_block, offset::kDigi2, path.mid(comma + 1), true);
        if (!second)
            failedWith(ssidReason(path.mid(comma + 1), QStringLiteral("second digipeater: ")));
        writeBack(m_settings.path, *first + u',' + *second);
    }

    void packField(int position, const MaskedField &field, const char *stepKey)
    {
        begin(stepKey, field);
        if (!packText(m_block, position, field.text()))
            failedWith(QStringLiteral("%1 bytes from byte %2 on run past the end of the block")
                           .arg(encodeCp1252(field.text()).size() + 1)
                           .arg(position));
    }

    TrackerSettings &m_settings;
    ConfigBlock &m_block;
};

} // namespace

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
