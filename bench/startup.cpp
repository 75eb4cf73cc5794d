#include "bench/startup.h"

#include "shell/formhost.h"
#include "shell/frmIndex.h"
#include "shell/program.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace ordevix::bench {

namespace {

using Clock = std::chrono::steady_clock;

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

} // namespace

int runStartupChild(int argc, char* argv[], StartupKind kind) {
    const long long atMain = stamp();
    QApplication app(argc, argv);
    long long atApplication = 0;
    long long atBuilt = 0;
    long long atShown = 0;

    FirstFrame firstFrame([&] {
        atShown = stamp();
        QCoreApplication::exit(0);
    });

    FormHost host;
    std::unique_ptr<QWidget> bare;
    if (kind == StartupKind::Menu) {
        // The steps of startProgram, stamped one by one.
        prepareProgram(app, host);
        atApplication = stamp();
        host.setStartForm<frmIndex>();
        frmIndex& menu = host.form<frmIndex>();
        menu.installEventFilter(&firstFrame);
        atBuilt = stamp();
        host.Show(menu);
    } else {
        atApplication = stamp();
        const auto& d = frmIndex::description;
        bare = std::make_unique<QWidget>();
        bare->setFixedSize(d.clientWidth / 15, d.clientHeight / 15);
        if (kind == StartupKind::BareText)
            new QLabel(QStringLiteral("TEVAQUIN ORDEVIX"), bare.get());
        bare->installEventFilter(&firstFrame);
        atBuilt = stamp();
        bare->show();
    }
    const int status = QApplication::exec();
    std::printf("main_ns=%lld\napp_ns=%lld\nbuilt_ns=%lld\nshown_ns=%lld\n", atMain, atApplication,
                atBuilt, atShown);
    std::fflush(stdout);
    bare.reset();
    return status;
}

StartupSample spawnStartupChild(StartupKind kind) {
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    const QString name = kind == StartupKind::Menu       ? QStringLiteral("menu")
                         : kind == StartupKind::BareText ? QStringLiteral("text")
                                                         : QStringLiteral("bare");
    child.setArguments({QString::fromLatin1(kStartupChildFlag), name});
    // The platform plugin's notices would bury the table; a failing child is
    // reported below and can be rerun by hand with the same arguments.
    child.setStandardErrorFile(QProcess::nullDevice());
    const long long started = stamp();
    child.start();
    if (!child.waitForFinished(30000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        throw std::runtime_error(
            "start-up child failed: " + QCoreApplication::applicationFilePath().toStdString() +
            " " + kStartupChildFlag + " " + name.toStdString());

    std::map<std::string, long long> values;
    const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
    for (const QByteArray& line : lines) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            values[line.left(eq).toStdString()] = line.mid(eq + 1).toLongLong();
    }
    auto since = [&](const char* key) {
        const auto it = values.find(key);
        if (it == values.end() || it->second == 0)
            throw std::runtime_error(std::string("start-up child did not report ") + key);
        return static_cast<double>(it->second - started);
    };
    return {since("main_ns"), since("app_ns"), since("built_ns"), since("shown_ns")};
}

} // namespace ordevix::bench
