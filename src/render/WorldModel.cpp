#include "WorldModel.h"

#include "BatchEntry.h"
#include "MeshGeometry.h"
#include "ShapeBatch.h"
#include "Utf8Text.h"

#include "view3d/KindCounts.h"
#include "view3d/NearestHit.h"
#include "view3d/NumberList.h"
#include "view3d/TextChoice.h"
#include "vrml/WorldLooks.h"

#include <QColor>
#include <QElapsedTimer>
#include <QGenericMatrix>
#include <QQuaternion>
#include <QVariantMap>

#include <algorithm>
#include <iterator>
#include <map>
#include <utility>
#include <vector>

QObject* BatchEntry::instancing() const {
    return m_batch;
}

namespace {

QString textureSource(int texture) {
    return texture > 0 ? QStringLiteral("qrc:/norvane/textures/source%1.jpg").arg(texture)
                       : QString();
}

// One slice of a build in the background keeps the window answering: it ends once this much time
// has gone, checked every kRowsPerCheck rows.
constexpr qint64 kSliceMilliseconds = 20;
constexpr std::size_t kRowsPerCheck = 2'000;

// The rows drawn of a world over the budget are chosen again this long after the eye has come to
// rest more than this far from where they were chosen.
constexpr int kChooseAfterMs = 150;
constexpr double kChooseAgainMetres = 4.0;

QVector3D toQt(norvane::Vec3 v) {
    return QVector3D(float(v.x), float(v.y), float(v.z));
}

// A text's place as position, rotation and (uniform) scale, as a QML node takes them.
QVariantMap textEntry(const norvane::TextInstance& text) {
    const auto& m = text.place.linear;
    const double scale = norvane::textScale(text);
    QMatrix3x3 rotation;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            rotation(r, c) = float(m[std::size_t(r * 3 + c)] / (scale > 0 ? scale : 1));
    const norvane::Paint& p = text.paint;
    return {{QStringLiteral("text"), fromUtf8(text.text)},
            {QStringLiteral("position"), toQt(text.place.offset)},
            {QStringLiteral("rotation"), QQuaternion::fromRotationMatrix(rotation)},
            {QStringLiteral("size"), scale * text.fontSize},
            {QStringLiteral("colour"), QColor::fromRgbF(p.colour[0], p.colour[1], p.colour[2])}};
}

// One batch: its instance table and the entry that hands it to QML with its mesh and texture
// (destroyed first, as it refers to the table).
struct Batch {
    std::unique_ptr<ShapeBatch> shapes;
    std::unique_ptr<BatchEntry> entry;
};

} // namespace

// The world built so far: a batch per mesh and texture (made on first use, listed when
// published), the meshes they draw, the texts, and the kinds counted ahead of building the rows,
// each of which it notes in `rows`.
class WorldModel::Built {
public:
    explicit Built(norvane::ShapeBudget& rowsBuilt) : rows(rowsBuilt) {}

    std::vector<std::unique_ptr<MeshGeometry>> geometries; // outlive the batches drawing them
    std::map<std::pair<int, int>, Batch> batches;
    std::vector<BatchEntry*> unlisted; // made while building, listed when published
    std::vector<norvane::TextInstance> texts;
    std::vector<std::size_t> shownTexts; // indices into texts
    norvane::ShapeBudget& rows;
    norvane::KindCounts kinds;
    std::size_t builtRows = 0;
    std::size_t countedRows = 0;

    ShapeBatch& batchFor(int mesh, int texture);
    // Adds the shapes of the ground or of a row, highlighted when of row `highlighted`.
    void addShapes(const norvane::WorldShapes& shapes, int highlighted);
    // Empties the batches down to the ground; forgets the texts and rows, room made for `rows`.
    void clear(std::size_t rows, int highlighted);
    // Counts the kinds of the rows of `scene` from countedRows to `end`.
    void countKinds(const norvane::Scene& scene, std::size_t end);
    // Makes room in each batch for the shapes of the rows counted, and counts afresh.
    void reserveCounted();
    // Adds the shapes and texts of the rows from builtRows to `end`; true when texts were added.
    bool addRows(const norvane::Scene& scene, std::size_t end, int highlighted);
    // Tells the renderer of every batch that changed.
    void publishBatches();
};

ShapeBatch& WorldModel::Built::batchFor(int mesh, int texture) {
    Batch& batch = batches[{mesh, texture}];
    if (batch.shapes)
        return *batch.shapes;
    if (geometries.empty())
        for (const norvane::Mesh& kitMesh : norvane::meshKit())
            geometries.push_back(std::make_unique<MeshGeometry>(kitMesh));
    batch.shapes = std::make_unique<ShapeBatch>(mesh);
    batch.entry = std::make_unique<BatchEntry>(geometries[std::size_t(mesh)].get(),
                                               batch.shapes.get(), textureSource(texture), nullptr);
    unlisted.push_back(batch.entry.get());
    return *batch.shapes;
}

void WorldModel::Built::addShapes(const norvane::WorldShapes& shapes, int highlighted) {
    for (const norvane::ShapeInstance& shape : shapes.shapes)
        batchFor(shape.mesh, shape.paint.texture)
            .append(shape, shape.row >= 0 && shape.row == highlighted);
}

void WorldModel::Built::clear(std::size_t rowCount, int highlighted) {
    for (auto& [key, batch] : batches)
        batch.shapes->clear();
    texts.clear();
    shownTexts.clear();
    builtRows = 0;
    countedRows = 0;
    kinds.clear();
    const norvane::WorldShapes ground = norvane::groundShapes();
    addShapes(ground, highlighted);
    rows.forgetRows(ground.shapes.size(), rowCount);
}

void WorldModel::Built::countKinds(const norvane::Scene& scene, std::size_t end) {
    const auto sceneRows = scene.rows();
    for (; countedRows < end; ++countedRows)
        kinds.add(sceneRows[countedRows]);
}

void WorldModel::Built::reserveCounted() {
    for (const auto& [key, shapes] : kinds.shapesPerBatch())
        batchFor(key.first, key.second).reserve(int(shapes));
    kinds.clear();
}

bool WorldModel::Built::addRows(const norvane::Scene& scene, std::size_t end, int highlighted) {
    const std::size_t textsBefore = texts.size();
    norvane::WorldShapes scratch;
    const auto sceneRows = scene.rows();
    for (; builtRows < end; ++builtRows) {
        scratch.shapes.clear();
        scratch.texts.clear();
        norvane::appendObjectShapes(sceneRows[builtRows], static_cast<int>(builtRows), scratch);
        addShapes(scratch, highlighted);
        rows.addRow(scratch);
        std::move(scratch.texts.begin(), scratch.texts.end(), std::back_inserter(texts));
    }
    return texts.size() != textsBefore;
}

void WorldModel::Built::publishBatches() {
    for (auto& [key, batch] : batches)
        batch.shapes->publish();
}

WorldModel::WorldModel(norvane::Scene& scene, QObject* parent)
    : QObject(parent), m_scene(scene), m_built(std::make_unique<Built>(m_rows)),
      m_sky(QStringLiteral("Blue Sky")) {
    m_scene.addListener(this);
    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, &WorldModel::buildSlice);
    m_chooser.setSingleShot(true);
    m_chooser.setInterval(kChooseAfterMs);
    connect(&m_chooser, &QTimer::timeout, this, &WorldModel::drawNearestRows);
    rebuild();
}

WorldModel::~WorldModel() {
    m_scene.removeListener(this);
}

QVariantList WorldModel::texts() const {
    QVariantList list;
    for (const std::size_t i : m_built->shownTexts)
        list.append(textEntry(m_built->texts[i]));
    return list;
}

void WorldModel::setEye(QVector3D eye) {
    m_eye = eye;
    if (limited() && (eye - m_chosenAt).length() > kChooseAgainMetres)
        m_chooser.start();            // once the eye rests
    if (!m_building && chooseTexts()) // a build chooses when done
        emit textsChanged();
}

bool WorldModel::chooseTexts() {
    std::vector<std::size_t> chosen =
        norvane::readableTexts(m_built->texts, {m_eye.x(), m_eye.y(), m_eye.z()},
                               [this](int row) { return isDrawn(row); });
    if (chosen == m_built->shownTexts)
        return false;
    m_built->shownTexts = std::move(chosen);
    return true;
}

QVariantList WorldModel::skyColours() const {
    const std::vector<double> n =
        norvane::numberList(norvane::skyNamed(m_sky.toStdString()).colours);
    QVariantList colours;
    for (std::size_t i = 0; i + 2 < n.size(); i += 3)
        colours.append(QVector3D(float(n[i]), float(n[i + 1]), float(n[i + 2])));
    return colours;
}

QVector3D WorldModel::skyAngles() const {
    const norvane::Vec3 angles =
        norvane::vec3Of(norvane::skyNamed(m_sky.toStdString()).angles, {4, 4, 4});
    return toQt(angles);
}

void WorldModel::setSky(const QString& name) {
    if (name == m_sky)
        return;
    m_sky = name;
    emit skyChanged();
}

void WorldModel::setHighlightedRow(int row) {
    if (row == m_highlighted)
        return;
    for (auto& [key, batch] : m_built->batches) {
        if (m_stale) // to be built with the highlight when followed again
            break;
        batch.shapes->moveHighlight(m_highlighted, row);
        if (!m_building)
            batch.shapes->publish();
    }
    m_highlighted = row;
}

// Only the shapes and texts handed to the renderer can be picked.
std::optional<int> WorldModel::pick(const norvane::Ray& ray) const {
    if (m_building)
        return std::nullopt; // the tables hold part of the scene
    norvane::NearestHit hit(ray);
    for (const auto& [key, batch] : m_built->batches) {
        const ShapeBatch& shapes = *batch.shapes;
        for (int d = 0; d < shapes.drawnCount(); ++d) {
            const int i = shapes.drawnShape(d);
            hit.offerShape(shapes.mesh(), shapes.placeOf(i), shapes.rowOf(i));
        }
    }
    for (const norvane::TextInstance& text : m_built->texts)
        if (isDrawn(text.row))
            hit.offerText(text);
    return hit.row();
}

QString WorldModel::anchorOf(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= m_scene.count())
        return {};
    const std::string_view url = norvane::anchorUrl(m_scene.row(static_cast<std::size_t>(row)));
    return fromUtf8(url);
}

// New batches join the list only now, so that the view never draws a table still being built.
void WorldModel::publish(bool textsChanged) {
    for (BatchEntry* entry : m_built->unlisted)
        m_batchList.append(entry);
    m_built->unlisted.clear();
    const bool rowsChanged = chooseRows();
    m_built->publishBatches();
    if ((textsChanged || rowsChanged) && chooseTexts())
        emit this->textsChanged();
}

void WorldModel::clearWorld() {
    stopBuilding();
    m_stale = false;
    m_built->clear(m_scene.count(), m_highlighted);
    m_textsAdded = true;
}

void WorldModel::rebuild() {
    clearWorld();
    m_built->countKinds(m_scene, m_scene.count());
    m_built->reserveCounted();
    m_built->addRows(m_scene, m_scene.count(), m_highlighted);
    m_textsAdded = false;
    publish(true);
}

void WorldModel::buildRest() {
    if (m_scene.count() - m_built->builtRows > kRowsAtOnce) {
        m_built->countedRows = m_built->builtRows;
        m_built->kinds.clear();
        m_building = true;
        m_slices.start();
        emit buildProgressed();
        return;
    }
    if (m_built->builtRows == 0) { // a new world
        m_built->countKinds(m_scene, m_scene.count());
        m_built->reserveCounted();
    }
    const bool textsAdded = m_built->addRows(m_scene, m_scene.count(), m_highlighted);
    publish(std::exchange(m_textsAdded, false) || textsAdded);
}

// Counts the kinds of the rows first (to make room for all their shapes at once), then builds
// them; rows appended meanwhile are built too.
void WorldModel::buildSlice() {
    QElapsedTimer clock;
    clock.start();
    Built& built = *m_built;
    const std::size_t end = m_scene.count();
    const auto inTime = [&clock] { return clock.elapsed() < kSliceMilliseconds; };
    while (built.countedRows < end && inTime())
        built.countKinds(m_scene, std::min(end, built.countedRows + kRowsPerCheck));
    if (built.countedRows < end) {
        emit buildProgressed();
        return;
    }
    built.reserveCounted();
    while (built.builtRows < end && inTime())
        m_textsAdded =
            built.addRows(m_scene, std::min(end, built.builtRows + kRowsPerCheck), m_highlighted) ||
            m_textsAdded;
    if (built.builtRows == end) {
        stopBuilding();
        publish(std::exchange(m_textsAdded, false));
    }
    emit buildProgressed();
}

void WorldModel::stopBuilding() {
    m_slices.stop();
    m_building = false;
}

int WorldModel::buildPercent() const {
    const std::size_t rows = m_scene.count();
    return rows == 0 ? 100 : int(m_built->builtRows * 100 / rows);
}

void WorldModel::setFollowing(bool following) {
    if (following == m_following)
        return;
    m_following = following;
    if (!following && m_building) {
        stopBuilding();
        m_stale = true;
        emit buildProgressed();
    }
    if (following && m_stale) {
        clearWorld();
        buildRest();
    }
}

// Rows appended go on from the rows built (also during a build); anything else starts again.
void WorldModel::sceneChanged(const norvane::SceneChange& change) {
    if (!m_following) {
        m_stale = true;
        return;
    }
    const bool atEnd = change.kind == norvane::SceneChange::Kind::Inserted &&
                       change.first + change.count == m_scene.count();
    if (!atEnd)
        clearWorld();
    else if (m_building)
        return; // the slices go on to the new end
    buildRest();
}

void WorldModel::setMostShapesDrawn(std::size_t shapes) {
    m_mostShapesDrawn = shapes;
    drawNearestRows();
}

void WorldModel::drawNearestRows() {
    if (m_building || m_stale)
        return; // the tables hold part of the scene; the build chooses when done
    if (chooseRows() && chooseTexts())
        emit textsChanged();
    m_built->publishBatches();
}

// A world over the budget hands the batches only the shapes of the rows chosen.
bool WorldModel::chooseRows() {
    m_chooser.stop();
    m_chosenAt = m_eye;
    if (!m_rows.choose(m_eye.x(), m_eye.z(), m_mostShapesDrawn))
        return false;
    for (auto& [key, batch] : m_built->batches)
        m_rows.limited() ? batch.shapes->drawOnly(m_rows.drawnMarks()) : batch.shapes->drawAll();
    emit drawnChanged();
    return true;
}
