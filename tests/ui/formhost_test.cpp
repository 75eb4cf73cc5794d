// The form host's own contract: on a small window made for the test, and what it
// gives every window of the program (the printing surface, the captions it fits
// into buttons, the real message box).
#include "all_windows.h"
#include "window_fixture.h"

#include <QFontMetrics>
#include <QImage>

#include <new>
#include <stdexcept>

namespace ordevix::test {
namespace {

// clang-format off
constexpr Control kControls[] = {
    {Kind::TextBox,       "Text1",    "",         100, 100, 1200, 375, 0, kWindowFont, kNoRole, nullptr, "Número"},
    {Kind::CommandButton, "Command1", "Calcular", 100, 600, 1200, 495, 1, kWindowFont, kDefault},
    {Kind::CommandButton, "Command3", "Otro",     100, 1800, 975, 495, 3},
};
// clang-format on
const FormDescription kDescription{"frmPrueba",     "Prueba",           3000,    3000,
                                   kMsSansSerif825, Placement::Centred, nullptr, kControls};

// A window whose "Calcular" writes Text1 and then does what each test needs.
class frmPrueba : public Form {
public:
    explicit frmPrueba(FormHost& host) : Form(host, kDescription) {
        onClick("Command1", &frmPrueba::Command1_Click);
        onClick("Command3", &frmPrueba::Command3_Click);
    }
    std::function<void()> calcular = [] {};
    int otroRuns = 0;

private:
    void Command1_Click() {
        setText("Text1", u"antes");
        calcular();
    }
    void Command3_Click() { ++otroRuns; }
};

class Host : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        open<frmPrueba>();
    }
    frmPrueba& w() { return host().form<frmPrueba>(); }
};
using Windows = UiTest;

QStringList criticalLog;
void recordCritical(QtMsgType type, const QMessageLogContext&, const QString& text) {
    criticalLog << (type == QtCriticalMsg ? text : QString());
}

TEST_F(Host, FaultsAreReportedAndOtherExceptionsAreProgrammingErrors) {
    // What the programming-error sink gets, in part, and what the user is told;
    // what the handler wrote before stays, and the window with it.
    // clang-format off
    const struct { const char* name; std::function<void(frmPrueba&)> raise; const char* error; const char* message; } rows[] = {
        {"type mismatch",        [](frmPrueba&) { raise(FaultKind::TypeMismatch); },     "", "El valor ingresado no es un número válido."},
        {"overflow",             [](frmPrueba&) { raise(FaultKind::Overflow); },         "", "El número está fuera del rango admitido."},
        {"arithmetic",           [](frmPrueba&) { raise(FaultKind::Arithmetic); },       "", "La operación no tiene un resultado válido."},
        {"a standard exception", [](frmPrueba&) { throw std::out_of_range("historia llena"); }, "historia llena", ""},
        {"a wrong-kind read",    [](frmPrueba& w) { w.value("Text1"); },                "Text1", ""},
        {"not a std::exception", [](frmPrueba&) { throw 7; },                           "not a std::exception", ""},
        {"out of memory",        [](frmPrueba&) { throw std::bad_alloc(); },            "", "El número está fuera del rango admitido."},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        std::vector<QString> errors;
        host().setProgrammingErrorSink([&](const QString& what) { errors.push_back(what); });
        frmPrueba& window = open<frmPrueba>();
        window.calcular = [&] { row.raise(window); };
        click(window, "Command1");
        EXPECT_EQ(errors.size(), *row.error ? 1u : 0u);
        EXPECT_TRUE(errors.empty() || errors.front().contains(QString::fromUtf8(row.error)));
        EXPECT_EQ(lastMessage(), QString::fromUtf8(row.message));
        EXPECT_EQ(textOf(window, "Text1"), "antes");
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(ends, 0);
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
    host().setPumpPolicy(1, std::chrono::nanoseconds(0));
    w().calcular = [&] {
        deepest = std::max(deepest, ++depth);
        QMetaObject::invokeMethod(w().control("Command1"), "click", Qt::QueuedConnection);
        for (int step = 0; step < 3; ++step)
            host().DoEvents();
        --depth;
    };
    click(w(), "Command1");
    EXPECT_EQ(deepest, FormHost::kMaxNesting);
}

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
    // clang-format off
    const struct { const char* name; const char* button; const char* shown; } rows[] = {
        {"Funciones Cuadráticas", "Command6", "F&unciones\nCuadráticas"}, {"Es Divisible", "Command5", "&Es Divisible"},
    };
    // clang-format on
    frmIndex& menu = open<frmIndex>();
    for (const auto& row : rows)
        EXPECT_EQ(qobject_cast<QAbstractButton*>(menu.control(row.button))->text().toStdString(),
                  row.shown)
            << row.name;
}

TEST_F(Windows, TheRealMessageBoxIsModalTitledWithoutIconAndHasOneButton) {
    host().setMessageSink({});
    int seen = 0;
    ModalWatch watch([&](QMessageBox& box) {
        ++seen;
        EXPECT_EQ(box.windowTitle(), "Ordevix");
        EXPECT_EQ(box.text(), "Debe ingresar valores");
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box.windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box.buttons().size(), 1);
    });
    host().MsgBox(u"Debe ingresar valores");
    EXPECT_EQ(seen, 1);
}

} // namespace
} // namespace ordevix::test
