// The program started as a user starts it, with the system's regional settings,
// fonts and translations, computing through windows opened from its main menu.
// ctest runs this suite under other languages, and scripts/environments.sh under
// each system setting the program must survive; ORDEVIX_EXPECT_DECIMAL (comma or
// period) states the decimal separator that the setting gives, else Qt's reading
// of the system's settings decides.
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
    // Steps from the main menu: a control clicked, or a text box given a text (BOX=TEXT);
    // then the answer with a decimal comma and with a decimal period. With a decimal
    // period a comma groups thousands: 7,5 by 2,5 is 75 by 25, a whole 3; with a comma
    // 7.5 / 2.5 = 3 but 8 \ 2 = 4. Likewise 2.001 is 2001 = 3 x 23 x 29, or 2, a prime.
    // The calculator reads the period always, &h1f and 1e1 whatever the system's case
    // rules, and writes the regional separator.
    const QString es = "Es divisible", no = "No es divisible";
    const QString primo = "El número es primo", noPrimo = "El número no es primo";
    struct Row {
        const char* name;
        const char* steps;
        const char* answer;
        QString comma, period;
    };
    // clang-format off
    const Row rows[] = {
        {"12 by 4",    "Command5 Text1=12 Text2=4 Command1",              "Label1", es, es},
        {"7,5 by 2,5", "Command5 Text1=7,5 Text2=2,5 Command1",           "Label1", no, es},
        {"2.001",      "Command3 Text1=2.001 Command1",                   "Label1", noPrimo, primo},
        {"1.5 + 2.25", "Command1 Text1=1.5 cmdSumar Text1=2.25 cmdIgual", "Text1", "3,75", "3.75"},
        {"&h1f + 1e1", "Command1 Text1=&h1f cmdSumar Text1=1e1 cmdIgual", "Text1", "41", "41"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart(true);
        show(host().startForm());
        for (const QString& step : QString(row.steps).split(' ')) {
            const QStringList parts = step.split('=');
            ASSERT_EQ(visibleForms().size(), 1u);
            Form& window = *visibleForms().front();
            if (parts.size() == 2)
                type(window, parts[0].toUtf8().constData(), parts[1]);
            else
                click(window, parts[0].toUtf8().constData());
        }
        Form& window = *visibleForms().front();
        const QString answer = qobject_cast<QLineEdit*>(window.control(row.answer))
                                   ? textOf(window, row.answer)
                                   : captionOf(window, row.answer);
        EXPECT_EQ(answer.toStdString(), (decimalComma() ? row.comma : row.period).toStdString());
        EXPECT_TRUE(messages.empty()) << lastMessage().toStdString();
    }
}

} // namespace
} // namespace ordevix::test
