// The form host's own contract, on a small window made for the test.
#include "window_fixture.h"

#include <QAccessible>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

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
    std::function<void()> otro = [] {};
    int calcularRuns = 0;

private:
    void Command1_Click() {
        ++calcularRuns;
        calcular();
    }
    void Command2_Click() { host().End(); }
    void Command3_Click() { otro(); }
};

class Host : public UiTest {
protected:
    frmPrueba& window() { return host().form<frmPrueba>(); }
    void SetUp() override {
        UiTest::SetUp();
        open<frmPrueba>();
    }
    // Every DoEvents makes a pass of the event loop, so tests can count steps.
    void pumpEveryStep() { host().setPumpPolicy(1, std::chrono::nanoseconds(0)); }
};

TEST_F(Host, EnterClicksTheDefaultButtonFromATextBoxOrTheFocusedButton) {
    QTest::keyClick(window().control("Text1"), Qt::Key_Return);
    EXPECT_EQ(window().calcularRuns, 1);
    int otros = 0;
    window().otro = [&] { ++otros; };
    window().control("Command3")->setFocus();
    QTest::keyClick(window().control("Command3"), Qt::Key_Enter);
    EXPECT_EQ(otros, 1);
    EXPECT_EQ(window().calcularRuns, 1);
    QTest::keyClick(window().control("Command3"), Qt::Key_Space);
    EXPECT_EQ(otros, 2);
}

TEST_F(Host, FaultsAreReportedAndTheWindowLivesOn) {
    struct Row {
        FaultKind kind;
        const char* message;
    };
    const Row rows[] = {
        {FaultKind::TypeMismatch, "El valor ingresado no es un número válido."},
        {FaultKind::Overflow, "El número está fuera del rango admitido."},
        {FaultKind::Arithmetic, "La operación no tiene un resultado válido."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        messages.clear();
        window().calcular = [&] {
            window().setText("Text1", u"antes");
            raise(row.kind);
        };
        click(window(), "Command1");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], QString::fromUtf8(row.message));
        // What the handler changed before the fault stays changed.
        EXPECT_EQ(textOf(window(), "Text1"), QStringLiteral("antes"));
        EXPECT_TRUE(window().isVisible());
    }
    EXPECT_EQ(ends, 0);
}

TEST_F(Host, EndInsideDoEventsStopsTheOuterHandler) {
    pumpEveryStep();
    bool resumed = false;
    window().calcular = [&] {
        QMetaObject::invokeMethod(window().control("Command2"), "click", Qt::QueuedConnection);
        for (int step = 0; step < 1000; ++step)
            host().DoEvents();
        resumed = true;
    };
    click(window(), "Command1");
    EXPECT_FALSE(resumed);
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(visibleForms().empty());
}

TEST_F(Host, APostedEventRunsBeforeTheLoopEnds) {
    // The real pump policy: the loop runs until the posted click got through.
    bool handled = false;
    long steps = 0;
    window().otro = [&] { handled = true; };
    window().calcular = [&] {
        QMetaObject::invokeMethod(window().control("Command3"), "click", Qt::QueuedConnection);
        while (!handled && steps < 20'000'000'000L) {
            host().DoEvents();
            ++steps;
        }
    };
    click(window(), "Command1");
    EXPECT_TRUE(handled);
}

TEST_F(Host, NestedRunsOfOneHandlerAreCapped) {
    pumpEveryStep();
    int depth = 0;
    int deepest = 0;
    window().calcular = [&] {
        deepest = std::max(deepest, ++depth);
        QMetaObject::invokeMethod(window().control("Command1"), "click", Qt::QueuedConnection);
        for (int step = 0; step < 3; ++step)
            host().DoEvents();
        --depth;
    };
    click(window(), "Command1");
    EXPECT_EQ(deepest, FormHost::kMaxNesting);
    EXPECT_EQ(depth, 0);
}

TEST_F(Host, PrintWritesTheNumberFormLineByLineAndClsStartsOver) {
    window().Print(2);
    window().Print(-15);
    window().Print(0);
    EXPECT_EQ(window().printedLines(), (std::vector<QString>{" 2 ", "-15 ", " 0 "}));
    EXPECT_EQ(window().surface()->accessibleDescription(), QStringLiteral("2\n-15\n0"));
    window().Cls();
    EXPECT_TRUE(window().printedLines().empty());
    window().Print(7);
    EXPECT_EQ(window().printedLines(), std::vector<QString>{" 7 "});
}

TEST_F(Host, ThePrintPositionSurvivesHidingButTheLinesDoNot) {
    // No blinking cursor in the pictures.
    window().control("Command3")->setFocus();
    const QImage blank = window().surface()->grab().toImage();
    window().Print(8);
    EXPECT_NE(window().surface()->grab().toImage(), blank);
    const int lineHeight = window().printPosition().y();
    EXPECT_GT(lineHeight, 0);
    EXPECT_EQ(window().printPosition().x(), 0);
    host().Hide(window());
    host().Show(window());
    EXPECT_TRUE(window().printedLines().empty());
    EXPECT_EQ(window().surface()->grab().toImage(), blank);
    // Only Cls takes the position back to the top: the next line is the second one.
    window().Print(8);
    EXPECT_EQ(window().printPosition().y(), 2 * lineHeight);
    window().Cls();
    EXPECT_EQ(window().printPosition(), QPoint(0, 0));
}

TEST_F(Host, TheRealMessageBoxIsModalTitledAndHasOneButton) {
    host().setMessageSink({});
    QString title, text;
    int buttons = -1;
    QMessageBox::Icon icon = QMessageBox::Warning;
    Qt::WindowModality modality = Qt::NonModal;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        modality = box->windowModality();
        buttons = static_cast<int>(box->buttons().size());
        box->buttons().front()->click();
    });
    host().MsgBox(u"Debe ingresar valores");
    EXPECT_EQ(title, QStringLiteral("Ordevix"));
    EXPECT_EQ(text, QStringLiteral("Debe ingresar valores"));
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(modality, Qt::ApplicationModal);
    EXPECT_EQ(buttons, 1);
}

TEST_F(Host, TheFrameIsFixedToTheClientArea) {
    EXPECT_EQ(window().surface()->size(), QSize(200, 200));
    EXPECT_EQ(window().minimumSize(), window().maximumSize());
}

} // namespace
} // namespace ordevix::test
