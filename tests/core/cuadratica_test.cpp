#include "quadratic/cuadratica.h"

#include <gtest/gtest.h>

namespace ordevix {
namespace {

constexpr RegionalSettings P = RegionalSettings::period(), C = RegionalSettings::comma();
using enum QuadraticAnswer::Kind;

TEST(Cuadratica, RootsOrARefusal) {
    // The same answer in both locales, except where a row gives a comma.
    // clang-format off
    const struct { const char* name; Text a, b, c; QuadraticAnswer::Kind kind; Text text; } rows[] = {
        {"two roots",           u"1",   u"-3",   u"2",  Roots, u"Raices  2  1"},
        {"two roots, 3 and 2",  u"1",   u"-5",   u"6",  Roots, u"Raices  3  2"},
        {"opposite roots",      u"1",   u"0",    u"-4", Roots, u"Raices  2 -2"},
        {"a < 0 swaps them",    u"-1",  u"0",    u"4",  Roots, u"Raices -2  2"},
        {"a half",              u"2",   u"-3",   u"1",  Roots, u"Raices  1  .5"},
        {"seven digits",        u"1",   u"1",    u"-1", Roots, u"Raices  .618034 -1.618034"},
        {"double root",         u"1",   u"-2",   u"1",  Roots, u"Coinciden en  1"},
        {"double root below 0", u"1",   u"2",    u"1",  Roots, u"Coinciden en -1"},
        {"double root at 0",    u"1",   u"0",    u"0",  Roots, u"Coinciden en  0"},
        {"complex",             u"1",   u"2",    u"5",  Roots, u"Complejas -1+/- 2i"},
        {"complex, 15 digits",  u"1",   u"1",    u"1",  Roots, u"Complejas -.5+/- .866025403784439i"},
        {"Single real part",    u"3",   u"2",    u"1",  Roots, u"Complejas -.3333333+/- .471404520791032i"},
        {"complex, real 0",     u"1",   u"0",    u"1",  Roots, u"Complejas  0+/- 1i"},
        {"a is 0",              u"0",   u"1",    u"1",  NotQuadratic, u"La función no es cuadrática: AX2 no puede ser 0."},
        {"a empty",             u"",    u"2",    u"1",  NotQuadratic, u"La función no es cuadrática: AX2 no puede ser 0."},
        {"nothing typed",       u"",    u"",     u"",   Refused, u"Debe ingresar valores"},
        {"three zeros",         u"0",   u"0",    u"0",  Refused, u"Debe ingresar valores"},
    };
    // clang-format on
    for (const auto& row : rows) {
        for (const RegionalSettings& regional : {P, C}) {
            SCOPED_TRACE(std::string(row.name) +
                         (regional.decimalSeparator == u',' ? ", comma" : ""));
            const QuadraticAnswer answer = resolverCuadratica(row.a, row.b, row.c, regional);
            EXPECT_EQ(answer.kind, row.kind);
            EXPECT_EQ(answer.text, row.text);
        }
    }
}

TEST(Cuadratica, TheDecimalSeparatorOfTheLocale) {
    // clang-format off
    const struct { const char* name; RegionalSettings regional; Text a, b, c; QuadraticAnswer::Kind kind; Text text; } rows[] = {
        {"comma read as the point", C, u"0,5", u"-1,5", u"1", Roots, u"Raices  2  1"},
        {"0,5 is 0 with the period", P, u"0,5", u"1", u"1", NotQuadratic, u"La función no es cuadrática: AX2 no puede ser 0."},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QuadraticAnswer answer = resolverCuadratica(row.a, row.b, row.c, row.regional);
        EXPECT_EQ(answer.kind, row.kind);
        EXPECT_EQ(answer.text, row.text);
    }
}

TEST(Cuadratica, BeyondTheSingleRangeIsTheArithmeticFault) {
    // clang-format off
    const struct { const char* name; Text a, b, c; } rows[] = {
        {"b squared", u"1", u"1E+20", u"1"}, {"a itself", u"1E+39", u"1", u"1"},
        {"4ac", u"1E+30", u"1", u"1E+30"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            resolverCuadratica(row.a, row.b, row.c, P);
            ADD_FAILURE() << "no fault";
        } catch (const Fault& fault) {
            EXPECT_EQ(fault.kind(), FaultKind::Arithmetic);
        }
    }
}

} // namespace
} // namespace ordevix
