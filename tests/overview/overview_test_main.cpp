#include <gtest/gtest.h>

#include <QApplication>

// Widgets need an application object; the link's replies need its event loop. Without a
// platform of its own the run (test discovery included) uses the offscreen one.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
