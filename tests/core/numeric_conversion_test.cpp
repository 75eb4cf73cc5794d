#include "shell/numeric.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <variant>
#include <vector>

using namespace ordevix;

namespace {

constexpr RegionalSettings P = RegionalSettings::period();
constexpr RegionalSettings C = RegionalSettings::comma();
constexpr FaultKind Mismatch = FaultKind::TypeMismatch;
constexpr FaultKind Over = FaultKind::Overflow;
constexpr FaultKind Arith = FaultKind::Arithmetic;
const double inf = std::numeric_limits<double>::infinity();
const double nan = std::numeric_limits<double>::quiet_NaN();

// A value or the fault that must be raised instead.
using Expected = std::variant<double, FaultKind>;

template <typename F> void expectResult(const Expected& expected, F compute) {
    try {
        const double got = static_cast<double>(compute());
        ASSERT_TRUE(std::holds_alternative<double>(expected)) << "no fault, got " << got;
        EXPECT_EQ(got, std::get<double>(expected));
    } catch (const Fault& fault) {
        ASSERT_TRUE(std::holds_alternative<FaultKind>(expected)) << "fault: " << fault.what();
        EXPECT_EQ(fault.kind(), std::get<FaultKind>(expected));
    }
}

TEST(NumericTextValue, ReadsLeadingNumberPlainAndRegional) {
    // RegionalTextValue in a period locale must equal TextValue on every row.
    struct Row {
        const char* name;
        Text text;
        Expected plain;
        Expected comma;
    };
    const std::vector<Row> rows = {
        {"empty", u"", 0.0, 0.0},
        {"leading blanks", u"  42", 42.0, 42.0},
        {"blanks tab and line feed inside", u"1 0\t0\r\n0", 1000.0, 1000.0},
        {"letters end it", u"42abc", 42.0, 42.0},
        {"comma only regional", u"3,1415927", 3.0, 3.1415927},
        {"exponent with blanks", u"2 E - 2", 0.02, 0.02},
        {"E without digits", u"5E+x", 5.0, 5.0},
        {"second point ends it", u"1.2.3", 1.2, 1.2},
        {"comma then period", u"1,2.3", 1.0, 1.2},
        {"lone sign", u"-", 0.0, 0.0},
        {"no leading zero", u"-.5", -0.5, -0.5},
        {"tie rounds to even", u"9007199254740993", 9007199254740992.0, 9007199254740992.0},
        {"hex, lower case and blanks", u" & h 1f", 31.0, 31.0},
        {"hex top bit stays positive", u"&HFFFFFFFF", 4294967295.0, 4294967295.0},
        {"hex beyond 32 bits", u"&H100000000", Over, Over},
        {"octal stops at 8", u"&o178", 15.0, 15.0},
        {"ampersand without base", u"&X1", 0.0, 0.0},
        {"beyond Double", u"-1.8e308", Over, Over},
        {"huge exponent", u"1e99999999999999999999", Over, Over},
        {"long zero prefix", u"0.0000000000000000000001e22", 1.0, 1.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        expectResult(row.plain, [&] { return TextValue(row.text); });
        expectResult(row.plain, [&] { return RegionalTextValue(row.text, P); });
        expectResult(row.comma, [&] { return RegionalTextValue(row.text, C); });
    }
    EXPECT_FALSE(std::signbit(TextValue(u"-0")));
}

TEST(NumericTextToDouble, AcceptsOnlyWholeRegionalNumbers) {
    struct Row {
        const char* name;
        Text text;
        RegionalSettings regional;
        Expected expected;
    };
    const std::vector<Row> rows = {
        {"period decimal", u"1.5", P, 1.5},
        {"period is thousands in comma locale", u"1.5", C, 15.0},
        {"comma is thousands in period locale", u"3,1415927", P, 31415927.0},
        {"pi in comma locale", u"3,1415927", C, 3.1415927},
        {"blanks around", u"  12  ", P, 12.0},
        {"thousands anywhere, period", u"-1,2,,34.5", P, -1234.5},
        {"thousands anywhere, comma", u".1.234,5", C, 1234.5},
        {"thousands in fraction", u"1.2,3", P, Mismatch},
        {"two decimal separators", u"1,2,3", C, Mismatch},
        {"exponent", u"+2,5E-1", C, 0.25},
        {"E without digits", u"1e", P, Mismatch},
        {"empty", u"", P, Mismatch},
        {"blanks only", u"   ", C, Mismatch},
        {"trailing letters", u"12abc", P, Mismatch},
        {"blank inside", u"1 2", P, Mismatch},
        {"no hex here", u"&H10", P, Mismatch},
        {"beyond Double", u"1e309", P, Over},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        expectResult(row.expected, [&] { return TextToDouble(row.text, row.regional); });
    }
}

TEST(NumericRounding, HalfToEvenWithRangeChecks) {
    struct Row {
        const char* name;
        double x;
        Expected integer;
        Expected whole32;
    };
    const std::vector<Row> rows = {
        {"+0.5", 0.5, 0.0, 0.0},
        {"-0.5", -0.5, 0.0, 0.0},
        {"2.5", 2.5, 2.0, 2.0},
        {"3.5", 3.5, 4.0, 4.0},
        {"-2.5", -2.5, -2.0, -2.0},
        {"Integer top", 32767.0, 32767.0, 32767.0},
        {"32767.5", 32767.5, Over, 32768.0},
        {"-32768.5", -32768.5, -32768.0, -32768.0},
        {"below Integer", -32768.5000001, Over, -32769.0},
        {"Long top half", 2147483647.5, Over, Over},
        {"Long bottom half", -2147483648.5, Over, -2147483648.0},
        {"NaN", nan, Over, Over},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        expectResult(row.integer, [&] { return RoundToInteger(row.x); });
        expectResult(row.whole32, [&] { return RoundToLong(row.x); });
    }
}

TEST(NumericTextToWhole, ReadsThenRounds) {
    struct Row {
        const char* name;
        Text text;
        RegionalSettings regional;
        Expected integer;
        Expected whole32;
    };
    const std::vector<Row> rows = {
        {"2.5", u"2.5", P, 2.0, 2.0},
        {"3,5", u"3,5", C, 4.0, 4.0},
        {"32768", u"32768", P, Over, 32768.0},
        {"-32768,5", u"-32768,5", C, -32768.0, -32768.0},
        {"Long top", u"2,147,483,647", P, Over, 2147483647.0},
        {"Long beyond", u"2147483648", P, Over, Over},
        {"letter", u"a", P, Mismatch, Mismatch},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        expectResult(row.integer, [&] { return TextToInteger(row.text, row.regional); });
        expectResult(row.whole32, [&] { return TextToLong(row.text, row.regional); });
    }
}

TEST(NumericDoubleToText, FifteenDigitsRegionalSeparator) {
    struct Row {
        const char* name;
        double x;
        Text period;
        Text comma;
    };
    const std::vector<Row> rows = {
        {"half", 0.5, u"0.5", u"0,5"},
        {"negative half", -0.5, u"-0.5", u"-0,5"},
        {"third", 1.0 / 3, u"0.333333333333333", u"0,333333333333333"},
        {"0.1 + 0.2", 0.1 + 0.2, u"0.3", u"0,3"},
        {"exponent 14", 999999999999999.0, u"999999999999999", u"999999999999999"},
        {"rounds up to exponent 15", 999999999999999.9, u"1E+15", u"1E+15"},
        {"exponent 15", 1234567890123456.0, u"1.23456789012346E+15", u"1,23456789012346E+15"},
        {"exponent -4", 0.00012345, u"0.00012345", u"0,00012345"},
        {"exponent -5", 0.00001, u"1E-05", u"1E-05"},
        {"negative scientific", -1.5e20, u"-1.5E+20", u"-1,5E+20"},
        {"largest", DBL_MAX, u"1.79769313486232E+308", u"1,79769313486232E+308"},
        {"zero", 0.0, u"0", u"0"},
        {"negative zero", -0.0, u"0", u"0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(DoubleToText(row.x, P), row.period);
        EXPECT_EQ(DoubleToText(row.x, C), row.comma);
    }
}

TEST(NumericSignedText, BlankPeriodNoLeadingZero) {
    struct Row {
        const char* name;
        std::variant<Integer, Single, Double> value;
        Text expected;
    };
    const std::vector<Row> rows = {
        {"Integer", Integer{28}, u" 28"},
        {"negative Integer", Integer{-32768}, u"-32768"},
        {"half", 0.5, u" .5"},
        {"negative quarter", -0.25, u"-.25"},
        {"negative zero", -0.0, u" 0"},
        {"Double exponent 14", 1e14, u" 100000000000000"},
        {"Double exponent 15", 1e15, u" 1E+15"},
        {"Double exponent -4", 0.0001, u" .0001"},
        {"Double exponent -5", -0.00001, u"-1E-05"},
        {"Single seven digits", 1.0f / 3, u" .3333333"},
        {"Single exponent 6", 1234567.0f, u" 1234567"},
        {"Single exponent 7", 12345678.0f, u" 1.234568E+07"},
        {"Single exponent -5", 1e-5f, u" 1E-05"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(std::visit([](auto v) { return NumberToSignedText(v); }, row.value),
                  row.expected);
    }
    EXPECT_EQ(IntegerToText(-32768), u"-32768");
    EXPECT_EQ(IntegerToText(0), u"0");
}

TEST(NumericArithmetic, PowerChecksAndDivision) {
    struct Row {
        const char* name;
        std::function<double()> compute;
        Expected expected;
    };
    const std::vector<Row> rows = {
        {"0^0", [] { return RaisePower(0, 0); }, 1.0},
        {"(-2)^3", [] { return RaisePower(-2, 3); }, -8.0},
        {"49^0.5", [] { return RaisePower(49, 0.5); }, 7.0},
        {"(-8)^(1/3)", [] { return RaisePower(-8, 1.0 / 3); }, Arith},
        {"0^-1", [] { return RaisePower(0, -1); }, Arith},
        {"10^309", [] { return RaisePower(10, 309); }, Over},
        {"10^-400 underflows", [] { return RaisePower(10, -400); }, 0.0},
        {"whole part", [] { return WholePart(-2.9); }, -2.0},
        {"check infinity", [] { return CheckFloat(inf); }, Arith},
        {"check NaN", [] { return CheckFloat(nan); }, Arith},
        {"Single nearest", [] { return StoreSingle(0.1); }, double{0.1f}},
        {"Single just below halfway", [] { return StoreSingle(0x1.fffffefp127); }, FLT_MAX},
        {"Single halfway to 2^128", [] { return StoreSingle(-0x1.ffffffp127); }, Arith},
        {"Integer by zero", [] { return DivideInteger(1, 0); }, Arith},
        {"Integer min by -1", [] { return DivideInteger(-32768, -1); }, Over},
        {"Long min by -1", [] { return DivideLong(INT32_MIN, -1); }, Over},
        {"Integer wraps", [] { return WrapInteger(32767 + 1); }, -32768.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        expectResult(row.expected, row.compute);
    }
    EXPECT_FALSE(std::signbit(WholePart(-0.5)));
    for (int n = 0; n <= 10000; ++n)
        ASSERT_EQ(RaisePower(double(n) * n, 0.5), n);
}

} // namespace
