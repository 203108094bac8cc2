#pragma once
// The APRS symbols: what each symbol code means in the primary table "/"
// and in the alternate table "\", for every printable code from 33 ("!") to
// 126 ("~"). Codes that the APRS symbol reference keeps reserved or leaves
// unassigned say so in their name. The window (the symbol's tooltip and its
// picker) and tarvek-cli (symbols, encode) read it.
#include <QString>
#include <optional>
#include <span>

namespace tarvek::config
{

enum class AprsTable {
    Primary,   // "/", chkTable not ticked
    Alternate, // "\", chkTable ticked
};

struct AprsSymbol {
    AprsTable table = AprsTable::Primary;
    char code = '!';
    QLatin1StringView name{};
};

inline constexpr char kFirstSymbolCode = '!';
inline constexpr char kLastSymbolCode = '~';
inline constexpr int kSymbolsPerTable = kLastSymbolCode - kFirstSymbolCode + 1;

// "/" or "\".
QChar tableCharacter(AprsTable table);

// The table the "Alternate Table" box chooses in `boxState` (0 clear, 1
// ticked, 2 greyed). Any state but clear is the alternate table: that is what
// the block sends, so the position text, the notes and the picker read the
// box the same way.
inline AprsTable tableOfBox(int boxState)
{
    return boxState != 0 ? AprsTable::Alternate : AprsTable::Primary;
}

// Every symbol: the primary table's in code order, then the alternate's.
std::span<const AprsSymbol> aprsSymbols();

// The symbol `code` means in `table`; empty for a code outside "!" to "~".
std::optional<AprsSymbol> findAprsSymbol(AprsTable table, QChar code);
// The symbol of the symbol field's text; empty also for an empty text.
std::optional<AprsSymbol> findAprsSymbol(AprsTable table, const QString &symbol);

// What the symbol field's text means, for people: `Truck: "k" in the primary
// table "/"`; an empty text or a code outside the tables says so.
QString symbolDescription(const QString &symbol, AprsTable table);

} // namespace tarvek::config
