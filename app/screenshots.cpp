// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every window of the program to PNG files, for the README and for
// looking at the layouts without a display: ordevix-screenshots FOLDER
#include "calculator/frmCalculadora.h"
#include "quadratic/frmCuadraticas.h"
#include "shell/form_host.h"
#include "shell/frmIndex.h"
#include "tools/frmAmigos.h"
#include "tools/frmEsDivisible.h"
#include "tools/frmFactoreo.h"
#include "tools/frmPerfectos.h"
#include "tools/frmPrimos.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

namespace {

template <class W> bool save(ordevix::FormHost& host, const QDir& dir) {
    W& window = host.form<W>();
    host.Show(window);
    QApplication::processEvents();
    const QString file = dir.filePath(window.objectName() + QStringLiteral(".png"));
    const bool ok = window.grab().save(file);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(file));
    host.Hide(window);
    return ok;
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
    const bool ok = save<frmIndex>(host, dir) && save<frmCalculadora>(host, dir) &&
                    save<frmFactoreo>(host, dir) && save<frmEsDivisible>(host, dir) &&
                    save<frmPrimos>(host, dir) && save<frmPerfectos>(host, dir) &&
                    save<frmAmigos>(host, dir) && save<frmCuadraticas>(host, dir);
    return ok ? 0 : 1;
}
