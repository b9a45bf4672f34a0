// Zoom and pan on the main window: the scale commands and Fit, Ctrl+wheel and Ctrl+plus/minus
// around a fixed map point, the wheel scrolling, and dragging the map with the middle button or
// with Space and the left button.
#include "MainEditor.h"

#include <QAction>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <array>
#include <utility>

namespace {

constexpr int kWheelNotch = 120;  // angle delta of one wheel notch
constexpr int kLinesPerNotch = 3; // arrow steps one notch scrolls

int twipsOf(int pixels) {
    return pixels * norvane::kTwipsPerPixel;
}

} // namespace

void MainEditor::mnuFitItem_Click() {
    fitToWindow();
}

void MainEditor::mnuZoomInItem_Click() {
    zoomStep(1, Picture2->rect().center());
}

void MainEditor::mnuZoomOutItem_Click() {
    zoomStep(-1, Picture2->rect().center());
}

// Shows the map on a surface of `twips` with map point `keep` at viewport pixel `at` (as far as
// the scroll ranges allow), checks the scale it belongs to (none: Fit), redraws and refits the
// selection marker.
void MainEditor::zoomTo(int twips, std::optional<norvane::ZoomLevel> level, norvane::MapPoint keep,
                        QPoint at) {
    m_zoom = level;
    m_surfaceTwips = twips;
    Picture1->setSurfacePixels(norvane::twipsToPixels(twips));
    const std::array<QAction*, 4> checks{mnu100Item, mnu200Item, mnu400Item, mnu800Item};
    for (std::size_t i = 0; i < checks.size(); ++i)
        checks[i]->setChecked(level && i == static_cast<std::size_t>(*level));
    mnuFitItem->setChecked(!level);
    setScrollRanges();
    HScroll1->setValue(norvane::scrollKeeping(keep.x, twips, twipsOf(at.x())));
    VScroll1->setValue(norvane::scrollKeeping(keep.y, twips, twipsOf(at.y())));
    Picture1->move(norvane::twipsToPixels(-HScroll1->value()),
                   norvane::twipsToPixels(-VScroll1->value()));
    Render2D();
    List2_Click();
}

// One zoom level up (`steps` > 0) or down, keeping the map point at viewport pixel `at`.
void MainEditor::zoomStep(int steps, QPoint at) {
    if (const auto level = norvane::steppedLevel(m_surfaceTwips, steps))
        zoomTo(norvane::surfaceTwips(*level), level, mapPointAt(at), at);
}

void MainEditor::fitToWindow() {
    zoomTo(norvane::fitSurfaceTwips(twipsOf(Picture2->width()), twipsOf(Picture2->height())),
           std::nullopt, {0.0f, 0.0f}, {0, 0});
}

// Both bars from the surface and the viewport's current size.
void MainEditor::setScrollRanges() {
    const std::array<std::pair<QScrollBar*, int>, 2> bars{
        {{HScroll1, Picture2->width()}, {VScroll1, Picture2->height()}}};
    for (const auto& [bar, pixels] : bars) {
        const norvane::ScrollRange range = norvane::scrollRange(m_surfaceTwips, twipsOf(pixels));
        bar->setRange(0, range.maximum);
        if (range.arrowStep)
            bar->setSingleStep(*range.arrowStep);
        if (range.pageStep)
            bar->setPageStep(*range.pageStep);
    }
}

// The map point shown at a pixel of the viewport.
norvane::MapPoint MainEditor::mapPointAt(QPoint viewportPixel) const {
    return Picture1->toMap(QPointF(viewportPixel - Picture1->pos()));
}

// Puts map point `centre` at the centre of a viewport of `viewport` pixels, as far as the bars go.
void MainEditor::keepInView(norvane::MapPoint centre, QSize viewport) {
    setScrollRanges();
    HScroll1->setValue(
        norvane::scrollKeeping(centre.x, m_surfaceTwips, twipsOf(viewport.width()) / 2));
    VScroll1->setValue(
        norvane::scrollKeeping(centre.y, m_surfaceTwips, twipsOf(viewport.height()) / 2));
}

// Scrolls a map point outside the viewport to its centre.
void MainEditor::scrollToShow(norvane::MapPoint at) {
    const QPointF pixel =
        QPointF(Picture1->pos()) + QPointF(double(at.x) * Picture1->width() / 100.0,
                                           double(at.y) * Picture1->height() / 100.0);
    if (!QRectF(Picture2->rect()).contains(pixel))
        keepInView(at, Picture2->size());
}

// Ctrl+wheel zooms around the pointer, a notch a level; the wheel scrolls up and down, with
// Shift (or a sideways wheel) left and right.
bool MainEditor::wheelOnMap(QObject* watched, QWheelEvent* event) {
    const QPoint position = event->position().toPoint();
    const QPoint at = watched == Picture2 ? position : Picture1->mapToParent(position);
    const QPoint delta = event->angleDelta();
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        m_wheelZoom += delta.y();
        for (; m_wheelZoom >= kWheelNotch; m_wheelZoom -= kWheelNotch)
            zoomStep(1, at);
        for (; m_wheelZoom <= -kWheelNotch; m_wheelZoom += kWheelNotch)
            zoomStep(-1, at);
        return true;
    }
    const bool sideways = event->modifiers().testFlag(Qt::ShiftModifier) || delta.y() == 0;
    QScrollBar* bar = sideways ? HScroll1 : VScroll1;
    const int turned = delta.y() != 0 ? delta.y() : delta.x();
    bar->setValue(bar->value() - turned * kLinesPerNotch * bar->singleStep() / kWheelNotch);
    return true;
}

// The middle button, or the left one while Space is held, drags the map under the pointer.
bool MainEditor::panEvent(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched != Picture1 || (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
                                type != QEvent::MouseButtonRelease))
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    if (type == QEvent::MouseButtonPress && !m_panning) {
        if (mouse->button() != Qt::MiddleButton &&
            !(mouse->button() == Qt::LeftButton && m_spaceHeld))
            return false;
        m_panning = true;
        m_panFrom = global;
        m_panScroll = {HScroll1->value(), VScroll1->value()};
        Picture1->setCursor(Qt::ClosedHandCursor);
        return true;
    }
    if (!m_panning)
        return false;
    if (type == QEvent::MouseButtonRelease && mouse->buttons() == Qt::NoButton) {
        m_panning = false;
        Picture1->unsetCursor();
        return true;
    }
    const QPoint moved = global - m_panFrom;
    HScroll1->setValue(m_panScroll.x() - twipsOf(moved.x()));
    VScroll1->setValue(m_panScroll.y() - twipsOf(moved.y()));
    return true;
}
