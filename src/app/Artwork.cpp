#include "Artwork.h"

#include "scene/ProgramVersion.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

// The resources live in a static library, so they are registered by hand once.
static void registerResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(norvane);
        return true;
    }();
    (void)registered;
}

QPixmap programIcon() {
    registerResources();
    return QPixmap(QStringLiteral(":/norvane/norvane.png"));
}

// Drawn on an image, whose 72 dots an inch make a point one pixel, as in the artwork tool.
QPixmap splashPicture() {
    registerResources();
    QImage picture(QStringLiteral(":/norvane/splash.jpg"));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 12, QFont::Bold));
    painter.setPen(Qt::white);
    painter.drawText(
        QRectF(0, 96, picture.width(), 24), Qt::AlignCenter,
        QCoreApplication::translate("frmSplash", "VRML 2.0 worlds for your web pages"));
    const QString version = QString::fromLatin1(norvane::kProgramVersion.data(),
                                                qsizetype(norvane::kProgramVersion.size()));
    painter.drawText(QRectF(0, 250, picture.width() - 12, 24), Qt::AlignRight | Qt::AlignVCenter,
                     QCoreApplication::translate("frmSplash", "Version %1").arg(version));
    painter.end();
    return QPixmap::fromImage(picture);
}
