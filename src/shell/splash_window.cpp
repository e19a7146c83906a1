#include "splash_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "splash_picture.h"
#include "station_version.h"

namespace vt {

namespace {
constexpr int kTicksBeforeFinish = 6;  // the 7th 200 ms tick moves on
}

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgLogo"));
    picture->setPixmap(SplashPicture(QSize(560, 300)));
    auto* message = new QLabel(QStringLiteral("系统正在初始化数据引擎，请稍后。。。。。。"), this);
    message->setObjectName(QStringLiteral("lblMessage"));
    message->setAlignment(Qt::AlignCenter);
    QFont font = message->font();
    font.setPointSize(13);
    message->setFont(font);
    auto* version = new QLabel(QStringLiteral("版本 %1").arg(kStationVersion), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignRight);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(message);
    layout->addWidget(version);
    setStyleSheet(
        QStringLiteral("SplashWindow { background: #f4f6f8; border: 1px solid #8090a0; }"));

    m_timer2.setInterval(200);
    m_timer1.setInterval(100);
    m_timer2.setTimerType(Qt::PreciseTimer);
    m_timer1.setTimerType(Qt::PreciseTimer);
    connect(&m_timer2, &QTimer::timeout, this, &SplashWindow::onTimer2);
    connect(&m_timer1, &QTimer::timeout, this, &SplashWindow::onTimer1);
    m_timer2.start();
}

void SplashWindow::showCentred() {
    adjustSize();
    if (const QScreen* screen = this->screen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
}

void SplashWindow::onTimer2() {
    ++m_splashTickCount;
    if (m_splashTickCount > kTicksBeforeFinish) {
        m_timer2.stop();
        m_splashTickCount = 0;
        m_timer1.start();
    }
}

void SplashWindow::onTimer1() {
    m_timer2.stop();
    m_timer1.stop();
    close();
    emit finished();
}

void SplashWindow::keyPressEvent(QKeyEvent* event) { event->accept(); }

}  // namespace vt
