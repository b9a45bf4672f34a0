#include "scene/Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace norvane;

// Walks every row: sorted unique names that find themselves, and a model (with its own library
// entry) exactly for the point kinds that are not texts.
TEST(Catalogue, IsSortedUniqueAndSelfConsistent) {
    EXPECT_TRUE(
        std::is_sorted(kCatalogue.begin(), kCatalogue.end(),
                       [](const KindInfo& a, const KindInfo& b) { return a.name < b.name; }));
    std::set<int> entries;
    int areas = 0;
    for (const KindInfo& kind : kCatalogue) {
        EXPECT_EQ(findKind(kind.name), &kind) << kind.name;
        const bool furnished = kind.shape == Shape::Point && !kind.isText;
        EXPECT_EQ(furnished, !kind.modelName.empty()) << kind.name;
        EXPECT_EQ(furnished, kind.libraryEntry >= 0) << kind.name;
        if (furnished)
            entries.insert(kind.libraryEntry);
        areas += kind.shape == Shape::Area;
    }
    EXPECT_EQ(kCatalogue.size(), 28u);
    EXPECT_EQ(areas, 5);
    EXPECT_EQ(entries.size(), 21u);
    EXPECT_EQ(*entries.begin(), 0);
    EXPECT_EQ(*entries.rbegin(), 20);
}

TEST(Catalogue, LookupsAreExact) {
    EXPECT_TRUE(isAreaKind("Wall"));
    EXPECT_FALSE(isAreaKind("wall"));
    EXPECT_FALSE(isAreaKind("Wall "));
    EXPECT_EQ(findKind("tree"), nullptr);
    EXPECT_EQ(findKind(""), nullptr);
    EXPECT_EQ(findKind("T"), nullptr);
    EXPECT_EQ(findKind("Tree "), nullptr);
    EXPECT_TRUE(isTextKind("Text (Eye-Level)"));
    EXPECT_FALSE(isTextKind("Tree"));
    EXPECT_EQ(placementHint("Street"), "Drag out a rectangle to insert the object.");
    EXPECT_EQ(placementHint("no such kind"), "Click to insert the object");
    // Fred is stored as Fred but modelled as Man; Man itself is no kind.
    EXPECT_EQ(modelName("Fred"), "Man");
    EXPECT_EQ(modelName("Man"), "");
}
