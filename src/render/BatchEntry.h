#pragma once

#include <QObject>
#include <QQuick3DGeometry>
#include <QString>

#include <utility>

class ShapeBatch;

// What QML needs to draw one batch: its mesh, its instance table and its texture ("" for none).
class BatchEntry : public QObject {
    Q_OBJECT
    Q_PROPERTY(QQuick3DGeometry* geometry READ geometry CONSTANT)
    Q_PROPERTY(QObject* instancing READ instancing CONSTANT)
    Q_PROPERTY(QString texture READ texture CONSTANT)
public:
    BatchEntry(QQuick3DGeometry* geometry, ShapeBatch* batch, QString texture, QObject* parent)
        : QObject(parent), m_geometry(geometry), m_batch(batch), m_texture(std::move(texture)) {}

    QQuick3DGeometry* geometry() const { return m_geometry; }
    QObject* instancing() const;
    ShapeBatch* batch() const { return m_batch; }
    QString texture() const { return m_texture; }

private:
    QQuick3DGeometry* m_geometry;
    ShapeBatch* m_batch;
    QString m_texture;
};
