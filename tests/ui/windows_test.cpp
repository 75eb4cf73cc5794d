// What each window answers through its real controls.
#include "window_fixture.h"

namespace ordevix::test {
namespace {

using Windows = UiTest;
using Lines = std::vector<QString>;

const QString kDebe = "Debe ingresar valores";
const QString kRange = "El número está fuera del rango admitido.";
const QString kInvalid = "La operación no tiene un resultado válido.";
constexpr auto div = &buildWindow<frmEsDivisible>, primos = &buildWindow<frmPrimos>;
constexpr auto perfectos = &buildWindow<frmPerfectos>, amigos = &buildWindow<frmAmigos>;

TEST_F(Windows, CalcularAnswersInTheLabelOrKeepsItWithAMessage) {
    const QString notANumber = "El valor ingresado no es un número válido.";
    // clang-format off
    const struct { const char* name; Form& (*w)(FormHost&); QString a, b, label, text; } rows[] = {
        {"divisible",           div,       "12",    "4",   "Es divisible",          ""},
        {"not divisible",       div,       "12",    "5",   "No es divisible",       ""},
        {"negative dividend",   div,       "-12",   "4",   "antes",                 kDebe},
        {"negative divisor",    div,       "12",    "-4",  "antes",                 kDebe},
        {"divisor rounds to 0", div,       "12",    "0.4", "antes",                 kInvalid},
        {"prime",               primos,    "13",    "",    "El número es primo",    ""},
        {"not prime",           primos,    "4",     "",    "El número no es primo", ""},
        {"no number",           primos,    "abc",   "",    "antes",                 kDebe},
        {"too big an Integer",  primos,    "40000", "",    "antes",                 kRange},
        {"perfect",             perfectos, "28",    "",    "Es perfecto",           ""},
        {"not perfect",         perfectos, "12",    "",    "No es perfecto",        ""},
        {"12abc",               perfectos, "12abc", "",    "antes",                 notANumber},
        {"amicable",            amigos,    "220",   "284", "Son amigos",            ""},
        {"not amicable",        amigos,    "16",    "12",  "No son amigos",         ""},
        {"no second number",    amigos,    "16",    "",    "antes",                 kDebe},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        Form& w = show(row.w(host()));
        w.setCaption("Label1", u"antes");
        type(w, "Text1", row.a);
        if (w.control("Text2"))
            type(w, "Text2", row.b);
        QTest::keyClick(w.control("Text1"), Qt::Key_Return); // "Calcular"
        EXPECT_EQ(captionOf(w, "Label1"), row.label);
        EXPECT_EQ(lastMessage(), row.text);
    }
}

TEST_F(Windows, CalcularListsTheFactorsEndingWithOne) {
    const QString range = "Esta aplicación soporta valores entre 2 y 10000";
    const QString blanks = "1" + QString(99998, ' ') + "2";
    // clang-format off
    const struct { const char* name; QString typed; Lines printed; QString message; } rows[] = {
        {"2, the smallest",       "2",       {" 2 ", " 1 "},                            ""},
        {"a prime: itself, 1",    "7",       {" 7 ", " 1 "},                            ""},
        {"10000, the largest",    "10000",   {" 2 ", " 2 ", " 2 ", " 2 ", " 5 ", " 5 ", " 5 ",
                                              " 5 ", " 1 "},                            ""},
        {"2.5 is taken as 2",     "2.5",     {" 2 ", " 1 "},                            ""},
        {"3.5 is taken as 4",     "3.5",     {" 2 ", " 2 ", " 1 "},                     ""},
        {"no length limit",       blanks,    {" 2 ", " 2 ", " 3 ", " 1 "},              ""},
        {"1",                     "1",       {},                                        range},
        {"1.9",                   "1.9",     {},                                        range},
        {"10000.5",               "10000.5", {},                                        range},
        {"10001",                 "10001",   {},                                        range},
        {"letters",               "abc",     {},                                        range},
        {"nothing",               "",        {},                                        kDebe},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        Form& w = open<frmFactoreo>();
        w.Print(99); // a list from before, which every click wipes
        type(w, "Text1", row.typed);
        QTest::keyClick(w.control("Text1"), Qt::Key_Return);
        EXPECT_EQ(w.printedLines(), row.printed);
        EXPECT_EQ(lastMessage(), row.message);
    }
}

TEST_F(Windows, AutomaticSearchesAndClicksWhileOneRuns) {
    // Ticked, then `calcs` searches; once the progress shows the number `at`, the controls
    // `then` are clicked from inside the running search.
    // clang-format off
    const struct { const char* name; Form& (*window)(FormHost&); int calcs, at;
                   std::vector<const char*> then; QString text1; bool on; const char* shown;
    } rows[] = {
        {"6, then 28",      perfectos, 2, 0,   {},                   " 28", false, "frmPerfectos"},
        {"pairs both ways", amigos,    2, 0,   {},                   "284", false, "frmAmigos"},
        {"clear during it", perfectos, 2, 12,  {"Check1"},           " 28", true,  "frmPerfectos"},
        {"tick twice",      perfectos, 2, 12,  {"Check1", "Check1"}, " 6",  false, "frmPerfectos"},
        {"Calcular nested", perfectos, 1, 2,   {"Command1"},         " 28", false, "frmPerfectos"},
        {"INICIO",          amigos,    2, 225, {"Command3"},         "284", false, "frmIndex"},
        {"SALIR ends",      perfectos, 2, 8,   {"Command2"},         " 6",  false, "0 windows"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        Form& w = show(row.window(host()));
        const bool perfect = row.window == perfectos;
        const char* label = perfect ? "Label3" : "Label1";
        const QString at = QString::number(row.at);
        const QString when = (perfect ? "Procesando... " : "Procesando...") + at;
        bool clicked = false;
        host().setPumpPolicy(1, std::chrono::nanoseconds(0));
        host().setPumpProbe([&] {
            if (!clicked && captionOf(w, label) == when && !row.then.empty()) {
                clicked = true;
                for (const char* control : row.then)
                    QMetaObject::invokeMethod(w.control(control), "click", Qt::QueuedConnection);
            }
        });
        click(w, "Check1");
        for (int c = 0; c < row.calcs; ++c)
            click(w, "Command1");
        EXPECT_EQ(clicked, !row.then.empty());
        EXPECT_EQ(textOf(w, "Text1"), row.text1);
        EXPECT_EQ(w.enabled("Text1"), row.on);
        EXPECT_EQ(captionOf(w, label), visibleName() == "0 windows" ? when : "Listo");
        EXPECT_EQ(visibleName(), row.shown);
        EXPECT_EQ(ends, visibleName() == "0 windows" ? 1 : 0);
        EXPECT_TRUE(messages.empty());
    }
    restart();
    Form& w = open<frmAmigos>(); // the pair's other number
    click(w, "Check1");
    click(w, "Command1");
    EXPECT_EQ(textOf(w, "Text2"), "284");
}

TEST_F(Windows, EachCalculatorButtonReachesItsKey) {
    // After 9 and "+", the typed text and the button; "=" repeats "+".
    // clang-format off
    const struct { const char* button; QString typed, display; int paso;
                   QString text = {}; } rows[] = {
        {"cmdSumar",  "4",   "13",                2},
        {"cmdResta",  "4",   "5",                 2},
        {"cmdMultip", "4",   "36",                2},
        {"cmdDiv",    "4",   "2.25",              2},
        {"cmdDivE",   "0.4", "0.4",               1, "Error, no se puede dividir por cero"},
        {"cmdPot",    "4",   "6561",              2},
        {"cmdRaiz",   "4",   "1.73205080756888",  2},
        {"cmdIgual",  "4",   "13",                2},
        {"Command4",  "4",   "",                  1},
        {"Command3",  "4",   "",                  0},
        {"cmdSen",    "30",  "0.499997596259436", 2},
        {"cmdCos",    "30",  "0.866026791580252", 2},
        {"cmdTg",     "30",  "0.577346568397824", 2},
        {"cmdPi",     "4",   "3.1415927",         1},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.button);
        restart();
        frmCalculadora& w = open<frmCalculadora>();
        type(w, "Text1", "9");
        click(w, "cmdSumar");
        type(w, "Text1", row.typed);
        click(w, row.button);
        EXPECT_EQ(textOf(w, "Text1"), row.display);
        EXPECT_EQ(w.paso(), row.paso);
        EXPECT_EQ(lastMessage(), row.text);
    }
}

TEST_F(Windows, CalculatorEnterPressesNoKey) {
    frmCalculadora& w = open<frmCalculadora>();
    type(w, "Text1", "7");
    QTest::keyClick(w.control("Text1"), Qt::Key_Return);
    QTest::keyClick(w.control("Text1"), Qt::Key_Enter);
    EXPECT_EQ(textOf(w, "Text1"), "7");
    EXPECT_EQ(w.paso(), 0);
}

TEST_F(Windows, AfterACalculatorKeyTheNextNumberTypedReplacesTheDisplay) {
    // Typed on the keyboard: a, then key1, b, key2 (if any) and c; keys clicked or pressed
    // with Space.
    // clang-format off
    const struct { const char* name; const char *a, *key1, *b, *key2, *c; bool space;
                   QString out; } rows[] = {
        {"2 + 3 = by mouse", "2", "cmdSumar", "3", "cmdIgual",  "",  false, "5"},
        {"2 + 3 = by Space", "2", "cmdSumar", "3", "cmdIgual",  "",  true,  "5"},
        {"2 + 3 * gives 6",  "2", "cmdSumar", "3", "cmdMultip", "",  false, "6"},
        {"PI, then 2",       "",  "cmdPi",    "2", nullptr,     "",  false, "2"},
        {"8 / 0 =, then 4",  "8", "cmdDiv",   "0", "cmdIgual",  "4", false, "4"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        frmCalculadora& w = open<frmCalculadora>();
        const auto press = [&](const char* key) {
            if (!key)
                return;
            if (!row.space)
                return click(w, key);
            w.control(key)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(w.control(key), Qt::Key_Space);
        };
        QTest::keyClicks(QApplication::focusWidget(), row.a);
        press(row.key1);
        QTest::keyClicks(QApplication::focusWidget(), row.b);
        press(row.key2);
        QTest::keyClicks(QApplication::focusWidget(), row.c);
        EXPECT_EQ(textOf(w, "Text1"), row.out);
    }
}

TEST_F(Windows, EveryCalculatorKeyLeavesTheDisplayFocusedAndSelected) {
    frmCalculadora& w = open<frmCalculadora>();
    auto* display = qobject_cast<QLineEdit*>(w.control("Text1"));
    for (QAbstractButton* key : w.findChildren<QAbstractButton*>()) {
        if (key->text() == "INICIO" || key->text() == "SALIR")
            continue;
        SCOPED_TRACE(key->objectName().toStdString());
        type(w, "Text1", "9");
        QTest::mouseClick(key, Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), display);
        EXPECT_EQ(display->selectedText(), display->text());
    }
}

TEST_F(Windows, QuadraticsAnswerInTheLabelOrKeepTheLastAnswer) {
    const QString kept = "Raices  2  1";
    const QString notQuadratic = "La función no es cuadrática: AX2 no puede ser 0.";
    // clang-format off
    const struct { const char* name; QString a, b, c, answer, message; } rows[] = {
        {"double root",   "1", "2",     "1", "Coinciden en -1",    ""},
        {"complex",       "1", "2",     "5", "Complejas -1+/- 2i", ""},
        {"a = 0",         "0", "2",     "1", kept,                 notQuadratic},
        {"nothing",       "",  "",      "",  kept,                 kDebe},
        {"b^2 too large", "1", "1E+20", "1", kept,                 kInvalid},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        Form& w = open<frmCuadraticas>();
        const auto calcular = [&](const QString& a, const QString& b, const QString& c) {
            type(w, "txtValorA", a);
            type(w, "txtValorB", b);
            type(w, "txtValorC", c);
            QTest::keyClick(w.control("txtValorC"), Qt::Key_Return); // the default button
        };
        calcular("1", "-3", "2");
        ASSERT_EQ(captionOf(w, "lblSalida"), kept);
        calcular(row.a, row.b, row.c);
        EXPECT_EQ(captionOf(w, "lblSalida"), row.answer);
        EXPECT_EQ(lastMessage(), row.message);
    }
}

TEST_F(Windows, ALongButtonCaptionBreaksAtItsLastBlank) {
    frmIndex& menu = open<frmIndex>();
    const auto shown = [&](const char* button) {
        return qobject_cast<QAbstractButton*>(menu.control(button))->text();
    };
    EXPECT_EQ(shown("Command6"), "F&unciones\nCuadráticas");
    EXPECT_EQ(shown("Command5"), "&Es Divisible");
}

} // namespace
} // namespace ordevix::test
