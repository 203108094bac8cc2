#pragma once
// One value of a .cfg record, as the reader classifies it.
#include "DecimalNumber.h"

#include <QString>

namespace tarvek
{

struct CfgValue {
    enum class Kind {
        Empty,  // nothing between two separators
        Text,   // a quoted value, or an unquoted one that is neither of the others
        Number, // an unquoted value that reads as a number
        Truth,  // #TRUE# or #FALSE#, unquoted
    };

    Kind kind = Kind::Empty;
    QString text;         // Text
    DecimalNumber number; // Number
    bool truth = false;   // Truth

    static CfgValue Empty() { return {}; }
    static CfgValue Text(QString text) { return {Kind::Text, std::move(text), {}, false}; }
    static CfgValue Number(DecimalNumber number)
    {
        return {Kind::Number, {}, std::move(number), false};
    }
    static CfgValue Truth(bool truth) { return {Kind::Truth, {}, {}, truth}; }
};

} // namespace tarvek
