#include "WorldWindow.h"

#include "WalkCamera.h"
#include "WorldModel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QQmlContext>

#include <array>
#include <functional>

namespace {

constexpr double kStepMetres = 0.5;
constexpr double kTurnDegrees = 5.0;
constexpr double kRiseMetres = 0.25;
constexpr double kDegreesPerPixel = 0.25;
constexpr double kDragPixels = 4.0;
constexpr int kHoverMilliseconds = 150;

struct KeyMove {
    int key;
    std::function<void(WalkCamera&)> move;
};

const std::array<KeyMove, 11> kKeyMoves{{
    {Qt::Key_Up, [](WalkCamera& w) { w.walk(kStepMetres); }},
    {Qt::Key_W, [](WalkCamera& w) { w.walk(kStepMetres); }},
    {Qt::Key_Down, [](WalkCamera& w) { w.walk(-kStepMetres); }},
    {Qt::Key_S, [](WalkCamera& w) { w.walk(-kStepMetres); }},
    {Qt::Key_Left, [](WalkCamera& w) { w.turn(kTurnDegrees); }},
    {Qt::Key_A, [](WalkCamera& w) { w.turn(kTurnDegrees); }},
    {Qt::Key_Right, [](WalkCamera& w) { w.turn(-kTurnDegrees); }},
    {Qt::Key_D, [](WalkCamera& w) { w.turn(-kTurnDegrees); }},
    {Qt::Key_PageUp, [](WalkCamera& w) { w.rise(kRiseMetres); }},
    {Qt::Key_PageDown, [](WalkCamera& w) { w.rise(-kRiseMetres); }},
    {Qt::Key_Home, [](WalkCamera& w) { w.reset(); }},
}};

} // namespace

// The resources of a static library are registered by hand, outside any namespace.
static void initRenderResources() {
    Q_INIT_RESOURCE(render);
}

WorldWindow::WorldWindow(WorldModel& world, WalkCamera& walker, bool hintVisible, QWindow* parent)
    : QQuickView(parent), m_world(world), m_walker(walker), m_hintVisible(hintVisible) {
    initRenderResources();
    setResizeMode(QQuickView::SizeRootObjectToView);
    world.setEye(walker.position());
    world.setMostShapesDrawn(WorldModel::kMostShapesDrawn); // chosen from this eye
    connect(&walker, &WalkCamera::moved, this, [this] { m_world.setEye(m_walker.position()); });
    rootContext()->setContextProperty(QStringLiteral("world"), &world);
    rootContext()->setContextProperty(QStringLiteral("walker"), &walker);
    rootContext()->setContextProperty(QStringLiteral("window3d"), this);
    setSource(QUrl(QStringLiteral("qrc:/norvane/WorldView.qml")));
    m_hoverTimer.setSingleShot(true);
    m_hoverTimer.setInterval(kHoverMilliseconds);
    connect(&m_hoverTimer, &QTimer::timeout, this, &WorldWindow::showHover);
}

int WorldWindow::rowAt(QPointF pixel) const {
    const norvane::Ray ray = m_walker.rayThrough(pixel.x(), pixel.y(), width(), height());
    return m_world.pick(ray).value_or(-1);
}

void WorldWindow::keyPressEvent(QKeyEvent* event) {
    for (const KeyMove& entry : kKeyMoves) {
        if (entry.key == event->key()) {
            entry.move(m_walker);
            event->accept();
            return;
        }
    }
    QQuickView::keyPressEvent(event);
}

void WorldWindow::mousePressEvent(QMouseEvent* event) {
    m_pressAt = m_lastAt = event->position();
    m_dragged = false;
    event->accept();
}

void WorldWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (event->buttons() & Qt::LeftButton) {
        m_dragged = m_dragged || (at - m_pressAt).manhattanLength() > kDragPixels;
        m_walker.turn(-(at.x() - m_lastAt.x()) * kDegreesPerPixel);
        m_walker.look(-(at.y() - m_lastAt.y()) * kDegreesPerPixel);
    }
    m_lastAt = at;
    m_hoverTimer.start();
    event->accept();
}

void WorldWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !m_dragged) {
        const int row = rowAt(event->position());
        if (row >= 0)
            emit rowClicked(row);
    }
    event->accept();
}

void WorldWindow::showHover() {
    const int row = rowAt(m_lastAt);
    const QString text = row >= 0 ? m_world.anchorOf(row) : QString();
    if (text == m_hoverText)
        return;
    m_hoverText = text;
    emit hoverTextChanged();
}
