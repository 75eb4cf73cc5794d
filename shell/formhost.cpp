#include "shell/formhost.h"

#include "shell/form.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTranslator>

namespace ordevix {

FormHost& FormHost::instance() {
    static FormHost host;
    return host;
}

FormHost::FormHost() = default;

FormHost::~FormHost() {
    reset();
}

void FormHost::Show(Form& form) {
    if (!form.shownBefore()) {
        form.markShown();
        if (form.description().placement == Placement::Centred) {
            const QScreen* screen = QGuiApplication::primaryScreen();
            if (screen) {
                const QRect area = screen->availableGeometry();
                form.adjustSize();
                form.move(area.center() - QPoint(form.width() / 2, form.height() / 2));
            }
        }
        if (QWidget* first = form.firstFocus())
            first->setFocus(Qt::OtherFocusReason);
    }
    form.show();
    form.raise();
    form.activateWindow();
}

void FormHost::Hide(Form& form) {
    form.hide();
}

void FormHost::End() {
    ended_ = true;
    for (Form* form : order_)
        form->hide();
    if (endHook_)
        endHook_();
    else
        QCoreApplication::exit(0);
    throw EndRequest{};
}

void FormHost::MsgBox(const Text& prompt) {
    MsgBox(QString::fromStdU16String(prompt));
}

void FormHost::MsgBox(const QString& prompt) {
    // The window behind the box shows what the handler wrote before it.
    flushTexts();
    if (messageSink_) {
        messageSink_(prompt);
    } else {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ordevix"), prompt, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    }
    // A handler started while the box was up may have ended the program.
    if (ended_)
        throw EndRequest{};
}

void FormHost::pump() {
    countdown_ = stride_;
    const Clock::time_point now = Clock::now();
    if (now - lastPump_ >= interval_) {
        lastPump_ = now;
        if (pumpProbe_)
            pumpProbe_();
        flushTexts();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    // A handler nested in this pass ended the program: the outer one never resumes.
    if (ended_)
        throw EndRequest{};
}

void FormHost::dispatch(const void* handlerKey, const std::function<void()>& handler) {
    if (ended_)
        return;
    int& depth = nesting_[handlerKey];
    if (depth >= kMaxNesting)
        return;
    ++depth;
    // On every way out the texts the handler wrote go to their widgets.
    struct Leave {
        FormHost& host;
        int& depth;
        ~Leave() {
            --depth;
            host.flushTexts();
        }
    } leave{*this, depth};
    try {
        handler();
    } catch (const EndRequest&) {
        // The program is ending; nothing more to do here.
    } catch (const Fault& fault) {
        reportFault(fault.kind());
    } catch (const std::bad_alloc&) {
        reportFault(FaultKind::Overflow);
    } catch (const std::exception&) {
        reportFault(FaultKind::Arithmetic);
    }
}

void FormHost::reportFault(FaultKind kind) {
    try {
        MsgBox(faultMessage(kind));
    } catch (const EndRequest&) {
    }
}

QString FormHost::faultMessage(FaultKind kind) {
    switch (kind) {
    case FaultKind::TypeMismatch:
        return QStringLiteral("El valor ingresado no es un número válido.");
    case FaultKind::Overflow:
        return QStringLiteral("El número está fuera del rango admitido.");
    case FaultKind::Arithmetic:
        break;
    }
    return QStringLiteral("La operación no tiene un resultado válido.");
}

RegionalSettings FormHost::systemRegional() {
    const QLocale locale = QLocale::system();
    RegionalSettings regional;
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (decimal.size() == 1)
        regional.decimalSeparator = decimal.at(0).unicode();
    if (group.size() == 1)
        regional.thousandsSeparator = group.at(0).unicode();
    return regional;
}

void FormHost::setPumpPolicy(int stride, std::chrono::nanoseconds interval) {
    stride_ = stride < 1 ? 1 : stride;
    interval_ = interval;
    countdown_ = stride_;
}

void FormHost::reset() {
    // Windows are deleted newest first; none of them refers to a later one.
    for (auto it = order_.rbegin(); it != order_.rend(); ++it)
        (*it)->hide();
    texts_.clear();
    order_.clear();
    forms_.clear();
    nesting_.clear();
    ended_ = false;
    countdown_ = stride_;
}

void FormHost::configureApplication(QApplication& app) {
    // The stored face names come from another platform; these are the closest
    // faces Debian ships (Liberation is metric-compatible with Times New Roman).
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(
        QStringLiteral("Technical"),
        {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Lucida Console"),
        {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});

    // The interface is Spanish whatever the system language, Qt's own texts too.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);

    app.setApplicationName(QStringLiteral("Ordevix"));
    // The installed desktop entry, so that a desktop can match the windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ordevix.Ordevix"));
    // The main menu's icon, rendered from grafico.svg when the program is built
    // so that the SVG icon engine is not loaded at start-up.
    QIcon icon;
    for (const int size : {16, 32})
        icon.addFile(QStringLiteral(":/icons/%1/grafico.png").arg(size), QSize(size, size));
    app.setWindowIcon(icon);
}

} // namespace ordevix
