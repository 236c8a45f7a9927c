#include <QApplication>

#include <gtest/gtest.h>

// One main for every suite: a QApplication on the offscreen platform, so widget, network and
// timer code runs headless exactly as it does in the program.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
