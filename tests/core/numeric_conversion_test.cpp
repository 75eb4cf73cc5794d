#include "shell/numeric.h"

#include <gtest/gtest.h>

#include <variant>

using namespace ordevix;
using enum FaultKind;

namespace {

constexpr RegionalSettings P = RegionalSettings::period(), C = RegionalSettings::comma();

using Outcome = std::variant<double, FaultKind>;
template <typename F, typename... Args> Outcome run(F f, const Args&... args) try {
    return double(f(args...));
} catch (const Fault& fault) {
    return fault.kind();
}

TEST(NumericReaders, LeadingNumberOrWholeText) {
    // lead: TextValue, comma: regionalTextValue(C), whole: TextToDouble
    // clang-format off
    const struct { const char* name; Text text; Outcome lead, comma, wholeP, wholeC; } rows[] = {
        {"a sign only",   u" - ",          0.0,      0.0,       TypeMismatch, TypeMismatch},
        {"blanks inside", u"1 0\t0\r\n0",  1000.0,   1000.0,    TypeMismatch, TypeMismatch},
        {"PI key's text", u"3,1415927",    3.0,      3.1415927, 31415927.0,   3.1415927},
        {"separators",    u" -1,2,,34.5 ", -1.0,     -1.2,      -1234.5,      TypeMismatch},
        {"exponent",      u"25E-12",       25e-12,   25e-12,    25e-12,       25e-12},
        {"E, no digits",  u"+2E+",         2.0,      2.0,       TypeMismatch, TypeMismatch},
        {"beyond Double", u"-1.8e308",     Overflow, Overflow,  Overflow,     Overflow},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(run(TextValue, row.text), row.lead);
        EXPECT_EQ(run(regionalTextValue, row.text, C), row.comma);
        EXPECT_EQ(run(TextToDouble, row.text, P), row.wholeP);
        EXPECT_EQ(run(TextToDouble, row.text, C), row.wholeC);
    }
}

// Whole numbers round half to even.
TEST(Numeric, WholeHexOctalPowerSingleDivision) {
    // clang-format off
    const struct { const char* name; Outcome got, expected; } rows[] = {
        {"2.5 to 2",             run(TextToInteger, u"2.5", P),        2.0},
        {"-32768.5 to -32768",   run(TextToInteger, u"-32768.5", P),   -32768.0},
        {"32767.5 past Integer", run(TextToInteger, u"32767.5", P),    Overflow},
        {"largest Long",         run(TextToLong, u"2,147,483,647", P), 2147483647.0},
        {"hex, then a Z",        run(TextValue, u"&hAafZ"),            2735.0},
        {"octal, upper mark",    run(TextValue, u"&O17"),              15.0},
        {"octal with an 8",      run(TextValue, u" & o 178"),          15.0},
        {"largest hex",          run(TextValue, u"&HFFFFFFFF"),        4294967295.0},
        {"hex past 32 bits",     run(TextValue, u"&H100000000"),       Overflow},
        {"0^-1",                 run(RaisePower, 0, -1),               Arithmetic},
        {"Single overflow",      run(storeSingle, -0x1.ffffffp127),    Arithmetic},
        {"1 \\ 0",               run(divideLong, 1, 0),                Arithmetic},
        {"7 \\ -1",              run(divideLong, 7, -1),               -7.0},
        {"min \\ -1",            run(divideLong, -2147483648, -1),     Overflow},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(row.got, row.expected) << row.name;
}

TEST(NumericWriters, FifteenDigitsOrSevenForASingle) {
    // clang-format off
    const struct { const char* name; double x; Text period, signedDouble, signedSingle; } rows[] = {
        {"7 digits", -1234567.25,       u"-1234567.25",     u"-1234567.25",      u"-1234567"},
        {"15 nines", 999999999999999.0, u"999999999999999", u" 999999999999999", u" 1E+15"},
        {"to 1E+15", 999999999999999.9, u"1E+15",           u" 1E+15",           u" 1E+15"},
        {"8 digits", 12345678.0,        u"12345678",        u" 12345678",        u" 1.234568E+07"},
        {"1E-4",     1e-4,              u"0.0001",          u" .0001",           u" .0001"},
        {"1.5E-10",  1.5e-10,           u"1.5E-10",         u" 1.5E-10",         u" 1.5E-10"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(DoubleToText(row.x, P), row.period);
        EXPECT_EQ(NumberToSignedText(row.x), row.signedDouble);
        EXPECT_EQ(NumberToSignedText(static_cast<Single>(row.x)), row.signedSingle);
    }
    EXPECT_EQ(NumberToSignedText(Integer{0}), u" 0");
}

} // namespace
