// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program exactly as ordevix does (regional settings, fonts and
// translations from the system) on the real display and works its windows through
// their controls, as a user would, comparing each answer with a worked-out one.
// scripts/environments.sh runs it under each environment the program must survive.
//
//   ordevix-envcheck period|comma
//
// The argument is the decimal separator that the environment's regional settings
// should give. Prints one line per check; exits 1 on any mismatch or message box.
#include "shell/form.h"
#include "shell/form_host.h"
#include "shell/frmIndex.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

using ordevix::Form;

struct Expectations {
    bool comma; // the regional decimal separator is the comma
};

class Checker {
public:
    explicit Checker(ordevix::FormHost& host) : host_(host) {
        // A message box means some input was refused or a fault was reported: none
        // of the checks below should raise one. Note it and close it.
        watch_.setInterval(20);
        QObject::connect(&watch_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                fail("message box", box->text());
                box->buttons().front()->click();
            }
        });
        watch_.start();
    }

    int failures() const { return failures_; }

    void run(const Expectations& expect) {
        Form& menu = host_.form<ordevix::frmIndex>();
        describe(menu);
        compare("main menu shown", QString::number(isShown(menu)), QStringLiteral("1"));
        compare("main menu title", menu.windowTitle(),
                QStringLiteral("Bienvenido al Ordevix Tevaquin"));

        // Factoreador: 8192 = 2^13, then the closing 1.
        Form& factoreo = open(menu, "Command2", "Factoreador");
        type(factoreo, "Text1", QStringLiteral("8192"));
        enter(factoreo, "Text1");
        QStringList printed;
        for (const QString& line : factoreo.printedLines())
            printed << line;
        compare("Factoreador 8192", printed.join('|'),
                QStringList(13, QStringLiteral(" 2 ")).join('|') + "| 1 ");
        back(factoreo, "cmdInicio");

        // ¿Es divisible?: 7,5 and 2,5 read as 7.5 and 2.5 with a decimal comma, so the
        // quotient 3 differs from 8 \ 2 = 4; with a decimal period the commas group
        // thousands, 75 / 25 = 3 = 75 \ 25.
        Form& divisible = open(menu, "Command5", "¿Es divisible?");
        divisibility(divisible, "12", "4", QStringLiteral("Es divisible"));
        divisibility(divisible, "12", "5", QStringLiteral("No es divisible"));
        divisibility(divisible, "7,5", "2,5",
                     expect.comma ? QStringLiteral("No es divisible")
                                  : QStringLiteral("Es divisible"));
        back(divisible, "Command2");

        // Números Primos: 2.001 is 2001 = 3 * 23 * 29 with a period grouping
        // thousands, and 2.001, rounded to 2, with a decimal period.
        Form& primos = open(menu, "Command3", "Números Primos");
        primality(primos, "97", QStringLiteral("El número es primo"));
        primality(primos, "91", QStringLiteral("El número no es primo"));
        primality(primos, "2.001",
                  expect.comma ? QStringLiteral("El número no es primo")
                               : QStringLiteral("El número es primo"));
        back(primos, "Command3");

        // Calculadora: the display is read with the period whatever the settings, and
        // the result written with the regional separator. &h1f is 31 and 1e1 is 10,
        // in lower case (case mapping differs under a Turkish locale).
        Form& calculadora = open(menu, "Command1", "Calculadora");
        calculate(calculadora, "1.5", "2.25",
                  expect.comma ? QStringLiteral("3,75") : QStringLiteral("3.75"));
        calculate(calculadora, "&h1f", "1e1", QStringLiteral("41"));
        back(calculadora, "Command1");

        // Funciones cuadráticas: the roots, written with the period always.
        Form& cuadraticas = open(menu, "Command6", "Funciones cuadráticas");
        roots(cuadraticas, {"1", "-3", "2"}, QStringLiteral("Raices  2  1"));
        roots(cuadraticas, {"0.5", "-1.5", "1"}, QStringLiteral("Raices  2  1"));
        roots(cuadraticas, {"1", "2", "1"}, QStringLiteral("Coinciden en -1"));
        roots(cuadraticas, {"1", "1", "1"}, QStringLiteral("Complejas -.5+/- .866025403784439i"));
        back(cuadraticas, "Command3");

        compare("main menu back", QString::number(isShown(menu)), QStringLiteral("1"));
        watch_.stop();
        // Esc clicks "SALIR": the program ends through its own way out.
        QTest::keyClick(&menu, Qt::Key_Escape);
    }

private:
    // What the environment gave the program, for the record.
    void describe(Form& menu) const {
        const QFontInfo font(menu.font());
        std::printf("info locale %s, decimal separator \"%s\", window font \"%s\", scale %g, "
                    "Qt's OK reads \"%s\"\n",
                    qPrintable(QLocale::system().name()),
                    qPrintable(QString(QChar(host_.regional().decimalSeparator))),
                    font.family().isEmpty() ? "none" : qPrintable(font.family()),
                    menu.devicePixelRatio(),
                    qPrintable(QCoreApplication::translate("QPlatformTheme", "OK")));
    }

    void fail(const char* what, const QString& detail) {
        ++failures_;
        std::printf("MISMATCH %s: %s\n", what, qPrintable(detail));
    }

    void compare(const char* what, const QString& actual, const QString& expected) {
        if (actual == expected)
            std::printf("ok %s: \"%s\"\n", what, qPrintable(actual));
        else
            fail(what, QStringLiteral("expected \"%1\", got \"%2\"").arg(expected, actual));
    }

    static bool isShown(QWidget& window) {
        return window.isVisible() && QTest::qWaitForWindowExposed(&window);
    }

    template <class W = QWidget> static W* control(Form& form, const char* name) {
        return form.findChild<W*>(QString::fromUtf8(name));
    }

    // The one visible window of the program.
    Form* visibleForm() const {
        for (Form* form : host_.forms())
            if (form->isVisible())
                return form;
        return nullptr;
    }

    Form& open(Form& menu, const char* button, const char* title) {
        QTest::mouseClick(control<QAbstractButton>(menu, button), Qt::LeftButton);
        Form* tool = visibleForm();
        if (tool == nullptr || tool == &menu || !isShown(*tool)) {
            fail("window not shown", QString::fromUtf8(title));
            std::fflush(stdout);
            std::_Exit(1); // nothing further can be checked
        }
        compare("window title", tool->windowTitle(), QString::fromUtf8(title));
        return *tool;
    }

    void back(Form& tool, const char* inicio) {
        QTest::mouseClick(control<QAbstractButton>(tool, inicio), Qt::LeftButton);
    }

    // Replaces a text box's text by typing, as a user would.
    static void type(Form& form, const char* box, const char* text) {
        type(form, box, QString::fromUtf8(text));
    }
    static void type(Form& form, const char* box, const QString& text) {
        auto* edit = control<QLineEdit>(form, box);
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    static void enter(Form& form, const char* focused) {
        QTest::keyClick(control(form, focused), Qt::Key_Return);
    }

    static void click(Form& form, const char* button) {
        QTest::mouseClick(control<QAbstractButton>(form, button), Qt::LeftButton);
    }

    static QString labelText(Form& form, const char* label) {
        return control<QLabel>(form, label)->text();
    }

    void divisibility(Form& form, const char* dividend, const char* divisor,
                      const QString& expected) {
        type(form, "Text1", dividend);
        type(form, "Text2", divisor);
        enter(form, "Text2");
        compare(qPrintable(QStringLiteral("¿Es divisible? %1 entre %2").arg(dividend, divisor)),
                labelText(form, "Label1"), expected);
    }

    void primality(Form& form, const char* number, const QString& expected) {
        type(form, "Text1", number);
        enter(form, "Text1");
        compare(qPrintable(QStringLiteral("Números Primos %1").arg(number)),
                labelText(form, "Label1"), expected);
    }

    // "Borrar todo", the first number, "+", "Borrar", the second number, "=".
    void calculate(Form& form, const char* first, const char* second, const QString& expected) {
        click(form, "Command3");
        type(form, "Text1", first);
        click(form, "cmdSumar");
        click(form, "Command4");
        type(form, "Text1", second);
        click(form, "cmdIgual");
        compare(qPrintable(QStringLiteral("Calculadora %1 + %2 =").arg(first, second)),
                control<QLineEdit>(form, "Text1")->text(), expected);
    }

    void roots(Form& form, std::initializer_list<const char*> abc, const QString& expected) {
        const char* boxes[] = {"txtValorA", "txtValorB", "txtValorC"};
        QStringList typed;
        int k = 0;
        for (const char* value : abc) {
            type(form, boxes[k++], value);
            typed << QString::fromUtf8(value);
        }
        enter(form, "txtValorC");
        compare(qPrintable(QStringLiteral("Funciones cuadráticas %1").arg(typed.join(' '))),
                labelText(form, "lblSalida"), expected);
    }

    ordevix::FormHost& host_;
    QTimer watch_;
    int failures_ = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv); // takes Qt's own options out of argv
    if (argc != 2 || (std::strcmp(argv[1], "period") != 0 && std::strcmp(argv[1], "comma") != 0)) {
        std::fprintf(stderr, "usage: %s period|comma\n", argv[0]);
        return 2;
    }
    const Expectations expect{std::strcmp(argv[1], "comma") == 0};

    // The same start as the program's.
    ordevix::FormHost host;
    host.setStartForm<ordevix::frmIndex>();
    host.Show(host.startForm());

    Checker checker(host);
    QTimer::singleShot(0, [&] { checker.run(expect); });
    const int status = QApplication::exec();
    std::printf("%s: %d mismatches, exit status %d\n", checker.failures() ? "FAIL" : "PASS",
                checker.failures(), status);
    return checker.failures() == 0 && status == 0 ? 0 : 1;
}
