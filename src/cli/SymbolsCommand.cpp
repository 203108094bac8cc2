// tarvek-cli symbols: the APRS symbols of both tables with their names.
#include "AprsSymbols.h"
#include "Commands.h"
#include "ControlAccess.h"
#include "Output.h"
#include "VerbArguments.h"

using namespace tarvek::config;

namespace tarvek::cli
{

int runSymbols(const Verb & /*verb*/, const VerbArguments &args)
{
    const bool json = args.isSet(kJsonOption);
    QStringList lines;
    for (const AprsSymbol &symbol : aprsSymbols()) {
        const QString table = tableCharacter(symbol.table);
        const QString code = QString(QLatin1Char(symbol.code));
        if (json) {
            lines << QStringLiteral("{\"table\": %1, \"code\": %2, \"name\": %3}")
                         .arg(jsonQuote(table), jsonQuote(code), jsonQuote(QString(symbol.name)));
        } else {
            lines << QStringLiteral("%1 %2  %3").arg(table, code, symbol.name);
        }
    }
    printRows(lines, json);
    return ExitOk;
}

} // namespace tarvek::cli
