// What each window answers through its real controls, and how the host runs handlers.
#include "window_fixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>

#include <new>
#include <stdexcept>

namespace ordevix::test {
namespace {

using Windows = UiTest;
using Host = UiTest;

const QString range = "El número está fuera del rango admitido.";

TEST_F(Windows, EnterAnswersOrKeepsTheAnswerWithAMessage) {
    // The boxes typed into in order, then Enter. The label starts as "antes"; the lister's
    // answer is its list as read out and copied, which starts as 99.
    const QString debe = "Debe ingresar valores", blanks = "1" + QString(99998, ' ') + "2";
    const QString nan = "El valor ingresado no es un número válido.";
    const QString invalid = "La operación no tiene un resultado válido.";
    const QString notQuad = "La función no es cuadrática: AX2 no puede ser 0.";
    const QString sizes = "Esta aplicación soporta valores entre 2 y 10000";
    const QString complex7 = "Complejas -.3333333+/- .471404520791032i";
    // clang-format off
    const struct { const char* name; Build window; QStringList typed; QString answer, message;
    } rows[] = {
        {"divisible",       divisible,   {"12", "4"},      "Es divisible",          ""},
        {"not divisible",   divisible,   {"12", "5"},      "No es divisible",       ""},
        {"-12 by 4",        divisible,   {"-12", "4"},     "antes",                 debe},
        {"12 by -4",        divisible,   {"12", "-4"},     "antes",                 debe},
        {"by 0.4, so 0",    divisible,   {"12", "0.4"},    "antes",                 invalid},
        {"prime",           primos,      {"13"},           "El número es primo",    ""},
        {"not prime",       primos,      {"4"},            "El número no es primo", ""},
        {"over Integer",    primos,      {"40000"},        "antes",                 range},
        {"perfect",         perfectos,   {"28"},           "Es perfecto",           ""},
        {"not perfect",     perfectos,   {"12"},           "No es perfecto",        ""},
        {"12abc",           perfectos,   {"12abc"},        "antes",                 nan},
        {"amicable",        amigos,      {"220", "284"},   "Son amigos",            ""},
        {"not amicable",    amigos,      {"16", "12"},     "No son amigos",         ""},
        {"two roots",       cuadraticas, {"1", "-3", "2"}, "Raices  2  1",          ""},
        {"double root",     cuadraticas, {"1", "2", "1"},  "Coinciden en -1",       ""},
        {"complex",         cuadraticas, {"1", "2", "5"},  "Complejas -1+/- 2i",    ""},
        {"a = 0",           cuadraticas, {"0", "2", "1"},  "antes",                 notQuad},
        {"a 0 as Single",   cuadraticas, {"1E-46", "1", "1"}, "antes",              notQuad},
        {"root -0",         cuadraticas, {"1", "0", "0"},  "Coinciden en  0",       ""},
        {"7, 15 digits",    cuadraticas, {"3", "2", "1"},  complex7,                ""},
        {"no coefficient",  cuadraticas, {},               "antes",                 debe},
        {"2, the least",    factoreo,    {"2"},            "2\n1",                  ""},
        {"a prime, then 1", factoreo,    {"7"},            "7\n1",                  ""},
        {"10000, largest",  factoreo,    {"10000"},        "2\n2\n2\n2\n5\n5\n5\n5\n1", ""},
        {"no length limit", factoreo,    {blanks},         "2\n2\n3\n1",            ""},
        {"10000.5",         factoreo,    {"10000.5"},      "",                      sizes},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        Form& w = open(row.window);
        const char* label = w.control("lblSalida") ? "lblSalida" : "Label1";
        const bool lists = row.window == factoreo;
        lists ? w.Print(99) : w.setCaption(label, u"antes");
        const QList<QLineEdit*> boxes = w.findChildren<QLineEdit*>();
        for (int k = 0; k < boxes.size(); ++k)
            boxes[k]->setText(row.typed.value(k));
        QTest::keyClick(boxes[0], Qt::Key_Return);
        const auto* read = QAccessible::queryAccessibleInterface(w.surface());
        EXPECT_EQ(lists ? read->text(QAccessible::Description) : shows(w, label), row.answer);
        EXPECT_EQ(message, row.message);
        if (lists) { // and by Ctrl+C once clicked, or by its context menu's "Copiar"
            QGuiApplication::clipboard()->clear();
            QTest::mouseClick(w.surface(), Qt::LeftButton);
            QTest::keySequence(QApplication::focusWidget(), QKeySequence::Copy);
            EXPECT_EQ(QGuiApplication::clipboard()->text(), row.answer);
            const QAction* copiar = w.surface()->actions().value(0);
            EXPECT_EQ(copiar->text(), "Copiar");
            EXPECT_EQ(copiar->isEnabled(), !row.answer.isEmpty());
        }
    }
}

TEST_F(Windows, AutomaticSearchesAndClicksWhileOneRuns) {
    // Ticked by the mouse, Space or a screen reader, the boxes grey at once; then `calcs`
    // searches, and once the progress shows the number `at`, the controls `then` are clicked
    // from inside the running search.
    const QString perf = "frmPerfectos";
    using Toggle = void (*)(QCheckBox*);
    const Toggle mouse = [](QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton); };
    const Toggle space = [](QCheckBox* box) { box->setFocus(), QTest::keyClick(box, ' '); };
    const Toggle reader = [](QCheckBox* box) {
        QAccessible::queryAccessibleInterface(box)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
    };
    // clang-format off
    const struct { const char* name; Build window; Toggle tick; int calcs, at;
                   std::vector<const char*> then; QString text1; bool on; QString shown; }
    rows[] = {
        {"clear in it", perfectos, space,  2, 12,  {"Check1"},           " 28", true,  perf},
        {"tick twice",  perfectos, mouse,  2, 12,  {"Check1", "Check1"}, " 6",  false, perf},
        {"nested calc", perfectos, reader, 1, 2,   {"Command1"},         " 28", false, perf},
        {"INICIO",      amigos,    reader, 2, 225, {"Command3"},         "284", false, "frmIndex"},
        {"SALIR ends",  perfectos, mouse,  2, 8,   {"Command2"},         " 6",  false, ""},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        Form& w = open(row.window);
        const bool perfect = row.window == perfectos;
        const char* label = perfect ? "Label3" : "Label1";
        const QString at = (perfect ? "Procesando... " : "Procesando...") + QString::number(row.at);
        bool clicked = false;
        host().setPumpPolicy(1, std::chrono::nanoseconds(0));
        host().setPumpProbe([&] {
            if (clicked || shows(w, label) != at)
                return;
            clicked = true;
            for (const char* name : row.then)
                QMetaObject::invokeMethod(w.control(name), "click", Qt::QueuedConnection);
        });
        row.tick(qobject_cast<QCheckBox*>(w.control("Check1")));
        EXPECT_EQ(std::ranges::count_if(w.findChildren<QLineEdit*>(), &QWidget::isEnabled), 0);
        for (int c = 0; c < row.calcs; ++c)
            click(w, "Command1");
        EXPECT_TRUE(clicked);
        EXPECT_EQ(shows(w, "Text1"), row.text1);
        EXPECT_EQ(w.enabled("Text1"), row.on);
        EXPECT_EQ(shows(w, label), row.shown.isEmpty() ? at : "Listo");
        EXPECT_EQ(shown(), row.shown);
        EXPECT_EQ(message, "");
    }
}

TEST_F(Windows, EachCalculatorKeyWorksAndLeavesTheDisplayReadyForTheNextNumber) {
    // After 9 and "+", the typed keys (\b: Backspace), Enter, which presses no key, and the key,
    // by mouse or by Space; then a 7 typed.
    const QString zero = "Error, no se puede dividir por cero";
    const QString angle = "Esta función está preparada hasta 360º. Cifras mayores pueden causar "
                          "errores impredecibles";
    // clang-format off
    const struct { const char* key; QString typed, display, message; } rows[] = {
        {"cmdSumar",  "4",   "13",                ""},
        {"cmdDiv",    "4",   "2.25",              ""},
        {"cmdDiv",    "\b",  "000",               ""},
        {"cmdDivE",   "0.4", "0.4",               zero},
        {"cmdIgual",  "4",   "13",                ""},
        {"Command3",  "4",   "",                  ""},
        {"cmdSen",    "400", "0.642759259490991", angle},
        {"cmdPi",     "4",   "3.1415927",         ""},
    };
    // clang-format on
    for (const auto& row : rows) {
        for (bool space : {false, true}) {
            SCOPED_TRACE(std::string(row.key) + (space ? " by Space" : ""));
            restart();
            Form& w = open(calc);
            const auto press = [&](QWidget* key) {
                key->setFocus();
                space ? QTest::keyClick(key, ' ') : QTest::mouseClick(key, Qt::LeftButton);
            };
            QTest::keyClicks(w.control("Text1"), "9");
            press(w.control("cmdSumar"));
            QTest::keyClicks(QApplication::focusWidget(), row.typed);
            QTest::keyClick(QApplication::focusWidget(), space ? Qt::Key_Enter : Qt::Key_Return);
            press(w.control(row.key));
            EXPECT_EQ(shows(w, "Text1"), row.display);
            EXPECT_EQ(message, row.message);
            QTest::keyClicks(QApplication::focusWidget(), "7");
            EXPECT_EQ(shows(w, "Text1"), "7");
        }
    }
}

TEST_F(Host, AnExceptionInAHandlerIsToldOrPassedOn) {
    // clang-format off
    const struct { const char* name; void (*raise)(); QString error, message; } rows[] = {
        {"out of memory",    [] { throw std::bad_alloc(); },           "",          range},
        {"std exception",    [] { throw std::out_of_range("llena"); }, "llena",     ""},
        {"no std exception", [] { throw 7; },                          "not a std", ""},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        message.clear();
        QString error;
        host().setProgrammingErrorSink([&](const QString& what) { error = what; });
        host().dispatch(&row, row.raise);
        EXPECT_EQ(error.isEmpty(), row.error.isEmpty());
        EXPECT_TRUE(error.contains(row.error));
        EXPECT_EQ(message, row.message);
    }
    host().setProgrammingErrorSink({}); // the program's own
    host().dispatch(&rows, rows[1].raise);
    EXPECT_EQ(message, "La operación no tiene un resultado válido.");
}

TEST_F(Host, NestedRunsOfOneHandlerStopAt16) {
    int depth = 0, deepest = 0;
    std::function<void()> run = [&] {
        deepest = std::max(deepest, ++depth);
        host().dispatch(&run, run);
        --depth;
    };
    host().dispatch(&run, run);
    EXPECT_EQ(deepest, 16);
}

} // namespace
} // namespace ordevix::test
