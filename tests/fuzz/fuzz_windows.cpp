// The windows under libFuzzer, offscreen, each input one run of the program; after each action
// one window shows and labels, messages and faults are the program's, or the actions are printed.
#include "shell/form_host.h"
#include "shell/frmIndex.h"

#include <QTest>
#include <QtWidgets>

#include <sys/resource.h>

namespace {
using namespace ordevix;
using Act = std::function<void(QObject*)>;

// clang-format off
// Typed texts: prefixes, bodies (range edges of the tools and conversions), suffixes.
const QString kPrefixes[] = {"", "-", "&H", "&O"}, kSuffixes[] = {"", ".5", ",5", "e-5"};
const QString kBodies[] = {
    "",       "0",     "1",      "2",          "7",          "9",     "28",    "97",
    "220",    "284",   "496",    "8128",       "10000",      "10001", "32767", "32768",
    "65535",  "360",   "2.5",    "2147483647", "2147483648", "0.4",   "1,5",   "1.000,5",
    "1E+308", "1e309", "3.5e38", "FFFF",       "177777",     "+1",    " 1\t",  "abc"};
// Raw bytes past ASCII: what a number reader might take for blanks, signs or digits.
const std::u16string_view kWide(u"\u00A0\u2212\uFF11\u0660\u066B\u00B7\u202F\xD800\0\uFFFF", 10);
const QStringList kMessages = {
    "Debe ingresar valores", "Esta aplicación soporta valores entre 2 y 10000",
    "La función no es cuadrática: AX2 no puede ser 0.", "Error, no se puede dividir por cero",
    "Esta función está preparada hasta 360º. Cifras mayores pueden causar errores impredecibles",
    "La cuenta llegó a 1000 pasos. Presione 'Borrar todo' para empezar otra.",
    "El valor ingresado no es un número válido.", "El número está fuera del rango admitido.",
    "La operación no tiene un resultado válido."};
// What the labels that handlers write may read besides the empty text.
const QString kInt = "(0|-?[1-9][0-9]{0,4})", kNumber = "[ -](0|[1-9][0-9]*(\\.[0-9]*[1-9])?"
                     "|\\.[0-9]*[1-9]|[1-9](\\.[0-9]*[1-9])?E[+-][0-9]{2,3})";
const std::map<QString, QString> kWritten = {
    {"frmEsDivisible.Label1",    "(No e|E)s divisible"},
    {"frmPrimos.Label1",         "El número (no )?es primo"},
    {"frmPerfectos.Label1",      "(No e|E)s perfecto"},
    {"frmPerfectos.Label3",      "Listo|Procesando\\.\\.\\. " + kInt},
    {"frmAmigos.Label1",         "(No s|S)on amigos|Listo|Procesando\\.\\.\\." + kInt},
    {"frmCuadraticas.lblSalida", QString("Raices %1 %1|Coinciden en %1|Complejas %1\\+/-%1i")
                                     .arg(kNumber)}};
// clang-format on
std::map<QString, QRegularExpression> allowed; // by label: those, or its caption as first seen

// A typed text of the tables by its number: kind << 8 | t.
QString tableText(int id) {
    const int t = id & 255;
    return kPrefixes[t % 4] + kBodies[(id >> 8) * 16 + t / 4 % 16] + kSuffixes[t / 64];
}

const std::uint8_t *rest, *restEnd; // the input not yet read
bool ended;
int waits, depth; // passes the user lets go by; actions running inside others
QStringList actionLog;
long long inputs, actions;

const auto take = [] { return rest < restEnd ? *rest++ : 0; };
const auto printActions = [] { std::fprintf(stderr, "%s\n", qPrintable(actionLog.join('\n'))); };
[[noreturn]] void fail(const QString& what) {
    printActions();
    qFatal("Broken: %s", qPrintable(what));
}

QWidget* showing() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName().startsWith("frm"))
            return w;
    fail("no window showing");
}

void check() {
    int shown = 0;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        shown += w->isVisible() && w->windowType() <= Qt::Dialog; // not a popup or a tip
        for (const QLabel* label : w->findChildren<QLabel*>()) {
            const QString name = w->objectName() + "." + label->objectName(), text = label->text();
            const QString rule =
                kWritten.count(name) ? kWritten.at(name) + "|" : QRegularExpression::escape(text);
            const auto& allows = allowed.try_emplace(name, "^(" + rule + ")$").first->second;
            if (w->objectName().startsWith("frm") && !allows.match(text).hasMatch())
                fail(name + " reads " + text);
        }
    }
    if (shown != !ended)
        fail(QString("%1 windows showing").arg(shown));
}

// Delivers act at the next pass unless the program has ended; logs it indented by nesting.
void post(QObject* target, const QString& what, const Act& act) {
    const QString where = showing()->objectName() + ": " + target->objectName() + " " + what;
    QMetaObject::invokeMethod(
        qApp,
        [target = QPointer(target), where, act] {
            if (ended || !target)
                return;
            actionLog << QString(2 * std::min(depth++, 16), ' ') + where;
            ++actions;
            act(target);
            --depth;
            check();
        },
        Qt::QueuedConnection);
}

const Act click = [](QObject* control) {
    if (auto* item = qobject_cast<QAction*>(control))
        item->trigger();
    else
        QTest::mouseClick(static_cast<QWidget*>(control), Qt::LeftButton);
};
const Act close = [](QObject* window) { static_cast<QWidget*>(window)->close(); };
Act press(Qt::Key key) {
    return [key](QObject* window) {
        QWidget* w = static_cast<QWidget*>(window);
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, key);
    };
}

// Byte 0: decimal comma | search steps per event pass (1, 16, 256, 4096) << 1; then actions.
// Posts the next action, [what | quick << 3 | more << 4] [which]: a row of acts, or 7, wait;
// true for a quick one, which shares its pass with the next. Enter with more >= 8 is pressed
// 2 to 256 times. Typing into box `which` reads a byte t; more = append | Enter << 1 | kind << 2,
// kinds 0 and 1: the table text kind << 8 | t; 2: t % 32 raw bytes, then t / 32 * 700 blanks or
// nines; 3: the 128 table texts from t % 4 * 128 in turn, each followed by Enter.
bool postAction() {
    const int how = take(), which = take(), what = how % 8, t = what == 1 ? take() : 0;
    const int kind = how >> 6;
    if (what == 7) {
        actionLog << QString("wait %1 passes").arg(waits = which);
        return false;
    }
    QWidget* window = showing();
    QObjectList controls; // the buttons and menu items, named by the program
    QObject* inicio = nullptr;
    for (QObject* c : window->findChildren<QObject*>())
        if ((c->inherits("QAbstractButton") || c->inherits("QAction")) &&
            !c->objectName().isEmpty() && !c->objectName().startsWith("qt_")) {
            controls << c;
            inicio = c->property("text") == "INICIO" ? c : inicio;
        }
    const auto boxes = window->findChildren<QLineEdit*>();
    if (what == 1 && !boxes.isEmpty()) {
        QStringList texts(kind < 2 ? tableText(kind << 8 | t) : "");
        for (int n = kind == 2 ? t % 32 : 0; n > 0 && rest < restEnd; --n) {
            const int c = take();
            texts[0] += c < 128 ? QChar(c) : QChar(kWide[c % kWide.size()]);
        }
        texts[0] += kind == 2 ? QString(t / 32 * 700, t & 32 ? ' ' : '9') : "";
        for (int id = t % 4 * 128; kind == 3 && id < t % 4 * 128 + 128; ++id)
            texts << tableText(id);
        for (const QString& text : texts.mid(kind == 3)) {
            QString shown;
            QDebug(&shown) << (how & 16 ? "+=" : "=") << text.left(40) << text.size();
            post(boxes[which % boxes.size()], shown, [text, append = bool(how & 16)](QObject* b) {
                auto* box = static_cast<QLineEdit*>(b);
                if (box->isEnabled()) // a disabled box takes no typing
                    box->setText(append ? box->text() + text : text);
            });
            if (how & 32 || kind == 3) // as one types a number and presses Enter
                post(window, "Enter", press(Qt::Key_Return));
        }
    }
    // clang-format off
    const struct { QObject* target; QString what; Act act; } acts[] = {
        {controls[which % controls.size()], "click", click},
        {nullptr,                           "type",  {}},
        {window->findChild<QCheckBox*>(),   "click", click},
        {window,                            "Enter", press(Qt::Key_Return)},
        {window,                            "Esc",   press(Qt::Key_Escape)},
        {inicio,                            "click", click},
        {window,                            "close", close}};
    // clang-format on
    for (int k = what == 3 && how >= 128 ? 2 << (how >> 4 & 7) : 1; k > 0 && acts[what].target; --k)
        post(acts[what].target, acts[what].what, acts[what].act);
    return how & 8;
}

// A pass's share of the input. When it ends during a search, the user closes the window.
void takeTurn(bool inSearch) {
    if (ended || (waits > 0 && waits--))
        return;
    if (rest == restEnd && inSearch)
        post(showing(), "close", close);
    while (rest != restEnd && postAction()) {
    }
}
} // namespace

// Qt keeps its font and plugin caches until the process exits.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}
extern "C" void __asan_on_error() {
    printActions();
}
extern "C" void __ubsan_on_report() {
    printActions();
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*=false"); // the offscreen platform's warnings drown reports
    // A 1 MB stack, as many platforms give: endless nesting overflows it in a few hundred events.
    const rlimit stack{1 << 20, 1 << 20};
    setrlimit(RLIMIT_STACK, &stack);
    new QApplication(*argc, *argv); // the host sets it up; Qt ignores libFuzzer's flags
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    rest = data + 1, restEnd = data + size, ended = false, waits = depth = 0;
    actionLog.clear();
    { // the program as main starts it, its message boxes, End and faults observed
        FormHost host;
        host.setRegional(data[0] & 1 ? RegionalSettings::comma() : RegionalSettings::period());
        host.setMessageSink([](const QString& text) {
            actionLog << "message: " + text;
            if (!kMessages.contains(text))
                fail("a message box reads " + text);
        });
        host.setEndHook([] { ended = true; });
        host.setProgrammingErrorSink([](const QString& what) { fail("uncaught: " + what); });
        host.setPumpPolicy(1 << (data[0] >> 1 & 3) * 4, std::chrono::nanoseconds(0));
        host.setPumpProbe([] { takeTurn(true); });
        host.setStartForm<frmIndex>();
        host.Show(host.form<frmIndex>());
        for (check(); !ended && rest != restEnd; QApplication::processEvents())
            takeTurn(false);
        QApplication::processEvents();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (++inputs % 1000 == 0) // a run stopped by a signal reports nothing at its exit
        std::fprintf(stderr, "fuzz_windows: %lld inputs, %lld actions\n", inputs, actions);
    return 0;
}
