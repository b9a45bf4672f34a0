#include "Artwork.h"

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

QPixmap splashPicture() {
    registerResources();
    return QPixmap(QStringLiteral(":/norvane/splash.jpg"));
}
