// The form host's own contract, on a small window made for the test.
#include "all_windows.h"
#include "window_fixture.h"

#include <QFontMetrics>
#include <QImage>

namespace ordevix::test {
namespace {

// clang-format off
constexpr Control kControls[] = {
    {Kind::TextBox,       "Text1",    "",         100, 100, 1200, 375, 0, kWindowFont, kNoRole, nullptr, "Número"},
    {Kind::CommandButton, "Command1", "Calcular", 100, 600, 1200, 495, 1, kWindowFont, kDefault},
    {Kind::CommandButton, "Command2", "SALIR",    100, 1200, 975, 495, 2, kTimes825,   kCancel},
    {Kind::CommandButton, "Command3", "Otro",     100, 1800, 975, 495, 3},
};
// clang-format on
const FormDescription kDescription{"frmPrueba",     "Prueba",           3000,    3000,
                                   kMsSansSerif825, Placement::Centred, nullptr, kControls};

// A window whose handlers do what each test needs.
class frmPrueba : public Form {
public:
    explicit frmPrueba(FormHost& host) : Form(host, kDescription) {
        onClick("Command1", &frmPrueba::Command1_Click);
        onClick("Command2", &frmPrueba::Command2_Click);
        onClick("Command3", &frmPrueba::Command3_Click);
    }
    std::function<void()> calcular = [] {};
    int calcularRuns = 0, otroRuns = 0;

private:
    void Command1_Click() {
        ++calcularRuns;
        calcular();
    }
    void Command2_Click() { host().End(); }
    void Command3_Click() { ++otroRuns; }
};

class Host : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        open<frmPrueba>();
    }
    frmPrueba& w() { return host().form<frmPrueba>(); }
    // Posts a click, as the user would while a handler runs, and lets DoEvents pump at once.
    void postClick(const char* name) {
        host().setPumpPolicy(1, std::chrono::nanoseconds(0));
        QMetaObject::invokeMethod(w().control(name), "click", Qt::QueuedConnection);
    }
};

TEST_F(Host, EnterClicksTheDefaultButtonFromATextBoxOrTheFocusedButton) {
    QTest::keyClick(w().control("Text1"), Qt::Key_Return);
    w().control("Command3")->setFocus();
    QTest::keyClick(w().control("Command3"), Qt::Key_Enter);
    QTest::keyClick(w().control("Command3"), Qt::Key_Space);
    EXPECT_EQ(w().calcularRuns, 1);
    EXPECT_EQ(w().otroRuns, 2);
}

TEST_F(Host, FaultsAreReportedAndWhatCameBeforeStays) {
    // clang-format off
    const struct { const char* name; FaultKind kind; const char* message; } rows[] = {
        {"type mismatch", FaultKind::TypeMismatch, "El valor ingresado no es un número válido."},
        {"overflow",      FaultKind::Overflow,     "El número está fuera del rango admitido."},
        {"arithmetic",    FaultKind::Arithmetic,   "La operación no tiene un resultado válido."},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        frmPrueba& window = open<frmPrueba>();
        window.calcular = [&window, kind = row.kind] {
            window.setText("Text1", u"antes");
            raise(kind);
        };
        click(window, "Command1");
        EXPECT_EQ(messages, std::vector{QString::fromUtf8(row.message)});
        EXPECT_EQ(textOf(window, "Text1"), "antes");
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(ends, 0);
    }
}

TEST_F(Host, EndInsideDoEventsStopsTheOuterHandler) {
    bool resumed = false;
    w().calcular = [&] {
        postClick("Command2");
        for (int step = 0; step < 1000; ++step)
            host().DoEvents();
        resumed = true;
    };
    click(w(), "Command1");
    EXPECT_FALSE(resumed);
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(visibleForms().empty());
}

TEST_F(Host, APostedClickRunsBeforeTheLoopEndsWithTheRealPumpPolicy) {
    w().calcular = [&] {
        QMetaObject::invokeMethod(w().control("Command3"), "click", Qt::QueuedConnection);
        for (long steps = 0; w().otroRuns == 0 && steps < 20'000'000'000L; ++steps)
            host().DoEvents();
    };
    click(w(), "Command1");
    EXPECT_EQ(w().otroRuns, 1);
}

TEST_F(Host, NestedRunsOfOneHandlerAreCapped) {
    int depth = 0, deepest = 0;
    w().calcular = [&] {
        deepest = std::max(deepest, ++depth);
        postClick("Command1");
        for (int step = 0; step < 3; ++step)
            host().DoEvents();
        --depth;
    };
    click(w(), "Command1");
    EXPECT_EQ(deepest, FormHost::kMaxNesting);
}

TEST_F(Host, PrintedLinesGoWithHidingButOnlyClsMovesThePrintPositionBack) {
    const int lineHeight = QFontMetrics(w().font()).lineSpacing();
    w().Print(2);
    w().Print(-15);
    EXPECT_EQ(w().printedLines(), (std::vector<QString>{" 2 ", "-15 "}));
    host().Hide(w());
    host().Show(w());
    EXPECT_TRUE(w().printedLines().empty());
    w().Print(0);
    EXPECT_EQ(w().printedLines(), std::vector<QString>{" 0 "});
    EXPECT_EQ(w().printPosition(), QPoint(0, 3 * lineHeight));
    w().Cls();
    EXPECT_TRUE(w().printedLines().empty());
    EXPECT_EQ(w().printPosition(), QPoint(0, 0));
}

TEST_F(Host, EachPrintedLineIsDrawnInItsOwnBand) {
    // The factor list of 999 is five lines; band k is [k, k + 1) line heights from the top.
    frmFactoreo& factoreo = open<frmFactoreo>();
    type(factoreo, "Text1", "999");
    click(factoreo, "Command1");
    QWidget* surface = factoreo.surface();
    QImage image(surface->size(), QImage::Format_RGB32);
    surface->render(&image, {}, {}, QWidget::DrawWindowBackground); // without the controls
    const QRgb paper = image.pixel(image.width() - 1, image.height() - 1);
    const int lineHeight = QFontMetrics(factoreo.font()).lineSpacing();
    const auto inkRows = [&](int band) {
        int rows = 0;
        for (int y = band * lineHeight; y < (band + 1) * lineHeight && y < image.height(); ++y)
            for (int x = 0; x < image.width() / 4; ++x)
                if (image.pixel(x, y) != paper) {
                    ++rows;
                    break;
                }
        return rows;
    };
    for (int band = 0; band < 5; ++band)
        EXPECT_GE(inkRows(band), lineHeight / 3) << "line " << band;
    EXPECT_EQ(inkRows(5), 0) << "below the last line";
}

TEST_F(Host, ALongButtonCaptionBreaksAtItsLastBlank) {
    // clang-format off
    const struct { const char* name; Form& (*window)(); const char* button; const char* shown; } rows[] = {
        {"Funciones Cuadráticas", &buildWindow<frmIndex>, "Command6", "F&unciones\nCuadráticas"},
        {"Es Divisible fits", &buildWindow<frmIndex>, "Command5", "&Es Divisible"},
        {"Borrar todo fits", &buildWindow<frmCalculadora>, "Command3", "Borrar todo"},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(qobject_cast<QAbstractButton*>(row.window().control(row.button))->text(),
                  QString::fromUtf8(row.shown))
            << row.name;
}

TEST_F(Host, TheRealMessageBoxIsModalTitledWithoutIconAndHasOneButton) {
    host().setMessageSink({});
    QString title, text;
    int buttons = 0;
    ModalWatch watch([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        buttons = int(box.buttons().size());
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box.windowModality(), Qt::ApplicationModal);
    });
    host().MsgBox(u"Debe ingresar valores");
    EXPECT_EQ(watch.answered, 1);
    EXPECT_EQ(title, "Ordevix");
    EXPECT_EQ(text, "Debe ingresar valores");
    EXPECT_EQ(buttons, 1);
}

} // namespace
} // namespace ordevix::test
