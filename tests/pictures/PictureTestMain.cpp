#include <QGuiApplication>

#include <gtest/gtest.h>

// The tests draw with fonts and load JPEGs through Qt's plugins, which takes an application
// object; drawing needs no screen, so the offscreen platform serves even where none is set
// (as when the build lists the tests).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
