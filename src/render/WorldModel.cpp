#include "WorldModel.h"

#include "Utf8Text.h"

#include "MeshGeometry.h"
#include "ShapeBatch.h"

#include "view3d/NumberList.h"
#include "vrml/WorldLooks.h"

#include <QColor>
#include <QElapsedTimer>
#include <QGenericMatrix>
#include <QQuaternion>
#include <QVariantMap>

#include "scene/Catalogue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <limits>

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

QVector3D toQt(norvane::Vec3 v) {
    return QVector3D(float(v.x), float(v.y), float(v.z));
}

// How much a text's place scales it (the man's enclosing scale, for example).
double textScale(const norvane::TextInstance& text) {
    const auto& m = text.place.linear;
    return std::sqrt(m[0] * m[0] + m[3] * m[3] + m[6] * m[6]);
}

// A text's place as position, rotation and (uniform) scale, as a QML node takes them.
QVariantMap textEntry(const norvane::TextInstance& text) {
    const auto& m = text.place.linear;
    const double scale = textScale(text);
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

} // namespace

WorldModel::WorldModel(norvane::Scene& scene, QObject* parent)
    : QObject(parent), m_scene(scene), m_sky(QStringLiteral("Blue Sky")) {
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
    for (const auto& [key, entry] : m_batches) {
        delete entry->batch();
        delete entry;
    }
    qDeleteAll(m_geometries);
}

QVariantList WorldModel::texts() const {
    QVariantList list;
    for (const std::size_t i : m_shownTexts)
        list.append(textEntry(m_texts[i]));
    return list;
}

void WorldModel::setEye(QVector3D eye) {
    m_eye = eye;
    if (m_limited && (eye - m_chosenAt).length() > kChooseAgainMetres)
        m_chooser.start();            // once the eye rests
    if (!m_building && chooseTexts()) // a build chooses when done
        emit textsChanged();
}

bool WorldModel::chooseTexts() {
    constexpr double kReadingDistance = 60.0; // metres per metre of font size
    std::vector<std::pair<double, std::size_t>> near;
    for (std::size_t i = 0; i < m_texts.size(); ++i) {
        if (!isDrawn(m_texts[i].row))
            continue;
        const double d = (toQt(m_texts[i].place.offset) - m_eye).length();
        if (d < kReadingDistance * m_texts[i].fontSize * textScale(m_texts[i]))
            near.emplace_back(d, i);
    }
    const std::size_t kept = std::min(near.size(), kMostTexts);
    std::partial_sort(near.begin(), near.begin() + std::ptrdiff_t(kept), near.end());
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < kept; ++i)
        chosen.push_back(near[i].second);
    if (chosen == m_shownTexts)
        return false;
    m_shownTexts = std::move(chosen);
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
    for (const auto& [key, entry] : m_batches) {
        if (m_stale) // to be built with the highlight when followed again
            break;
        entry->batch()->moveHighlight(m_highlighted, row);
        if (!m_building)
            entry->batch()->publish();
    }
    m_highlighted = row;
}

std::optional<int> WorldModel::pick(const norvane::Ray& ray) const {
    if (m_building)
        return std::nullopt; // the tables hold part of the scene
    std::optional<int> nearestRow;
    double nearest = std::numeric_limits<double>::infinity();
    const auto consider = [&](std::optional<double> at, int row) {
        if (row >= 0 && at && *at < nearest)
            nearest = *at, nearestRow = row;
    };
    for (const auto& [key, entry] : m_batches) {
        const ShapeBatch& batch = *entry->batch();
        for (int d = 0; d < batch.drawnCount(); ++d) {
            const int i = batch.drawnShape(d);
            consider(norvane::hitDistance(batch.mesh(), batch.placeOf(i), ray), batch.rowOf(i));
        }
    }
    for (const norvane::TextInstance& text : m_texts)
        if (isDrawn(text.row))
            consider(norvane::hitDistance(text, ray), text.row);
    return nearestRow;
}

QString WorldModel::anchorOf(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= m_scene.count())
        return {};
    const std::string_view url = norvane::anchorUrl(m_scene.row(static_cast<std::size_t>(row)));
    return fromUtf8(url);
}

ShapeBatch& WorldModel::batchFor(int mesh, int texture) {
    BatchEntry*& entry = m_batches[{mesh, texture}];
    if (entry)
        return *entry->batch();
    if (m_geometries.empty())
        for (const norvane::Mesh& kitMesh : norvane::meshKit())
            m_geometries.push_back(new MeshGeometry(kitMesh));
    entry = new BatchEntry(m_geometries[std::size_t(mesh)], new ShapeBatch(mesh),
                           textureSource(texture), nullptr);
    m_unlisted.push_back(entry);
    return *entry->batch();
}

void WorldModel::addShapes(const norvane::WorldShapes& shapes) {
    for (const norvane::ShapeInstance& shape : shapes.shapes)
        batchFor(shape.mesh, shape.paint.texture)
            .append(shape, shape.row >= 0 && shape.row == m_highlighted);
    m_shapeCount += shapes.shapes.size();
}

bool WorldModel::addRows(std::size_t end) {
    const std::size_t texts = m_texts.size();
    norvane::WorldShapes scratch;
    const auto rows = m_scene.rows();
    for (; m_builtRows < end; ++m_builtRows) {
        scratch.shapes.clear();
        scratch.texts.clear();
        norvane::appendObjectShapes(rows[m_builtRows], static_cast<int>(m_builtRows), scratch);
        addShapes(scratch);
        m_spots.push_back(spotOf(scratch));
        std::move(scratch.texts.begin(), scratch.texts.end(), std::back_inserter(m_texts));
    }
    return m_texts.size() != texts;
}

// New batches join the list only now, so that the view never draws a table still being built.
void WorldModel::publish(bool textsChanged) {
    for (BatchEntry* entry : m_unlisted)
        m_batchList.append(entry);
    m_unlisted.clear();
    const bool rowsChanged = chooseRows();
    for (const auto& [key, entry] : m_batches)
        entry->batch()->publish();
    if ((textsChanged || rowsChanged) && chooseTexts())
        emit this->textsChanged();
}

void WorldModel::countKinds(std::size_t end) {
    const auto rows = m_scene.rows();
    for (; m_countedRows < end; ++m_countedRows)
        if (const norvane::KindInfo* kind = norvane::findKind(rows[m_countedRows].kind))
            ++m_perKind[std::size_t(kind - norvane::kCatalogue.data())];
}

// Each kind's shapes are counted from one sample object of it.
void WorldModel::reserveCounted() {
    std::map<std::pair<int, int>, std::size_t> perBatch; // kinds share batches
    for (std::size_t i = 0; i < m_perKind.size(); ++i) {
        if (m_perKind[i] == 0)
            continue;
        const std::string name(norvane::kCatalogue[i].name);
        norvane::WorldShapes sample;
        norvane::appendObjectShapes({name, "1", "1", "2", "2", ""}, 0, sample);
        for (const norvane::ShapeInstance& shape : sample.shapes)
            perBatch[{shape.mesh, shape.paint.texture}] += m_perKind[i];
    }
    for (const auto& [key, shapes] : perBatch)
        batchFor(key.first, key.second).reserve(int(shapes));
    m_perKind = {};
}

void WorldModel::clearWorld() {
    stopBuilding();
    m_stale = false;
    for (const auto& [key, entry] : m_batches)
        entry->batch()->clear();
    m_texts.clear();
    m_shownTexts.clear();
    m_shapeCount = 0;
    m_spots.clear();
    m_spots.reserve(m_scene.count());
    m_builtRows = 0;
    m_countedRows = 0;
    m_perKind = {};
    m_textsAdded = true;
    addShapes(norvane::groundShapes());
    m_groundShapes = m_shapeCount;
}

void WorldModel::rebuild() {
    clearWorld();
    countKinds(m_scene.count());
    reserveCounted();
    addRows(m_scene.count());
    m_textsAdded = false;
    publish(true);
}

void WorldModel::buildRest() {
    if (m_scene.count() - m_builtRows > kRowsAtOnce) {
        m_countedRows = m_builtRows;
        m_perKind = {};
        m_building = true;
        m_slices.start();
        emit buildProgressed();
        return;
    }
    if (m_builtRows == 0) { // a new world
        countKinds(m_scene.count());
        reserveCounted();
    }
    const bool textsAdded = addRows(m_scene.count());
    publish(std::exchange(m_textsAdded, false) || textsAdded);
}

// Counts the kinds of the rows first (to make room for all their shapes at once), then builds
// them; rows appended meanwhile are built too.
void WorldModel::buildSlice() {
    QElapsedTimer clock;
    clock.start();
    const std::size_t end = m_scene.count();
    const auto inTime = [&clock] { return clock.elapsed() < kSliceMilliseconds; };
    while (m_countedRows < end && inTime())
        countKinds(std::min(end, m_countedRows + kRowsPerCheck));
    if (m_countedRows < end) {
        emit buildProgressed();
        return;
    }
    reserveCounted();
    while (m_builtRows < end && inTime())
        m_textsAdded = addRows(std::min(end, m_builtRows + kRowsPerCheck)) || m_textsAdded;
    if (m_builtRows == end) {
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
    return rows == 0 ? 100 : int(m_builtRows * 100 / rows);
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
