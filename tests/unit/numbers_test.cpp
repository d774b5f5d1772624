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

std::string repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

// A numeric text reads as the nearest double, ties to even; anything else is not numeric and 0.
TEST(Numbers, NumericTextsAndTheirDoubles) {
    const std::tuple<std::string, bool, double> rows[] = {
        {".5", true, 0.5},
        {"1,2,3", true, 123},
        {" -1,234.5 ", true, -1234.5},
        {"-1,234,567.25e2", true, -123456725},
        {"9007199254740993", true, 9007199254740992.0},
        {"9007199254740993." + std::string(300, '0') + "1", true, 9007199254740994.0},
        {"2.4703282292062328e-324", true, 4.9406564584124654e-324},
        {"1e-400", true, 0},
        {"1.7976931348623158e308", true, DBL_MAX},
        {"", false, 0},
        {"1.2.3", false, 0},
        {",5", false, 0},
        {"\t5", false, 0},  // only the space is a blank
        {"12a", false, 0},
        {"1e400", false, 0},
        {"1.7976931348623159e308", false, 0},  // rounds past the largest double
        {std::string(400, '9'), false, 0},
    };
    for (const auto& [text, numeric, value] : rows) {
        EXPECT_EQ(calc::isNumeric(text), numeric) << text;
        EXPECT_EQ(calc::toDouble(text), value) << text;
    }
}

TEST(Numbers, ConversionToSingleRoundsOnceAndHoldsAtTheLargestSingle) {
    const std::pair<std::string, float> rows[] = {
        // Through a double this would become 1 + 2^-24, then 1 by ties to even.
        {"1.0000000596046448", 1.00000011920928955078125f},
        {"1.000000059604644775390625", 1.0f},  // exactly halfway: the even neighbour
        {"1e39", FLT_MAX},
        {"1e400", 0.0f},
    };
    for (const auto& [text, value] : rows) EXPECT_EQ(calc::toSingle(text), value) << text;
}

TEST(Numbers, LeadingNumber) {
    const std::pair<std::string, double> rows[] = {
        {"3,603", 3},         {" 1 2\t3\n4\r", 1234}, {"1e", 1},      {"1e-2x", 0.01},
        {"-.5", -0.5},        {"12abc", 12},          {"1.2.3", 1.2}, {"1e400", DBL_MAX},
        {"-1e400", -DBL_MAX}, {"1e-400", 0},
    };
    for (const auto& [text, value] : rows) EXPECT_EQ(calc::leadingNumber(text), value) << text;
}

TEST(Numbers, GeneralTextOfDouble) {
    const std::pair<double, const char*> rows[] = {
        {208, "208"},
        {1.0 / 3, "0.333333333333333"},
        {0.00009999999999999999, "0.0001"},  // the exponent is taken after rounding
        {0.00001, "1E-05"},
        {999999999999999.5, "1E+15"},
        {kNaN, "0"},
        {kInf, "1.79769313486232E+308"},
    };
    for (const auto& [x, text] : rows) EXPECT_EQ(calc::generalText(x), text) << x;
}

TEST(Numbers, GeneralTextOfSingle) {
    // Expected texts from Python's decimal module on the exact single value, 7 digits half even.
    const std::pair<float, const char*> rows[] = {
        {1.0f / 3, "0.3333333"},
        {12345678.0f, "1.234568E+07"},
        {0.00048828125f, "0.0004882812"},  // 2^-11: an exact tie at 7 digits, to even
        {1.401298464324817e-45f, "1.401298E-45"},
        {std::numeric_limits<float>::quiet_NaN(), "0"},
        {std::numeric_limits<float>::infinity(), "3.402823E+38"},
    };
    for (const auto& [x, text] : rows) EXPECT_EQ(calc::generalText(x), text) << x;
}

// Rounded to 15 significant digits halves to even, then to the mask's decimals halves away from
// zero, then trimmed and grouped as the mask says (expected texts from Python's decimal module).
TEST(Numbers, Masks) {
    const std::tuple<double, const char*, std::string> rows[] = {
        {0.42500001192092896, "0.##########", "0.4250000119"},
        {2.675, "##.00", "2.68"},
        {99.995, "##.00", "100.00"},
        {0.4, "###,###", ""},
        {3602.665664, "###,###", "3,603"},
        {-1234.5, "#,##0", "-1,235"},
        {1.7976931348623157e+308, "#,##0", "179,769,313,486,232" + repeat(",000", 98)},
        // Sixteen-digit values ending in 5 are exact ties at 15 digits: to even.
        {1000000000000005.0, "#,##0", "1,000,000,000,000,000"},
        {1000000000000015.0, "#,##0", "1,000,000,000,000,020"},
        {0.5, "##,###.00", ".50"},
        {0.5, "Fixed", "0.50"},  // the same value under another mask
        {0.005, "Fixed", "0.01"},
        {-0.0005, "0.000", "-0.001"},
        {-0.9, "0.0", "-0.9"},
        {1.5, "0.0#0#", "1.500"},
        {4.99999999999995e-05, "0.####", "0."},
        {0.3333333333333333, "0.0000000000000000000", "0.3333333333333330000"},
        {5e-324, "General number", "4.94065645841247E-324"},
        {1234567890123455.0, "General number", "1.23456789012346E+15"},
        {7.152557373046875e-07, "General number", "7.15255737304688E-07"},
    };
    for (const auto& [x, mask, text] : rows) EXPECT_EQ(calc::format(x, mask), text) << x << mask;
}

TEST(Numbers, NonFiniteValuesNeverShowAsInfinityOrNaN) {
    for (double x : {kInf, -kInf, kNaN})
        for (const char* mask : {"General number", "Fixed", "#,##0", "0.##########"}) {
            const std::string text = calc::format(x, mask);
            EXPECT_EQ(text.find_first_of("aifnAIFN"), std::string::npos) << text;
            EXPECT_FALSE(text.empty()) << mask;
        }
}

TEST(Numbers, WholeNumberConversions) {
    const std::tuple<double, std::int16_t, std::int32_t> rows[] = {
        {2.5, 2, 2},
        {-2.5, -2, -2},
        {32767.5, 32767, 32768},
        {2147483647.5, 32767, 2147483647},
        {-2147483648.5, -32768, -2147483647 - 1},
        {kInf, 32767, 2147483647},
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
    EXPECT_EQ(calc::toSingle("0.85"), 0.85f);
    EXPECT_EQ(calc::leadingNumber("3,603"), 3);
    EXPECT_EQ(calc::generalText(0.5), "0.5");
    EXPECT_EQ(calc::generalText(1.5e300), "1.5E+300");
    EXPECT_EQ(calc::format(1234.5, "##,###.00"), "1,234.50");
    std::setlocale(LC_ALL, "C");
}

}  // namespace
