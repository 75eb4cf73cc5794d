// The window tests run headless: the offscreen platform is forced before the
// application object exists, also when the test list is being discovered.
#include "shell/formhost.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ordevix::FormHost::configureApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    ordevix::FormHost::instance().reset();
    return status;
}
