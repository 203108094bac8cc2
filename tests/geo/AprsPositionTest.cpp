// The normal and compressed APRS position texts and their composition.
#include "AprsPosition.h"
#include "ConversionError.h"
#include "PositionText.h"
#include "WorkedExamples.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace tarvek::geo
{
namespace
{

TEST(AprsLatTextTest, WritesTheLatitudeField)
{
    EXPECT_EQ(aprsLatText("0045.30.50"), "4530.50N");
    EXPECT_EQ(aprsLatText("5.07.08"), "0507.08N");
    EXPECT_EQ(aprsLatText("-5.07.08"), "0507.08S");
    EXPECT_EQ(aprsLatText("s5.07.08"), "0507.08S");
    EXPECT_EQ(aprsLatText("+5.07.08"), "0507.08N");
    EXPECT_EQ(aprsLatText("n90.00.00"), "9000.00N");
}

TEST(AprsLonTextTest, WritesTheLongitudeField)
{
    EXPECT_EQ(aprsLonText("-5.07.08"), "00507.08W");
    EXPECT_EQ(aprsLonText("w5.07.08"), "00507.08W");
    EXPECT_EQ(aprsLonText("E5.07.08"), "00507.08E");
    EXPECT_EQ(aprsLonText("123.07.08"), "12307.08E");
    EXPECT_EQ(aprsLonText("00180.00.00"), "18000.00E");
}

TEST(AprsFieldErrorsTest, RaiseConversionErrors)
{
    EXPECT_THROW(aprsLatText("4530"), ConversionError);
    EXPECT_THROW(aprsLatText("x5.07.08"), ConversionError);
    EXPECT_THROW(aprsLatText(".07.08"), ConversionError);
    EXPECT_THROW(aprsLonText(""), ConversionError);
    // The other axis's letter is not a hemisphere here and not a number.
    EXPECT_THROW(aprsLonText("N5.07.08"), ConversionError);
}

TEST(CompressedPositionTest, EncodesTheCornersAndAxes)
{
    EXPECT_EQ(compressedPosition(45, 0, '/', ">").substr(2, 4), "7e!!");
    EXPECT_EQ(compressedPosition(-90, -180, '/', ">"), "=/{{!!!!!!>  >");
    EXPECT_EQ(compressedPosition(90, 180, '/', ">"), "=/!!!!{{!!>  >");
}

TEST(CompressedPositionTest, RoundsToNearestWhereTheReferenceTruncates)
{
    // 49 30 N, 72 45 W: the published example truncates x to <*e7.
    EXPECT_EQ(compressedPosition(49.5, -72.75, '/', "-"), "=/5L!!<*e8-  >");
}

TEST(CompressedPositionTest, TiesGoToTheEvenInteger)
{
    // (-178.5 + 180) * 190463 = 285694.5 exactly: it must encode like a value
    // just below the tie (285694, even), not like one just above (285695).
    const std::string tie = compressedPosition(0, -178.5, '/', ">");
    const std::string even = compressedPosition(0, -178.5 - 0.4 / 190463, '/', ">");
    const std::string odd = compressedPosition(0, -178.5 + 0.4 / 190463, '/', ">");
    EXPECT_EQ(tie, even);
    EXPECT_NE(tie, odd);
}

TEST(CompressedPositionTest, CarriesTableAndSymbolText)
{
    const std::string text = compressedPosition(0, 0, '\\', "k");
    EXPECT_EQ(text, "=\\NN!!NN!!k  >");
    // The symbol is the field's whole text; an empty field leaves it out.
    EXPECT_EQ(compressedPosition(0, 0, '/', "").size(), 13u);
}

TEST(CompressedPositionTest, RefusesCoordinatesWithoutEncoding)
{
    EXPECT_THROW(compressedPosition(-200, 0, '/', ">"), ConversionError);
    EXPECT_THROW(compressedPosition(95, 0, '/', ">"), ConversionError);
    EXPECT_THROW(compressedPosition(0, 190, '/', ">"), ConversionError);
    EXPECT_THROW(compressedPosition(std::numeric_limits<double>::quiet_NaN(), 0, '/', ">"),
                 ConversionError);
}

class WorkedExampleTest : public ::testing::TestWithParam<testing::WorkedExample>
{
protected:
    std::string Compose(PositionForm form, bool alternate) const
    {
        const auto notation =
            GetParam().seconds ? AngleNotation::Seconds : AngleNotation::Hundredths;
        EXPECT_TRUE(positionTextsValid(GetParam().lat, GetParam().lon, notation));
        const PositionResult result = composePositionText(GetParam().lat, GetParam().lon, notation,
                                                          form, symbolTableId(alternate), ">");
        EXPECT_TRUE(result.ok()) << result.reason;
        return result.text;
    }
};

TEST_P(WorkedExampleTest, NormalForm)
{
    EXPECT_EQ(Compose(PositionForm::Normal, false), GetParam().normal);
}

TEST_P(WorkedExampleTest, CompressedForm)
{
    EXPECT_EQ(Compose(PositionForm::Compressed, false), GetParam().compressed);
}

TEST_P(WorkedExampleTest, AlternateTableInBothForms)
{
    std::string normal = GetParam().normal;
    normal[9] = '\\';
    std::string compressed = GetParam().compressed;
    compressed[1] = '\\';
    EXPECT_EQ(Compose(PositionForm::Normal, true), normal);
    EXPECT_EQ(Compose(PositionForm::Compressed, true), compressed);
}

INSTANTIATE_TEST_SUITE_P(Table, WorkedExampleTest, ::testing::ValuesIn(testing::WorkedExamples()),
                         [](const auto &info) { return info.param.name; });

TEST(ComposePositionTextTest, SecondsBecomeHundredthsWithCarry)
{
    const auto compose = [](const std::string &lon) {
        return composePositionText("0.00.00", lon, AngleNotation::Seconds, PositionForm::Normal,
                                   '/', ">")
            .text.substr(10, 9);
    };
    EXPECT_EQ(compose("11.52.20"), "01152.33E");
    EXPECT_EQ(compose("10.59.59"), "01059.98E");
    EXPECT_EQ(compose("W115.48.60"), "11549.00W"); // not validated: 60 seconds make a minute
    EXPECT_EQ(compose("-115.48.59"), "11548.98W");
}

TEST(ComposePositionTextTest, UnvalidatedTextsGiveTheReasonInsteadOfAText)
{
    // A text pasted past the validators must not end the program: the result
    // carries the conversion's error and no text.
    EXPECT_FALSE(positionTextsValid("abc", "0.00.00", AngleNotation::Hundredths));
    const PositionResult noPoint = composePositionText("abc", "0.00.00", AngleNotation::Hundredths,
                                                       PositionForm::Normal, '/', ">");
    EXPECT_EQ(noPoint.reason, "no \".\" in the angle text \"abc\"");
    EXPECT_EQ(noPoint.text, "");
    EXPECT_FALSE(composePositionText("95.00.00", "0.00.00", AngleNotation::Hundredths,
                                     PositionForm::Compressed, '/', ">")
                     .ok());
    EXPECT_FALSE(composePositionText("0.00.00", "1.2.3.x", AngleNotation::Seconds,
                                     PositionForm::Compressed, '/', ">")
                     .ok());
    EXPECT_FALSE(composePositionText("1000000000.00.00", "0.00.00", AngleNotation::Hundredths,
                                     PositionForm::Compressed, '/', ">")
                     .ok());
}

TEST(PositionTextsValidTest, UsesTheValidatorsOfTheNotation)
{
    EXPECT_TRUE(positionTextsValid("45.30.75", "11.52.34", AngleNotation::Hundredths));
    EXPECT_FALSE(positionTextsValid("45.30.75", "11.52.34", AngleNotation::Seconds));
    EXPECT_FALSE(positionTextsValid("45.30.50", "", AngleNotation::Hundredths));
    EXPECT_TRUE(positionTextsValid("45.30.50", "0011.52.34", AngleNotation::Hundredths));
    EXPECT_FALSE(positionTextsValid("45.30.50", "0011.52.34", AngleNotation::Seconds));
}

} // namespace
} // namespace tarvek::geo
