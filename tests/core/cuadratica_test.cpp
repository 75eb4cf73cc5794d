#include "quadratic/cuadratica.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>

namespace ordevix {

static Text solve(char locale, const Text& a, const Text& b, const Text& c) try {
    const auto regional = locale == 'p' ? RegionalSettings::period() : RegionalSettings::comma();
    const Solucion solucion = resolverCuadratica(a, b, c, regional);
    return (solucion.esMensaje() ? u"message: " : u"") + solucion.texto;
} catch (const Fault& f) {
    return f.kind() == FaultKind::Arithmetic ? u"arithmetic fault" : u"other fault";
}

TEST(Cuadratica, AnswersInEitherLocale) {
    // In the period (p) or comma (c) locale, or both. A zero is written without a sign.
    // clang-format off
    const std::tuple<std::string_view, Text, Text, Text, Text> rows[] = {
        {"pc", u"1", u"-3", u"2", u"Raices  2  1"},
        {"pc", u"1", u"-5", u"6", u"Raices  3  2"},
        {"pc", u"1", u"0", u"-4", u"Raices  2 -2"},
        {"pc", u"-1", u"0", u"4", u"Raices -2  2"},
        {"pc", u"2", u"-3", u"1", u"Raices  1  .5"},
        {"pc", u"1", u"1", u"-1", u"Raices  .618034 -1.618034"},
        {"pc", u"1", u"-2", u"1", u"Coinciden en  1"},
        {"pc", u"1", u"2", u"1", u"Coinciden en -1"},
        {"pc", u"1", u"2", u"5", u"Complejas -1+/- 2i"},
        {"pc", u"1", u"1", u"1", u"Complejas -.5+/- .866025403784439i"},
        {"pc", u"3", u"2", u"1", u"Complejas -.3333333+/- .471404520791032i"},
        {"pc", u"1", u"0", u"0", u"Coinciden en  0"},
        {"pc", u"1", u"0", u"1", u"Complejas  0+/- 1i"},
        {"c", u"0,5", u"-1,5", u"1", u"Raices  2  1"},
        {"p", u"0,5", u"1", u"1", u"message: La función no es cuadrática: AX2 no puede ser 0."},
        {"pc", u"0", u"1", u"1", u"message: La función no es cuadrática: AX2 no puede ser 0."},
        {"pc", u"", u"", u"", u"message: Debe ingresar valores"},
        {"pc", u"1", u"1E+20", u"1", u"arithmetic fault"},
        {"pc", u"1E+39", u"1", u"1", u"arithmetic fault"},
    };
    // clang-format on
    for (const auto& [where, a, b, c, expected] : rows)
        for (const char locale : where)
            EXPECT_EQ(solve(locale, a, b, c), expected)
                << locale << testing::PrintToString(a + u"," + b + u"," + c);
}

} // namespace ordevix
