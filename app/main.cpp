// The program's entry: hands control to the form host with the main menu as the
// start window.
#include "shell/formhost.h"
#include "shell/frmIndex.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ordevix::FormHost::configureApplication(app);

    ordevix::FormHost& host = ordevix::FormHost::instance();
    host.setRegional(ordevix::FormHost::systemRegional());
    host.Show(host.form<ordevix::frmIndex>());
    const int status = QApplication::exec();
    // The windows go before the application object that they need.
    host.reset();
    return status;
}
