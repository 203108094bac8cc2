// tarvek-cli position: the GPSless position text exactly as the calculator's
// write command composes it.
#include "Commands.h"
#include "Cp1252.h"
#include "Diagnostics.h"
#include "Output.h"
#include "PositionText.h"

#include <optional>

namespace tarvek::cli
{
namespace
{

using geo::AngleNotation;
using geo::Axis;
using geo::PositionForm;

struct PositionOptions {
    std::optional<QString> lat;
    std::optional<QString> lon;
    std::optional<QString> symbol;
    bool seconds = false;
    bool normal = false;
    bool alternate = false;
};

// Sets a flag once; a repeated option is refused as ambiguous.
bool setOnce(bool &flag)
{
    if (flag)
        return false;
    flag = true;
    return true;
}

// Fills options from args; returns the reason for a usage error, if any.
std::optional<QString> parseOptions(const QStringList &args, PositionOptions &options)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        std::optional<QString> *valued = nullptr;
        if (arg == QLatin1String("--lat"))
            valued = &options.lat;
        else if (arg == QLatin1String("--lon"))
            valued = &options.lon;
        else if (arg == QLatin1String("--symbol"))
            valued = &options.symbol;
        if (valued != nullptr) {
            if (i + 1 >= args.size())
                return QStringLiteral("%1 needs a value").arg(arg);
            if (valued->has_value())
                return QStringLiteral("%1 given more than once").arg(arg);
            *valued = args[++i];
            continue;
        }
        bool *flag = nullptr;
        if (arg == QLatin1String("--seconds"))
            flag = &options.seconds;
        else if (arg == QLatin1String("--normal"))
            flag = &options.normal;
        else if (arg == QLatin1String("--alternate"))
            flag = &options.alternate;
        if (flag == nullptr)
            return QStringLiteral("unknown argument '%1'").arg(arg);
        if (!setOnce(*flag))
            return QStringLiteral("%1 given more than once").arg(arg);
    }
    if (!options.lat || !options.lon)
        return QStringLiteral("--lat and --lon are required");
    return std::nullopt;
}

// A symbol code is one printable character with a single-byte code in
// Windows-1252, as the window's symbol field holds it.
bool isSymbolCharacter(const QString &symbol)
{
    return symbol.size() == 1 && config::isPrintableSingleByte(symbol.front().unicode());
}

// Field texts are Windows-1252; a character without a code becomes "?",
// which no validator accepts.
std::string toSingleByte(const QString &text)
{
    return config::encodeCp1252(text).toStdString();
}

// Whether `text` passes the calculator's validator for its axis in `notation`;
// says on standard error why not.
bool checkAngle(const Verb &verb, Axis axis, const QString &text, AngleNotation notation)
{
    if (geo::angleTextValid(axis, toSingleByte(text), notation))
        return true;
    const QString what =
        axis == Axis::Latitude ? QStringLiteral("latitude") : QStringLiteral("longitude");
    const QString form = notation == AngleNotation::Hundredths
                             ? QStringLiteral("degrees.minutes.hundredths")
                             : QStringLiteral("degrees.minutes.seconds");
    printMessage(verb, QStringLiteral("the %1 \"%2\" is not valid as %3\n").arg(what, text, form));
    return false;
}

} // namespace

int runPosition(const Verb &verb, const QStringList &args)
{
    PositionOptions options;
    if (const std::optional<QString> reason = parseOptions(args, options))
        return failUsage(verb, *reason);
    const QString symbol = options.symbol.value_or(QStringLiteral(">"));
    if (!isSymbolCharacter(symbol))
        return failUsage(verb, QStringLiteral("--symbol takes exactly one single-byte character"));

    const AngleNotation notation =
        options.seconds ? AngleNotation::Seconds : AngleNotation::Hundredths;
    // parseOptions refuses a command without --lat or --lon.
    const QString &latText = *options.lat; // NOLINT(bugprone-unchecked-optional-access)
    const QString &lonText = *options.lon; // NOLINT(bugprone-unchecked-optional-access)
    const bool latOk = checkAngle(verb, Axis::Latitude, latText, notation);
    const bool lonOk = checkAngle(verb, Axis::Longitude, lonText, notation);
    if (!latOk || !lonOk)
        return ExitFailed;

    const PositionForm form = options.normal ? PositionForm::Normal : PositionForm::Compressed;
    const geo::PositionResult position =
        geo::composePositionText(toSingleByte(latText), toSingleByte(lonText), notation, form,
                                 geo::symbolTableId(options.alternate), toSingleByte(symbol));
    // Not expected for validated texts; reported rather than ending abruptly.
    if (!position.ok())
        return fail(verb, ExitFailed, QString::fromStdString(position.reason));
    printOut(config::decodeCp1252(QByteArray::fromStdString(position.text)) + QLatin1Char('\n'));
    return ExitOk;
}

} // namespace tarvek::cli
