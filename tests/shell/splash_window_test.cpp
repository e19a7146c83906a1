#include "splash_window.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

TEST(SplashWindow, ShowsItsMessageAndFinishesAfterSevenTicksAndOne) {
    vt::SplashWindow splash;
    splash.show();
    const auto labels = splash.findChildren<QLabel*>();
    bool messageShown = false;
    for (const QLabel* label : labels)
        messageShown |=
            label->text() == QStringLiteral("系统正在初始化数据引擎，请稍后。。。。。。");
    EXPECT_TRUE(messageShown);

    QSignalSpy finished(&splash, &vt::SplashWindow::finished);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(finished.wait(5000));
    // Seven 200 ms ticks and one 100 ms tick: about 1.5 s.
    EXPECT_GE(clock.elapsed(), 1400);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(finished.count(), 1);
}

TEST(SplashWindow, IgnoresKeyPresses) {
    vt::SplashWindow splash;
    splash.show();
    QTest::keyClick(&splash, Qt::Key_Escape);
    QTest::keyClick(&splash, Qt::Key_Return);
    EXPECT_TRUE(splash.isVisible());
}
