#include "MapShape.h"

#include "map/PixelSpan.h"

#include <QPainter>

MapShape::MapShape(Look look, QWidget* surface) : QWidget(surface), m_look(look) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void MapShape::setMapRect(norvane::MapRect rect) {
    m_rect = rect;
    refit();
}

void MapShape::refit() {
    setGeometry(pixelRect(m_rect, parentWidget()->size()));
}

QRect MapShape::pixelRect(norvane::MapRect rect, QSize surface) {
    const norvane::PixelSpan columns =
        norvane::pixelSpan(rect.left, rect.left + rect.width, surface.width());
    const norvane::PixelSpan rows =
        norvane::pixelSpan(rect.top, rect.top + rect.height, surface.height());
    return QRect(QPoint(columns.first, rows.first), QPoint(columns.last, rows.last));
}

void MapShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintOutline(painter, m_look, rect().adjusted(0, 0, -1, -1));
}

void MapShape::paintOutline(QPainter& painter, Look look, const QRect& outline) {
    if (look == Look::Dashed) {
        // Black dashes on white stay visible on grass, streets and sidewalks alike.
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(outline);
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawRect(outline);
        return;
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(outline);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(outline.adjusted(1, 1, -1, -1));
}
