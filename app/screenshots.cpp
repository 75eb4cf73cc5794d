// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every window of the program to PNG files, for the README and for
// looking at the layouts without a display: ordevix-screenshots FOLDER
// "Números perfectos" is also rendered after an automatic search, whose answer
// stands in a disabled text box, in the default palette and in a dark one.
#include "calculator/frmCalculadora.h"
#include "quadratic/frmCuadraticas.h"
#include "shell/form_host.h"
#include "shell/frmIndex.h"
#include "tools/frmAmigos.h"
#include "tools/frmEsDivisible.h"
#include "tools/frmFactoreo.h"
#include "tools/frmPerfectos.h"
#include "tools/frmPrimos.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

namespace {

// The window on the screen, saved as NAME.png, by default its own name.
bool save(ordevix::FormHost& host, ordevix::Form& window, const QDir& dir, QString name = {}) {
    host.Show(window);
    QApplication::processEvents();
    const QString file =
        dir.filePath((name.isEmpty() ? window.objectName() : name) + QStringLiteral(".png"));
    const bool ok = window.grab().save(file);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(file));
    host.Hide(window);
    return ok;
}

// A dark colour scheme of the kind a desktop hands to its programs.
QPalette darkPalette() {
    QPalette dark;
    const QColor window(0x31, 0x36, 0x3b), base(0x23, 0x26, 0x29), text(0xef, 0xf0, 0xf1);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::Disabled, QPalette::Base, window);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(role, text);
        dark.setColor(QPalette::Disabled, role, QColor(0x5c, 0x61, 0x66));
    }
    return dark;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral(".")))
        return 1;

    using namespace ordevix;
    FormHost host;
    host.setStartForm<frmIndex>();
    const bool ok =
        save(host, host.form<frmIndex>(), dir) && save(host, host.form<frmCalculadora>(), dir) &&
        save(host, host.form<frmFactoreo>(), dir) && save(host, host.form<frmEsDivisible>(), dir) &&
        save(host, host.form<frmPrimos>(), dir) && save(host, host.form<frmPerfectos>(), dir) &&
        save(host, host.form<frmAmigos>(), dir) && save(host, host.form<frmCuadraticas>(), dir);
    // "Automático" ticked and "Calcular" clicked: the first perfect number, 6.
    auto& perfectos = host.form<frmPerfectos>();
    host.Show(perfectos); // a hidden window takes no clicks
    qobject_cast<QAbstractButton*>(perfectos.control("Check1"))->click();
    qobject_cast<QAbstractButton*>(perfectos.control("Command1"))->click();
    const bool automatic = save(host, perfectos, dir, QStringLiteral("frmPerfectos-automatico"));
    QApplication::setPalette(darkPalette());
    const bool dark = save(host, perfectos, dir, QStringLiteral("frmPerfectos-automatico-oscuro"));
    return ok && automatic && dark ? 0 : 1;
}
