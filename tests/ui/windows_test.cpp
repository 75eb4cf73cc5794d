// The windows through their real controls: what "Calcular" shows for the typed
// numbers, the automatic searches and clicks that arrive while one runs; the
// calculator's every key, the quadrant angles and the warning above 360; where
// printed lines land and how a long caption breaks.
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
        {"no second number", &buildWindow<frmAmigos>, {{"Text1", "16"}, {"Text2", ""}}, "Label1", "", kDebe}, {"not quadratic", &buildWindow<frmCuadraticas>, {{"txtValorA", "0"}, {"txtValorB", "2"}, {"txtValorC", "1"}}, "lblSalida", "", "La función no es cuadrática: AX2 no puede ser 0."},
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

constexpr RegionalSettings C = RegionalSettings::comma(), P = RegionalSettings::period();
const QString kCero = "Error, no se puede dividir por cero";
const QString kAviso = "Esta función está preparada hasta 360º. Cifras mayores pueden causar "
                       "errores impredecibles";

// One press: a text typed over the display first, unless none is given, then a button.
struct Press {
    Press(const char* b) : button(b) {} // NOLINT: a bare button reads best in the tables
    Press(const char* t, const char* b) : typed(t), button(b) {}
    const char* typed = nullptr;
    const char* button;
};

TEST_F(CalculadoraWindow, KeysThroughTheirButtons) {
    // 9 and 4 give a different result under every two-number key. Sine, cosine and
    // tangent take the angle in degrees times 0.0174532.
    // clang-format off
    const struct { const char* name; RegionalSettings regional; std::vector<Press> presses; QString display; int paso; std::vector<QString> messages; } rows[] = {
        {"+", C, {{"9", "cmdSumar"}, {"4", "cmdSumar"}}, "13", 2, {}}, {"-", C, {{"9", "cmdResta"}, {"4", "cmdResta"}}, "5", 2, {}},
        {"*", C, {{"9", "cmdMultip"}, {"4", "cmdMultip"}}, "36", 2, {}}, {"/", C, {{"9", "cmdDiv"}, {"4", "cmdDiv"}}, "2,25", 2, {}},
        {"\\", C, {{"9", "cmdDivE"}, {"4", "cmdDivE"}}, "2", 2, {}}, {"Pot", C, {{"9", "cmdPot"}, {"4", "cmdPot"}}, "6561", 2, {}},
        {"Raiz", C, {{"9", "cmdRaiz"}, {"4", "cmdRaiz"}}, "1,73205080756888", 2, {}}, {"= repeats the last key", C, {{"2", "cmdMultip"}, {"3", "cmdIgual"}, "cmdIgual"}, "36", 3, {}},
        {"= before any key adds", C, {{"7", "cmdIgual"}, "cmdIgual"}, "14", 2, {}}, {"/ keeps the fraction", C, {{"1", "cmdDiv"}, {"2", "cmdIgual"}, "cmdMultip"}, "0,25", 3, {}},
        {"\\ truncates toward zero", P, {{"-7", "cmdDivE"}, {"2", "cmdIgual"}}, "-3", 2, {}}, {"\\ rounds the divisor to even", C, {{"9", "cmdDivE"}, {"2,5", "cmdIgual"}}, "4", 2, {}},
        {"\\ refuses a divisor of 0,4", C, {{"9", "cmdDivE"}, {"0,4", "cmdIgual"}}, "0,4", 1, {kCero}}, {"/ refuses 0, the run goes on", C, {{"8", "cmdDiv"}, {"0", "cmdIgual"}, {"5", "cmdSumar"}}, "13", 2, {kCero}},
        {"Raiz of index 0 faults", C, {{"27", "cmdRaiz"}, {"0", "cmdIgual"}}, "0", 1, {"La operación no tiene un resultado válido."}}, {"/ on an empty display", C, {{"", "cmdDiv"}}, "000", 0, {}},
        {"\\ on an empty display", C, {{"", "cmdDivE"}}, "000", 0, {}}, {"Raiz on an empty display", C, {{"", "cmdRaiz"}}, "000", 0, {}},
        {"a blank display is not empty", C, {{" ", "cmdDiv"}}, " ", 1, {}}, {"Borrar empties the display", C, {{"2", "cmdSumar"}, "Command4"}, "", 1, {}},
        {"Borrar keeps the run", C, {{"2", "cmdSumar"}, "Command4", {"3", "cmdIgual"}}, "5", 2, {}}, {"Borrar todo empties all", C, {{"7", "cmdIgual"}, "cmdIgual", "Command3"}, "", 0, {}},
        {"Borrar todo keeps the key", C, {{"2", "cmdMultip"}, {"3", "cmdIgual"}, "Command3", {"4", "cmdIgual"}, {"5", "cmdIgual"}}, "20", 2, {}}, {"PI with the comma", C, {"cmdPi", "cmdMultip", {"2", "cmdIgual"}}, "6,2831854", 2, {}},
        {"PI with the period", P, {"cmdPi"}, "3.1415927", 0, {}}, {"Seno 30", C, {{"30", "cmdSen"}}, "0,499997596259436", 1, {}},
        {"Cosen 30", C, {{"30", "cmdCos"}}, "0,866026791580252", 1, {}}, {"Tg 30", C, {{"30", "cmdTg"}}, "0,577346568397824", 1, {}},
        {"Seno of 0 refused", C, {{"0", "cmdSen"}}, "0", 0, {kDebe}}, {"an exact 1 is the running value", C, {{"90,0", "cmdSen"}, "cmdSumar"}, "2", 2, {}},
        {"Infinito takes no step", C, {{"3", "cmdSumar"}, {"90", "cmdTg"}, {"5", "cmdIgual"}}, "8", 2, {}}, {"12abc faults at the warning", C, {{"7", "cmdIgual"}, {"12abc", "cmdSen"}}, "12abc", 1, {"El valor ingresado no es un número válido."}},
        {"Seno 90", P, {{"90", "cmdSen"}}, "1", 1, {}}, {"Seno 180", P, {{"180", "cmdSen"}}, "0", 1, {}}, {"Seno 270", P, {{"270", "cmdSen"}}, "-1", 1, {}}, {"Seno 360", P, {{"360", "cmdSen"}}, "0", 1, {}},
        {"Cosen 90", P, {{"90", "cmdCos"}}, "0", 1, {}}, {"Cosen 180", P, {{"180", "cmdCos"}}, "-1", 1, {}}, {"Cosen 270", P, {{"270", "cmdCos"}}, "0", 1, {}}, {"Cosen 360", P, {{"360", "cmdCos"}}, "1", 1, {}},
        {"Tg 90", P, {{"90", "cmdTg"}}, "Infinito", 0, {}}, {"Tg 180", P, {{"180", "cmdTg"}}, "0", 1, {}}, {"Tg 270", P, {{"270", "cmdTg"}}, "Infinito", 0, {}},
        {"Cosen 90.0 is no exact case", P, {{"90.0", "cmdCos"}}, "8.32679489667197E-06", 1, {}}, {"Seno 89", P, {{"89", "cmdSen"}}, "0.999847551414582", 1, {}},
        {"Cosen 181", P, {{"181", "cmdCos"}}, "-0.99984798727611", 1, {}}, {"Tg 360, no warning", P, {{"360", "cmdTg"}}, "-3.33071795993894E-05", 1, {}},
        {"Seno 360.5", P, {{"360.5", "cmdSen"}}, "0.00869318332396439", 1, {kAviso}}, {"Seno 361", P, {{"361", "cmdSen"}}, "0.0174190118149612", 1, {kAviso}},
        {"Cosen 361", P, {{"361", "cmdCos"}}, "0.999848277503837", 1, {kAviso}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        host().setRegional(row.regional);
        frmCalculadora& w = open<frmCalculadora>();
        for (const Press& press : row.presses) {
            if (press.typed)
                type(w, "Text1", press.typed);
            click(w, press.button);
        }
        EXPECT_EQ(textOf(w, "Text1"), row.display);
        EXPECT_EQ(w.paso(), row.paso);
        EXPECT_EQ(messages, row.messages);
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
