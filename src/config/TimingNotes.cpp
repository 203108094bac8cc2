#include "TimingNotes.h"

#include "BlockBuilder.h"
#include "NumericReading.h"
#include "SettingsDescription.h"

namespace tarvek::config
{
namespace
{

QString minutesText(int seconds)
{
    if (seconds < 60)
        return QString();
    const int minutes = seconds / 60;
    const int rest = seconds % 60;
    return rest == 0 ? QStringLiteral(" (%1 min)").arg(minutes)
                     : QStringLiteral(" (%1 min %2 s)").arg(minutes).arg(rest);
}

// Says when SEND writes another text than the one typed.
QString writtenBack(const QString &typed, const QString &normalised)
{
    return typed == normalised ? QString() : QStringLiteral("; SEND writes \"%1\"").arg(normalised);
}

} // namespace

std::optional<QString> timingNote(const SettingDescription &setting, const QString &text)
{
    const BlockCoding coding = setting.block.coding;
    if (coding != BlockCoding::TxDelay && coding != BlockCoding::Tens &&
        coding != BlockCoding::GpsInterval)
        return std::nullopt;
    const StepPreview preview = previewStep(setting, text);
    if (!preview.result.ok())
        return QStringLiteral("SEND would refuse it: ") + rejectionText(preview.result);
    // The step's written-back text is what the tracker will really use.
    const auto used = static_cast<int>(readNumber(preview.normalised));
    const QString note = writtenBack(text, preview.normalised);
    if (coding == BlockCoding::TxDelay) {
        const int flags = preview.block[static_cast<size_t>(setting.block.first)];
        return QStringLiteral("%1 ms: %2 flags before each packet%3")
            .arg(used)
            .arg(flags)
            .arg(note);
    }
    const int seconds = used;
    if (coding == BlockCoding::GpsInterval)
        return QStringLiteral("%1 s%2 between two GPS acquisitions%3")
            .arg(seconds)
            .arg(minutesText(seconds), note);
    return QStringLiteral("%1 s%2: %3 beacons an hour%4")
        .arg(seconds)
        .arg(minutesText(seconds), beaconsAnHour(seconds), note);
}

QString beaconsAnHour(int seconds)
{
    const double perHour = roundHalfEven(36000.0 / seconds) / 10.0;
    return QString::number(perHour, 'f', perHour == static_cast<int>(perHour) ? 0 : 1);
}

} // namespace tarvek::config
