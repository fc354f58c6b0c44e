#include <gtest/gtest.h>

#include <QApplication>

// GoogleTest entry for tests that need widgets: one QApplication for the whole run, on the
// offscreen platform unless the environment says otherwise.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
