#pragma once

#include <QString>

// The name filters of the file dialogs: world files for the export, scene files for Open and
// Save. Each is one entry, description and pattern.
inline const QString kWorldFileFilter = QStringLiteral("VRML 2.0 Files (*.wrl)");
inline const QString kSceneFileFilter = QStringLiteral("Norvane Files (*.NSC)");
