#include "quadratic/cuadratica.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace ordevix {
namespace {

TEST(Cuadratica, WorkedResultsCharacterForCharacter) {
    struct Row {
        std::u16string a, b, c;
        std::u16string caption;
    };
    const std::vector<Row> rows = {
        {u"1", u"-3", u"2", u"Raices  2  1"},
        {u"1", u"-5", u"6", u"Raices  3  2"},
        {u"1", u"0", u"-4", u"Raices  2 -2"},
        {u"-1", u"0", u"4", u"Raices -2  2"},
        {u"2", u"-3", u"1", u"Raices  1  .5"},
        {u"1", u"1", u"-1", u"Raices  .618034 -1.618034"},
        {u"1", u"-2", u"1", u"Coinciden en  1"},
        {u"1", u"2", u"1", u"Coinciden en -1"},
        {u"1", u"2", u"5", u"Complejas -1+/- 2i"},
        {u"1", u"1", u"1", u"Complejas -.5+/- .866025403784439i"},
        {u"3", u"2", u"1", u"Complejas -.3333333+/- .471404520791032i"},
        // A zero root or real part is written without a sign, whatever the sign of a.
        {u"1", u"0", u"0", u"Coinciden en  0"},
        {u"-1", u"0", u"0", u"Coinciden en  0"},
        {u"1", u"0", u"1", u"Complejas  0+/- 1i"},
        {u"1", u"-1", u"0", u"Raices  1  0"},
    };
    // The captions do not depend on the locale.
    for (const auto& [locale, regional] : {std::pair{"period", RegionalSettings::period()},
                                           std::pair{"comma", RegionalSettings::comma()}}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(locale) + " " +
                         testing::PrintToString(row.a + u"," + row.b + u"," + row.c));
            const QuadraticAnswer answer = resolverCuadratica(row.a, row.b, row.c, regional);
            EXPECT_EQ(answer.kind, QuadraticAnswer::Kind::Roots);
            EXPECT_EQ(answer.text, row.caption);
        }
    }
}

TEST(Cuadratica, DecimalSeparatorsMessagesAndRefusals) {
    using Kind = QuadraticAnswer::Kind;
    const auto comma = RegionalSettings::comma();
    const auto period = RegionalSettings::period();
    const std::u16string refusal = u"Debe ingresar valores";
    const std::u16string notQuadratic = u"La función no es cuadrática: AX2 no puede ser 0.";
    struct Row {
        const char* name;
        RegionalSettings regional;
        std::u16string a, b, c;
        QuadraticAnswer::Kind kind;
        std::u16string text;
    };
    const std::vector<Row> rows = {
        {"comma fractions", comma, u"0,5", u"-1,5", u"1", Kind::Roots, u"Raices  2  1"},
        {"period fractions", period, u"0.5", u"-1.5", u"1", Kind::Roots, u"Raices  2  1"},
        {"a = 0", period, u"0", u"1", u"1", Kind::NotQuadratic, notQuadratic},
        {"a rounds to 0 as Single", period, u"1E-50", u"2", u"1", Kind::NotQuadratic, notQuadratic},
        {"0,5 is 0 in a period locale", period, u"0,5", u"1", u"", Kind::NotQuadratic,
         notQuadratic},
        {"all empty", comma, u"", u"", u"", Kind::Refused, refusal},
        {"letters", period, u"abc", u"x", u"y", Kind::Refused, refusal},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QuadraticAnswer answer = resolverCuadratica(row.a, row.b, row.c, row.regional);
        EXPECT_EQ(answer.kind, row.kind);
        EXPECT_EQ(answer.isMessage(), row.kind != Kind::Roots);
        EXPECT_EQ(answer.text, row.text);
    }
}

TEST(Cuadratica, BeyondTheSingleRangeIsTheArithmeticFault) {
    struct Row {
        const char* name;
        std::u16string a, b, c;
    };
    const std::vector<Row> rows = {
        {"discriminant 1E+40", u"1", u"1E+20", u"1"},
        {"coefficient 1E+39", u"1E+39", u"1", u"1"},
        {"root beyond range", u"1E-40", u"1E+19", u"0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            resolverCuadratica(row.a, row.b, row.c, RegionalSettings::period());
            ADD_FAILURE() << "no fault";
        } catch (const Fault& f) {
            EXPECT_EQ(f.kind(), FaultKind::Arithmetic);
        }
    }
}

} // namespace
} // namespace ordevix
