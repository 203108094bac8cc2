// tarvek-cli position: the GPSless position text exactly as the calculator's
// write command composes it.
#include "AngleValidation.h"
#include "Commands.h"
#include "Diagnostics.h"
#include "Output.h"
#include "PositionText.h"

#include <optional>

namespace tarvek::cli
{
namespace
{

using geo::AngleNotation;
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

// A symbol code is one character with a single-byte code: printable ASCII or
// Latin-1 (control characters are refused).
bool isSymbolCharacter(const QString &symbol)
{
    if (symbol.size() != 1)
        return false;
    const char16_t code = symbol.front().unicode();
    return (code >= 0x20 && code < 0x7F) || (code >= 0xA0 && code <= 0xFF);
}

// Field texts are single-byte; a character without a Latin-1 code becomes "?",
// which no validator accepts.
std::string toSingleByte(const QString &text)
{
    return text.toLatin1().toStdString();
}

enum class Axis { Latitude, Longitude };

bool isValidAngle(Axis axis, const std::string &text, AngleNotation notation)
{
    if (notation == AngleNotation::Hundredths)
        return axis == Axis::Latitude ? geo::isValidLatCent(text) : geo::isValidLonCent(text);
    return axis == Axis::Latitude ? geo::isValidLatSec(text) : geo::isValidLonSec(text);
}

// Whether `text` passes the calculator's validator for its axis in `notation`;
// says on standard error why not.
bool checkAngle(const Verb &verb, Axis axis, const QString &text, AngleNotation notation)
{
    if (isValidAngle(axis, toSingleByte(text), notation))
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
    printOut(
        QString::fromLatin1(position.text.c_str(), static_cast<qsizetype>(position.text.size())) +
        QLatin1Char('\n'));
    return ExitOk;
}

} // namespace tarvek::cli
