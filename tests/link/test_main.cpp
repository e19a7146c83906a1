#include <gtest/gtest.h>

#include <QCoreApplication>

// The link's replies travel by queued signals, so every test runs beside a Qt event loop.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
