// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the benchmark starts itself as a child process that either starts
// the program as its entry does or shows the same main menu built by hand, and
// reports when the first frame was shown; the parent times from the start of
// the child.
#include "bench/bench.h"

#include "shell/formhost.h"
#include "shell/frmIndex.h"
#include "shell/program.h"

#include <QApplication>
#include <QEvent>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace ordevix::bench {

namespace {

constexpr int kRuns = 9;

long long stamp() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

// The window counts as shown once its first frame has been painted and handed
// to the platform: the paint event runs inside the backing-store flush, so a
// zero timer started there fires after that flush.
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

} // namespace

int runStartupChild(int argc, char* argv[], const char* kind) {
    QApplication app(argc, argv);
    FirstFrame firstFrame;
    if (std::strcmp(kind, "hand") == 0) {
        const std::unique_ptr<QWidget> menu = buildMenuByHand();
        menu->installEventFilter(&firstFrame);
        menu->show();
        return QApplication::exec();
    }
    // The steps of startProgram, with the filter in place before the menu is shown.
    FormHost host;
    prepareProgram(app, host);
    host.setStartForm<frmIndex>();
    frmIndex& menu = host.form<frmIndex>();
    menu.installEventFilter(&firstFrame);
    host.Show(menu);
    return QApplication::exec();
}

Startup measureStartup() {
    // One untimed run of each warms the file cache; then the two alternate.
    spawnChild("menu");
    spawnChild("hand");
    std::vector<double> menu, hand;
    for (int r = 0; r < kRuns; ++r) {
        menu.push_back(spawnChild("menu"));
        hand.push_back(spawnChild("hand"));
    }
    return {median(menu), median(hand)};
}

} // namespace ordevix::bench
