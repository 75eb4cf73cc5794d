// The integer tool windows through their real controls: the wiring from the
// buttons and the check box to the core, the answers, and the searches with
// other clicks let in while they run.
#include "window_fixture.h"

#include "tools/frmAmigos.h"
#include "tools/frmEsDivisible.h"
#include "tools/frmFactoreo.h"
#include "tools/frmPerfectos.h"
#include "tools/frmPrimos.h"

#include <QRegularExpression>

#include <functional>
#include <map>

namespace ordevix::test {
namespace {

const QString kDebe = QStringLiteral("Debe ingresar valores");
const QString kTipo = FormHost::faultMessage(FaultKind::TypeMismatch);
const QString kDesborde = FormHost::faultMessage(FaultKind::Overflow);
const QString kAritmetica = FormHost::faultMessage(FaultKind::Arithmetic);

class IntegerWindows : public UiTest {
protected:
    // Every DoEvents makes one pass of the event loop; at the chosen passes the
    // actions run just before the pass delivers what is pending.
    void atPasses(std::map<int, std::function<void()>> actions) {
        host().setPumpPolicy(1, std::chrono::nanoseconds(0));
        host().setPumpProbe([this, actions = std::move(actions)] {
            if (auto it = actions.find(++passes); it != actions.end())
                it->second();
        });
    }
    // A click that the next pass of the event loop delivers.
    static void post(Form& form, const char* name) {
        QMetaObject::invokeMethod(form.control(name), "click", Qt::QueuedConnection);
    }
    static bool ticked(Form& form) { return form.value("Check1") == 1; }

    int passes = 0;
};

TEST_F(IntegerWindows, FactoreoReplacesOrWipesTheListOnEveryClick) {
    const QString kRango = QStringLiteral("Esta aplicación soporta valores entre 2 y 10000");
    struct Row {
        const char* input;
        QString message;
        std::vector<QString> lines;
    };
    // The range is checked as typed and the value then rounded, so 1.9 and 10000.5
    // are refused while 2.5 and 3.5 are the ties; 12abc is read up to the letters.
    const std::vector<Row> rows = {
        {"", kDebe, {}},
        {"abc", kRango, {}},
        {"1.9", kRango, {}},
        {"10000.5", kRango, {}},
        {"2", {}, {" 2 ", " 1 "}},
        {"7", {}, {" 7 ", " 1 "}},
        {"997", {}, {" 997 ", " 1 "}},
        {"2.5", {}, {" 2 ", " 1 "}},
        {"3.5", {}, {" 2 ", " 2 ", " 1 "}},
        {"12abc", {}, {" 2 ", " 2 ", " 3 ", " 1 "}},
        {"10000", {}, {" 2 ", " 2 ", " 2 ", " 2 ", " 5 ", " 5 ", " 5 ", " 5 ", " 1 "}},
    };
    frmFactoreo& window = open<frmFactoreo>();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.input);
        type(window, "Text1", "999");
        click(window, "Command1");
        ASSERT_EQ(window.printedLines(),
                  (std::vector<QString>{" 3 ", " 3 ", " 3 ", " 37 ", " 1 "}));
        messages.clear();
        type(window, "Text1", QString::fromUtf8(row.input));
        click(window, "Command1");
        EXPECT_EQ(lastMessage(), row.message);
        EXPECT_EQ(window.printedLines(), row.lines);
    }
}

// Wiring only: each window's answers, its refusal and a fault reach Label1 or the
// message box. The core tests go through the numbers.
TEST_F(IntegerWindows, OneShotChecksAnswerInLabel1) {
    Form& divisible = open<frmEsDivisible>();
    Form& primos = open<frmPrimos>();
    Form& perfectos = open<frmPerfectos>();
    Form& amigos = open<frmAmigos>();
    struct Row {
        Form& window;
        const char* text1;
        const char* text2; // only two of the windows have one
        QString answer;    // "antes" when the label must stay as it was
        QString message;
    };
    const Row rows[] = {
        {divisible, "12", "4", "Es divisible", {}},
        {divisible, "12", "5", "No es divisible", {}},
        {divisible, "", "4", "antes", kDebe},
        {divisible, "12", "0.4", "antes", kAritmetica},
        {primos, "13", nullptr, "El número es primo", {}},
        {primos, "1", nullptr, "El número no es primo", {}},
        {primos, "abc", nullptr, "antes", kDebe},
        {primos, "40000", nullptr, "antes", kDesborde},
        {perfectos, "8128", nullptr, "Es perfecto", {}},
        {perfectos, "1", nullptr, "No es perfecto", {}},
        {perfectos, "0", nullptr, "antes", kDebe},
        {perfectos, "12abc", nullptr, "antes", kTipo},
        {amigos, "220", "284", "Son amigos", {}},
        {amigos, "16", "12", "No son amigos", {}},
        {amigos, "220", "", "antes", kDebe},
        {amigos, "12abc", "284", "antes", kTipo},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.window.description().name + std::string(" ") + row.text1);
        messages.clear();
        row.window.setCaption("Label1", u"antes");
        type(row.window, "Text1", QString::fromUtf8(row.text1));
        if (row.text2)
            type(row.window, "Text2", QString::fromUtf8(row.text2));
        const bool twoLabels = &row.window == &amigos;
        if (twoLabels)
            row.window.setCaption("Label2", u"antes");
        click(row.window, "Command1");
        EXPECT_EQ(captionOf(row.window, "Label1"), row.answer);
        EXPECT_EQ(lastMessage(), row.message);
        // An answer also wipes the amicable window's search caption.
        if (twoLabels) {
            EXPECT_EQ(captionOf(row.window, "Label2"), row.message.isEmpty() ? "" : "antes");
        }
    }
}

TEST_F(IntegerWindows, PrimosListsOnePrimePerClickAndClearingRestartsAt2) {
    frmPrimos& window = open<frmPrimos>();
    window.setCaption("Label1", u"antes");
    click(window, "Check1");
    EXPECT_FALSE(window.enabled("Text1"));
    EXPECT_EQ(window.contador(), 0); // ticking keeps the counter
    for (const char* prime : {"2", "3", "5", "7", "11"}) {
        click(window, "Command1");
        EXPECT_EQ(textOf(window, "Text1"), prime);
    }
    EXPECT_EQ(captionOf(window, "Label1"), "");
    click(window, "Check1");
    EXPECT_TRUE(window.enabled("Text1"));
    EXPECT_EQ(window.contador(), 1);
    click(window, "Command1");
    EXPECT_EQ(captionOf(window, "Label1"), "El número es primo"); // for the 11 left in the box
    click(window, "Check1");
    EXPECT_EQ(window.contador(), 1);
    click(window, "Command1");
    EXPECT_EQ(textOf(window, "Text1"), "2");
}

TEST_F(IntegerWindows, PerfectosSearchesFromOneAfterATickAndShowsTheBlank) {
    frmPerfectos& window = open<frmPerfectos>();
    window.setCaption("Label1", u"antes");
    click(window, "Check1");
    EXPECT_FALSE(window.enabled("Text1"));
    EXPECT_EQ(window.contador(), 1);
    for (const char* perfect : {" 6", " 28", " 496"}) {
        click(window, "Command1");
        EXPECT_EQ(textOf(window, "Text1"), perfect);
        EXPECT_EQ(captionOf(window, "Label3"), "Listo");
    }
    EXPECT_EQ(captionOf(window, "Label1"), "");
    EXPECT_EQ(window.contador(), 497);
    click(window, "Check1");
    EXPECT_TRUE(window.enabled("Text1"));
    EXPECT_EQ(window.contador(), 497); // clearing keeps the counter
    click(window, "Command1");
    EXPECT_EQ(captionOf(window, "Label1"), "Es perfecto");
    click(window, "Check1");
    EXPECT_EQ(window.contador(), 1);
}

TEST_F(IntegerWindows, AmigosFindsEachPairTwiceAndTheBoxRulesBothTexts) {
    frmAmigos& window = open<frmAmigos>();
    window.setCaption("Label2", u"antes");
    click(window, "Check1");
    EXPECT_FALSE(window.enabled("Text1"));
    EXPECT_FALSE(window.enabled("Text2"));
    EXPECT_EQ(window.contador(), 1);
    const std::pair<const char*, const char*> pairs[] = {{"220", "284"}, {"284", "220"}};
    for (const auto& [first, second] : pairs) {
        click(window, "Command1");
        EXPECT_EQ(textOf(window, "Text1"), first);
        EXPECT_EQ(textOf(window, "Text2"), second);
        EXPECT_EQ(captionOf(window, "Label1"), "Listo");
    }
    EXPECT_EQ(captionOf(window, "Label2"), "");
    EXPECT_EQ(window.contador(), 285);
    EXPECT_EQ(window.amigo(), 220);
    click(window, "Check1");
    EXPECT_TRUE(window.enabled("Text1"));
    EXPECT_TRUE(window.enabled("Text2"));
    EXPECT_EQ(window.contador(), 285);
    click(window, "Command1");
    EXPECT_EQ(captionOf(window, "Label1"), "Son amigos");
    click(window, "Check1");
    EXPECT_EQ(window.contador(), 1);
}

TEST_F(IntegerWindows, ClearingAndTickingDuringAPerfectSearchTakeEffectAtOnce) {
    frmPerfectos& window = open<frmPerfectos>();
    click(window, "Check1");
    click(window, "Command1"); // 6; the next search would find 28
    bool enabledWhileRunning = false;
    QString progress;
    // Candidate n takes n passes, so the clear lands on 12 and the tick on 16.
    atPasses({{50, [&] { post(window, "Check1"); }},
              {75,
               [&] {
                   enabledWhileRunning = window.enabled("Text1");
                   progress = captionOf(window, "Label3");
               }},
              {105, [&] { post(window, "Check1"); }}});
    click(window, "Command1");
    EXPECT_TRUE(enabledWhileRunning);
    EXPECT_TRUE(QRegularExpression("^Procesando\\.\\.\\. \\d+$").match(progress).hasMatch())
        << progress.toStdString();
    // The tick restarted the running search at 1, which is no hit, so it found 6 again.
    EXPECT_EQ(textOf(window, "Text1"), " 6");
    EXPECT_EQ(window.contador(), 7);
    EXPECT_TRUE(ticked(window));
    EXPECT_FALSE(window.enabled("Text1"));
}

TEST_F(IntegerWindows, ANestedCalcularSharesThePrimeCounter) {
    frmPrimos& window = open<frmPrimos>();
    click(window, "Check1");
    click(window, "Command1");
    click(window, "Command1"); // 3
    QString shownInBetween;
    atPasses({{1, [&] { post(window, "Command1"); }},
              {8, [&] { shownInBetween = textOf(window, "Text1"); }}});
    click(window, "Command1");
    // The nested click found 5; the outer one went on from there.
    EXPECT_EQ(shownInBetween, "5");
    EXPECT_EQ(textOf(window, "Text1"), "7");
    EXPECT_EQ(window.contador(), 7);
}

TEST_F(IntegerWindows, InicioDuringAnAmicableSearchLetsItFinishHidden) {
    frmAmigos& window = open<frmAmigos>();
    click(window, "Check1");
    bool hiddenWhileRunning = false;
    QString progress;
    const auto look = [&] {
        hiddenWhileRunning = !window.isVisible();
        progress = captionOf(window, "Label1");
    };
    atPasses({{100, [&] { post(window, "Command3"); }}, {2000, look}});
    click(window, "Command1");
    EXPECT_TRUE(hiddenWhileRunning);
    EXPECT_TRUE(QRegularExpression("^Procesando\\.\\.\\.\\d+$").match(progress).hasMatch())
        << progress.toStdString();
    EXPECT_FALSE(window.isVisible());
    open<frmAmigos>();
    EXPECT_EQ(textOf(window, "Text1"), "220");
    EXPECT_EQ(textOf(window, "Text2"), "284");
    EXPECT_EQ(captionOf(window, "Label1"), "Listo");
    EXPECT_EQ(ends, 0);
}

TEST_F(IntegerWindows, SalirDuringASearchEndsAtOnce) {
    frmPerfectos& window = open<frmPerfectos>();
    click(window, "Check1");
    atPasses({{10, [&] { post(window, "Command2"); }}});
    click(window, "Command1");
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(passes, 10); // no step after the pass that ended the program
    EXPECT_EQ(textOf(window, "Text1"), "");
    EXPECT_NE(captionOf(window, "Label3"), "Listo");
    EXPECT_TRUE(visibleForms().empty());
}

} // namespace
} // namespace ordevix::test
