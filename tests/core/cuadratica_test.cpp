#include "quadratic/cuadratica.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ordevix {
namespace {

std::string ascii(const std::u16string& text) {
    std::string out;
    for (char16_t ch : text) {
        out += ch < 128 ? static_cast<char>(ch) : '?';
    }
    return out;
}

struct Locale {
    const char* name;
    RegionalSettings regional;
};

const std::vector<Locale> locales = {{"period", RegionalSettings::period()},
                                     {"comma", RegionalSettings::comma()}};

struct RootsRow {
    std::u16string a, b, c;
    std::u16string caption;
};

TEST(Cuadratica, WorkedResultsCharacterForCharacter) {
    const std::vector<RootsRow> rows = {
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
    for (const Locale& locale : locales) {
        for (const RootsRow& row : rows) {
            SCOPED_TRACE(std::string(locale.name) + " " + ascii(row.a) + "," + ascii(row.b) + "," +
                         ascii(row.c));
            const QuadraticAnswer answer = resolverCuadratica(row.a, row.b, row.c, locale.regional);
            EXPECT_EQ(answer.kind, QuadraticAnswer::Kind::Roots);
            EXPECT_TRUE(answer.text == row.caption) << ascii(answer.text);
        }
    }
}

struct LocaleRow {
    const char* name;
    RegionalSettings regional;
    std::u16string a, b, c;
    QuadraticAnswer::Kind kind;
    std::u16string text;
};

TEST(Cuadratica, DecimalSeparatorsMessagesAndRefusals) {
    using Kind = QuadraticAnswer::Kind;
    const auto comma = RegionalSettings::comma();
    const auto period = RegionalSettings::period();
    const std::u16string refusal = u"Debe ingresar valores";
    const std::u16string notQuadratic = u"La función no es cuadrática: AX2 no puede ser 0.";
    const std::vector<LocaleRow> rows = {
        {"comma fractions", comma, u"0,5", u"-1,5", u"1", Kind::Roots, u"Raices  2  1"},
        {"period fractions", period, u"0.5", u"-1.5", u"1", Kind::Roots, u"Raices  2  1"},
        {"a = 0", period, u"0", u"1", u"1", Kind::NotQuadratic, notQuadratic},
        {"empty a", comma, u"", u"", u"3", Kind::NotQuadratic, notQuadratic},
        {"a rounds to 0 as Single", period, u"1E-50", u"2", u"1", Kind::NotQuadratic, notQuadratic},
        {"0,5 is 0 in a period locale", period, u"0,5", u"1", u"", Kind::NotQuadratic,
         notQuadratic},
        {"all empty", comma, u"", u"", u"", Kind::Refused, refusal},
        {"all zero", period, u"0", u"0", u"0", Kind::Refused, refusal},
        {"letters", period, u"abc", u"x", u"y", Kind::Refused, refusal},
    };
    for (const LocaleRow& row : rows) {
        SCOPED_TRACE(row.name);
        const QuadraticAnswer answer = resolverCuadratica(row.a, row.b, row.c, row.regional);
        EXPECT_EQ(answer.kind, row.kind);
        EXPECT_EQ(answer.isMessage(), row.kind != Kind::Roots);
        EXPECT_TRUE(answer.text == row.text) << ascii(answer.text);
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
