#include "Emblems.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kMagenta(0xFF, 0x00, 0xFF);
const QColor kBlue(0x1E, 0x00, 0xFF);

// Sky above the horizon, green ground below with a receding grid, inside `area`.
void drawLandscape(QPainter& painter, const QRectF& area, double horizon) {
    const double h = area.top() + area.height() * horizon;
    QLinearGradient sky(area.topLeft(), QPointF(area.left(), h));
    sky.setColorAt(0.0, QColor(26, 26, 255));
    sky.setColorAt(1.0, QColor(178, 178, 255));
    painter.fillRect(QRectF(area.topLeft(), QPointF(area.right(), h)), sky);
    painter.fillRect(QRectF(QPointF(area.left(), h), area.bottomRight()), QColor(0, 192, 0));
    painter.setPen(QPen(QColor(0, 140, 0), area.width() / 160.0));
    const QPointF vanish(area.center().x(), h - area.height() * 0.35);
    for (int i = -6; i <= 6; ++i) {
        const QPointF foot(area.center().x() + i * area.width() / 5.0, area.bottom());
        const double t = (h - vanish.y()) / (foot.y() - vanish.y());
        painter.drawLine(vanish + (foot - vanish) * t, foot);
    }
    for (double d = 0.08; d < 1.0; d *= 1.7)
        painter.drawLine(QPointF(area.left(), h + (area.bottom() - h) * d),
                         QPointF(area.right(), h + (area.bottom() - h) * d));
}

// A cone tree standing at `foot`, `height` tall.
void drawTree(QPainter& painter, QPointF foot, double height) {
    const double w = height * 0.45;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 90, 40));
    painter.drawRect(
        QRectF(foot.x() - w * 0.12, foot.y() - height * 0.25, w * 0.24, height * 0.25));
    QPainterPath crown;
    crown.moveTo(foot.x(), foot.y() - height);
    crown.lineTo(foot.x() + w / 2, foot.y() - height * 0.22);
    crown.lineTo(foot.x() - w / 2, foot.y() - height * 0.22);
    crown.closeSubpath();
    painter.setBrush(QColor(0, 110, 0));
    painter.drawPath(crown);
}

// A red house seen from a corner, its front-left bottom corner at `foot`.
void drawHouse(QPainter& painter, QPointF foot, double size) {
    painter.setPen(QPen(QColor(90, 20, 20), size / 40.0));
    const QPointF depth(size * 0.45, -size * 0.3);
    const QRectF front(foot.x(), foot.y() - size, size, size);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawRect(front);
    painter.setBrush(QColor(150, 25, 25));
    painter.drawPolygon(QPolygonF({front.topRight(), front.topRight() + depth,
                                   front.bottomRight() + depth, front.bottomRight()}));
    painter.setBrush(QColor(230, 90, 80));
    painter.drawPolygon(QPolygonF(
        {front.topLeft(), front.topLeft() + depth, front.topRight() + depth, front.topRight()}));
    painter.setBrush(QColor(120, 70, 30));
    painter.drawRect(
        QRectF(foot.x() + size * 0.38, foot.y() - size * 0.5, size * 0.24, size * 0.5));
}

// The landscape with a house on the left and a tree of `treeHeight` (a share of the area's
// height) on the right.
void drawWorld(QPainter& painter, const QRectF& area, double treeHeight) {
    drawLandscape(painter, area, 0.5);
    drawHouse(painter, QPointF(area.left() + area.width() * 0.2, area.top() + area.height() * 0.78),
              area.height() * 0.3);
    drawTree(painter, QPointF(area.left() + area.width() * 0.8, area.top() + area.height() * 0.86),
             area.height() * treeHeight);
}

} // namespace

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double margin = size / 16.0;
    const QRectF area(margin, margin, size - 2 * margin, size - 2 * margin);
    QPainterPath frame;
    frame.addRoundedRect(area, size / 8.0, size / 8.0);
    painter.setClipPath(frame);
    drawWorld(painter, area, 0.6);
    painter.setClipping(false);
    QLinearGradient rim(area.topLeft(), area.bottomRight());
    rim.setColorAt(0.0, kMagenta);
    rim.setColorAt(1.0, kBlue);
    painter.setPen(QPen(QBrush(rim), size / 32.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(frame);
    return image;
}

QImage drawSplash() {
    QImage image(431, 284, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawWorld(painter, QRectF(image.rect()), 0.45);
    QFont title(QStringLiteral("DejaVu Serif"), 44, QFont::Bold);
    painter.setFont(title);
    QLinearGradient letters(60, 0, 370, 0);
    letters.setColorAt(0.0, kMagenta);
    letters.setColorAt(1.0, kBlue);
    const QRectF band(0, 20, image.width(), 80);
    painter.setPen(QPen(QColor(255, 255, 255, 160)));
    painter.drawText(band.translated(2, 2), Qt::AlignCenter, QStringLiteral("Norvane"));
    painter.setPen(QPen(QBrush(letters), 1));
    painter.drawText(band, Qt::AlignCenter, QStringLiteral("Norvane"));
    return image; // the editor writes the caption and the version in the user's language
}
