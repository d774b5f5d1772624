#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "calc/numbers.h"
#include "support/exactdecimal.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::string repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

TEST(Numbers, NumericTest) {
    struct Row {
        std::string text;
        bool numeric;
    };
    const Row rows[] = {
        {"208", true},
        {"0.5", true},
        {".5", true},
        {"5.", true},
        {".00", true},
        {"1,234.5", true},
        {"1,2,3", true},
        {"1E-05", true},
        {"1e+5", true},
        {"  -12  ", true},
        {"+3", true},
        {"-1,234,567.25e2", true},
        {"0e99999999999999999999", true},
        {"1e-400", true},                  // underflows to 0
        {"1.7976931348623158e308", true},  // still rounds to the largest double
        {"0." + std::string(400, '9'), true},
        {"", false},
        {"   ", false},
        {".", false},
        {"-", false},
        {"+", false},
        {"1.2.3", false},
        {"12a", false},
        {",5", false},
        {"5,", false},
        {"1,,2", false},
        {"1,.5", false},
        {"1.2,3", false},
        {"1e1,0", false},
        {"1e", false},
        {"1e+", false},
        {"e5", false},
        {"1e5.5", false},
        {"1 2", false},
        {"- 5", false},
        {"\t5", false},  // only the space is a blank
        {"5\n", false},
        {"0x10", false},
        {"inf", false},
        {"nan", false},
        {"1e400", false},
        {"-1e400", false},
        {"1.7976931348623159e308", false},  // rounds past the largest double
        {std::string(400, '9'), false},
    };
    for (const Row& row : rows) EXPECT_EQ(calc::isNumeric(row.text), row.numeric) << row.text;
}

TEST(Numbers, ConversionToDoubleRoundsTheDecimalValueToNearestEven) {
    struct Row {
        std::string text;
        double value;
    };
    const Row rows[] = {
        {"1,2,3", 123},
        {" -1,234.5 ", -1234.5},
        {".5", 0.5},
        {"5.", 5},
        {"1E-05", 1e-05},
        {"3,603", 3603},
        {"9007199254740993", 9007199254740992.0},  // halfway: to the even neighbour
        {"9007199254740995", 9007199254740996.0},
        {"9007199254740993." + std::string(300, '0') + "1", 9007199254740994.0},
        {"2.4703282292062328e-324", 4.9406564584124654e-324},  // just past half the least denormal
        {"1e-400", 0},
        {"1.7976931348623158e308", DBL_MAX},
        {"12a", 0},
        {"1e400", 0},
    };
    for (const Row& row : rows) EXPECT_EQ(calc::toDouble(row.text), row.value) << row.text;
}

TEST(Numbers, ConversionToSingleRoundsOnceAndHoldsAtTheLargestSingle) {
    struct Row {
        std::string text;
        float value;
    };
    const Row rows[] = {
        {"0.85", 0.85000002384185791015625f},
        {"1.67", 1.66999995708465576171875f},
        // Through a double this would become 1 + 2^-24, then 1 by ties to even.
        {"1.0000000596046448", 1.00000011920928955078125f},
        {"1.000000059604644775390625", 1.0f},  // exactly halfway: the even neighbour
        {"1,2", 12.0f},
        {"1e39", FLT_MAX},
        {"-1e39", -FLT_MAX},
        {"3.4028235677973366e38", FLT_MAX},
        {"1e-50", 0.0f},
        {"1e400", 0.0f},
        {"abc", 0.0f},
    };
    for (const Row& row : rows) EXPECT_EQ(calc::toSingle(row.text), row.value) << row.text;
}

TEST(Numbers, LeadingNumber) {
    struct Row {
        std::string text;
        double value;
    };
    const Row rows[] = {
        {"3,603", 3},
        {"0.5", 0.5},
        {"", 0},
        {" 1 2\t3\n4\r", 1234},
        {"1e", 1},
        {"1e+", 1},
        {"1e-2x", 0.01},
        {"1.e2", 100},
        {"-.5", -0.5},
        {"+7", 7},
        {"5.", 5},
        {".", 0},
        {"-", 0},
        {"--5", 0},
        {"abc", 0},
        {"12abc", 12},
        {"1.2.3", 1.2},
        {"0x10", 0},
        {"&H10", 0},
        {"1e400", DBL_MAX},
        {"-1e400", -DBL_MAX},
        {"1e-400", 0},
    };
    for (const Row& row : rows) EXPECT_EQ(calc::leadingNumber(row.text), row.value) << row.text;
}

TEST(Numbers, GeneralTextOfDouble) {
    struct Row {
        double x;
        const char* text;
    };
    const Row rows[] = {
        {208, "208"},
        {13800, "13800"},
        {1.0 / 3, "0.333333333333333"},
        {0.0001, "0.0001"},
        {0.00009999999999999999, "0.0001"},  // the exponent is taken after rounding
        {0.00001, "1E-05"},
        {1e15, "1E+15"},
        {123456789012345, "123456789012345"},
        {999999999999999.5, "1E+15"},
        {1.5e300, "1.5E+300"},
        {-2.5, "-2.5"},
        {0.0, "0"},
        {-0.0, "0"},
        {kNaN, "0"},
        {kInf, "1.79769313486232E+308"},
        {-kInf, "-1.79769313486232E+308"},
    };
    for (const Row& row : rows) EXPECT_EQ(calc::generalText(row.x), row.text) << row.x;
}

TEST(Numbers, GeneralTextOfSingle) {
    // Expected texts from Python's decimal module on the exact single value, 7 digits half even.
    struct Row {
        float x;
        const char* text;
    };
    const Row rows[] = {
        {1.5f, "1.5"},
        {0.85f, "0.85"},
        {1.0f / 3, "0.3333333"},
        {12345678.0f, "1.234568E+07"},
        {9999999.0f, "9999999"},
        {99999992.0f, "9.999999E+07"},
        {0.00048828125f, "0.0004882812"},  // 2^-11: an exact tie at 7 digits, to even
        {16777215.0f, "1.677722E+07"},
        {1e-05f, "1E-05"},
        {0.0001f, "0.0001"},
        {-1.67f, "-1.67"},
        {FLT_MAX, "3.402823E+38"},
        {1.401298464324817e-45f, "1.401298E-45"},
        {std::numeric_limits<float>::quiet_NaN(), "0"},
        {std::numeric_limits<float>::infinity(), "3.402823E+38"},
    };
    for (const Row& row : rows) EXPECT_EQ(calc::generalText(row.x), row.text) << row.x;
}

TEST(Numbers, MasksOfTheCalculator) {
    struct Row {
        double x;
        const char* mask;
        const char* text;
    };
    const Row rows[] = {
        {0, "0.##########", "0."},
        {0.5, "0.##########", "0.5"},
        {0.42500001192092896, "0.##########", "0.4250000119"},
        {0.00000000001, "0.##########", "0."},
        {0.25, "##.00", ".25"},
        {5, "##.00", "5.00"},
        {2.675, "##.00", "2.68"},
        {1.005, "##.00", "1.01"},
        {0.125, "##.00", ".13"},
        {99.995, "##.00", "100.00"},
        {0, "###,###", ""},
        {0.4, "###,###", ""},
        {2.5, "###,###", "3"},
        {1234.5, "###,###", "1,235"},
        {3602.665664, "###,###", "3,603"},
        {99999999, "###,###,###", "99,999,999"},
        {999999999999, "###,###,###,###", "999,999,999,999"},
        {2775722459.15, "#,###,###,###", "2,775,722,459"},
        {1500.4, "#,###,###,###,###", "1,500"},
        {0, "#,##0", "0"},
        {1224.9, "#,##0", "1,225"},
        {13800, "#,###", "13,800"},
        {0, "#,###", ""},
        {208, "##,###", "208"},
        {0.5, "##,###.00", ".50"},
        {1234.5, "##,###.00", "1,234.50"},
        {0.5, "#,###.###", ".5"},
        {5, "#,###.###", "5."},
        {1.23456, "#,###.###", "1.235"},
        {12.25, "#,###.#", "12.3"},
        {50, "#,###.#", "50."},
        {0.5, "General number", "0.5"},
        {1234567, "General number", "1234567"},
        {0.00001, "General number", "1E-05"},
        {0.5, "Fixed", "0.50"},
        {1234.5, "Fixed", "1234.50"},
        {0.005, "Fixed", "0.01"},
        {-0.001, "Fixed", "0.00"},  // no sign without a non-zero digit
        {-1234.5, "#,##0", "-1,235"},
        {1.5, "0.0#0#", "1.500"},  // zeros are kept up to the last "0" of the fraction mask
        {5, "00", "5"},            // the whole part is written as is, never padded
        {kNaN, "#,##0", "0"},
        {kNaN, "General number", "0"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(calc::format(row.x, row.mask), row.text) << row.x << " " << row.mask;
}

TEST(Numbers, MasksRoundTheExactValueAcrossAllMagnitudes) {
    // Expected texts computed with Python's decimal module from Decimal(x), the exact binary
    // value: Context(prec=15, ROUND_HALF_EVEN).plus, then quantize(10**-n, ROUND_HALF_UP)
    // (Python's HALF_UP goes away from zero), then the mask's own trimming and grouping.
    struct Row {
        double x;
        const char* mask;
        std::string text;
    };
    const Row rows[] = {
        {5e-324, "General number", "4.94065645841247E-324"},
        {5e-324, "0.##########", "0."},
        {-5e-324, "0.00", "0.00"},
        {1e-320, "General number", "9.99988867182683E-321"},
        {2.2250738585072014e-308, "General number", "2.2250738585072E-308"},
        {1e-300, "#,###.###", "."},
        {-1e-300, "General number", "-1E-300"},
        {1.7976931348623157e+308, "General number", "1.79769313486232E+308"},
        {1.7976931348623157e+308, "#,##0", "179,769,313,486,232" + repeat(",000", 98)},
        {-1e+308, "##,###.00", "-100" + repeat(",000", 102) + ".00"},
        {1e+300, "General number", "1E+300"},
        {1e+21, "#,##0.00", "1,000,000,000,000,000,000,000.00"},
        {1.2345678901234568e+17, "#,##0", "123,456,789,012,346,000"},
        {1.2345678901234568e+17, "General number", "1.23456789012346E+17"},
        // Sixteen-digit values ending in 5 are exact ties at 15 digits: to even.
        {1000000000000005.0, "General number", "1E+15"},
        {1000000000000005.0, "#,##0", "1,000,000,000,000,000"},
        {1000000000000015.0, "#,##0", "1,000,000,000,000,020"},
        {1234567890123445.0, "General number", "1.23456789012344E+15"},
        {1234567890123455.0, "General number", "1.23456789012346E+15"},
        {2.384185791015625e-07, "General number", "2.38418579101562E-07"},  // 2^-22
        {7.152557373046875e-07, "General number", "7.15255737304688E-07"},  // 3 * 2^-22
        {2.384185791015625e-07, "0.##########", "0.0000002384"},
        {9007199254740992.0, "General number", "9.00719925474099E+15"},
        {999999999999999.5, "#,##0", "1,000,000,000,000,000"},
        {99999999999999.95, "0.#", "100000000000000."},
        {12345678901234.5, "#,##0", "12,345,678,901,235"},
        {1e15, "General number", "1E+15"},
        {1e14, "General number", "100000000000000"},
        {0.30000000000000004, "General number", "0.3"},
        {0.30000000000000004, "0.##########", "0.3"},
        // Just below a tie in binary, an exact tie after the 15-digit reduction: away from zero.
        {1.015, "0.00", "1.02"},
        {1.025, "0.00", "1.03"},
        {1.045, "##.00", "1.05"},
        {8.345, "Fixed", "8.35"},
        {1.45, "#,###.#", "1.5"},
        {-2.675, "##.00", "-2.68"},
        {0.045, "##.00", ".05"},
        {1234.5675, "#,###.###", "1,234.568"},
        {4.35, "0.0", "4.4"},
        {4.45, "0.0", "4.5"},
        {0.5, "#", "1"},
        {1.5, "#", "2"},
        {2.5, "#", "3"},
        {5e-05, "0.####", "0.0001"},
        {4.9999999999999996e-05, "0.####", "0.0001"},
        {4.99999999999995e-05, "0.####", "0."},
        {1.23e-10, "0.##########", "0.0000000001"},
        {5.5e-11, "0.##########", "0.0000000001"},
        {-4.5e-11, "0.##########", "0."},
        {-0.0004, "0.000", "0.000"},
        {-0.0005, "0.000", "-0.001"},
        {-0.0005, "#.##", "."},
        {0.009999999999999998, "Fixed", "0.01"},
        {1.0000000000000002, "Fixed", "1.00"},
        {0.3333333333333333, "0.0000000000000000000", "0.3333333333333330000"},
        {1e-05, "General number", "1E-05"},
        {0.00011, "General number", "0.00011"},
        {-9.999999999999999e-05, "General number", "-0.0001"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(calc::format(row.x, row.mask), row.text) << row.x << " " << row.mask;
}

TEST(Numbers, NonFiniteValuesNeverShowAsInfinityOrNaN) {
    for (double x : {kInf, -kInf, kNaN})
        for (const char* mask : {"General number", "Fixed", "#,##0", "0.##########"}) {
            const std::string text = calc::format(x, mask);
            EXPECT_EQ(text.find_first_of("aifnAIFN"), std::string::npos) << text;
            EXPECT_FALSE(text.empty()) << mask;
        }
    EXPECT_EQ(calc::format(-kInf, "#,##0"), "-179,769,313,486,232" + repeat(",000", 98));
}

using exact::digitsOf;
using exact::exactDecimal;
using exact::referenceFormat;
using exact::referenceGeneral;
using exact::ReferenceMask;
using exact::roundSignificant;
using exact::Significant;

// A fixed mix: any finite bit pattern, the range shown on screen, and decimal ties such as
// 1.235 whose binary value lies just beside the tie.
std::vector<double> randomDoubles(int count) {
    std::mt19937_64 random(20240611);
    std::vector<double> values;
    while (static_cast<int>(values.size()) < count) {
        const std::uint64_t bits = random();
        double x = 0;
        switch (values.size() % 3) {
            case 0:
                x = std::bit_cast<double>(bits);
                break;
            case 1: {
                const std::uint64_t exponent = 1023 - 40 + random() % 84;
                x = std::bit_cast<double>((bits & 0x800F'FFFF'FFFF'FFFFull) | exponent << 52);
                break;
            }
            default: {
                std::uint64_t limit = 1;
                for (std::uint64_t d = random() % 15; d > 0; --d) limit *= 10;
                const std::string text =
                    digitsOf(random() % limit) + "5e-" + digitsOf(1 + random() % 12);
                std::from_chars(text.data(), text.data() + text.size(), x);
                if (bits & 1) x = -x;
            }
        }
        if (std::isfinite(x)) values.push_back(x);
    }
    return values;
}

TEST(Numbers, MasksAgreeWithAnExactReferenceOnRandomValues) {
    const ReferenceMask masks[] = {
        {"0.##########", 10, 0, true, false, true}, {"##.00", 2, 2, true, false, false},
        {"#,##0", 0, 0, false, true, true},         {"#,###.###", 3, 0, true, true, false},
        {"#,###.#", 1, 0, true, true, false},       {"###,###", 0, 0, false, true, false},
        {"Fixed", 2, 2, true, false, true},         {"0.0#0#", 4, 3, true, false, true},
    };
    int failures = 0;
    for (double x : randomDoubles(3000))
        for (const ReferenceMask& mask : masks) {
            const std::string expected = referenceFormat(x, mask);
            const std::string text = calc::format(x, mask.mask);
            if (text != expected && ++failures <= 10)
                ADD_FAILURE() << std::hexfloat << x << " " << mask.mask << ": " << text
                              << " != " << expected;
        }
    EXPECT_EQ(failures, 0);
}

TEST(Numbers, GeneralTextAgreesWithAnExactReferenceAndReadsBack) {
    int failures = 0;
    for (double x : randomDoubles(3000)) {
        const std::string text = calc::generalText(x);
        // The 15-digit value itself, rounded to a double once.
        const Significant value = roundSignificant(exactDecimal(x), 15);
        const std::string plain = digitsOf(value.mantissa) + "e" + (value.power < 0 ? "-" : "") +
                                  digitsOf(static_cast<std::uint64_t>(std::abs(value.power)));
        double expectedBack = 0;
        std::from_chars(plain.data(), plain.data() + plain.size(), expectedBack);
        if (std::signbit(x)) expectedBack = -expectedBack;
        const bool ok = text == referenceGeneral(x, 15) && calc::isNumeric(text) &&
                        calc::toDouble(text) == expectedBack;
        if (!ok && ++failures <= 10)
            ADD_FAILURE() << std::hexfloat << x << ": " << text << " vs "
                          << referenceGeneral(x, 15);
    }
    EXPECT_EQ(failures, 0);
}

TEST(Numbers, GeneralTextOfSingleAgreesWithAnExactReference) {
    int failures = 0;
    for (double wide : randomDoubles(3000)) {
        const auto bits = static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(wide));
        const float x = std::bit_cast<float>(bits);
        if (!std::isfinite(x)) continue;
        const std::string expected = referenceGeneral(x, 7);
        if (calc::generalText(x) != expected && ++failures <= 10)
            ADD_FAILURE() << std::hexfloat << x << ": " << calc::generalText(x)
                          << " != " << expected;
    }
    EXPECT_EQ(failures, 0);
}

TEST(Numbers, WholeNumberConversions) {
    struct Row {
        double x;
        std::int16_t int16;
        std::int32_t int32;
    };
    const Row rows[] = {
        {2.5, 2, 2},
        {3.5, 4, 4},
        {-2.5, -2, -2},
        {0.5, 0, 0},
        {-0.5, 0, 0},
        {1.5, 2, 2},
        {2.4999999999999996, 2, 2},
        {32767.4, 32767, 32767},
        {32767.5, 32767, 32768},
        {-32768.5, -32768, -32768},
        {-32769, -32768, -32769},
        {2147483647.5, 32767, 2147483647},
        {-2147483648.5, -32768, -2147483647 - 1},
        {1e300, 32767, 2147483647},
        {-1e300, -32768, -2147483647 - 1},
        {kInf, 32767, 2147483647},
        {-kInf, -32768, -2147483647 - 1},
        {kNaN, 0, 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(calc::roundToInt16(row.x), row.int16) << row.x;
        EXPECT_EQ(calc::roundToInt32(row.x), row.int32) << row.x;
    }
    EXPECT_EQ(calc::wholePart(-0.5), -1);
    EXPECT_EQ(calc::wholePart(2.7), 2);
    EXPECT_EQ(calc::wholePart(-2), -2);
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
    EXPECT_TRUE(calc::isNumeric("1,234.5"));
    EXPECT_EQ(calc::leadingNumber("3,603"), 3);
    EXPECT_EQ(calc::generalText(0.5), "0.5");
    EXPECT_EQ(calc::generalText(1.5e300), "1.5E+300");
    EXPECT_EQ(calc::format(1234.5, "##,###.00"), "1,234.50");
    EXPECT_EQ(calc::format(0.005, "Fixed"), "0.01");
    std::setlocale(LC_ALL, "C");
}

}  // namespace
