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
// search between two passes), then actions of two bytes, [what | quick << 3 | held << 4]
// [which]; typing goes on with the pieces of its text, each a byte: one of kTexts, a
// character of kChars, or 127 and a raw byte; the top bit says another piece follows. A quick
// action shares its pass with the next one; Enter may be held, posted 4 to 256 times. When
// the input ends during a search, the user closes the window.
#include "shell/formhost.h"
#include "shell/frmIndex.h"
#include "shell/program.h"

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

#include <sanitizer/common_interface_defs.h>
#include <sys/resource.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace ordevix;

// Range edges of every tool and conversion, signs, &H and &O, exponents, both separators,
// blanks, letters, the empty text, and two very long texts.
// clang-format off
const QString kTexts[] = {
    "", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "-1", "28", "97", "220", "284", "496",
    "8128", "10000", "10001", "32767", "32768", "-32768", "-32769", "2147483647", "2147483648",
    "-2147483649", "1.5", "2.5", "3.5", "0.4", "-0.5", ".5", "1,5", "1.000,5", "1,000.5", "+", "-",
    ".", ",", "1e3", "1E", "e5", "1e-5", "1E+308", "1e309", "-1e309", "1e-320", "3.4e38", "3.5e38",
    "1e-46", "&H", "&H1F", "&HFFFF", "&H8000", "&H7FFFFFFF", "&HFFFFFFFF", "&O", "&O7", "&O77777",
    "&O177777", " ", "\t", "  12  ", "1 000", "abc", "12abc", "E", "90", "180", "270", "360", "361",
    QString(1000, '9'), "1" + QString(100000, ' ') + "2"};
// clang-format on
// Single characters that numbers are made of, and raw bytes: ASCII as it is, the others a
// character that a number reader might take for one.
constexpr char16_t kChars[] = u"0123456789+-.,E&";
constexpr char16_t kWide[] = {u'\u00A0', u'\u2212', u'\uFF11',        u'\u0660', u'\u066B',
                              u'\u00B7', u'\u202F', char16_t(0xD800), u'\u0000', u'\uFFFF'};

const QString kMessages[] = {
    "Debe ingresar valores",
    "Esta aplicación soporta valores entre 2 y 10000",
    "La función no es cuadrática: AX2 no puede ser 0.",
    "Error, no se puede dividir por cero",
    "Esta función está preparada hasta 360º. Cifras mayores pueden causar errores impredecibles",
    "La cuenta llegó a 1000 pasos. Presione 'Borrar todo' para empezar otra.",
    "El valor ingresado no es un número válido.",
    "El número está fuera del rango admitido.",
    "La operación no tiene un resultado válido."};

// The labels that handlers write, and what each may read besides the empty text; every other
// label keeps the caption it was built with.
const QString kInteger = "(0|-?[1-9][0-9]{0,4})";
const QString kSigned =
    "[ -](0|[1-9][0-9]*(\\.[0-9]*[1-9])?|\\.[0-9]*[1-9]|[1-9](\\.[0-9]*[1-9])?E[+-][0-9]{2,3})";
const QString kRoots = QString("Raices %1 %1|Coinciden en %1|Complejas %1\\+/-%1i").arg(kSigned);
QRegularExpression whole(const QString& pattern) {
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
}
// clang-format off
const std::map<QString, QRegularExpression> kWritten = {
    {"frmEsDivisible.Label1", whole("(No e|E)s divisible")},
    {"frmPrimos.Label1", whole("El número (no )?es primo")},
    {"frmPerfectos.Label1", whole("(No e|E)s perfecto")},
    {"frmPerfectos.Label3", whole("Listo|Procesando\\.\\.\\. " + kInteger)},
    {"frmAmigos.Label1", whole("(No s|S)on amigos|Listo|Procesando\\.\\.\\." + kInteger)},
    {"frmAmigos.Label2", whole("(?!)")},
    {"frmCuadraticas.lblSalida", whole(kRoots)},
};
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

void printActions() {
    if (!run)
        return;
    std::fprintf(stderr, "The actions, each indented by the actions it ran inside:\n");
    for (std::size_t k = 0, same = 0; k < run->log.size(); k = same) {
        for (same = k; same < run->log.size() && run->log[same] == run->log[k]; ++same) {
        }
        std::fprintf(stderr, "  %s%s\n", run->log[k].c_str(),
                     same - k > 1 ? (" (x" + std::to_string(same - k) + ")").c_str() : "");
    }
}

[[noreturn]] void fail(const QString& what) {
    std::fprintf(stderr, "Broken: %s\n", qPrintable(what));
    printActions();
    std::abort();
}

std::vector<QWidget*> programWindows() {
    std::vector<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowType() == Qt::Window && w->objectName().startsWith("frm"))
            windows.push_back(w);
    return windows;
}

QWidget* showing() {
    for (QWidget* w : programWindows())
        if (w->isVisible())
            return w;
    return nullptr;
}

void checkWindows() {
    int shown = 0;
    for (const QWidget* w : QApplication::topLevelWidgets())
        shown += w->isVisible() && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog);
    if (shown != (run->ended ? 0 : 1))
        fail(QString("%1 windows showing%2").arg(shown).arg(run->ended ? " after the end" : ""));
    for (const QWidget* w : programWindows())
        for (const QLabel* label : w->findChildren<QLabel*>()) {
            const QString name = w->objectName() + "." + label->objectName();
            const auto written = kWritten.find(name);
            const bool fits =
                written == kWritten.end()
                    ? builtCaptions.try_emplace(name, label->text()).first->second == label->text()
                    : label->text().isEmpty() || written->second.match(label->text()).hasMatch();
            if (!fits)
                fail(name + " reads \"" + label->text() + "\"");
        }
}

void checkMessage(const QString& text) {
    run->log.push_back(std::string(2 * run->depth, ' ') + "message: " + text.toStdString());
    if (std::find(std::begin(kMessages), std::end(kMessages), text) == std::end(kMessages))
        fail("a message box reads \"" + text + "\"");
}

QString shown(const QString& text) {
    QString escaped;
    for (const QChar c : text.left(24))
        escaped += c.isPrint() ? QString(c) : QString("\\u%1").arg(c.unicode(), 4, 16, QChar('0'));
    return "\"" + escaped + (text.size() > 24 ? QString("\"... (%1)").arg(text.size()) : "\"");
}

// Delivers act to target at the next pass, unless the program has ended by then.
void post(QObject* target, const QString& what, std::function<void(QObject*)> act) {
    const bool window = target->isWidgetType() && static_cast<QWidget*>(target)->isWindow();
    const QString where =
        showing()->objectName() + (window ? "" : "." + target->objectName()) + ": " + what;
    QMetaObject::invokeMethod(
        qApp,
        [target = QPointer<QObject>(target), where, act] {
            if (run->ended || !target)
                return;
            run->log.push_back(std::string(2 * run->depth, ' ') + where.toStdString());
            ++delivered;
            ++run->depth;
            act(target);
            --run->depth;
            checkWindows();
        },
        Qt::QueuedConnection);
}

void key(QObject* window, Qt::Key k) {
    auto* w = static_cast<QWidget*>(window);
    QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, k);
}

QString piece(std::uint8_t index) {
    if (index < std::size(kTexts))
        return kTexts[index];
    if (index != 127 || run->next == run->end)
        return QChar(kChars[index % 16]);
    const std::uint8_t raw = *run->next++;
    return QChar(raw < 0x80 ? char16_t(raw) : kWide[raw % std::size(kWide)]);
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
    if (!window)
        fail("no window showing");
    std::vector<QObject*> clickable;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (!button->objectName().isEmpty() && !button->objectName().startsWith("qt_"))
            clickable.push_back(button);
    for (QAction* item : window->findChildren<QAction*>())
        if (!item->menu() && item->objectName().startsWith("mnu"))
            clickable.push_back(item);
    QObject* target = window;
    QString what = "click";
    std::function<void(QObject*)> act = [](QObject* c) {
        if (auto* item = qobject_cast<QAction*>(c))
            item->trigger();
        else
            QTest::mouseClick(static_cast<QWidget*>(c), Qt::LeftButton);
    };
    switch (how & 7) {
    case 0:
        target = clickable[which % clickable.size()];
        break;
    case 1: {
        QString text;
        for (bool more = true; more && run->next < run->end;) {
            more = *run->next & 0x80;
            text += piece(*run->next++ % 128);
        }
        const QList<QLineEdit*> boxes = window->findChildren<QLineEdit*>();
        target = boxes.isEmpty() ? nullptr : boxes[(which >> 1) % boxes.size()];
        const bool append = which & 1;
        what = QString(append ? "type += " : "type = ") + shown(text);
        act = [text, append](QObject* b) {
            auto* box = static_cast<QLineEdit*>(b);
            if (box->isEnabled()) // a disabled box takes no typing
                box->setText(append ? box->text() + text : text);
        };
        break;
    }
    case 2:
        target = window->findChild<QCheckBox*>();
        break;
    case 3:
        what = "Enter";
        act = [](QObject* w) { key(w, Qt::Key_Return); };
        break;
    case 4:
        what = "Esc";
        act = [](QObject* w) { key(w, Qt::Key_Escape); };
        break;
    case 5:
        target = nullptr;
        for (QObject* button : clickable)
            if (auto* b = qobject_cast<QAbstractButton*>(button); b && b->text() == "INICIO")
                target = b;
        break;
    case 6:
        what = "close";
        act = [](QObject* w) { static_cast<QWidget*>(w)->close(); };
        break;
    case 7:
        run->waits = which;
        run->log.push_back(std::string(2 * run->depth, ' ') + "wait " + std::to_string(which));
        return false;
    }
    constexpr int kHeld[] = {4, 16, 64, 256};
    const int repeat = (how & 7) == 3 && how >> 4 >= 12 ? kHeld[(how >> 4) - 12] : 1;
    for (int k = 0; target && k < repeat; ++k)
        post(target, what, act);
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
            post(showing(), "close", [](QObject* w) { static_cast<QWidget*>(w)->close(); });
        return;
    }
    while (postAction() && run->next != run->end) {
    }
}

// The only code that knows the host: the program as main starts it, with its message boxes,
// its End and any exception from a handler that is not one of its faults observed here, and
// a pass of the event loop every few steps of a search, each taking the input's next actions.
void startProgram(FormHost& host, std::uint8_t settings) {
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
    configureApplication(*new QApplication(argc, argv));
    __sanitizer_set_death_callback(printActions);
    std::atexit([] {
        std::fprintf(stderr, "fuzz_windows: %lld runs, %lld actions read, %lld delivered\n", runs,
                     actions, delivered);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    Run state{data + 1, data + size, false, 0, 0, {}};
    run = &state;
    {
        FormHost host;
        startProgram(host, data[0]);
        checkWindows();
        while (!state.ended && state.next != state.end) {
            takeTurn(false);
            QApplication::processEvents();
        }
        QApplication::processEvents();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    run = nullptr;
    ++runs;
    return 0;
}
