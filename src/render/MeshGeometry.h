#pragma once

#include "view3d/Mesh.h"

#include <QQuick3DGeometry>

// A mesh of the 3D view handed to Qt Quick 3D: positions, normals and texture coordinates,
// interleaved as MeshVertex lays them out, and 32-bit triangle indices.
class MeshGeometry : public QQuick3DGeometry {
    Q_OBJECT
public:
    explicit MeshGeometry(const norvane::Mesh& mesh, QQuick3DObject* parent = nullptr);
};
