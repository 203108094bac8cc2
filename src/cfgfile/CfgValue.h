#pragma once
// One value of a .cfg record, as the reader classifies it.
#include "DecimalNumber.h"

#include <QString>

namespace tarvek::cfgfile
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

    static CfgValue emptyValue() { return {}; }
    static CfgValue fromText(QString text) { return {Kind::Text, std::move(text), {}, false}; }
    static CfgValue fromNumber(DecimalNumber number)
    {
        return {Kind::Number, {}, std::move(number), false};
    }
    static CfgValue fromTruth(bool truth) { return {Kind::Truth, {}, {}, truth}; }
};

} // namespace tarvek::cfgfile
