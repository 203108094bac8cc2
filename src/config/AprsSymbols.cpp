#include "AprsSymbols.h"

#include "PositionText.h"

#include <array>

namespace tarvek::config
{
namespace
{

using namespace Qt::StringLiterals;

using Names = std::array<QLatin1StringView, kSymbolsPerTable>;

// The primary table "/", codes "!" to "~" in order: mostly stations.
constexpr Names kPrimaryNames = {
    "Police or sheriff"_L1,               // !
    "Reserved"_L1,                        // "
    "Digipeater"_L1,                      // #
    "Telephone"_L1,                       // $
    "DX cluster"_L1,                      // %
    "HF gateway"_L1,                      // &
    "Small aircraft"_L1,                  // '
    "Mobile satellite ground station"_L1, // (
    "Wheelchair, handicapped"_L1,         // )
    "Snowmobile"_L1,                      // *
    "Red Cross"_L1,                       // +
    "Boy Scouts"_L1,                      // ,
    "House, home station (VHF)"_L1,       // -
    "X mark"_L1,                          // .
    "Red dot"_L1,                         // /
    "Circle with number 0"_L1,            // 0
    "Circle with number 1"_L1,            // 1
    "Circle with number 2"_L1,            // 2
    "Circle with number 3"_L1,            // 3
    "Circle with number 4"_L1,            // 4
    "Circle with number 5"_L1,            // 5
    "Circle with number 6"_L1,            // 6
    "Circle with number 7"_L1,            // 7
    "Circle with number 8"_L1,            // 8
    "Circle with number 9"_L1,            // 9
    "Fire"_L1,                            // :
    "Campground, portable operation"_L1,  // ;
    "Motorcycle"_L1,                      // <
    "Railway engine"_L1,                  // =
    "Car"_L1,                             // >
    "File server"_L1,                     // ?
    "Hurricane predicted path"_L1,        // @
    "Aid station"_L1,                     // A
    "Bulletin board (BBS)"_L1,            // B
    "Canoe"_L1,                           // C
    "Unassigned"_L1,                      // D
    "Eyeball, event"_L1,                  // E
    "Farm vehicle, tractor"_L1,           // F
    "Grid square (6 characters)"_L1,      // G
    "Hotel"_L1,                           // H
    "TCP/IP network station"_L1,          // I
    "Unassigned"_L1,                      // J
    "School"_L1,                          // K
    "PC user"_L1,                         // L
    "MacAPRS"_L1,                         // M
    "NTS traffic station"_L1,             // N
    "Balloon"_L1,                         // O
    "Police"_L1,                          // P
    "Unassigned"_L1,                      // Q
    "Recreational vehicle"_L1,            // R
    "Space shuttle"_L1,                   // S
    "SSTV"_L1,                            // T
    "Bus"_L1,                             // U
    "ATV (amateur television)"_L1,        // V
    "National weather service site"_L1,   // W
    "Helicopter"_L1,                      // X
    "Sailing yacht"_L1,                   // Y
    "WinAPRS"_L1,                         // Z
    "Person, jogger"_L1,                  // [
    "Triangle, direction finding"_L1,     // backslash
    "Mailbox, post office"_L1,            // ]
    "Large aircraft"_L1,                  // ^
    "Weather station"_L1,                 // _
    "Dish antenna"_L1,                    // `
    "Ambulance"_L1,                       // a
    "Bicycle"_L1,                         // b
    "Incident command post"_L1,           // c
    "Fire department"_L1,                 // d
    "Horse, equestrian"_L1,               // e
    "Fire truck"_L1,                      // f
    "Glider"_L1,                          // g
    "Hospital"_L1,                        // h
    "Island (IOTA)"_L1,                   // i
    "Jeep"_L1,                            // j
    "Truck"_L1,                           // k
    "Laptop"_L1,                          // l
    "Mic-E repeater"_L1,                  // m
    "Node"_L1,                            // n
    "Emergency operations centre"_L1,     // o
    "Dog, rover"_L1,                      // p
    "Grid square shown above 128 m"_L1,   // q
    "Repeater"_L1,                        // r
    "Power boat, ship"_L1,                // s
    "Truck stop"_L1,                      // t
    "Semi-trailer truck (18 wheels)"_L1,  // u
    "Van"_L1,                             // v
    "Water station"_L1,                   // w
    "X-APRS (Unix)"_L1,                   // x
    "Yagi antenna at home"_L1,            // y
    "Unassigned"_L1,                      // z
    "Unassigned"_L1,                      // {
    "Reserved, TNC stream switch"_L1,     // |
    "Unassigned"_L1,                      // }
    "Reserved, TNC stream switch"_L1,     // ~
};

// The alternate table "\", codes "!" to "~" in order: mostly objects and
// weather; many of its symbols take an overlay character.
constexpr Names kAlternateNames = {
    "Emergency"_L1,                            // !
    "Reserved"_L1,                             // "
    "Digipeater with overlay"_L1,              // #
    "Bank or cash machine"_L1,                 // $
    "Power plant"_L1,                          // %
    "Gateway with overlay"_L1,                 // &
    "Crash, incident site"_L1,                 // '
    "Cloudy"_L1,                               // (
    "Fire detection (satellite)"_L1,           // )
    "Unassigned"_L1,                           // *
    "Church"_L1,                               // +
    "Girl Scouts"_L1,                          // ,
    "House, HF home station"_L1,               // -
    "Unknown position, question mark"_L1,      // .
    "Waypoint, destination"_L1,                // /
    "Circle with overlay (IRLP, EchoLink)"_L1, // 0
    "Unassigned"_L1,                           // 1
    "Unassigned"_L1,                           // 2
    "Unassigned"_L1,                           // 3
    "Unassigned"_L1,                           // 4
    "Unassigned"_L1,                           // 5
    "Unassigned"_L1,                           // 6
    "Unassigned"_L1,                           // 7
    "Wireless network node (802.11)"_L1,       // 8
    "Petrol station"_L1,                       // 9
    "Unassigned"_L1,                           // :
    "Park, picnic area"_L1,                    // ;
    "Weather advisory flag"_L1,                // <
    "Unassigned"_L1,                           // =
    "Car with overlay"_L1,                     // >
    "Information kiosk"_L1,                    // ?
    "Hurricane, tropical storm"_L1,            // @
    "Box with overlay (DTMF, RFID)"_L1,        // A
    "Unassigned"_L1,                           // B
    "Coast guard"_L1,                          // C
    "Depot"_L1,                                // D
    "Smoke"_L1,                                // E
    "Unassigned"_L1,                           // F
    "Unassigned"_L1,                           // G
    "Haze, hazard"_L1,                         // H
    "Rain shower"_L1,                          // I
    "Unassigned"_L1,                           // J
    "Kenwood handheld"_L1,                     // K
    "Lighthouse"_L1,                           // L
    "MARS (military affiliate radio)"_L1,      // M
    "Navigation buoy"_L1,                      // N
    "Balloon or rocket with overlay"_L1,       // O
    "Parking"_L1,                              // P
    "Earthquake"_L1,                           // Q
    "Restaurant"_L1,                           // R
    "Satellite"_L1,                            // S
    "Thunderstorm"_L1,                         // T
    "Sunny"_L1,                                // U
    "VOR/TACAN navigation aid"_L1,             // V
    "Weather service site with overlay"_L1,    // W
    "Pharmacy"_L1,                             // X
    "Radios and devices"_L1,                   // Y
    "Unassigned"_L1,                           // Z
    "Wall cloud, person with overlay"_L1,      // [
    "GPS symbol with overlay"_L1,              // backslash
    "Unassigned"_L1,                           // ]
    "Aircraft with overlay"_L1,                // ^
    "Weather station with overlay"_L1,         // _
    "Rain"_L1,                                 // `
    "ARRL, ARES, Winlink"_L1,                  // a
    "Blowing dust or sand"_L1,                 // b
    "Civil defence (RACES)"_L1,                // c
    "DX spot"_L1,                              // d
    "Sleet"_L1,                                // e
    "Funnel cloud"_L1,                         // f
    "Gale flags"_L1,                           // g
    "Shop, hamfest"_L1,                        // h
    "Point of interest"_L1,                    // i
    "Work zone, excavator"_L1,                 // j
    "Special vehicle (SUV, 4x4)"_L1,           // k
    "Area (box, circle)"_L1,                   // l
    "Value sign (3 digits)"_L1,                // m
    "Triangle with overlay"_L1,                // n
    "Small circle"_L1,                         // o
    "Partly cloudy"_L1,                        // p
    "Unassigned"_L1,                           // q
    "Restrooms"_L1,                            // r
    "Boat with overlay"_L1,                    // s
    "Tornado"_L1,                              // t
    "Truck with overlay"_L1,                   // u
    "Van with overlay"_L1,                     // v
    "Flooding"_L1,                             // w
    "Wreck, obstruction"_L1,                   // x
    "Skywarn"_L1,                              // y
    "Shelter with overlay"_L1,                 // z
    "Fog"_L1,                                  // {
    "Reserved, TNC stream switch"_L1,          // |
    "Unassigned"_L1,                           // }
    "Reserved, TNC stream switch"_L1,          // ~
};

constexpr std::array<AprsSymbol, 2 * kSymbolsPerTable> makeSymbols()
{
    std::array<AprsSymbol, 2 * kSymbolsPerTable> all{};
    constexpr auto kPerTable = static_cast<size_t>(kSymbolsPerTable);
    for (size_t k = 0; k < kPerTable; ++k) {
        const auto code = static_cast<char>(kFirstSymbolCode + static_cast<int>(k));
        all[k] = {AprsTable::Primary, code, kPrimaryNames[k]};
        all[kPerTable + k] = {AprsTable::Alternate, code, kAlternateNames[k]};
    }
    return all;
}

constexpr auto kSymbols = makeSymbols();

} // namespace

QChar tableCharacter(AprsTable table)
{
    return QLatin1Char(geo::symbolTableId(table == AprsTable::Alternate));
}

std::span<const AprsSymbol> aprsSymbols()
{
    return kSymbols;
}

std::optional<AprsSymbol> findAprsSymbol(AprsTable table, QChar code)
{
    const char16_t unit = code.unicode();
    if (unit < kFirstSymbolCode || unit > kLastSymbolCode)
        return std::nullopt;
    const int row =
        (table == AprsTable::Alternate ? kSymbolsPerTable : 0) + (unit - kFirstSymbolCode);
    return kSymbols[static_cast<size_t>(row)];
}

std::optional<AprsSymbol> findAprsSymbol(AprsTable table, const QString &symbol)
{
    return symbol.isEmpty() ? std::nullopt : findAprsSymbol(table, symbol.at(0));
}

QString symbolDescription(const QString &symbol, AprsTable table)
{
    const QString tableName = table == AprsTable::Alternate
                                  ? QStringLiteral("the alternate table \"\\\"")
                                  : QStringLiteral("the primary table \"/\"");
    if (symbol.isEmpty())
        return QStringLiteral("No symbol: SEND refuses an empty symbol");
    const std::optional<AprsSymbol> found = findAprsSymbol(table, symbol);
    if (!found)
        return QStringLiteral("\"%1\" is not an APRS symbol code").arg(symbol.at(0));
    return QStringLiteral("%1: \"%2\" in %3").arg(found->name).arg(symbol.at(0)).arg(tableName);
}

} // namespace tarvek::config
