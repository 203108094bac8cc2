#include "CfgConversions.h"
#include "RecordReader.h"

#include <gtest/gtest.h>

using namespace tarvek::cfgfile;

using namespace tarvek;

namespace
{

// A value as the reader gives it for an unquoted field; "\"..." for a quoted one.
CfgValue V(const char *raw)
{
    const QString text = QString::fromLatin1(raw);
    if (text.startsWith(u'"'))
        return CfgValue::fromText(text.mid(1));
    return classifyUnquoted(text);
}

struct WholeCase {
    const char *name;
    const char *raw;
    int value;
    CfgError error;
};

class StrictWholeTable : public ::testing::TestWithParam<WholeCase>
{
};

TEST_P(StrictWholeTable, Converts)
{
    const WholeCase &c = GetParam();
    const Converted<int> got = strictWhole(V(c.raw));
    EXPECT_EQ(got.error, c.error);
    if (c.error == CfgError::None) {
        EXPECT_EQ(got.value, c.value);
    }
}

const std::string NameOf(const ::testing::TestParamInfo<WholeCase> &info)
{
    return info.param.name;
}

const std::string Name400 = std::string(400, '9');

INSTANTIATE_TEST_SUITE_P(
    Cases, StrictWholeTable,
    ::testing::Values(WholeCase{"Number", "18", 18, CfgError::None},
                      WholeCase{"Negative", "-1", -1, CfgError::None},
                      WholeCase{"Empty", "", 0, CfgError::None},
                      WholeCase{"QuotedNumber", "\"007", 7, CfgError::None},
                      WholeCase{"QuotedWithSpaces", "\" 12 ", 12, CfgError::None},
                      WholeCase{"HalfToEvenDown", "2.5", 2, CfgError::None},
                      WholeCase{"HalfToEvenUp", "3.5", 4, CfgError::None},
                      WholeCase{"AboveHalf", "2.50001", 3, CfgError::None},
                      WholeCase{"NegativeHalf", "-2.5", -2, CfgError::None},
                      WholeCase{"Max16", "32767", 32767, CfgError::None},
                      WholeCase{"Min16", "-32768", -32768, CfgError::None},
                      WholeCase{"RoundsIntoRange", "32767.4", 32767, CfgError::None},
                      WholeCase{"RoundsOutOfRange", "32767.5", 0, CfgError::Overflow},
                      WholeCase{"Above16", "32768", 0, CfgError::Overflow},
                      WholeCase{"Below16", "-32769", 0, CfgError::Overflow},
                      WholeCase{"FourHundredDigits", Name400.c_str(), 0, CfgError::Overflow},
                      WholeCase{"UnfilledField", "\"3__", 0, CfgError::TypeMismatch},
                      WholeCase{"Text", "abc", 0, CfgError::TypeMismatch},
                      WholeCase{"QuotedEmpty", "\"", 0, CfgError::TypeMismatch},
                      WholeCase{"True", "#TRUE#", -1, CfgError::None},
                      WholeCase{"False", "#FALSE#", 0, CfgError::None}),
    NameOf);

class LenientWholeTable : public ::testing::TestWithParam<WholeCase>
{
};

TEST_P(LenientWholeTable, Converts)
{
    const WholeCase &c = GetParam();
    const Converted<int> got = lenientWhole(V(c.raw));
    EXPECT_EQ(got.error, c.error);
    if (c.error == CfgError::None) {
        EXPECT_EQ(got.value, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LenientWholeTable,
    ::testing::Values(WholeCase{"Number", "131", 131, CfgError::None},
                      WholeCase{"LeadingNumberOfText", "\"12ab", 12, CfgError::None},
                      WholeCase{"NoNumber", "\"abc", 0, CfgError::None},
                      WholeCase{"Empty", "", 0, CfgError::None},
                      WholeCase{"UnfilledField", "\"3__", 3, CfgError::None},
                      WholeCase{"HalfToEven", "\"6.5", 6, CfgError::None},
                      WholeCase{"Max32", "2147483647", 2147483647, CfgError::None},
                      WholeCase{"Above32", "2147483648", 0, CfgError::Overflow},
                      WholeCase{"Below32", "-2147483649", 0, CfgError::Overflow},
                      WholeCase{"FourHundredDigits", Name400.c_str(), 0, CfgError::Overflow},
                      WholeCase{"True", "#TRUE#", 0, CfgError::None}),
    NameOf);

TEST(TextForm, OfEachKind)
{
    EXPECT_EQ(textForm(V("\"a,b")), QStringLiteral("a,b"));
    EXPECT_EQ(textForm(V("007")), QStringLiteral("7"));
    EXPECT_EQ(textForm(V("-1.250")), QStringLiteral("-1.25"));
    EXPECT_EQ(textForm(V("")), QString());
    EXPECT_EQ(textForm(V("#TRUE#")), QStringLiteral("True"));
    EXPECT_EQ(textForm(V(Name400.c_str())), QString::fromStdString(Name400));
}

TEST(TruthOf, OfEachKind)
{
    EXPECT_TRUE(truthOf(V("#TRUE#")).value);
    EXPECT_FALSE(truthOf(V("#FALSE#")).value);
    EXPECT_TRUE(truthOf(V("-1")).value);
    EXPECT_TRUE(truthOf(V("0.5")).value);
    EXPECT_FALSE(truthOf(V("0")).value);
    EXPECT_FALSE(truthOf(V("")).value);
    for (const char *raw : {"\"#TRUE#", "\"1", "yes"})
        EXPECT_EQ(truthOf(V(raw)).error, CfgError::TypeMismatch) << raw;
}

TEST(CfgErrorDescription, TextsShownToTheOperator)
{
    EXPECT_EQ(cfgErrorDescription(CfgError::InputPastEnd),
              QStringLiteral("Input past end of file"));
    EXPECT_EQ(cfgErrorDescription(CfgError::TypeMismatch), QStringLiteral("Type mismatch"));
    EXPECT_EQ(cfgErrorDescription(CfgError::InvalidPropertyValue),
              QStringLiteral("Invalid property value"));
    EXPECT_EQ(cfgErrorDescription(CfgError::Overflow), QStringLiteral("Overflow"));
    EXPECT_EQ(cfgErrorDescription(CfgError::FileNotFound), QStringLiteral("File not found"));
    EXPECT_EQ(cfgErrorDescription(CfgError::PathNotFound), QStringLiteral("Path not found"));
    EXPECT_EQ(cfgErrorDescription(CfgError::PermissionDenied), QStringLiteral("Permission denied"));
}

} // namespace
