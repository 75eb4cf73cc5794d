// The program with the system's settings, computing through windows opened from
// its menu; run under other languages by ctest and scripts/environments.sh, with
// ORDEVIX_EXPECT_DECIMAL (comma or period) stating the separator, else Qt decides.
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
    // From the menu's door, a and b into the two boxes and "Calcular", or into the display
    // with "+" and "=". With a decimal period a comma groups thousands: 7,5 by 2,5 is 75 by
    // 25; with a comma 7.5 / 2.5 = 3 but 8 \ 2 = 4. 2.001 is 2001 = 3 x 23 x 29, or 2. The
    // calculator reads a period always, and &h1f and 1e1 under Turkish case rules too, and
    // writes the system's separator.
    const QString es = "Es divisible", no = "No es divisible";
    const QString primo = "El número es primo", noPrimo = "El número no es primo";
    // clang-format off
    const struct { const char* name; const char* door; QString a, b, comma, period; } rows[] = {
        {"12 by 4",    "Command5", "12",    "4",    es,      es},
        {"7,5 by 2,5", "Command5", "7,5",   "2,5",  no,      es},
        {"2.001",      "Command3", "2.001", "",     noPrimo, primo},
        {"1.5 + 2.25", "Command1", "1.5",   "2.25", "3,75",  "3.75"},
        {"&h1f + 1e1", "Command1", "&h1f",  "1e1",  "41",    "41"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart(true);
        click(open(indice), row.door);
        ASSERT_EQ(host().forms().size(), 2u);
        Form& w = *host().forms().back();
        type(w, "Text1", row.a);
        const bool calculator = w.control("cmdSumar");
        if (calculator) {
            click(w, "cmdSumar");
            type(w, "Text1", row.b);
            click(w, "cmdIgual");
        } else {
            if (w.control("Text2"))
                type(w, "Text2", row.b);
            click(w, "Command1");
        }
        EXPECT_EQ(shows(w, calculator ? "Text1" : "Label1"),
                  decimalComma() ? row.comma : row.period);
        EXPECT_EQ(message, "");
    }
}

} // namespace
} // namespace ordevix::test
