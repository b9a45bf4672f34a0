#pragma once

#include "BatchEntry.h"
#include "BatchList.h"

#include "scene/Catalogue.h"
#include "scene/Scene.h"
#include "view3d/Picking.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <QVariantList>
#include <QVector3D>

#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class MeshGeometry;

// The scene as the 3D view draws it: one batch per mesh and texture fed with the shapes of every
// row, the texts, and the sky. Follows the scene's changes: an appended row adds its shapes,
// anything else builds the world again. More than kRowsAtOnce rows are built in slices from the
// event loop and shown once all are built. A world of more than mostShapesDrawn() shapes hands
// the renderer only the rows nearest the eye. The scene must outlive the model.
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

    QAbstractItemModel* batches() { return &m_batchList; }
    const BatchList& batchList() const { return m_batchList; }
    // The texts near enough to the eye to be read (see setEye), nearest first.
    QVariantList texts() const;
    QVariantList skyColours() const;
    QVector3D skyAngles() const;

    // Draws the sky of World Properties' choice `name` (Blue Sky for a name it does not know).
    void setSky(const QString& name);
    // Where the eye is: texts are drawn only within reading distance of it (a distance that grows
    // with their size, and at most kMostTexts of them), since each text costs the renderer a
    // layer of its own.
    void setEye(QVector3D eye);
    static constexpr std::size_t kMostTexts = 200;
    // Highlights the shapes of `row` (-1 for none).
    void setHighlightedRow(int row);
    int highlightedRow() const { return m_highlighted; }
    // The row the ray meets first, as the picking of the core finds it.
    std::optional<int> pick(const norvane::Ray& ray) const;
    // The hyperlink of `row` ("" for none or a row that is not there).
    QString anchorOf(int row) const;
    // How many shapes the world draws now, the ground included.
    std::size_t shapeCount() const { return m_shapeCount; }

    // The most shapes the renderer gets, the ground included (no limit until set; a window sets
    // kMostShapesDrawn: beyond it a frame on a software renderer takes seconds). A world with
    // more draws the rows nearest the eye (by distance on the ground, all shapes of a row or
    // none) up to it, and chooses again kChooseAfterMs after the eye has come to rest more than
    // kChooseAgainMetres from where it chose.
    static constexpr std::size_t kMostShapesDrawn = 40'000;
    static constexpr double kChooseAgainMetres = 4.0;
    static constexpr int kChooseAfterMs = 150;
    std::size_t mostShapesDrawn() const { return m_mostShapesDrawn; }
    // Sets the most shapes drawn and chooses again.
    void setMostShapesDrawn(std::size_t shapes);
    // Chooses the rows to draw from the eye now, unless a build is under way.
    void drawNearestRows();
    // Whether only some rows are drawn, how many, and of how many rows built.
    bool limited() const { return m_limited; }
    int drawnObjects() const { return int(m_drawnObjects); }
    int builtObjects() const { return int(m_spots.size()); }
    // Whether the shapes of `row` are handed to the renderer.
    bool isDrawn(int row) const;

    // While not following (its view hidden) the model only notes that the scene changed; following
    // again builds the world once.
    void setFollowing(bool following);
    bool following() const { return m_following; }
    // Whether rows are still being built in slices, and how many of the scene's rows are built.
    bool building() const { return m_building; }
    int buildPercent() const;
    static constexpr std::size_t kRowsAtOnce = 20'000;

    void sceneChanged(const norvane::SceneChange& change) override;
    // Builds every batch and text again from the scene, at once.
    void rebuild();

signals:
    void textsChanged();
    void skyChanged();
    void buildProgressed();
    void drawnChanged();

private:
    ShapeBatch& batchFor(int mesh, int texture);
    // Counts the kinds of the rows from m_countedRows to `end`.
    void countKinds(std::size_t end);
    // Makes room in each batch for the shapes of the rows counted, and counts afresh.
    void reserveCounted();
    void addShapes(const norvane::WorldShapes& shapes);
    // Adds the shapes and texts of the rows from m_builtRows to `end`; true when texts were added.
    bool addRows(std::size_t end);
    // Empties the world down to the ground, room made for the scene's rows.
    void clearWorld();
    // Builds the rows from m_builtRows on: at once up to kRowsAtOnce of them, else in slices.
    void buildRest();
    void buildSlice();
    void stopBuilding();
    void publish(bool textsChanged);
    // Chooses the texts to draw from the eye; true when the choice changed.
    bool chooseTexts();
    // Chooses the rows to draw from the eye and hands their shapes to the batches; true when
    // the choice changed.
    bool chooseRows();

    // Where a row stands on the ground (the middle of its shapes) and how many shapes it has.
    struct RowSpot {
        float x = 0;
        float z = 0;
        std::uint32_t shapes = 0;
    };
    static RowSpot spotOf(const norvane::WorldShapes& shapes);

    norvane::Scene& m_scene;
    std::vector<norvane::TextInstance> m_texts;
    std::vector<std::size_t> m_shownTexts; // indices into m_texts
    QVector3D m_eye;
    std::size_t m_shapeCount = 0;
    std::size_t m_groundShapes = 0;
    std::vector<RowSpot> m_spots; // of each row built
    std::size_t m_mostShapesDrawn = std::numeric_limits<std::size_t>::max();
    bool m_limited = false;
    std::vector<std::uint8_t> m_drawnRows; // while limited: 1 for each row drawn
    std::size_t m_drawnObjects = 0;
    QVector3D m_chosenAt;
    QTimer m_chooser;
    std::map<std::pair<int, int>, BatchEntry*> m_batches;
    BatchList m_batchList;
    std::vector<BatchEntry*> m_unlisted; // made while building, listed when published
    std::vector<MeshGeometry*> m_geometries;
    std::size_t m_builtRows = 0;
    std::size_t m_countedRows = 0;
    std::array<std::size_t, norvane::kCatalogue.size()> m_perKind{};
    bool m_following = true;
    bool m_stale = false;
    bool m_building = false;
    bool m_textsAdded = false; // while building
    QTimer m_slices;
    int m_highlighted = -1;
    QString m_sky;
};
