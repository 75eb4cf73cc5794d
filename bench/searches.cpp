// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/bench.h"

#include "shell/formhost.h"
#include "tools/frmAmigos.h"
#include "tools/frmPerfectos.h"
#include "tools/integer_tools.h"

#include <QAbstractButton>

#include <stdexcept>
#include <string>

namespace ordevix::bench {

namespace {

constexpr int kClickRuns = 15;
constexpr int kScalarRuns = 3;
constexpr int kLimitRuns = 5;

// Read through volatile, so that the compiler cannot work a search out ahead.
volatile Integer gPerfectStart = 8129; // where the click after 8128 starts
volatile Integer gAmicableStart = 1;   // where a tick of "Automático" restarts
volatile Integer gSink = 0;

void expect(bool ok, const std::string& what) {
    if (!ok)
        throw std::logic_error(what + " stopped elsewhere");
}

// The divisor sum one trial divisor at a time, each step with a yield that
// lets it pass and costs nothing.
Integer scalarSum(const Integer& n) {
    const auto yield = [](std::int32_t) { return 1; };
    std::int32_t i = 1, sum = 0;
    do {
        yield(1);
        sum += n % i == 0 ? i : 0;
    } while (++i < n);
    return WrapInteger(sum);
}

void scalarPerfect() {
    Integer n = gPerfectStart;
    while (n == 1 || scalarSum(n) != n)
        n = WrapInteger(n + 1);
    expect(n == 6, "scalar perfect search");
    gSink = n;
}

void scalarAmicable() {
    Integer n = gAmicableStart;
    for (int hits = 0; hits < 16; n = WrapInteger(n + 1)) {
        const Integer amigo = scalarSum(n);
        hits += scalarSum(amigo) == n && amigo != n;
    }
    expect(n == 18417, "scalar amicable search");
    gSink = n;
}

const auto grantAll = [](std::int32_t steps) { return steps; };
const auto nothing = [](const auto&) {};

void limitPerfect() {
    Integer contador = gPerfectStart;
    expect(buscarPerfecto(contador, grantAll, nothing, nothing) == 6, "perfect search");
    gSink = contador;
}

void limitAmicable() {
    Integer contador = gAmicableStart, amigo = 0;
    for (int click = 0; click < 16; ++click)
        buscarAmigos(contador, amigo, grantAll, nothing, nothing);
    expect(contador == 18417, "amicable search");
    gSink = contador;
}

void click(Form& window, const char* name) {
    qobject_cast<QAbstractButton*>(window.control(name))->click();
}

// Shows the window with "Automático" ticked afresh, which restarts its search at 1.
template <class W> W& ticked(FormHost& host) {
    W& window = host.form<W>();
    host.Show(window);
    if (window.value("Check1") == 1)
        click(window, "Check1");
    click(window, "Check1");
    return window;
}

double clickPerfect(FormHost& host) {
    frmPerfectos& window = ticked<frmPerfectos>(host);
    for (int i = 0; i < 4; ++i)
        click(window, "Command1");
    expect(window.text("Text1") == u" 8128", "perfect window");
    const double s = fastestOf(1, [&] { click(window, "Command1"); });
    expect(window.text("Text1") == u" 6", "perfect window");
    host.Hide(window);
    return s;
}

double clickAmicable(FormHost& host) {
    frmAmigos& window = ticked<frmAmigos>(host);
    const double s = fastestOf(1, [&] {
        for (int i = 0; i < 16; ++i)
            click(window, "Command1");
    });
    expect(window.text("Text1") == u"18416", "amicable window");
    host.Hide(window);
    return s;
}

} // namespace

Searches measureSearches(FormHost& host) {
    Searches s;
    s.perfect.click = s.amicable.click = std::numeric_limits<double>::infinity();
    for (int r = 0; r < kClickRuns; ++r) {
        s.perfect.click = std::min(s.perfect.click, clickPerfect(host));
        s.amicable.click = std::min(s.amicable.click, clickAmicable(host));
    }
    s.perfect.scalar = fastestOf(kScalarRuns, scalarPerfect);
    s.amicable.scalar = fastestOf(kScalarRuns, scalarAmicable);
    s.perfect.limit = fastestOf(kLimitRuns, limitPerfect);
    s.amicable.limit = fastestOf(kLimitRuns, limitAmicable);
    return s;
}

} // namespace ordevix::bench
