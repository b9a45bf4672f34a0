#include "MapSurface.h"

#include "MapShape.h"
#include "render/MapPicture.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {

norvane::MouseButton toButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return norvane::MouseButton::Left;
    case Qt::RightButton:
        return norvane::MouseButton::Right;
    default:
        return norvane::MouseButton::Middle;
    }
}

// Screen readers present the map as a canvas (a plain widget would be an unnamed filler).
QAccessibleInterface* accessibleMap(const QString& className, QObject* object) {
    if (className == QLatin1String("MapSurface") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Canvas);
    return nullptr;
}

} // namespace

MapSurface::MapSurface(QWidget* parent) : QWidget(parent) {
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleMap), true);
    Q_UNUSED(factoryInstalled);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MapSurface::setSurfacePixels(int pixels) {
    setFixedSize(pixels, pixels);
    m_image = newMapPicture(pixels);
    m_painted = QRegion();
    for (MapShape* shape : findChildren<MapShape*>(Qt::FindDirectChildrenOnly))
        shape->refit();
}

norvane::MapPoint MapSurface::toMap(QPointF pixels) const {
    return {static_cast<float>(pixels.x() * 100.0 / width()),
            static_cast<float>(pixels.y() * 100.0 / height())};
}

void MapSurface::invalidate() {
    m_painted = QRegion();
    update();
}

QImage& MapSurface::image() {
    paintMissing(m_image.rect());
    return m_image;
}

void MapSurface::paintMissing(const QRect& pixels) {
    const QRegion missing = QRegion(pixels & m_image.rect()) - m_painted;
    if (missing.isEmpty() || !m_painter)
        return;
    for (const QRect& part : missing)
        m_painter(m_image, part);
    m_painted += missing;
}

void MapSurface::paintEvent(QPaintEvent* event) {
    paintMissing(event->rect());
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
    if (m_overlay)
        m_overlay(painter, event->rect());
}

void MapSurface::mousePressEvent(QMouseEvent* event) {
    m_modifiers = event->modifiers();
    emit pressed(toButton(event->button()), toMap(event->position()));
}

void MapSurface::mouseMoveEvent(QMouseEvent* event) {
    m_modifiers = event->modifiers();
    emit moved(toMap(event->position()));
}

void MapSurface::mouseReleaseEvent(QMouseEvent* event) {
    m_modifiers = event->modifiers();
    emit released(toButton(event->button()), toMap(event->position()));
}
