// tarvek-cli position: the GPSless position text exactly as the calculator's
// write command composes it.
#include "Commands.h"
#include "Cp1252.h"
#include "Diagnostics.h"
#include "Output.h"
#include "PositionText.h"
#include "VerbArguments.h"

namespace tarvek::cli
{
namespace
{

using geo::AngleNotation;
using geo::Axis;
using geo::PositionForm;

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

int runPosition(const Verb &verb, const VerbArguments &args)
{
    const QString symbol =
        args.isSet(kSymbolOption) ? args.value(kSymbolOption) : QStringLiteral(">");
    if (!isSymbolCharacter(symbol))
        return failUsage(verb, QStringLiteral("--symbol takes exactly one single-byte character"));

    const AngleNotation notation =
        args.isSet(kSecondsOption) ? AngleNotation::Seconds : AngleNotation::Hundredths;
    const QString latText = args.value(kLatOption);
    const QString lonText = args.value(kLonOption);
    const bool latOk = checkAngle(verb, Axis::Latitude, latText, notation);
    const bool lonOk = checkAngle(verb, Axis::Longitude, lonText, notation);
    if (!latOk || !lonOk)
        return ExitFailed;

    const PositionForm form =
        args.isSet(kNormalOption) ? PositionForm::Normal : PositionForm::Compressed;
    const geo::PositionResult position = geo::composePositionText(
        toSingleByte(latText), toSingleByte(lonText), notation, form,
        geo::symbolTableId(args.isSet(kAlternateOption)), toSingleByte(symbol));
    // Not expected for validated texts; reported rather than ending abruptly.
    if (!position.ok())
        return fail(verb, ExitFailed, QString::fromStdString(position.reason));
    printText(config::decodeCp1252(QByteArray::fromStdString(position.text)) + QLatin1Char('\n'));
    return ExitOk;
}

} // namespace tarvek::cli
