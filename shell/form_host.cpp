// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/form_host.h"

#include "shell/form.h"
#include "shell/placement.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <QWindow>
#include <QtGlobal>

namespace ordevix {

namespace {

QString faultMessage(FaultKind kind) {
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

// The decimal and thousands separators of the user's regional settings.
RegionalSettings systemRegional() {
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

// Qt's Spanish texts, the application's names and icon. A second host of the
// same application finds them in place.
void setUpApplication(QApplication& app) {
    // The interface is Spanish whatever the system language, Qt's own texts too.
    if (!app.findChild<QTranslator*>(QString(), Qt::FindDirectChildrenOnly)) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"),
                             QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(translator);
    }
    QCoreApplication::setApplicationName(QStringLiteral("Ordevix"));
    // The installed desktop entry, so that a desktop can match the windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ordevix.ordevix"));
    QApplication::setWindowIcon(iconNamed("grafico"));
}

} // namespace

FormHost::FormHost() {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app)
        qFatal("Ordevix: a FormHost needs its QApplication made before it, and destroyed "
               "after it, since the host's windows are widgets of that application");
    setUpApplication(*app);
    regional_ = systemRegional();
}

FormHost::~FormHost() {
    while (!windows_.empty()) {
        windows_.back().form->hide();
        windows_.pop_back();
    }
}

Form* FormHost::find(std::type_index type) const {
    for (const Window& window : windows_)
        if (window.type == type)
            return window.form.get();
    return nullptr;
}

std::vector<Form*> FormHost::forms() const {
    std::vector<Form*> built;
    for (const Window& window : windows_)
        built.push_back(window.form.get());
    return built;
}

void FormHost::Show(Form& form) {
    // Shown for the first time: to its start-up position, the focus in its first control.
    if (!form.shownBefore()) {
        form.markShown();
        if (form.description().placement == Placement::Centred)
            centreWithFrame(form);
        if (QWidget* first = form.firstFocus())
            first->setFocus(Qt::OtherFocusReason);
    }
    form.show();
    form.raise();
    form.activateWindow();
}

void FormHost::Hide(Form& form) {
    // Pinned where it stands: Qt tells the window manager where a window goes
    // only if its position was ever set, so the main menu, left to its default
    // place at start-up, would otherwise be placed anew when shown again.
    if (QWindow* window = form.windowHandle())
        window->setPosition(window->position());
    form.hide();
}

void FormHost::End() {
    ended_ = true;
    for (const Window& window : windows_)
        window.form->hide();
    if (endHook_)
        endHook_();
    else
        QCoreApplication::exit(0);
    throw EndRequest{};
}

void FormHost::showMessage(const QString& prompt) {
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
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    // A handler nested in this pass ended the program: the outer one never resumes.
    if (ended_)
        throw EndRequest{};
}

void FormHost::dispatch(const void* handlerKey, const std::function<void()>& handler) {
    if (ended_)
        return;
    if (nesting_[handlerKey] >= kMaxNesting)
        return;
    ++nesting_[handlerKey];
    // Looked up again on the way out: handlers nested inside may add keys.
    struct Leave {
        std::unordered_map<const void*, int>& nesting;
        const void* key;
        ~Leave() { --nesting[key]; }
    } leave{nesting_, handlerKey};
    try {
        handler();
    } catch (const EndRequest&) {
        // The program is ending; nothing more to do here.
    } catch (const Fault& fault) {
        reportFault(fault.kind());
    } catch (const std::bad_alloc&) {
        // Out of memory counts as the overflow fault.
        reportFault(FaultKind::Overflow);
    } catch (const WiringError& error) {
        reportProgrammingError(error.what(), true);
    } catch (const std::exception& error) {
        reportProgrammingError(error.what(), false);
    } catch (...) {
        reportProgrammingError("an exception that is not a std::exception", false);
    }
}

void FormHost::reportFault(FaultKind kind) {
    try {
        showMessage(faultMessage(kind));
    } catch (const EndRequest&) {
    }
}

void FormHost::reportProgrammingError(const char* what, bool wiring) {
    const QString text = QString::fromUtf8(what);
    if (programmingErrorSink_) {
        programmingErrorSink_(text);
        return;
    }
    if (wiring)
        qFatal("Ordevix: %s", what);
    qCritical("Ordevix: a handler failed: %s", what);
    reportFault(FaultKind::Arithmetic);
}

void FormHost::setPumpPolicy(int stride, std::chrono::nanoseconds interval) {
    stride_ = stride < 1 ? 1 : stride;
    interval_ = interval;
    countdown_ = stride_;
}

} // namespace ordevix
