#include "MeshGeometry.h"

#include <QVector3D>

#include <cstddef>

MeshGeometry::MeshGeometry(const norvane::Mesh& mesh, QQuick3DObject* parent)
    : QQuick3DGeometry(parent) {
    using norvane::MeshVertex;
    setStride(sizeof(MeshVertex));
    setPrimitiveType(PrimitiveType::Triangles);
    addAttribute(Attribute::PositionSemantic, offsetof(MeshVertex, position), Attribute::F32Type);
    addAttribute(Attribute::NormalSemantic, offsetof(MeshVertex, normal), Attribute::F32Type);
    addAttribute(Attribute::TexCoord0Semantic, offsetof(MeshVertex, uv), Attribute::F32Type);
    addAttribute(Attribute::IndexSemantic, 0, Attribute::U32Type);
    const auto* vertices = reinterpret_cast<const char*>(mesh.vertices.data());
    setVertexData(QByteArray(vertices, qsizetype(mesh.vertices.size() * sizeof(MeshVertex))));
    const auto* indices = reinterpret_cast<const char*>(mesh.indices.data());
    setIndexData(QByteArray(indices, qsizetype(mesh.indices.size() * sizeof(std::uint32_t))));
    const norvane::Vec3 low = mesh.lowest(), high = mesh.highest();
    setBounds(QVector3D(float(low.x), float(low.y), float(low.z)),
              QVector3D(float(high.x), float(high.y), float(high.z)));
}
