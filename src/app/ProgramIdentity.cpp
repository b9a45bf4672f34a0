#include "ProgramIdentity.h"

#include "scene/ProgramVersion.h"

#include <QGuiApplication>

void setProgramIdentity() {
    // The settings file lives in ~/.config/Norvane/norvane.conf; the per-user data folder does
    // not follow the organisation name (see installedPlaces).
    QCoreApplication::setOrganizationName(QStringLiteral("Norvane"));
    QCoreApplication::setApplicationName(QStringLiteral("norvane"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(
        norvane::kProgramVersion.data(), qsizetype(norvane::kProgramVersion.size())));
    // The desktop entry org.norvane.Norvane.desktop, for the window's icon and name on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.norvane.Norvane"));
}
