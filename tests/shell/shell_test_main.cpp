#include <gtest/gtest.h>

#include <QApplication>

// Windows need a widget application; the tests run it on the offscreen platform.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vtstation-tests"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
