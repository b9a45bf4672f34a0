#include "WorldFacts.h"

#include "render/BatchEntry.h"
#include "render/ShapeBatch.h"

WorldFacts factsOf(const WorldModel& world) {
    WorldFacts facts;
    for (const BatchEntry* entry : world.batchList().entries()) {
        const ShapeBatch& batch = *entry->batch();
        for (int i = 0; i < batch.count(); ++i) {
            const norvane::Vec3 at = batch.placeOf(i).offset;
            facts[{batch.mesh(), entry->texture()}].push_back(
                {batch.rowOf(i), float(at.x), float(at.y), float(at.z), batch.isHighlighted(i)});
        }
    }
    return facts;
}

bool equalsFreshBuild(const WorldModel& world, norvane::Scene& scene) {
    const norvane::Ray downOnTheMap{{-50, 30, -50}, {0, -1, 0}};
    WorldModel fresh(scene);
    fresh.setHighlightedRow(world.highlightedRow());
    return world.shapeCount() == fresh.shapeCount() && factsOf(world) == factsOf(fresh) &&
           world.pick(downOnTheMap) == fresh.pick(downOnTheMap);
}
