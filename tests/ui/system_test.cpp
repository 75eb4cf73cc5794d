// The program with the system's settings, run under other languages by ctest and
// scripts/environments.sh; ORDEVIX_EXPECT_DECIMAL (comma or period) states the separator.
#include "window_fixture.h"

#include <QLocale>

namespace ordevix::test {
namespace {

using System = UiTest;

bool decimalComma() {
    const QByteArray stated = qgetenv("ORDEVIX_EXPECT_DECIMAL");
    return stated.isEmpty() ? QLocale::system().decimalPoint() == "," : stated == "comma";
}

TEST_F(System, WindowsOpenedFromTheMenuComputeWithTheSystemsDecimalSeparator) {
    // a, b into the boxes and "Calcular", or the display, "+" and "=". A period's comma groups
    // thousands; the calculator reads a period always, writes the system's.
    // clang-format off
    const struct { const char* name; const char* door; const char16_t *a, *b;
                   QString comma, period; } rows[] = {
        {"7,5/2,5", "Command5", u"7,5",   u"2,5",  "No es divisible",       "Es divisible"},
        {"2.001",   "Command3", u"2.001", u"",     "El número no es primo", "El número es primo"},
        {"sum",     "Command1", u"1.5",   u"2.25", "3,75",                  "3.75"},
        {"hex sum", "Command1", u"&h1f",  u"1e1",  "41",                    "41"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart(true);
        click(open(indice), row.door);
        ASSERT_EQ(host().forms().size(), 2u);
        Form& w = *host().forms().back();
        w.setText("Text1", row.a);
        const bool calculator = w.control("cmdSumar");
        if (calculator) {
            click(w, "cmdSumar");
            w.setText("Text1", row.b);
            click(w, "cmdIgual");
        } else {
            if (w.control("Text2"))
                w.setText("Text2", row.b);
            click(w, "Command1");
        }
        EXPECT_EQ(shows(w, calculator ? "Text1" : "Label1"),
                  decimalComma() ? row.comma : row.period);
        EXPECT_EQ(message, "");
    }
}

} // namespace
} // namespace ordevix::test
