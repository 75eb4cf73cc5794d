// SPDX-License-Identifier: GPL-3.0-or-later
// ordevix-bench: what a user waits for. The two longest clicks in the real
// windows, against the same searches one trial divisor at a time and against
// their bare arithmetic, in processor time of this thread (fastest run, so other
// work on the machine does not count); the longest input delay during a search
// and the start-up against the same main menu built by hand, in wall time.
#include "shell/form_host.h"
#include "shell/frmIndex.h"
#include "tools/frmAmigos.h"
#include "tools/frmPerfectos.h"
#include "tools/integer_tools.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <limits>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace ordevix::bench {
namespace {

struct Goal {
    const char* key;
    bool atLeast; // the figure must be at least the bound; otherwise at most
    double bound;
};
constexpr Goal kGoals[] = {
    {"click_perfect_beyond_8128_s", false, 0.015},
    {"click_amicable_16_s", false, 0.010},
    {"perfect_program_over_scalar", true, 50},
    {"amicable_program_over_scalar", true, 50},
    {"perfect_program_over_limit", true, 0.5},
    {"amicable_program_over_limit", true, 0.5},
    {"latency_max_ms", false, 20},
    {"startup_over_hand", false, 1.1},
};

using Clock = std::chrono::steady_clock;

template <class F> double fastestOf(int runs, F&& f) {
    const auto now = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
    };
    double best = std::numeric_limits<double>::infinity();
    for (int r = 0; r < runs; ++r) {
        const double start = now();
        f();
        best = std::min(best, now() - start);
    }
    return best;
}

void expect(bool ok, const char* search) {
    if (!ok)
        throw std::logic_error(std::string(search) + " stopped elsewhere");
}

// Read through volatile, so that the compiler cannot work a search out ahead:
// the click after 8128, and the clicks after a tick of "Automático".
volatile Integer gPerfectStart = 8129;
volatile Integer gAmicableStart = 1;

// The divisor sum one trial divisor at a time, each step with a yield that lets
// it pass and costs nothing.
Integer scalarSum(const Integer& n) {
    const auto yield = [](std::int32_t) { return 1; };
    std::int32_t i = 1, sum = 0;
    do {
        yield(1);
        sum += n % i == 0 ? i : 0;
    } while (++i < n);
    return wrapInteger(sum);
}

void scalarPerfect() {
    Integer n = gPerfectStart;
    while (n == 1 || scalarSum(n) != n)
        n = wrapInteger(n + 1);
    expect(n == 6, "scalar perfect search");
}

void scalarAmicable() {
    Integer n = gAmicableStart;
    for (int hits = 0; hits < 16; n = wrapInteger(n + 1)) {
        const Integer amigo = scalarSum(n);
        hits += scalarSum(amigo) == n && amigo != n;
    }
    expect(n == 18417, "scalar amicable search");
}

// The core's searches with no yield and no caption: the arithmetic alone.
const auto grantAll = [](std::int32_t steps) { return steps; };
const auto nothing = [](const auto&) {};

void limitPerfect() {
    Integer contador = gPerfectStart;
    expect(buscarPerfecto(contador, grantAll, nothing, nothing) == 6, "perfect search");
}

void amicableClicks(Integer& contador, const auto& yield) {
    Integer amigo = 0;
    for (int click = 0; click < 16; ++click)
        buscarAmigos(contador, amigo, yield, nothing, nothing);
}

void limitAmicable() {
    Integer contador = gAmicableStart;
    amicableClicks(contador, grantAll);
    expect(contador == 18417, "amicable search");
}

void click(Form& window, const char* name) {
    qobject_cast<QAbstractButton*>(window.control(name))->click();
}

// The window shown with "Automático" ticked afresh, which restarts its search at
// 1; then `before` clicks of "Calcular" untimed and, once the window is on the
// screen as the user would see it, `timed` clicks timed.
double timeClicks(FormHost& host, Form& window, int before, int timed, const char16_t* found) {
    host.Show(window);
    if (window.value("Check1") == 1)
        click(window, "Check1");
    click(window, "Check1");
    for (int c = 0; c < before; ++c)
        click(window, "Command1");
    QApplication::processEvents();
    const double s = fastestOf(1, [&] {
        for (int c = 0; c < timed; ++c)
            click(window, "Command1");
    });
    expect(window.text("Text1") == found, window.description().name);
    host.Hide(window);
    return s;
}

// One search three ways, in seconds.
struct SearchTimes {
    double click = std::numeric_limits<double>::infinity();
    double scalar = 0;
    double limit = 0;
};

// Input delay: a second thread posts events at random moments, 0.2 to 6 ms
// apart, as a user's clicks and keys would arrive, while amicable searches run
// with the host's DoEvents as their yield; the delay runs from posting to handler.
double latencyMaxMs(FormHost& host) {
    QObject receiver; // stands in for a window; its handler records each delay
    std::vector<double> delaysMs;
    std::atomic<bool> stop{false};
    std::thread poster([&] {
        std::mt19937 random(20240601);
        std::uniform_int_distribution<int> gapUs(200, 6000);
        while (!stop) {
            std::this_thread::sleep_for(std::chrono::microseconds(gapUs(random)));
            const Clock::time_point posted = Clock::now();
            QMetaObject::invokeMethod(
                &receiver,
                [&delaysMs, posted] {
                    const std::chrono::duration<double, std::milli> delay = Clock::now() - posted;
                    delaysMs.push_back(delay.count());
                },
                Qt::QueuedConnection);
        }
    });
    const auto yield = [&host](std::int32_t steps) { return host.DoEvents(steps); };
    while (delaysMs.size() < 200) {
        Integer contador = 1;
        amicableClicks(contador, yield);
    }
    // What waits for the posting thread to stop does not count.
    QCoreApplication::sendPostedEvents(&receiver);
    const double longest = *std::max_element(delaysMs.begin(), delaysMs.end());
    stop = true;
    poster.join();
    QCoreApplication::removePostedEvents(&receiver);
    return longest;
}

// Start-up: the benchmark starts itself as a child process, which either starts
// the program as its entry does or shows the same main menu built by hand with
// plain Qt widgets, and reports when its first frame was shown.
constexpr const char* kStartupChildFlag = "--startup-child";

long long stamp() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

QFont face(const char* family, double points) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    return font;
}

// The main menu as one would write it by hand: the same window, menus, buttons,
// fonts and texts as frmIndex, in pixels (15 twips each), with the installed
// faces that stand in for the stored ones; no host and no tables.
std::unique_ptr<QWidget> buildMenuByHand() {
    auto window = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    window->setWindowTitle(QStringLiteral("Bienvenido al Ordevix Tevaquin"));
    window->setFont(face("Liberation Sans", 8.25));
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1/grafico.png").arg(size), QSize(size, size));
    window->setWindowIcon(icon);
    auto* layout = new QVBoxLayout(window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* bar = new QMenuBar(window.get());
    bar->addMenu(QStringLiteral("Archivo"))
        ->addAction(QStringLiteral("Salir"), QKeySequence(QStringLiteral("F4")));
    QMenu* menu = bar->addMenu(QStringLiteral("Menú"));
    // clang-format off
    const char* const items[][2] = {{"Calculadora", "Ctrl+B"}, {"Factoreador", "Ctrl+F"},
        {"Primos", "Ctrl+P"}, {"Amigos", "Ctrl+A"}, {"Es Divisible", "Ctrl+D"},
        {"Funciones Cuadráticas", "Ctrl+T"}, {"Perfectos", "Ctrl+E"}};
    // clang-format on
    for (const auto& [caption, shortcut] : items)
        menu->addAction(QString::fromUtf8(caption), QKeySequence(QString::fromLatin1(shortcut)));
    layout->setMenuBar(bar);
    auto* surface = new QWidget(window.get());
    surface->setFixedSize(565, 441);
    // clang-format off
    const char* const captions[] = {"&Calculadora", "&Factoreador", "&Primos", "&Amigos",
        "&Es Divisible", "F&unciones\nCuadráticas", "&Perfectos"};
    // clang-format on
    int left = 32;
    for (const char* caption : captions) {
        auto* button = new QPushButton(QString::fromUtf8(caption), surface);
        button->setFont(face("Liberation Serif", 9.75));
        button->setGeometry(left, 128, 73, 41);
        left += 72;
    }
    auto* title = new QLabel(QStringLiteral("TEVAQUIN ORDEVIX"), surface);
    title->setFont(face("DejaVu Sans Condensed", 21.75));
    title->setWordWrap(true);
    title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    title->setGeometry(8, 40, 561, 65);
    auto* salir = new QPushButton(QStringLiteral("SALIR"), surface);
    salir->setFont(face("Liberation Serif", 8.25));
    salir->setGeometry(104, 352, 65, 33);
    layout->addWidget(surface);
    return window;
}

// The window counts as shown once its first frame has been painted and handed
// to the platform: the first paint event runs inside the backing-store flush,
// so a zero timer started there fires after that flush. The child then prints
// the moment and ends.
struct FirstFrame : QObject {
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            QTimer::singleShot(0, this, [] {
                std::printf("%lld\n", stamp());
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }
    bool seen = false;
};

double spawnChild(const char* kind) {
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({QString::fromLatin1(kStartupChildFlag), QString::fromLatin1(kind)});
    child.setStandardErrorFile(QProcess::nullDevice());
    const long long started = stamp();
    child.start();
    if (!child.waitForFinished(30000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        throw std::runtime_error(std::string("start-up child failed: ") + kind);
    return static_cast<double>(child.readAllStandardOutput().trimmed().toLongLong() - started) /
           1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int runStartupChild(int argc, char* argv[], const char* kind) {
    QApplication app(argc, argv);
    FirstFrame firstFrame;
    app.installEventFilter(&firstFrame);
    if (std::strcmp(kind, "hand") == 0) {
        const std::unique_ptr<QWidget> menu = buildMenuByHand();
        menu->show();
        return QApplication::exec();
    }
    FormHost host;
    host.setStartForm<frmIndex>();
    host.Show(host.startForm());
    return QApplication::exec();
}

// Medians of alternating runs, in milliseconds from the child's start to its first frame.
struct Startup {
    double menuMs = 0;
    double handMs = 0;
};
Startup measureStartup() {
    // One untimed run of each warms the file cache.
    spawnChild("menu");
    spawnChild("hand");
    std::vector<double> menu, hand;
    for (int r = 0; r < 9; ++r) {
        menu.push_back(spawnChild("menu"));
        hand.push_back(spawnChild("hand"));
    }
    return {median(menu), median(hand)};
}

// Prints the figures, each goal met or missed, and last one line of key=value pairs.
void report(FormHost& host) {
    std::string load; // the load average, as /proc/loadavg gives it
    std::getline(std::ifstream("/proc/loadavg"), load);
    std::printf("ordevix-bench  build=%s  Qt %s  platform=%s  hardware threads=%u  load %s\n\n",
                ORDEVIX_BUILD_TYPE, qVersion(), qPrintable(QGuiApplication::platformName()),
                std::thread::hardware_concurrency(), load.c_str());
    SearchTimes perfect, amicable;
    for (int r = 0; r < 15; ++r) {
        perfect.click =
            std::min(perfect.click, timeClicks(host, host.form<frmPerfectos>(), 4, 1, u" 6"));
        amicable.click =
            std::min(amicable.click, timeClicks(host, host.form<frmAmigos>(), 0, 16, u"18416"));
    }
    perfect.scalar = fastestOf(3, scalarPerfect);
    amicable.scalar = fastestOf(3, scalarAmicable);
    perfect.limit = fastestOf(5, limitPerfect);
    amicable.limit = fastestOf(5, limitAmicable);
    std::printf("Searches, processor time in seconds, fastest run\n");
    std::printf("  %-40s %9s %9s %9s\n", "", "click", "scalar", "limit");
    for (const auto& [name, t] : {std::pair{"perfect, beyond 8128 round to 6", perfect},
                                  std::pair{"amicable, 16 clicks to (18416, 17296)", amicable}})
        std::printf("  %-40s %9.4f %9.4f %9.4f\n", name, t.click, t.scalar, t.limit);
    const double latencyMs = latencyMaxMs(host);
    std::printf("\nLongest input delay during amicable searches: %.3f ms\n", latencyMs);
    const Startup startup = measureStartup();
    std::printf("\nStart-up to the first frame, median: main menu %.1f ms, same menu by hand "
                "%.1f ms\n",
                startup.menuMs, startup.handMs);

    // In the order of kGoals.
    // clang-format off
    const double figures[] = {perfect.click, amicable.click,
        perfect.scalar / perfect.click, amicable.scalar / amicable.click,
        perfect.limit / perfect.click, amicable.limit / amicable.click,
        latencyMs, startup.menuMs / startup.handMs};
    // clang-format on
    static_assert(std::size(figures) == std::size(kGoals));
    std::printf("\nGoals\n");
    std::string summary;
    for (std::size_t g = 0; g < std::size(kGoals); ++g) {
        const Goal& goal = kGoals[g];
        const bool met = goal.atLeast ? figures[g] >= goal.bound : figures[g] <= goal.bound;
        std::printf("  %-30s %10.4g  %s %-6g %s\n", goal.key, figures[g],
                    goal.atLeast ? ">=" : "<=", goal.bound, met ? "met" : "missed");
        char pair[64];
        std::snprintf(pair, sizeof pair, "%s%s=%.4g", g ? " " : "", goal.key, figures[g]);
        summary += pair;
    }
    std::printf("\n%s\n", summary.c_str());
}

int runBenchmark(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FormHost host;
    host.setStartForm<frmIndex>();
    host.Show(host.startForm());
    // A fault in a window would otherwise wait for someone to dismiss its box.
    host.setMessageSink([](const QString& text) {
        std::fprintf(stderr, "ordevix-bench: message box: %s\n", qPrintable(text));
    });
    int status = 0;
    QTimer::singleShot(0, [&] {
        try {
            report(host);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "ordevix-bench: %s\n", e.what());
            status = 1;
        }
        QCoreApplication::exit(status);
    });
    QApplication::exec();
    return status;
}

} // namespace
} // namespace ordevix::bench

int main(int argc, char* argv[]) {
    // Without a display the windows still exist and are painted, off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    using namespace ordevix::bench;
    if (argc >= 3 && std::strcmp(argv[1], kStartupChildFlag) == 0)
        return runStartupChild(argc, argv, argv[2]);
    return runBenchmark(argc, argv);
}
