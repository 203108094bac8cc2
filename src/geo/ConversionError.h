#pragma once
// The error that the coordinate parsers and encoders raise when a text part is
// not a number, a cut is impossible or a value has no encoding. It stays
// inside geo: the validators catch it and answer false, and the position
// composers (PositionText.h) return its text as the error of their result.
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
