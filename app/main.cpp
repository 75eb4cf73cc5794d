// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: answers the command line, then hands control to the form
// host with the main menu as the start window.
#include "app/commandline.h"
#include "shell/form_host.h"
#include "shell/frmIndex.h"

#include <QApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    // Before the application object, which needs a display: --help and
    // --version must answer without one.
    if (const auto status =
            ordevix::answerCommandLine({argv + 1, argv + argc}, std::cout, std::cerr))
        return *status;
    QApplication app(argc, argv);
    ordevix::FormHost host;
    host.setStartForm<ordevix::frmIndex>();
    host.Show(host.startForm());
    return QApplication::exec();
}
