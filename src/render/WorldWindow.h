#pragma once

#include <QQuickView>
#include <QTimer>

class WalkCamera;
class WorldModel;

// The window that shows the 3D view: the world of a WorldModel seen through a WalkCamera, with
// the walking keys, dragging to look around, a click to pick a row and a pause over an object
// to show its hyperlink. Neither model nor camera is owned; both must outlive the window.
class WorldWindow : public QQuickView {
    Q_OBJECT
    Q_PROPERTY(QString hoverText READ hoverText NOTIFY hoverTextChanged)
    Q_PROPERTY(bool hintVisible READ hintVisible CONSTANT)
public:
    // `hintVisible` shows the line on how to move (off for pictures of the world alone).
    WorldWindow(WorldModel& world, WalkCamera& walker, bool hintVisible = true,
                QWindow* parent = nullptr);

    QString hoverText() const { return m_hoverText; }
    const WalkCamera& camera() const { return m_walker; }
    const WorldModel& world() const { return m_world; }
    bool hintVisible() const { return m_hintVisible; }
    // Picks the row under a pixel of the window, as a click does; -1 for none.
    int rowAt(QPointF pixel) const;

signals:
    // A click (a press and release without dragging) on an object of row `row`.
    void rowClicked(int row);
    void hoverTextChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showHover();

    WorldModel& m_world;
    WalkCamera& m_walker;
    QPointF m_pressAt;
    QPointF m_lastAt;
    bool m_dragged = false;
    QTimer m_hoverTimer;
    QString m_hoverText;
    bool m_hintVisible;
};
