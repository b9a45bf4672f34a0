#include "scene/Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace norvane;

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
    EXPECT_EQ(areas, 5);
    EXPECT_EQ(entries.size(), 21u);
    EXPECT_EQ(*entries.begin(), 0);
    EXPECT_EQ(*entries.rbegin(), 20);
}

TEST(Catalogue, ComparisonIsExact) {
    EXPECT_TRUE(isAreaKind("Wall"));
    EXPECT_FALSE(isAreaKind("wall"));
    EXPECT_FALSE(isAreaKind("Wall "));
    EXPECT_EQ(findKind("tree"), nullptr);
    EXPECT_EQ(findKind(""), nullptr);
}

TEST(Catalogue, AreaAndTextKinds) {
    for (const char* name : {"Street", "Sidewalk", "Shrubbery", "Floor/Ceiling", "Wall"}) {
        EXPECT_TRUE(isAreaKind(name)) << name;
        EXPECT_EQ(placementHint(name), "Drag out a rectangle to insert the object.") << name;
    }
    EXPECT_TRUE(isTextKind("Text (Big)"));
    EXPECT_TRUE(isTextKind("Text (Eye-Level)"));
    EXPECT_FALSE(isTextKind("Tree"));
    EXPECT_EQ(placementHint("Tree"), "Click to insert the object");
    EXPECT_EQ(placementHint("no such kind"), "Click to insert the object");
}

TEST(Catalogue, FredIsStoredAsFredButModelledAsMan) {
    EXPECT_EQ(modelName("Fred"), "Man");
    EXPECT_EQ(modelName("Man"), "");
    EXPECT_EQ(modelName("Car (Red)"), "RedCar");
    EXPECT_EQ(modelName("Wall"), "");
}
