#include "vrml/KindLooks.h"
#include "scene/Catalogue.h"

#include <gtest/gtest.h>

using namespace norvane;

// Every area and text kind of the catalogue has exactly one look, and no other name has one.
TEST(KindLooks, MatchTheCatalogue) {
    std::size_t areas = 0, texts = 0;
    for (const KindInfo& kind : kCatalogue) {
        const AreaLook* area = findAreaLook(kind.name);
        const TextLook* text = findTextLook(kind.name);
        EXPECT_EQ(area != nullptr, kind.shape == Shape::Area) << kind.name;
        EXPECT_EQ(text != nullptr, kind.isText) << kind.name;
        areas += area != nullptr;
        texts += text != nullptr;
    }
    EXPECT_EQ(areas, kAreaLooks.size());
    EXPECT_EQ(texts, kTextLooks.size());
    EXPECT_EQ(findAreaLook("wall"), nullptr);
    EXPECT_EQ(findTextLook("Text (big)"), nullptr);
}
