// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: hands control to the form host with the main menu as the
// start window.
#include "shell/form_host.h"
#include "shell/frmIndex.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ordevix::FormHost host;
    host.setStartForm<ordevix::frmIndex>();
    host.Show(host.startForm());
    return QApplication::exec();
}
