// A fresh program per test, headless: messages and End recorded, and any exception
// from a handler other than the program's faults failing the test.
#pragma once

#include "calculator/frmCalculadora.h"
#include "quadratic/frmCuadraticas.h"
#include "shell/form.h"
#include "shell/form_host.h"
#include "shell/frmIndex.h"
#include "tools/frmAmigos.h"
#include "tools/frmEsDivisible.h"
#include "tools/frmFactoreo.h"
#include "tools/frmPerfectos.h"
#include "tools/frmPrimos.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace ordevix::test {

class UiTest : public ::testing::Test {
protected:
    void SetUp() override { restart(); }
    void TearDown() override { host_.reset(); }

    // A new host with the real pump policy, and the period's regional settings
    // unless the system's are asked for.
    void restart(bool systemSettings = false) {
        host_.reset();
        FormHost& h = host_.emplace();
        h.setStartForm<frmIndex>();
        if (!systemSettings)
            h.setRegional(RegionalSettings::period());
        h.setMessageSink([this](const QString& text) { messages.push_back(text); });
        h.setEndHook([this] { ++ends; });
        h.setProgrammingErrorSink([](const QString& what) {
            ADD_FAILURE() << "programming error in a handler: " << what.toStdString();
        });
        messages.clear();
        ends = 0;
    }

    FormHost& host() { return *host_; }

    // Shows the window as the program does, then lets the platform catch up.
    Form& show(Form& window) {
        host().Show(window);
        window.activateWindow();
        QApplication::processEvents();
        return window;
    }
    template <class W> W& open() { return static_cast<W&>(show(host().template form<W>())); }

    std::vector<Form*> visibleForms() {
        std::vector<Form*> visible = host().forms();
        std::erase_if(visible, [](Form* form) { return !form->isVisible(); });
        return visible;
    }
    // The one visible window's name, or how many are visible.
    QString visibleName() {
        const std::vector<Form*> visible = visibleForms();
        return visible.size() == 1 ? visible.front()->objectName()
                                   : QString("%1 windows").arg(visible.size());
    }

    static void click(Form& form, const char* name) {
        QTest::mouseClick(qobject_cast<QAbstractButton*>(form.control(name)), Qt::LeftButton);
    }
    static void type(Form& form, const char* name, const QString& text) {
        qobject_cast<QLineEdit*>(form.control(name))->setText(text);
    }
    static QString textOf(Form& form, const char* name) {
        return QString::fromStdU16String(form.text(name));
    }
    static QString captionOf(Form& form, const char* name) {
        return QString::fromStdU16String(form.caption(name));
    }
    QString lastMessage() const { return messages.empty() ? QString() : messages.back(); }

    std::vector<QString> messages;
    int ends = 0;

private:
    std::optional<FormHost> host_;
};

// The window's one instance in the host, built but not shown.
template <class W> Form& buildWindow(FormHost& host) {
    return host.form<W>();
}

struct WindowEntry {
    const char* name;
    Form& (*build)(FormHost&);
};

// clang-format off
inline constexpr WindowEntry kAllWindows[] = {
    {"frmIndex",       &buildWindow<frmIndex>},
    {"frmCalculadora", &buildWindow<frmCalculadora>},
    {"frmFactoreo",    &buildWindow<frmFactoreo>},
    {"frmEsDivisible", &buildWindow<frmEsDivisible>},
    {"frmPrimos",      &buildWindow<frmPrimos>},
    {"frmPerfectos",   &buildWindow<frmPerfectos>},
    {"frmAmigos",      &buildWindow<frmAmigos>},
    {"frmCuadraticas", &buildWindow<frmCuadraticas>},
};
// clang-format on

} // namespace ordevix::test
