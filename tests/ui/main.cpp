// The window tests run headless: the offscreen platform is chosen before the
// application object exists, also when the test list is being discovered, unless
// a platform is asked for (scripts/environments.sh runs the System suite on an X
// display). Each test owns its form host (see window_fixture.h).
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
