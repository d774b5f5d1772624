#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

#include "calc/numbers.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A numeric text reads as the nearest double; anything else is not numeric and 0. The leading
// number is what starts the text once blanks, tabs and line feeds are gone.
TEST(Numbers, TextsReadAsNumbers) {
    const std::tuple<std::string, bool, double, double> rows[] = {
        {"-.5", true, -0.5, -0.5},
        {"3,603", true, 3603, 3},
        {"1,2,3", true, 123, 1},
        {" -1,234,567.25e2 ", true, -123456725, -1},
        {"9007199254740993." + std::string(300, '0') + "1", true, 9007199254740994.0,
         9007199254740994.0},
        {"1e-400", true, 0, 0},
        {"1.2.3", false, 0, 1.2},
        {"\t5", false, 0, 5},  // only the space is a blank
        {" 1 2\t3\n4\r", false, 0, 1234},
        {"1e", false, 0, 1},
        {"1e400", false, 0, DBL_MAX},
        {"-1e400", false, 0, -DBL_MAX},
        {"1.7976931348623159e308", false, 0, DBL_MAX},  // rounds past the largest double
    };
    for (const auto& [text, numeric, value, leading] : rows) {
        EXPECT_EQ(calc::isNumeric(text), numeric) << text;
        EXPECT_EQ(calc::toDouble(text), value) << text;
        EXPECT_EQ(calc::leadingNumber(text), leading) << text;
    }
}

TEST(Numbers, ConversionToSingleRoundsOnceAndHoldsAtTheLargestSingle) {
    const std::pair<std::string, float> rows[] = {
        // Through a double this would become 1 + 2^-24, then 1 by ties to even.
        {"1.0000000596046448", 1.00000011920928955078125f},
        {"1e39", FLT_MAX},
        {"1e400", 0.0f},
    };
    for (const auto& [text, value] : rows) EXPECT_EQ(calc::toSingle(text), value) << text;
}

// 15 significant digits for a double and 7 for a single, halves to even, in exponent form from
// 10^15 (10^7) up and below 10^-4, taken after rounding; nothing non-finite shows.
TEST(Numbers, GeneralTexts) {
    const std::pair<double, const char*> doubles[] = {
        {0.00009999999999999999, "0.0001"}, {0.00001, "1E-05"},
        {999999999999999.5, "1E+15"},       {kNaN, "0"},
        {-kInf, "-1.79769313486232E+308"},
    };
    for (const auto& [x, text] : doubles) {
        EXPECT_EQ(calc::generalText(x), text) << x;
        EXPECT_EQ(calc::format(x, "General number"), text) << x;
    }
    const std::pair<float, const char*> singles[] = {
        {12345678.0f, "1.234568E+07"},
        {0.00048828125f, "0.0004882812"},  // 2^-11: an exact tie at 7 digits
        {std::numeric_limits<float>::infinity(), "3.402823E+38"},
    };
    for (const auto& [x, text] : singles) EXPECT_EQ(calc::generalText(x), text) << x;
}

// Rounded to 15 significant digits halves to even, then to the mask's decimals halves away from
// zero, then trimmed and grouped as the mask says (expected texts from Python's decimal module).
TEST(Numbers, Masks) {
    std::string largest = "179,769,313,486,232";
    for (int i = 0; i < 98; ++i) largest += ",000";
    const std::tuple<double, const char*, std::string> rows[] = {
        {2.675, "##.00", "2.68"},
        {99.995, "##.00", "100.00"},
        {-1234.5, "#,##0", "-1,235"},
        {kInf, "#,##0", largest},
        {kNaN, "Fixed", "0.00"},
        // Sixteen-digit values ending in 5 are exact ties at 15 digits.
        {1000000000000005.0, "#,##0", "1,000,000,000,000,000"},
        {1000000000000015.0, "#,##0", "1,000,000,000,000,020"},
        {0.5, "##,###.00", ".50"},
        {0.5, "Fixed", "0.50"},  // the same value under another mask
        {-0.0005, "0.000", "-0.001"},
        {-0.9, "0.0", "-0.9"},
        {1.5, "0.0#0#", "1.500"},
        {4.99999999999995e-05, "0.####", "0."},
        {0.3333333333333333, "0.0000000000000000000", "0.3333333333333330000"},
    };
    for (const auto& [x, mask, text] : rows) EXPECT_EQ(calc::format(x, mask), text) << x << mask;
}

TEST(Numbers, WholeNumberConversions) {
    const std::tuple<double, std::int16_t, std::int32_t> rows[] = {
        {2.5, 2, 2},
        {32767.5, 32767, 32768},
        {2147483647.5, 32767, 2147483647},
        {-2147483648.5, -32768, -2147483647 - 1},
        {kNaN, 0, 0},
    };
    for (const auto& [x, int16, int32] : rows) {
        EXPECT_EQ(calc::roundToInt16(x), int16) << x;
        EXPECT_EQ(calc::roundToInt32(x), int32) << x;
    }
    EXPECT_EQ(calc::wholePart(-0.5), -1);
    EXPECT_EQ(calc::wholePart(0.9999999999999999), 0);
}

TEST(Numbers, TextsIgnoreTheProcessLocale) {
    // The first name is the POSIX one, the second the Windows one.
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_ALL, "German_Germany.1252") == nullptr)
        GTEST_SKIP() << "no German locale is installed";
    // In this locale "," is the decimal separator and "." groups thousands.
    EXPECT_EQ(calc::toDouble("1,234.5"), 1234.5);
    EXPECT_EQ(calc::generalText(1.5e300), "1.5E+300");
    EXPECT_EQ(calc::format(1234.5, "##,###.00"), "1,234.50");
    std::setlocale(LC_ALL, "C");
}

}  // namespace
