// The form host's own contract, on a small window made for the test.
#include "window_fixture.h"

#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <new>
#include <stdexcept>

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

TEST_F(Host, AToolWindowIsCentredOnTheScreenWhenFirstShown) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    // Within a pixel on each axis: QRect rounds its centre down.
    EXPECT_LE((w().geometry().center() - area.center()).manhattanLength(), 2);
}

TEST_F(Host, FaultsAreReportedAndWhatCameBeforeStays) {
    // clang-format off
    const std::pair<FaultKind, const char*> rows[] = {
        {FaultKind::TypeMismatch, "El valor ingresado no es un número válido."},
        {FaultKind::Overflow, "El número está fuera del rango admitido."},
        {FaultKind::Arithmetic, "La operación no tiene un resultado válido."},
    };
    // clang-format on
    for (const auto& [kind, message] : rows) {
        w().setText("Text1", u"");
        w().calcular = [&, kind = kind] {
            w().setText("Text1", u"antes");
            raise(kind);
        };
        click(w(), "Command1");
        EXPECT_EQ(lastMessage(), QString::fromUtf8(message));
        EXPECT_EQ(textOf(w(), "Text1"), QStringLiteral("antes"));
        EXPECT_TRUE(w().isVisible());
    }
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_EQ(ends, 0);
}

QStringList criticalLog;
void recordCritical(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg)
        criticalLog << text;
}

TEST_F(Host, AnExceptionThatIsNoFaultOfTheProgramIsAProgrammingErrorNotAFaultMessage) {
    std::vector<QString> errors;
    host().setProgrammingErrorSink([&](const QString& what) { errors.push_back(what); });
    struct Row {
        const char* name;
        std::function<void()> raise;
        const char* error;   // what the sink gets, in part; "": nothing
        const char* message; // what the user sees; "": nothing
    };
    // clang-format off
    const Row rows[] = {
        {"a standard exception", [] { throw std::out_of_range("historia llena"); }, "historia llena", ""},
        {"a wrong-kind read",    [this] { w().value("Text1"); },                     "Text1",          ""},
        {"not a std::exception", [] { throw 7; },                                   "not a std::exception", ""},
        {"out of memory",        [] { throw std::bad_alloc(); },                     "",               "El número está fuera del rango admitido."},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        errors.clear();
        messages.clear();
        w().calcular = row.raise;
        click(w(), "Command1");
        ASSERT_EQ(errors.size(), *row.error ? 1u : 0u);
        EXPECT_TRUE(errors.empty() || errors.front().contains(QString::fromUtf8(row.error)));
        EXPECT_EQ(lastMessage(), QString::fromUtf8(row.message));
        EXPECT_TRUE(w().isVisible());
    }

    // The program's own way: the user is told, the log gets what went wrong.
    host().setProgrammingErrorSink({});
    w().calcular = [] { throw std::out_of_range("historia llena"); };
    criticalLog.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordCritical);
    click(w(), "Command1");
    qInstallMessageHandler(previous);
    EXPECT_EQ(lastMessage(), QStringLiteral("La operación no tiene un resultado válido."));
    EXPECT_TRUE(criticalLog.join('|').contains(QStringLiteral("historia llena")));
}

TEST_F(Host, AWrongKindReadInTheProgramEndsItWithTheWindowAndControlNamed) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    host().setProgrammingErrorSink({});
    w().calcular = [this] { w().value("Text1"); };
    EXPECT_DEATH(click(w(), "Command1"), "frmPrueba: Text1");
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
    w().Print(2);
    w().Print(-15);
    EXPECT_EQ(w().printedLines(), (std::vector<QString>{" 2 ", "-15 "}));
    const int lineHeight = w().printPosition().y() / 2;
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

TEST_F(Host, TheRealMessageBoxIsModalTitledWithoutIconAndHasOneButton) {
    host().setMessageSink({});
    QMessageBox* seen = nullptr;
    QString title;
    QTimer::singleShot(0, [&] {
        seen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!seen)
            return;
        title = seen->windowTitle();
        EXPECT_EQ(seen->text(), QStringLiteral("Debe ingresar valores"));
        EXPECT_EQ(seen->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(seen->windowModality(), Qt::ApplicationModal);
        ASSERT_EQ(seen->buttons().size(), 1);
        seen->buttons().front()->click();
    });
    host().MsgBox(u"Debe ingresar valores");
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(title, QStringLiteral("Ordevix"));
}

} // namespace
} // namespace ordevix::test
