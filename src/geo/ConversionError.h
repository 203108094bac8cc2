#pragma once
// The error that the coordinate parsers and encoders raise when a text part is
// not a number, a cut is impossible or a value has no encoding. Callers that
// take unchecked texts (the calculator's write command) catch it and survive;
// the validators catch it themselves and answer false.
#include <stdexcept>
#include <string>

namespace tarvek::geo
{

class ConversionError : public std::runtime_error
{
public:
    explicit ConversionError(const std::string &what) : std::runtime_error(what) {}
};

} // namespace tarvek::geo
