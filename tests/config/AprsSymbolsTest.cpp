// The APRS symbol tables: every printable code of both tables has a name,
// found again by its table and code.
#include "AprsSymbols.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

using namespace tarvek::config;

TEST(AprsSymbols, EachTableNamesEveryPrintableCodeOnce)
{
    std::set<std::pair<AprsTable, char>> seen;
    int primary = 0;
    for (const AprsSymbol &symbol : aprsSymbols()) {
        EXPECT_TRUE(seen.insert({symbol.table, symbol.code}).second) << symbol.code;
        EXPECT_GE(symbol.code, '!');
        EXPECT_LE(symbol.code, '~');
        EXPECT_FALSE(symbol.name.isEmpty()) << symbol.code;
        primary += symbol.table == AprsTable::Primary ? 1 : 0;
        const auto found = findAprsSymbol(symbol.table, QLatin1Char(symbol.code));
        ASSERT_TRUE(found.has_value()) << symbol.code;
        EXPECT_EQ(found->name, symbol.name);
    }
    EXPECT_EQ(primary, 94);
    EXPECT_EQ(seen.size(), 188u);
    EXPECT_FALSE(findAprsSymbol(AprsTable::Primary, QChar(u' ')).has_value());
    EXPECT_FALSE(findAprsSymbol(AprsTable::Alternate, QChar(u'\x7f')).has_value());
}
