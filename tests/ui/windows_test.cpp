// The windows through their real controls: what "Calcular" shows for the typed
// numbers, the automatic searches and clicks that arrive while one runs; each
// calculator button, the quadratic answers; where printed lines land and how a
// long caption breaks.
#include "window_fixture.h"

#include <QFontMetrics>
#include <QImage>

#include <map>

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
        {"no second number", &buildWindow<frmAmigos>, {{"Text1", "16"}, {"Text2", ""}}, "Label1", "", kDebe},
        {"factors of 2, the smallest", &buildWindow<frmFactoreo>, {{"Text1", "2"}}, nullptr, "", "", two}, {"factors of 10000, the largest", &buildWindow<frmFactoreo>, {{"Text1", "10000"}}, nullptr, "", "", {" 2 ", " 2 ", " 2 ", " 2 ", " 5 ", " 5 ", " 5 ", " 5 ", " 1 "}},
        {"2.5 is taken as 2", &buildWindow<frmFactoreo>, {{"Text1", "2.5"}}, nullptr, "", "", two}, {"3.5 is taken as 4", &buildWindow<frmFactoreo>, {{"Text1", "3.5"}}, nullptr, "", "", {" 2 ", " 2 ", " 1 "}},
        {"1 refused", &buildWindow<frmFactoreo>, {{"Text1", "1"}}, nullptr, "", range, {}}, {"1.9 refused", &buildWindow<frmFactoreo>, {{"Text1", "1.9"}}, nullptr, "", range, {}},
        {"10000.5 refused", &buildWindow<frmFactoreo>, {{"Text1", "10000.5"}}, nullptr, "", range, {}}, {"10001 refused", &buildWindow<frmFactoreo>, {{"Text1", "10001"}}, nullptr, "", range, {}},
        {"letters refused", &buildWindow<frmFactoreo>, {{"Text1", "abc"}}, nullptr, "", range, {}}, {"nothing to factor", &buildWindow<frmFactoreo>, {{"Text1", ""}}, nullptr, "", kDebe, {}},
        {"12 with 99 998 blanks inside: no length limit", &buildWindow<frmFactoreo>, {{"Text1", "1" + QString(99998, ' ') + "2"}}, nullptr, "", "", {" 2 ", " 2 ", " 3 ", " 1 "}},
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
        {"cleared, the prime checks", &buildWindow<frmPrimos>, {"Check1", "Command1", "Command1", "Check1", "Command1"}, "", {}, {}, "3", "", true, "Label1", "El número es primo", "frmPrimos", 0},
        {"perfect 6, then 28",    &buildWindow<frmPerfectos>, {"Check1", "Command1", "Command1"}, "", {}, {"Procesando... 1", "Procesando... 2"}, " 28", "", false, "Label3", "Listo", "frmPerfectos", 0},
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

using CalculadoraWindow = UiTest;

TEST_F(CalculadoraWindow, EachButtonReachesItsKey) {
    // After 9 and "+", the typed text and the button; "=" repeats "+".
    // clang-format off
    const struct { const char* button; QString typed, display; int paso;
                   QString message = {}; } rows[] = {
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
        EXPECT_EQ(lastMessage(), row.message);
    }
}

TEST_F(CalculadoraWindow, EnterPressesNoKey) {
    frmCalculadora& w = open<frmCalculadora>();
    type(w, "Text1", "7");
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(w.control("Text1"), enter);
    EXPECT_EQ(textOf(w, "Text1"), "7");
    EXPECT_EQ(w.paso(), 0);
}

// Typing into whatever has the keyboard focus, as a user does.
void typeOnKeyboard(const char* text) {
    QTest::keyClicks(QApplication::focusWidget(), text);
}
// A key pressed with the keyboard: Tab to it, then Space.
void pressWithSpace(Form& w, const char* key) {
    w.control(key)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.control(key), Qt::Key_Space);
}

TEST_F(CalculadoraWindow, AfterAKeyTheNextNumberTypedReplacesTheDisplay) {
    // Steps: a number typed on the keyboard, or a key clicked ("+") or pressed with Space ("_+").
    // clang-format off
    const struct { const char* name; std::vector<const char*> steps; std::string display; } rows[] = {
        {"2, +, 3, = by mouse", {"2", "+", "3", "="}, "5"},
        {"2, +, 3, = by Space", {"2", "_+", "3", "_="}, "5"},
        {"2, +, 3, * gives 6 at once", {"2", "+", "3", "*"}, "6"},
        {"PI, then 2 replaces it", {"PI", "2"}, "2"},
        {"after a refusal, 4 replaces the 0", {"8", "/", "0", "=", "4"}, "4"},
    };
    // clang-format on
    const std::map<QString, const char*> keys = {
        {"+", "cmdSumar"}, {"*", "cmdMultip"}, {"/", "cmdDiv"}, {"=", "cmdIgual"}, {"PI", "cmdPi"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        frmCalculadora& w = open<frmCalculadora>();
        for (const QString step : row.steps) {
            if (keys.count(step))
                click(w, keys.at(step));
            else if (step.startsWith('_'))
                pressWithSpace(w, keys.at(step.mid(1)));
            else
                typeOnKeyboard(qPrintable(step));
        }
        EXPECT_EQ(textOf(w, "Text1").toStdString(), row.display);
    }
}

TEST_F(CalculadoraWindow, EveryKeyLeavesTheFocusInTheDisplayWithItsTextSelected) {
    frmCalculadora& w = open<frmCalculadora>();
    auto* display = qobject_cast<QLineEdit*>(w.control("Text1"));
    for (const Control& c : w.description().controls) {
        const QString caption = c.caption;
        if (c.kind != Kind::CommandButton || caption == "INICIO" || caption == "SALIR")
            continue;
        SCOPED_TRACE(c.caption);
        type(w, "Text1", "9");
        click(w, c.name);
        EXPECT_EQ(QApplication::focusWidget(), display);
        EXPECT_EQ(display->selectedText(), display->text());
    }
}

using CuadraticasWindow = UiTest;

TEST_F(CuadraticasWindow, AnswersInItsLabelOrKeepsTheLastAnswer) {
    const QString kept = "Raices  2  1", fault = "La operación no tiene un resultado válido.";
    const QString notQuadratic = "La función no es cuadrática: AX2 no puede ser 0.";
    // clang-format off
    const struct { const char* name; QString a, b, c, answer, message; } rows[] = {
        {"double root",    "1", "2",     "1", "Coinciden en -1",    ""},
        {"complex",        "1", "2",     "5", "Complejas -1+/- 2i", ""},
        {"a = 0",          "0", "2",     "1", kept,                 notQuadratic},
        {"nothing",        "",  "",      "",  kept,                 kDebe},
        {"b^2 too large",  "1", "1E+20", "1", kept,                 fault},
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

using Windows = UiTest;

TEST_F(Windows, EachPrintedLineIsDrawnInItsOwnBand) {
    // The factor list of 999 is five lines; band k runs from k to k + 1 line heights.
    // The lines printed before are wiped and the list starts again at the top.
    frmFactoreo& w = open<frmFactoreo>();
    for (Integer n : {1, 2, 3})
        w.Print(n);
    type(w, "Text1", "999");
    click(w, "Command1");
    QImage image(w.surface()->size(), QImage::Format_RGB32);
    w.surface()->render(&image, {}, {}, QWidget::DrawWindowBackground); // no controls
    const QRgb paper = image.pixel(image.width() - 1, image.height() - 1);
    const int lineHeight = QFontMetrics(w.font()).lineSpacing();
    const auto inkedRows = [&](int band) {
        int rows = 0;
        for (int y = band * lineHeight; y < (band + 1) * lineHeight; ++y)
            for (int x = 0; x < image.width() / 4; ++x)
                if (image.pixel(x, y) != paper) {
                    ++rows;
                    break;
                }
        return rows;
    };
    for (int band = 0; band < 5; ++band)
        EXPECT_GE(inkedRows(band), lineHeight / 3) << "line " << band;
    EXPECT_EQ(inkedRows(5), 0) << "below the last line";
}

TEST_F(Windows, ALongButtonCaptionBreaksAtItsLastBlank) {
    frmIndex& menu = open<frmIndex>();
    const auto shown = [&](const char* button) {
        return qobject_cast<QAbstractButton*>(menu.control(button))->text().toStdString();
    };
    EXPECT_EQ(shown("Command6"), "F&unciones\nCuadráticas");
    EXPECT_EQ(shown("Command5"), "&Es Divisible");
}

} // namespace
} // namespace ordevix::test
