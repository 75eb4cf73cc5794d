// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: hands control to the form host with the main menu as the
// start window.
#include "shell/formhost.h"
#include "shell/frmIndex.h"
#include "shell/program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Declared after the application, so that its windows go first.
    ordevix::FormHost host;
    ordevix::startProgram<ordevix::frmIndex>(app, host);
    return QApplication::exec();
}
