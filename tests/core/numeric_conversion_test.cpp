#include "shell/numeric.h"

#include <gtest/gtest.h>

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
    // lead: TextValue, regionalTextValue(P); comma: regionalTextValue(C); whole: TextToDouble.
    // clang-format off
    const struct { const char* name; Text text; Outcome lead, comma, wholeP, wholeC; } rows[] = {
        {"blanks only",   u"   ",          0.0,      0.0,       TypeMismatch, TypeMismatch},
        {"then letters",  u"12abc",        12.0,     12.0,      TypeMismatch, TypeMismatch},
        {"blanks inside", u"1 0\t0\r\n0",  1000.0,   1000.0,    TypeMismatch, TypeMismatch},
        {"PI key's text", u"3,1415927",    3.0,      3.1415927, 31415927.0,   3.1415927},
        {"separators",    u" -1,2,,34.5 ", -1.0,     -1.2,      -1234.5,      TypeMismatch},
        {"point first",   u".1.234,5",     0.1,      0.1,       TypeMismatch, 1234.5},
        {"exponent",      u"25E-12",       25e-12,   25e-12,    25e-12,       25e-12},
        {"E, no digits",  u"+2E+",         2.0,      2.0,       TypeMismatch, TypeMismatch},
        {"beyond Double", u"-1.8e308",     Overflow, Overflow,  Overflow,     Overflow},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(run(TextValue, row.text), row.lead);
        EXPECT_EQ(run(regionalTextValue, row.text, P), row.lead);
        EXPECT_EQ(run(regionalTextValue, row.text, C), row.comma);
        EXPECT_EQ(run(TextToDouble, row.text, P), row.wholeP);
        EXPECT_EQ(run(TextToDouble, row.text, C), row.wholeC);
    }
}

TEST(NumericReaders, HexadecimalAndOctalLeads) {
    // clang-format off
    const struct { const char* name; Text text; Outcome value; } rows[] = {
        {"hex, then a Z",     u"&hAafZ",      2735.0},
        {"octal, upper mark", u"&O17",        15.0},
        {"octal with an 8",   u" & o 178",    15.0},
        {"largest hex",       u"&HFFFFFFFF",  4294967295.0},
        {"hex past 32 bits",  u"&H100000000", Overflow},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(run(TextValue, row.text), row.value) << row.name;
}

TEST(NumericReaders, WholeNumbersRoundHalfToEven) {
    // clang-format off
    const struct { const char* name; double x; Text text; Outcome integer, whole32; } rows[] = {
        {"2.5 to 2",         2.5,           u"2.5",           2.0,      2.0},
        {"up to even 32768", 32767.5,       u"32767.5",       Overflow, 32768.0},
        {"below Integer",    -32768.5,      u"-32768.5",      -32768.0, -32768.0},
        {"largest Long",     2147483647.0,  u"2,147,483,647", Overflow, 2147483647.0},
        {"Long + 1/2",       2147483647.5,  u"2147483647.5",  Overflow, Overflow},
        {"below Long",       -2147483648.5, u"-2147483648.5", Overflow, -2147483648.0},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(run(RoundToInteger, row.x), row.integer);
        EXPECT_EQ(run(RoundToLong, row.x), row.whole32);
        EXPECT_EQ(run(TextToInteger, row.text, P), row.integer);
        EXPECT_EQ(run(TextToLong, row.text, P), row.whole32);
    }
}

TEST(NumericHelpers, PowerWholePartAndDivision) {
    // clang-format off
    const struct { const char* name; Outcome got, expected; } rows[] = {
        {"(-2)^3",          run(RaisePower, -2, 3),            -8.0},
        {"(-8)^(1/3)",      run(RaisePower, -8, 1.0 / 3),      Arithmetic},
        {"0^-1",            run(RaisePower, 0, -1),            Arithmetic},
        {"10^309",          run(RaisePower, 10, 309),          Overflow},
        {"whole of -2.9",   run(WholePart, -2.9),              -2.0},
        {"Single overflow", run(storeSingle, -0x1.ffffffp127), Arithmetic},
        {"largest Single",  run(storeSingle, 0x1.fffffep127),  0x1.fffffep127},
        {"7 \\ -2",         run(divideLong, 7, -2),            -3.0},
        {"1 \\ 0",          run(divideLong, 1, 0),             Arithmetic},
        {"7 \\ -1",         run(divideLong, 7, -1),            -7.0},
        {"min \\ -1",       run(divideLong, -2147483648, -1),  Overflow},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(row.got, row.expected) << row.name;
}

TEST(NumericWriters, FifteenDigitsOrSevenForASingle) {
    // clang-format off
    const struct { const char* name; double x; Text period, signedDouble, signedSingle; } rows[] = {
        {"-1/4",     -0.25,             u"-0.25",           u"-.25",             u"-.25"},
        {"15 nines", 999999999999999.0, u"999999999999999", u" 999999999999999", u" 1E+15"},
        {"to 1E+15", 999999999999999.9, u"1E+15",           u" 1E+15",           u" 1E+15"},
        {"8 digits", 12345678.0,        u"12345678",        u" 12345678",        u" 1.234568E+07"},
        {"1E-4",     1e-4,              u"0.0001",          u" .0001",           u" .0001"},
        {"1E-10",    1e-10,             u"1E-10",           u" 1E-10",           u" 1E-10"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(DoubleToText(row.x, P), row.period);
        EXPECT_EQ(NumberToSignedText(row.x), row.signedDouble);
        EXPECT_EQ(NumberToSignedText(static_cast<Single>(row.x)), row.signedSingle);
    }
    EXPECT_EQ(NumberToSignedText(Integer{0}), u" 0");
    EXPECT_EQ(NumberToSignedText(Integer{-2}), u"-2");
}

} // namespace
