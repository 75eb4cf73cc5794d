// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/clicks.h"

#include "bench/measure.h"
#include "shell/form_host.h"
#include "tools/frmAmigos.h"
#include "tools/frmPerfectos.h"

#include <QAbstractButton>

#include <stdexcept>
#include <string>

namespace ordevix::bench {

namespace {

void click(Form& window, const char* name) {
    qobject_cast<QAbstractButton*>(window.control(name))->click();
}

// Ticks "Automático", which restarts the window's search at 1.
template <class W> W& freshAutomatic(FormHost& host) {
    W& window = host.form<W>();
    host.Show(window);
    if (window.value("Check1") == 1)
        click(window, "Check1");
    click(window, "Check1");
    return window;
}

void expectText(Form& window, const char* box, const char16_t* expected) {
    if (window.text(box) != expected)
        throw std::logic_error(std::string(window.description().name) + " stopped elsewhere");
}

double perfectBeyond8128(FormHost& host) {
    frmPerfectos& window = freshAutomatic<frmPerfectos>(host);
    for (int i = 0; i < 4; ++i)
        click(window, "Command1");
    expectText(window, "Text1", u" 8128");
    const double s = cpuTimeOnce([&] { click(window, "Command1"); });
    expectText(window, "Text1", u" 6");
    host.Hide(window);
    return s;
}

double amicableSixteen(FormHost& host) {
    frmAmigos& window = freshAutomatic<frmAmigos>(host);
    const double s = cpuTimeOnce([&] {
        for (int i = 0; i < 16; ++i)
            click(window, "Command1");
    });
    expectText(window, "Text1", u"18416");
    host.Hide(window);
    return s;
}

} // namespace

Clicks measureClicks(FormHost& host, int rounds) {
    Clicks c;
    for (int r = 0; r < rounds; ++r) {
        keepFastest(c.perfectBeyond8128, perfectBeyond8128(host));
        keepFastest(c.amicableSixteen, amicableSixteen(host));
    }
    return c;
}

} // namespace ordevix::bench
