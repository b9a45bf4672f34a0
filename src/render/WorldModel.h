#pragma once

#include "BatchList.h"

#include "scene/Scene.h"
#include "view3d/Picking.h"
#include "view3d/ShapeBudget.h"

#include <QObject>
#include <QTimer>
#include <QVariantList>
#include <QVector3D>

#include <cstdint>
#include <memory>
#include <optional>

// The scene as the 3D view draws it: one batch per mesh and texture fed with the shapes of every
// row, the texts near the eye, and the sky. Follows the scene's changes: an appended row adds its
// shapes, anything else builds the world again. More than kRowsAtOnce rows are built in slices
// from the event loop and shown once all are built. A world of more shapes than the most drawn
// hands the renderer only the rows nearest the eye. The scene must outlive the model.
class WorldModel : public QObject, public norvane::SceneListener {
    Q_OBJECT
    Q_PROPERTY(QAbstractItemModel* batches READ batches CONSTANT)
    Q_PROPERTY(QVariantList texts READ texts NOTIFY textsChanged)
    Q_PROPERTY(QVariantList skyColours READ skyColours NOTIFY skyChanged)
    Q_PROPERTY(QVector3D skyAngles READ skyAngles NOTIFY skyChanged)
    Q_PROPERTY(bool building READ building NOTIFY buildProgressed)
    Q_PROPERTY(int buildPercent READ buildPercent NOTIFY buildProgressed)
    Q_PROPERTY(bool limited READ limited NOTIFY drawnChanged)
    Q_PROPERTY(int drawnObjects READ drawnObjects NOTIFY drawnChanged)
    Q_PROPERTY(int builtObjects READ builtObjects NOTIFY drawnChanged)
public:
    explicit WorldModel(norvane::Scene& scene, QObject* parent = nullptr);
    ~WorldModel() override;

    // The batches, one per mesh and texture, in the order they were made.
    QAbstractItemModel* batches() { return &m_batchList; }
    const BatchList& batchList() const { return m_batchList; }
    // The texts within reading distance of the eye (see norvane::readableTexts), nearest first.
    QVariantList texts() const;
    // The sky's colours from straight up downwards, and the angles at which the later ones begin.
    QVariantList skyColours() const;
    QVector3D skyAngles() const;

    // Draws the sky of World Properties' choice `name` (Blue Sky for a name it does not know).
    void setSky(const QString& name);
    // Where the eye is: it chooses the texts drawn, and the rows drawn once it rests far enough.
    void setEye(QVector3D eye);
    // Highlights the shapes of `row` (-1 for none).
    void setHighlightedRow(int row);
    int highlightedRow() const { return m_highlighted; }
    // The drawn row the ray meets first; nothing while a build is under way.
    std::optional<int> pick(const norvane::Ray& ray) const;
    // The hyperlink of `row` ("" for none or a row that is not there).
    QString anchorOf(int row) const;
    // How many shapes the world has, the ground included.
    std::size_t shapeCount() const { return m_rows.shapeCount(); }

    // Sets the most shapes the renderer gets, the ground included, and chooses again (see
    // ShapeBudget; no limit until set; a window sets kMostShapesDrawn: beyond it a frame on a
    // software renderer takes seconds). The eye moving far chooses again once it rests.
    void setMostShapesDrawn(std::size_t shapes);
    static constexpr std::size_t kMostShapesDrawn = 40'000;
    // Chooses the rows to draw from the eye now, unless a build is under way.
    void drawNearestRows();
    // Whether only some rows are drawn, how many, of how many built, and whether `row` is.
    bool limited() const { return m_rows.limited(); }
    int drawnObjects() const { return int(m_rows.drawnRows()); }
    int builtObjects() const { return int(m_rows.rowCount()); }
    bool isDrawn(int row) const { return m_rows.isDrawn(row); }

    // While not following (its view hidden) the model only notes that the scene changed; following
    // again builds the world once.
    void setFollowing(bool following);
    // Whether rows are still being built in slices, and how many of the scene's rows are built.
    bool building() const { return m_building; }
    int buildPercent() const;
    static constexpr std::size_t kRowsAtOnce = 20'000;

    void sceneChanged(const norvane::SceneChange& change) override;

signals:
    void textsChanged();
    void skyChanged();
    void buildProgressed();
    void drawnChanged();

private:
    class Built; // the batches and texts of the world built so far
    void clearWorld();
    void rebuild();
    void buildRest();
    void buildSlice();
    void stopBuilding();
    void publish(bool textsChanged);
    bool chooseTexts();
    bool chooseRows();

    norvane::Scene& m_scene;
    BatchList m_batchList;
    norvane::ShapeBudget m_rows; // the rows built and which of them are drawn
    std::unique_ptr<Built> m_built;
    QVector3D m_eye;
    QVector3D m_chosenAt;
    std::size_t m_mostShapesDrawn = SIZE_MAX;
    QTimer m_chooser;
    QTimer m_slices;
    bool m_following = true;
    bool m_stale = false;
    bool m_building = false;
    bool m_textsAdded = false; // while building
    int m_highlighted = -1;
    QString m_sky;
};
