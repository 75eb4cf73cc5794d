// A fresh program per test, headless: the last message and End recorded, and any
// exception from a handler other than the program's faults failing the test.
#pragma once

#include "calculator/frmCalculadora.h"
#include "quadratic/frmCuadraticas.h"
#include "shell/frmIndex.h"
#include "tools/frmAmigos.h"
#include "tools/frmEsDivisible.h"
#include "tools/frmFactoreo.h"
#include "tools/frmPerfectos.h"
#include "tools/frmPrimos.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace ordevix::test {

// A window's one instance in the host, built but not shown.
using Build = Form& (*)(FormHost&);
template <class W> Form& build(FormHost& host) {
    return host.form<W>();
}
inline constexpr Build indice = build<frmIndex>, calc = build<frmCalculadora>,
                       factoreo = build<frmFactoreo>, divisible = build<frmEsDivisible>,
                       primos = build<frmPrimos>, perfectos = build<frmPerfectos>,
                       amigos = build<frmAmigos>, cuadraticas = build<frmCuadraticas>;

class UiTest : public ::testing::Test {
protected:
    UiTest() { restart(); }

    // The period's regional settings unless the system's are asked for.
    void restart(bool systemSettings = false) {
        FormHost& h = host_.emplace();
        h.setStartForm<frmIndex>();
        if (!systemSettings)
            h.setRegional(RegionalSettings::period());
        h.setMessageSink([this](const QString& text) { message = text; });
        h.setEndHook([this] { ++ends; });
        h.setProgrammingErrorSink([](const QString& what) { ADD_FAILURE() << what.toStdString(); });
        message.clear();
        ends = 0;
    }
    FormHost& host() { return *host_; }

    // Shown as the program shows it, once the platform has caught up.
    Form& open(Build window) {
        Form& w = window(host());
        host().Show(w);
        QApplication::processEvents();
        return w;
    }
    // The windows on the screen, by name.
    QString shown() {
        QStringList names;
        for (Form* form : host().forms())
            if (form->isVisible())
                names << form->objectName();
        return names.join(' ');
    }

    static void click(Form& w, const char* name) {
        QTest::mouseClick(qobject_cast<QAbstractButton*>(w.control(name)), Qt::LeftButton);
    }
    // What a text box or a label shows.
    static QString shows(Form& w, const char* name) {
        auto* box = qobject_cast<QLineEdit*>(w.control(name));
        return box ? box->text() : QString::fromStdU16String(w.caption(name));
    }

    QString message; // the last one
    int ends = 0;

private:
    std::optional<FormHost> host_;
};

} // namespace ordevix::test
