#include "shell/numeric.h"

#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <limits>
#include <variant>

using namespace ordevix;
using enum ordevix::FaultKind;

namespace {

constexpr RegionalSettings P = RegionalSettings::period(), C = RegionalSettings::comma();

using Outcome = std::variant<double, FaultKind>; // a value, or the fault raised instead

template <typename F, typename... Args> Outcome run(F f, const Args&... args) try {
    return static_cast<double>(f(args...));
} catch (const Fault& fault) {
    return fault.kind();
}

TEST(NumericReaders, LeadingNumberOrWholeText) {
    // RegionalTextValue in a period locale reads exactly as TextValue does.
    // clang-format off
    const struct { Text text; Outcome leading, leadingComma, wholePeriod, wholeComma; } rows[] = {
        {u"", 0.0, 0.0, TypeMismatch, TypeMismatch},
        {u"   ", 0.0, 0.0, TypeMismatch, TypeMismatch},
        {u"12abc", 12.0, 12.0, TypeMismatch, TypeMismatch},
        {u"1 0\t0\r\n0", 1000.0, 1000.0, TypeMismatch, TypeMismatch},
        {u"1.5", 1.5, 1.5, 1.5, 15.0},
        {u"3,1415927", 3.0, 3.1415927, 31415927.0, 3.1415927},
        {u" -1,2,,34.5 ", -1.0, -1.2, -1234.5, TypeMismatch},
        {u".1.234,5", 0.1, 0.1, TypeMismatch, 1234.5},
        {u"&H1F", 31.0, 31.0, TypeMismatch, TypeMismatch},
        {u" & o 178", 15.0, 15.0, TypeMismatch, TypeMismatch},
        {u"1e3", 1000.0, 1000.0, 1000.0, 1000.0},
        {u"-1.8e308", Overflow, Overflow, Overflow, Overflow},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.text));
        EXPECT_EQ(run(TextValue, row.text), row.leading);
        EXPECT_EQ(run(RegionalTextValue, row.text, P), row.leading);
        EXPECT_EQ(run(RegionalTextValue, row.text, C), row.leadingComma);
        EXPECT_EQ(run(TextToDouble, row.text, P), row.wholePeriod);
        EXPECT_EQ(run(TextToDouble, row.text, C), row.wholeComma);
    }
}

TEST(NumericHelpers, RoundPowerDivide) {
    // The text is the value written with a period: reading it rounds as the value does.
    // clang-format off
    const struct { double x; Text text; Outcome integer, whole32; } rounding[] = {
        {2.5, u"2.5", 2.0, 2.0},
        {3.5, u"3.5", 4.0, 4.0},
        {-2.5, u"-2.5", -2.0, -2.0},
        {32767.5, u"32767.5", Overflow, 32768.0},
        {-32768.5, u"-32768.5", -32768.0, -32768.0},
        {2147483647.0, u"2,147,483,647", Overflow, 2147483647.0},
        {2147483647.5, u"2147483647.5", Overflow, Overflow},
        {-2147483648.5, u"-2147483648.5", Overflow, -2147483648.0},
    };
    const struct { Outcome got, expected; } others[] = {
        {run(RaisePower, -2, 3), -8.0},
        {run(RaisePower, -8, 1.0 / 3), Arithmetic},
        {run(RaisePower, 0, -1), Arithmetic},
        {run(RaisePower, 0, 0), 1.0},
        {run(RaisePower, 49, 0.5), 7.0},
        {run(RaisePower, 10, 309), Overflow},
        {run(WholePart, -2.9), -2.0},
        {run(StoreSingle, -0x1.ffffffp127), Arithmetic},
        {run(DivideInteger, 7, -2), -3.0},
        {run(DivideInteger, 1, 0), Arithmetic},
        {run(DivideInteger, -32768, -1), Overflow},
        {run(DivideLong, -7, 2), -3.0},
        {run(DivideLong, 1, 0), Arithmetic},
        {run(DivideLong, -2147483647 - 1, -1), Overflow},
    };
    // clang-format on
    for (const auto& row : rounding) {
        SCOPED_TRACE(row.x);
        EXPECT_EQ(run(RoundToInteger, row.x), row.integer);
        EXPECT_EQ(run(RoundToLong, row.x), row.whole32);
        EXPECT_EQ(run(TextToInteger, row.text, P), row.integer);
        EXPECT_EQ(run(TextToLong, row.text, P), row.whole32);
    }
    for (std::size_t i = 0; i < std::size(others); ++i)
        EXPECT_EQ(others[i].got, others[i].expected) << "row " << i;
}

TEST(NumericWriters, FifteenOrSevenDigits) {
    // clang-format off
    const struct { double x; Text period, comma, signedDouble, signedSingle; } rows[] = {
        {1.0 / 3, u"0.333333333333333", u"0,333333333333333", u" .333333333333333", u" .3333333"},
        {2.0 / 3, u"0.666666666666667", u"0,666666666666667", u" .666666666666667", u" .6666667"},
        {0.1 + 0.2, u"0.3", u"0,3", u" .3", u" .3"},
        {0.5, u"0.5", u"0,5", u" .5", u" .5"},
        {-0.25, u"-0.25", u"-0,25", u"-.25", u"-.25"},
        {-0.0, u"0", u"0", u" 0", u" 0"},
        {999999999999999.0, u"999999999999999", u"999999999999999", u" 999999999999999", u" 1E+15"},
        {999999999999999.9, u"1E+15", u"1E+15", u" 1E+15", u" 1E+15"},
        {1234567.0, u"1234567", u"1234567", u" 1234567", u" 1234567"},
        {12345678.0, u"12345678", u"12345678", u" 12345678", u" 1.234568E+07"},
        {0.0001, u"0.0001", u"0,0001", u" .0001", u" .0001"},
        {0.00001, u"1E-05", u"1E-05", u" 1E-05", u" 1E-05"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.x);
        EXPECT_EQ(DoubleToText(row.x, P), row.period);
        EXPECT_EQ(DoubleToText(row.x, C), row.comma);
        EXPECT_EQ(NumberToSignedText(row.x), row.signedDouble);
        EXPECT_EQ(NumberToSignedText(static_cast<Single>(row.x)), row.signedSingle);
    }
    EXPECT_EQ(NumberToSignedText(Integer{28}), u" 28");
    EXPECT_EQ(NumberToSignedText(Integer{-2}), u"-2");
}

TEST(NumericWriters, NonFiniteIsTheArithmeticFault) {
    const auto writers = [](double x) -> std::array<Outcome, 3> {
        const auto fault = [](auto write) -> Outcome {
            try {
                write();
                return 0.0;
            } catch (const Fault& f) {
                return f.kind();
            }
        };
        return {fault([&] { DoubleToText(x, P); }), fault([&] { NumberToSignedText(x); }),
                fault([&] { NumberToSignedText(static_cast<Single>(x)); })};
    };
    const struct {
        const char* name;
        double x;
    } rows[] = {
        {"+inf", std::numeric_limits<double>::infinity()},
        {"-inf", -std::numeric_limits<double>::infinity()},
        {"NaN", std::numeric_limits<double>::quiet_NaN()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(writers(row.x), (std::array<Outcome, 3>{Arithmetic, Arithmetic, Arithmetic}));
    }
}

} // namespace
