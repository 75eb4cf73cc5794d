// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/startup.h"

#include "bench/measure.h"
#include "shell/form_host.h"
#include "shell/frmIndex.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>

namespace ordevix::bench {

namespace {

constexpr int kStartupRuns = 9;

const char* const kKindNames[] = {"menu", "hand", "bare", "text"};

long long stamp() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

// The window counts as shown once its first frame has been painted and handed
// to the platform: the paint event runs inside the backing-store flush, so a
// zero timer started there fires after that flush has finished.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(std::function<void()> onShown) : onShown_(std::move(onShown)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, onShown_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onShown_;
    bool seen_ = false;
};

// What the child times: its milestones, in nanoseconds of the steady clock.
struct Milestones {
    long long main = 0, application = 0, built = 0, shown = 0;
};

std::unique_ptr<QWidget> buildBare(bool withText) {
    auto bare = std::make_unique<QWidget>();
    bare->setFixedSize(565, 441);
    if (withText)
        new QLabel(QStringLiteral("TEVAQUIN ORDEVIX"), bare.get());
    return bare;
}

// The program's own start, as main makes it, stamped step by step.
int runProgram(QApplication&, Milestones& m, FirstFrame& firstFrame) {
    FormHost host;
    m.application = stamp();
    host.setStartForm<frmIndex>();
    frmIndex& menu = host.form<frmIndex>();
    menu.installEventFilter(&firstFrame);
    m.built = stamp();
    host.Show(menu);
    return QApplication::exec();
}

int runWidget(const std::string& kind, Milestones& m, FirstFrame& firstFrame) {
    m.application = stamp();
    std::unique_ptr<QWidget> window =
        kind == "hand" ? buildMenuByHand() : buildBare(kind == "text");
    window->installEventFilter(&firstFrame);
    m.built = stamp();
    window->show();
    return QApplication::exec();
}

} // namespace

int runStartupChild(int argc, char* argv[], const char* kind) {
    Milestones m;
    m.main = stamp();
    QApplication app(argc, argv);
    FirstFrame firstFrame([&m] {
        m.shown = stamp();
        QCoreApplication::exit(0);
    });
    const int status = std::strcmp(kind, "menu") == 0 ? runProgram(app, m, firstFrame)
                                                      : runWidget(kind, m, firstFrame);
    std::printf("main_ns=%lld\napp_ns=%lld\nbuilt_ns=%lld\nshown_ns=%lld\n", m.main, m.application,
                m.built, m.shown);
    std::fflush(stdout);
    return status;
}

namespace {

std::map<std::string, long long> readValues(QProcess& child) {
    std::map<std::string, long long> values;
    const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
    for (const QByteArray& line : lines) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            values[line.left(eq).toStdString()] = line.mid(eq + 1).toLongLong();
    }
    return values;
}

StartupSample spawnChild(StartupKind kind) {
    const char* name = kKindNames[static_cast<int>(kind)];
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({QString::fromLatin1(kStartupChildFlag), QString::fromLatin1(name)});
    // The platform plugin's notices would bury the table; a failing child is
    // reported below and can be rerun by hand with the same arguments.
    child.setStandardErrorFile(QProcess::nullDevice());
    const long long started = stamp();
    child.start();
    const std::string command = QCoreApplication::applicationFilePath().toStdString() + " " +
                                kStartupChildFlag + " " + name;
    if (!child.waitForFinished(30000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        throw std::runtime_error("start-up child failed: " + command);
    const std::map<std::string, long long> values = readValues(child);
    auto since = [&](const char* key) {
        const auto it = values.find(key);
        if (it == values.end() || it->second == 0)
            throw std::runtime_error(command + " did not report " + key);
        return static_cast<double>(it->second - started);
    };
    return {since("main_ns"), since("app_ns"), since("built_ns"), since("shown_ns")};
}

StartupSample medians(const std::vector<StartupSample>& v) {
    auto field = [&v](double StartupSample::*member) {
        std::vector<double> x;
        for (const StartupSample& s : v)
            x.push_back(s.*member);
        return median(x);
    };
    return {field(&StartupSample::toMain), field(&StartupSample::toApplication),
            field(&StartupSample::toBuilt), field(&StartupSample::toShown)};
}

} // namespace

Startup measureStartup() {
    const StartupKind kinds[] = {StartupKind::Menu, StartupKind::HandBuilt, StartupKind::Bare,
                                 StartupKind::BareText};
    // One untimed run of each warms the file cache.
    for (const StartupKind kind : kinds)
        spawnChild(kind);
    std::vector<StartupSample> samples[std::size(kinds)];
    for (int r = 0; r < kStartupRuns; ++r)
        for (const StartupKind kind : kinds)
            samples[static_cast<int>(kind)].push_back(spawnChild(kind));
    return {kStartupRuns, medians(samples[0]), medians(samples[1]), medians(samples[2]),
            medians(samples[3])};
}

} // namespace ordevix::bench
