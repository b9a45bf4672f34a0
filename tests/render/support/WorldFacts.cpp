#include "WorldFacts.h"

#include "render/BatchEntry.h"
#include "render/ShapeBatch.h"

#include <map>
#include <tuple>
#include <vector>

namespace {

using Facts = std::map<std::pair<int, QString>, std::vector<std::tuple<int, float, float, bool>>>;

// Empty batches are left out: a model that followed changes may keep some.
Facts factsOf(const WorldModel& world) {
    Facts facts;
    for (const BatchEntry* entry : world.batchList().entries())
        for (int i = 0; i < entry->batch()->count(); ++i) {
            const norvane::Vec3 at = entry->batch()->placeOf(i).offset;
            facts[{entry->batch()->mesh(), entry->texture()}].emplace_back(
                entry->batch()->rowOf(i), float(at.x), float(at.z),
                entry->batch()->isHighlighted(i));
        }
    return facts;
}

} // namespace

bool equalsFreshBuild(const WorldModel& world, norvane::Scene& scene) {
    const norvane::Ray downOnTheCorner{{-50, 30, -50}, {0, -1, 0}};
    WorldModel fresh(scene);
    fresh.setHighlightedRow(world.highlightedRow());
    return world.shapeCount() == fresh.shapeCount() && factsOf(world) == factsOf(fresh) &&
           world.pick(downOnTheCorner) == fresh.pick(downOnTheCorner);
}
