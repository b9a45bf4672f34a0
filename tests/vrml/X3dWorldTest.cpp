// The X3D worlds: texts escaped for XML attributes and MFStrings, models defined once and used
// after, rows refused as in the VRML world. The golden worlds hold their bytes and what the
// readers say of them.

#include "TextDiff.h"
#include "scene/Error.h"
#include "vrml/X3dWorldWriter.h"
#include "vrml/XmlMarkup.h"

#include <gtest/gtest.h>

using namespace norvane;
using norvane::test::countOf;

struct AttributeCase {
    std::string_view text;
    std::string_view attribute;
    std::string_view mfString;
};

TEST(XmlMarkup, EscapesForAnAttributeAndAnMfString) {
    const AttributeCase cases[] = {
        {"plain text", "plain text", "&quot;plain text&quot;"},
        {"", "", "&quot;&quot;"},
        {"a&b<c>d", "a&amp;b&lt;c&gt;d", "&quot;a&amp;b&lt;c&gt;d&quot;"},
        {"it's \"so\"", "it&apos;s &quot;so&quot;", "&quot;it&apos;s \\&quot;so\\&quot;&quot;"},
        {"back\\slash", "back\\slash", "&quot;back\\\\slash&quot;"},
        {"tab\there", "tab&#9;here", "&quot;tab&#9;here&quot;"},
        {"caf\xc3\xa9", "caf\xc3\xa9", "&quot;caf\xc3\xa9&quot;"},
        {"bad \xff byte", "bad \xff byte", "&quot;bad \xef\xbf\xbd byte&quot;"},
        {"bell\x07", "bell\x07", "&quot;bell&quot;"},
    };
    for (const AttributeCase& c : cases) {
        SCOPED_TRACE(c.text);
        std::string attribute, mfString;
        appendXmlAttributeText(attribute, c.text);
        appendXmlMfString(mfString, c.text);
        EXPECT_EQ(attribute, c.attribute);
        EXPECT_EQ(mfString, c.mfString);
    }
}

TEST(X3dWorld, AModelIsDefinedOnceAndUsedAfter) {
    Scene scene;
    for (int i = 0; i < 5000; ++i) // beyond one piece of rows
        scene.append({i % 2 ? "Tree" : "Fred", " 1", " 2", "0", "", ""});
    const std::string xml = worldText(scene, {}, writeX3dXmlWorld);
    EXPECT_EQ(countOf(xml, "<Group DEF='Tree'>"), 1u);
    EXPECT_EQ(countOf(xml, "<Group USE='Tree'/>"), 2499u);
    EXPECT_EQ(countOf(xml, "<Group DEF='Man'>"), 1u);
    EXPECT_LT(xml.find("<Group DEF='Man'>"), xml.find("<Group USE='Man'/>"));
    EXPECT_EQ(xml.substr(xml.size() - 32), "</Transform>\r\n</Scene>\r\n</X3D>\r\n");
}

TEST(X3dWorld, RefusesTheRowsTheVrmlWorldRefuses) {
    const SceneObject refused[] = {
        {"Tree", " 1", "y", "0", "", ""},
        {"Tree", " 1", " 2", "45deg", "", ""},
        {"Street", "1", "2", "3", "1e99", ""},
    };
    for (const SceneObject& row : refused) {
        SCOPED_TRACE(row.list4 + "|" + row.list5 + "|" + row.list6);
        Scene scene;
        scene.append(SceneObject{"Bench", " 1", " 1", "0", "", ""}), scene.append(row);
        const auto errorOf = [&scene](WorldFormatWriter write) {
            try {
                worldText(scene, {}, write);
            } catch (const Error& e) {
                return std::string(e.what());
            }
            return std::string();
        };
        const std::string vrmlError = errorOf(writeWorld), x3dError = errorOf(writeX3dXmlWorld);
        EXPECT_NE(vrmlError, "");
        EXPECT_EQ(x3dError, vrmlError);
    }
}
