// The tool windows through their real controls: what "Calcular" shows for the
// typed numbers, the automatic searches, and clicks that arrive while one runs.
#include "all_windows.h"
#include "window_fixture.h"

namespace ordevix::test {
namespace {

using ToolWindows = UiTest;
using Typed = std::vector<std::pair<const char*, QString>>; // text box, text
using Lines = std::vector<QString>;

const QString kDebe = "Debe ingresar valores";

TEST_F(ToolWindows, CalcularAnswersInALabelInPrintOrWithAMessage) {
    const QString range = "Esta aplicación soporta valores entre 2 y 10000";
    const Lines two = {" 2 ", " 1 "};
    // clang-format off
    const struct { const char* name; Form& (*window)(FormHost&); Typed typed; const char* label; QString caption, message; Lines printed = {}; } rows[] = {
        {"not divisible", &buildWindow<frmEsDivisible>, {{"Text1", "12"}, {"Text2", "5"}}, "Label1", "No es divisible", ""}, {"divisor rounds to 0", &buildWindow<frmEsDivisible>, {{"Text1", "12"}, {"Text2", "0.4"}}, "Label1", "", "La operación no tiene un resultado válido."},
        {"not prime", &buildWindow<frmPrimos>, {{"Text1", "4"}}, "Label1", "El número no es primo", ""}, {"no number to test", &buildWindow<frmPrimos>, {{"Text1", "abc"}}, "Label1", "", kDebe},
        {"too big an Integer", &buildWindow<frmPrimos>, {{"Text1", "40000"}}, "Label1", "", "El número está fuera del rango admitido."}, {"not perfect", &buildWindow<frmPerfectos>, {{"Text1", "12"}}, "Label1", "No es perfecto", ""},
        {"perfect of 12abc", &buildWindow<frmPerfectos>, {{"Text1", "12abc"}}, "Label1", "", "El valor ingresado no es un número válido."}, {"not amicable", &buildWindow<frmAmigos>, {{"Text1", "16"}, {"Text2", "12"}}, "Label1", "No son amigos", ""},
        {"no second number", &buildWindow<frmAmigos>, {{"Text1", "16"}, {"Text2", ""}}, "Label1", "", kDebe}, {"not quadratic", &buildWindow<frmCuadraticas>, {{"txtValorA", "0"}, {"txtValorB", "2"}, {"txtValorC", "1"}}, "lblSalida", "", "La función no es cuadrática: AX2 no puede ser 0."},
        {"factors of 2, the smallest", &buildWindow<frmFactoreo>, {{"Text1", "2"}}, nullptr, "", "", two}, {"factors of 10000, the largest", &buildWindow<frmFactoreo>, {{"Text1", "10000"}}, nullptr, "", "", {" 2 ", " 2 ", " 2 ", " 2 ", " 5 ", " 5 ", " 5 ", " 5 ", " 1 "}},
        {"2.5 is taken as 2", &buildWindow<frmFactoreo>, {{"Text1", "2.5"}}, nullptr, "", "", two}, {"3.5 is taken as 4", &buildWindow<frmFactoreo>, {{"Text1", "3.5"}}, nullptr, "", "", {" 2 ", " 2 ", " 1 "}},
        {"1 refused", &buildWindow<frmFactoreo>, {{"Text1", "1"}}, nullptr, "", range, {}}, {"1.9 refused", &buildWindow<frmFactoreo>, {{"Text1", "1.9"}}, nullptr, "", range, {}},
        {"10000.5 refused", &buildWindow<frmFactoreo>, {{"Text1", "10000.5"}}, nullptr, "", range, {}}, {"10001 refused", &buildWindow<frmFactoreo>, {{"Text1", "10001"}}, nullptr, "", range, {}},
        {"letters refused", &buildWindow<frmFactoreo>, {{"Text1", "abc"}}, nullptr, "", range, {}}, {"nothing to factor", &buildWindow<frmFactoreo>, {{"Text1", ""}}, nullptr, "", kDebe, {}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        Form& w = show(row.window(host()));
        if (!row.label)
            w.Print(99); // a list from before, which every click of the factor lister wipes
        for (const auto& [box, text] : row.typed)
            type(w, box, text);
        QTest::keyClick(w.control(row.typed.front().first), Qt::Key_Return); // "Calcular"
        EXPECT_EQ(row.label ? captionOf(w, row.label) : "", row.caption);
        EXPECT_EQ(lastMessage(), row.message);
        EXPECT_EQ(w.printedLines(), row.printed);
    }
}

TEST_F(ToolWindows, AutomaticSearchesAndClicksWhileOneRuns) {
    // The controls are clicked in turn. Once, when the label first reads `when`, the
    // controls `then` are clicked as well, from inside the running search. shown: the
    // first captions the label takes. Then the text boxes, whether they take typing,
    // the label's caption, the visible window and whether the program ended.
    // clang-format off
    const struct { const char* name; Form& (*window)(FormHost&); std::vector<const char*> clicks; QString when; std::vector<const char*> then; std::vector<QString> shown; QString text1, text2; bool enabled; const char* label; QString caption, visible; int ends; } rows[] = {
        {"primes one per click",  &buildWindow<frmPrimos>, {"Check1", "Command1", "Command1", "Command1"}, "", {}, {}, "5", "", false, "Label1", "", "frmPrimos", 0},
        {"clearing restarts at 2", &buildWindow<frmPrimos>, {"Check1", "Command1", "Command1", "Check1", "Check1", "Command1"}, "", {}, {}, "2", "", false, "Label1", "", "frmPrimos", 0},
        {"cleared, the prime checks", &buildWindow<frmPrimos>, {"Check1", "Command1", "Command1", "Check1", "Command1"}, "", {}, {}, "3", "", true, "Label1", "El número es primo", "frmPrimos", 0},
        {"perfect 6, then 28",    &buildWindow<frmPerfectos>, {"Check1", "Command1", "Command1"}, "", {}, {"Procesando... 1", "Procesando... 2"}, " 28", "", false, "Label3", "Listo", "frmPerfectos", 0},
        {"ticking restarts at 1", &buildWindow<frmPerfectos>, {"Check1", "Command1", "Command1", "Check1", "Check1", "Command1"}, "", {}, {}, " 6", "", false, "Label3", "Listo", "frmPerfectos", 0},
        {"cleared, 6 is perfect", &buildWindow<frmPerfectos>, {"Check1", "Command1", "Check1", "Command1"}, "", {}, {}, " 6", "", true, "Label1", "Es perfecto", "frmPerfectos", 0},
        {"pairs both ways",       &buildWindow<frmAmigos>, {"Check1", "Command1", "Command1"}, "", {}, {"Procesando...1", "Procesando...2"}, "284", "220", false, "Label1", "Listo", "frmAmigos", 0},
        {"cleared, the pair checks", &buildWindow<frmAmigos>, {"Check1", "Command1", "Check1", "Command1"}, "", {}, {}, "220", "284", true, "Label1", "Son amigos", "frmAmigos", 0},
        {"clearing during a search", &buildWindow<frmPerfectos>, {"Check1", "Command1", "Command1"}, "Procesando... 12", {"Check1"}, {}, " 28", "", true, "Label3", "Listo", "frmPerfectos", 0},
        {"ticking during a search", &buildWindow<frmPerfectos>, {"Check1", "Command1", "Command1"}, "Procesando... 12", {"Check1", "Check1"}, {}, " 6", "", false, "Label3", "Listo", "frmPerfectos", 0},
        {"a nested Calcular",     &buildWindow<frmPerfectos>, {"Check1", "Command1"}, "Procesando... 2", {"Command1"}, {}, " 28", "", false, "Label3", "Listo", "frmPerfectos", 0},
        {"INICIO, the search goes on", &buildWindow<frmAmigos>, {"Check1", "Command1", "Command1"}, "Procesando...225", {"Command3"}, {}, "284", "220", false, "Label1", "Listo", "frmIndex", 0},
        {"SALIR ends at once",    &buildWindow<frmPerfectos>, {"Check1", "Command1", "Command1"}, "Procesando... 8", {"Command2"}, {}, " 6", "", false, "Label3", "Procesando... 8", "0 windows", 1},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        Form& w = show(row.window(host()));
        std::vector<QString> shown;
        bool clicked = false;
        host().setPumpPolicy(1, std::chrono::nanoseconds(0));
        host().setPumpProbe([&] {
            const QString now = captionOf(w, row.label);
            if (shown.size() < row.shown.size() && !now.isEmpty() &&
                (shown.empty() || shown.back() != now))
                shown.push_back(now);
            if (!clicked && now == row.when && !row.then.empty()) {
                clicked = true;
                for (const char* control : row.then)
                    QMetaObject::invokeMethod(w.control(control), "click", Qt::QueuedConnection);
            }
        });
        for (const char* control : row.clicks)
            click(w, control);
        EXPECT_EQ(shown, row.shown);
        EXPECT_EQ(clicked, !row.then.empty());
        EXPECT_EQ(textOf(w, "Text1"), row.text1);
        EXPECT_EQ(w.enabled("Text1"), row.enabled);
        EXPECT_EQ(w.control("Text2") ? textOf(w, "Text2") : "", row.text2);
        EXPECT_EQ(captionOf(w, row.label), row.caption);
        EXPECT_EQ(visibleName(), row.visible);
        EXPECT_EQ(ends, row.ends);
        EXPECT_TRUE(messages.empty());
    }
}

} // namespace
} // namespace ordevix::test
