// The program's windows under libFuzzer. An input is one run of the program on a fresh host,
// read as the user's actions. Each action is posted as an event for the window showing when
// the user acted and arrives at the next pass of the event loop: the test's own loop, or the
// host's DoEvents while a search waits, so the input also says what the user does during a
// search, and during a search started inside it. After every action exactly one window shows
// (none once the program has ended), every label shows a text its window can show, and no
// exception but the program's faults has reached the dispatcher; every message box is one the
// program has. A broken rule, or a sanitizer report, aborts with the actions that led to it.
//
// Input: one byte for the run (bit 0: comma as the decimal separator; bits 1-2: steps of a
// search between two passes), then actions of two bytes, [what | quick << 3 | times << 4]
// [which]. Typing (which: append | Enter after << 1 | box << 2) goes on with its text,
// [prefix | suffix << 3] [body], or [128 + n] and n raw bytes: ASCII as it is, the others one
// of kWide. A quick action shares its pass with the next one; Enter may be pressed 2 to 256
// times. When the input ends during a search, the user closes the window.
#include "shell/form_host.h"
#include "shell/frmIndex.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

#include <sys/resource.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace ordevix;

// clang-format off
// A typed text is a number's body between a prefix and a suffix: range edges of every tool
// and conversion, signs, &H and &O, exponents, both separators, blanks, letters, the empty
// text and two very long texts.
const QString kPrefixes[] = {"", "", "-", "+", " ", "&H", "&O", "\t"};
const QString kSuffixes[] = {"", "", ".5", ",5", "e-5", " ", "abc", "9"};
const QString kBodies[] = {
    "", "0", "1", "2", "7", "9", "28", "97", "220", "284", "496", "8128", "10000", "10001", "32767",
    "32768", "65535", "2147483647", "2147483648", "1.5", "2.5", "0.4", ".5", "1,5", "1.000,5",
    "1E+308", "1e309", "3.5e38", "FFFF", "177777", QString(330, '9'), "1" + QString(100000, ' ')};
// Characters that a number reader might take for a blank, a sign or a digit.
constexpr char16_t kWide[] = {u'\u00A0', u'\u2212', u'\uFF11', u'\u0660', u'\u066B', u'\u00B7',
                              u'\u202F', char16_t(0xD800), u'\u0000', u'\uFFFF'};

const QString kMessages[] = {
    "Debe ingresar valores", "Esta aplicación soporta valores entre 2 y 10000",
    "La función no es cuadrática: AX2 no puede ser 0.", "Error, no se puede dividir por cero",
    "Esta función está preparada hasta 360º. Cifras mayores pueden causar errores impredecibles",
    "La cuenta llegó a 1000 pasos. Presione 'Borrar todo' para empezar otra.",
    "El valor ingresado no es un número válido.", "El número está fuera del rango admitido.",
    "La operación no tiene un resultado válido."};

// The labels that handlers write, and what each may read besides the empty text; every other
// label keeps the caption it was built with.
const QString kInteger = "(0|-?[1-9][0-9]{0,4})";
const QString kSigned =
    "[ -](0|[1-9][0-9]*(\\.[0-9]*[1-9])?|\\.[0-9]*[1-9]|[1-9](\\.[0-9]*[1-9])?E[+-][0-9]{2,3})";
const QString kRoots = QString("Raices %1 %1|Coinciden en %1|Complejas %1\\+/-%1i").arg(kSigned);
QRegularExpression whole(const QString& p) { return QRegularExpression("^(" + p + ")$"); }
const std::map<QString, QRegularExpression> kWritten = {
    {"frmEsDivisible.Label1", whole("(No e|E)s divisible")},
    {"frmPrimos.Label1", whole("El número (no )?es primo")},
    {"frmPerfectos.Label1", whole("(No e|E)s perfecto")},
    {"frmPerfectos.Label3", whole("Listo|Procesando\\.\\.\\. " + kInteger)},
    {"frmAmigos.Label1", whole("(No s|S)on amigos|Listo|Procesando\\.\\.\\." + kInteger)},
    {"frmAmigos.Label2", whole("(?!)")},
    {"frmCuadraticas.lblSalida", whole(kRoots)}};
// clang-format on
std::map<QString, QString> builtCaptions; // the other labels, as first seen

struct Run {
    const std::uint8_t* next;
    const std::uint8_t* end;
    bool ended = false;
    int waits = 0; // passes the user lets go by
    int depth = 0; // actions running inside other actions
    std::vector<std::string> log;
};
Run* run = nullptr;
long long actions = 0, delivered = 0, runs = 0;

void printCounts() {
    std::fprintf(stderr, "fuzz_windows: %lld runs, %lld actions read, %lld delivered\n", runs,
                 actions, delivered);
}

void note(const QString& line) {
    const std::string depth = run->depth > 16 ? "[" + std::to_string(run->depth) + "] " : "";
    run->log.push_back(std::string(2 * std::min(run->depth, 16), ' ') + depth + line.toStdString());
}

void printActions() {
    if (!run)
        return;
    std::fprintf(stderr, "The actions, each indented by the actions it ran inside:\n");
    for (std::size_t k = 0, same = 0; k < run->log.size(); k = same) {
        for (same = k; same < run->log.size() && run->log[same] == run->log[k]; ++same) {
        }
        const std::string times = same - k > 1 ? " (x" + std::to_string(same - k) + ")" : "";
        std::fprintf(stderr, "  %s%s\n", run->log[k].c_str(), times.c_str());
    }
}

[[noreturn]] void fail(const QString& what) {
    std::fprintf(stderr, "Broken: %s\n", qPrintable(what));
    printActions();
    std::abort();
}

// The program's windows, shown or not: the top-level widgets it named.
QList<QWidget*> programWindows() {
    QList<QWidget*> windows = QApplication::topLevelWidgets();
    windows.removeIf([](const QWidget* w) { return !w->objectName().startsWith("frm"); });
    return windows;
}

QWidget* showing() {
    for (QWidget* w : programWindows())
        if (w->isVisible())
            return w;
    fail("no window showing");
}

void checkWindows() {
    int shown = 0;
    for (const QWidget* w : QApplication::topLevelWidgets())
        shown += w->isVisible() && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog);
    if (shown != (run->ended ? 0 : 1))
        fail(QString("%1 windows showing%2").arg(shown).arg(run->ended ? " after the end" : ""));
    for (const QWidget* w : programWindows())
        for (const QLabel* label : w->findChildren<QLabel*>()) {
            const QString name = w->objectName() + "." + label->objectName(), text = label->text();
            const auto written = kWritten.find(name);
            if (written == kWritten.end()
                    ? builtCaptions.try_emplace(name, text).first->second != text
                    : !text.isEmpty() && !written->second.match(text).hasMatch())
                fail(name + " reads \"" + text + "\"");
        }
}

void checkMessage(const QString& text) {
    note("message: " + text);
    if (std::find(std::begin(kMessages), std::end(kMessages), text) == std::end(kMessages))
        fail("a message box reads \"" + text + "\"");
}

// Delivers act to target at the next pass, unless the program has ended by then.
void post(QObject* target, const QString& what, const std::function<void(QObject*)>& act) {
    const bool window = target->isWidgetType() && static_cast<QWidget*>(target)->isWindow();
    const QString where =
        showing()->objectName() + (window ? "" : "." + target->objectName()) + ": " + what;
    const auto deliver = [target = QPointer<QObject>(target), where, act] {
        if (run->ended || !target)
            return;
        note(where);
        ++delivered;
        ++run->depth;
        act(target);
        --run->depth;
        checkWindows();
    };
    QMetaObject::invokeMethod(qApp, deliver, Qt::QueuedConnection);
}

void click(QObject* control) {
    if (auto* item = qobject_cast<QAction*>(control))
        item->trigger();
    else
        QTest::mouseClick(static_cast<QWidget*>(control), Qt::LeftButton);
}

void press(QObject* window, Qt::Key key) {
    QWidget* focus = static_cast<QWidget*>(window)->focusWidget();
    QTest::keyClick(focus ? focus : static_cast<QWidget*>(window), key);
}

void close(QObject* window) {
    static_cast<QWidget*>(window)->close();
}

// What to type, and where, from the input.
void postTyping(QWidget* window, std::uint8_t which) {
    QString text;
    const std::uint8_t form = run->next < run->end ? *run->next++ : 0;
    if (form < 128 && run->next < run->end)
        text = kPrefixes[form % 8] + kBodies[*run->next++ % std::size(kBodies)] +
               kSuffixes[form / 8 % 8];
    for (int raw = form - 128; raw > 0 && run->next < run->end; --raw, ++run->next)
        text += *run->next < 128 ? QChar(*run->next) : QChar(kWide[*run->next % std::size(kWide)]);
    const QList<QLineEdit*> boxes = window->findChildren<QLineEdit*>();
    if (boxes.isEmpty())
        return;
    const bool append = which & 1, enter = which & 2;
    QString shown = text.left(24) + (text.size() > 24 ? QString("... (%1)").arg(text.size()) : "");
    std::replace_if(
        shown.begin(), shown.end(), [](QChar c) { return !c.isPrint(); }, u'?');
    post(boxes[(which >> 2) % boxes.size()], (append ? "type += \"" : "type = \"") + shown + "\"",
         [text, append](QObject* b) {
             auto* box = static_cast<QLineEdit*>(b);
             if (box->isEnabled()) // a disabled box takes no typing
                 box->setText(append ? box->text() + text : text);
         });
    if (enter) // as one types a number and presses Enter
        post(window, "Enter", [](QObject* w) { press(w, Qt::Key_Return); });
}

// Posts the next action for the window showing; false when the pass goes on to the events.
bool postAction() {
    if (run->end - run->next < 2) {
        run->next = run->end;
        return false;
    }
    const std::uint8_t how = *run->next++, which = *run->next++;
    ++actions;
    QWidget* window = showing();
    std::vector<QObject*> clickable;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (!button->objectName().isEmpty() && !button->objectName().startsWith("qt_"))
            clickable.push_back(button);
    for (QAction* item : window->findChildren<QAction*>())
        if (!item->menu() && item->objectName().startsWith("mnu"))
            clickable.push_back(item);
    // Pressed again and again, then held down for a while.
    constexpr int kPresses[] = {2, 4, 8, 16, 256, 256, 256, 256};
    const int presses = how % 8 == 3 && how >> 4 >= 8 ? kPresses[(how >> 4) - 8] : 1;
    switch (how % 8) {
    case 0:
        post(clickable[which % clickable.size()], "click", click);
        break;
    case 1:
        postTyping(window, which);
        break;
    case 2:
        if (auto* box = window->findChild<QCheckBox*>())
            post(box, "click", click);
        break;
    case 3:
        for (int k = 0; k < presses; ++k)
            post(window, "Enter", [](QObject* w) { press(w, Qt::Key_Return); });
        break;
    case 4:
        post(window, "Esc", [](QObject* w) { press(w, Qt::Key_Escape); });
        break;
    case 5:
        for (QObject* control : clickable)
            if (auto* b = qobject_cast<QAbstractButton*>(control); b && b->text() == "INICIO")
                post(b, "click", click);
        break;
    case 6:
        post(window, "close", close);
        break;
    case 7:
        run->waits = which;
        note(QString("wait %1 passes").arg(which));
        return false;
    }
    return how & 8;
}

// A pass's share of the input: the next action, and the quick ones after it.
void takeTurn(bool inSearch) {
    if (run->ended)
        return;
    if (run->waits > 0) {
        --run->waits;
        return;
    }
    if (run->next == run->end) {
        if (inSearch) // the user leaves the search to itself: closes the window
            post(showing(), "close", close);
        return;
    }
    while (postAction() && run->next != run->end) {
    }
}

// The only code that knows the host: the program as main starts it, with its message boxes,
// its End and any exception from a handler that is not one of its faults observed here, and
// a pass of the event loop every few steps of a search, each taking the input's next actions.
void startFuzzedProgram(FormHost& host, std::uint8_t settings) {
    constexpr int kStrides[] = {1, 4, 64, 4096};
    host.setRegional(settings & 1 ? RegionalSettings::comma() : RegionalSettings::period());
    host.setMessageSink(checkMessage);
    host.setEndHook([] { run->ended = true; });
    host.setProgrammingErrorSink(
        [](const QString& what) { fail("an exception reached the dispatcher: " + what); });
    host.setPumpPolicy(kStrides[settings >> 1 & 3], std::chrono::nanoseconds(0));
    host.setPumpProbe([] { takeTurn(true); });
    host.setStartForm<frmIndex>();
    host.Show(host.form<frmIndex>());
}

} // namespace

// Qt keeps its font and plugin caches until the process exits.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}

// A sanitizer's report comes with the actions that led to it.
extern "C" void __asan_on_error() {
    printActions();
}
extern "C" void __ubsan_on_report() {
    printActions();
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's warnings about the offscreen platform would drown the report.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg)
            fail("Qt: " + message);
    });
    // The stack that many platforms give a program's main thread, rather than 8 MB: nesting
    // that does not stop would take thousands of events to reach 8 MB, too many to be tried.
    rlimit stack{};
    getrlimit(RLIMIT_STACK, &stack);
    stack.rlim_cur = 1 << 20;
    setrlimit(RLIMIT_STACK, &stack);
    static int argc = 1;
    static char name[] = "fuzz_windows";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv); // the host sets it up
    std::atexit(printCounts);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    Run state{data + 1, data + size, false, 0, 0, {}};
    run = &state;
    {
        FormHost host;
        startFuzzedProgram(host, data[0]);
        checkWindows();
        while (!state.ended && state.next != state.end) {
            takeTurn(false);
            QApplication::processEvents();
        }
        QApplication::processEvents();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    run = nullptr;
    // Also along the way: a run stopped by a signal skips the exit handlers.
    if (++runs % 1000 == 0)
        printCounts();
    return 0;
}
