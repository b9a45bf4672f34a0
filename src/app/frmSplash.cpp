#include "frmSplash.h"

#include "Artwork.h"
#include "Twips.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(sizeFromTwips(6945, 4740));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(palette);
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(splashPicture());
    Image1->setGeometry(rect());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(kShowMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// The time counts from the first show, so a slow start does not shorten the splash.
void frmSplash::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous() && !Timer1->isActive())
        Timer1->start();
}

void frmSplash::Timer1_Timer() {
    close();
}

void frmSplash::showThen(std::function<void()> next) {
    QApplication::setQuitOnLastWindowClosed(false);
    auto* splash = new frmSplash;
    // Queued: `next` runs after the splash's destructor, from the event loop.
    connect(
        splash, &QObject::destroyed, qApp,
        [next = std::move(next)] {
            next();
            QApplication::setQuitOnLastWindowClosed(true);
        },
        Qt::QueuedConnection);
    splash->show();
}
