#pragma once
// The published worked examples of the position texts, with table "/" and
// symbol ">"; shared by the library test and the command-line test.
#include <ostream>
#include <string>
#include <vector>

namespace tarvek::testing
{

struct WorkedExample {
    std::string name;
    bool seconds; // seconds notation instead of hundredths
    std::string lat;
    std::string lon;
    std::string normal;
    std::string compressed;

    friend void PrintTo(const WorkedExample &row, std::ostream *os) { *os << row.name; }
};

inline std::vector<WorkedExample> WorkedExamples()
{
    return {
        {"Hundredths", false, "45.30.50", "11.52.34", "=4530.50N/01152.34E>", "=/7MY,QN&i>  >"},
        {"Seconds", true, "45.30.30", "11.52.20", "=4530.50N/01152.33E>", "=/7MY,QN&T>  >"},
        {"ZeroHundredths", false, "00.00.00", "00.00.00", "=0000.00N/00000.00E>", "=/NN!!NN!!>  >"},
        {"ZeroSeconds", true, "00.00.00", "00.00.00", "=0000.00N/00000.00E>", "=/NN!!NN!!>  >"},
        {"FortyFiveNorth", false, "45.00.00", "00.00.00", "=4500.00N/00000.00E>", "=/7e!!NN!!>  >"},
        {"SouthWest", false, "-33.52.00", "-151.12.00", "=3352.00S/15112.00W>", "=/_Xop(:EE>  >"},
        {"NorthEastCorner", false, "90.00.00", "180.00.00", "=9000.00N/18000.00E>",
         "=/!!!!{{!!>  >"},
        {"SouthWestCorner", false, "-90.00.00", "-180.00.00", "=9000.00S/18000.00W>",
         "=/{{!!!!!!>  >"},
    };
}

} // namespace tarvek::testing
