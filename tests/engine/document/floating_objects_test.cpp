#include <gtest/gtest.h>

#include <climits>

#include "document_fixture.h"
#include "engine/document/image_map.h"

namespace kelvor::engine::testing {
namespace {

using FloatingObjects = DocumentFixture;

TEST_F(FloatingObjects, ImageAttributesAreReadWithTheirLimits) {
    ImageAttributes attributes;
    attributes.src = "  pic.gif \r\n";
    attributes.alt = "A picture\r\n\r\n";
    attributes.border = 25;
    attributes.hspace = -50;
    attributes.vspace = INT_MIN;
    attributes.usemap = "#Map1";
    attributes.align = "absmiddle";
    attributes.width = LengthAttribute{true, 150, true};
    TImageObj image(attributes, top(), nullptr, 7);
    EXPECT_EQ(image.src, "pic.gif");
    EXPECT_EQ(image.alt, "A picture");
    EXPECT_EQ(image.title, "A picture");  // no TITLE: the ALT text
    EXPECT_EQ(image.border, 10);
    EXPECT_EQ(image.hspace, 40);
    EXPECT_EQ(image.vspace, 40);
    EXPECT_EQ(image.usemap, "MAP1");
    EXPECT_EQ(image.align, ObjectAlign::middle);
    EXPECT_EQ(image.specWidth.value, 100);
    EXPECT_EQ(image.sourcePosition, 7);
}

TEST_F(FloatingObjects, AltAndTitleTextsBecomeUtf8FromTheirCodePage) {
    ImageAttributes attributes;
    attributes.alt = "caf\xE9";             // Windows-1252, the system default
    attributes.title = "\xC4\xE8\xE5\xE0";  // Windows-1251
    TImageObj latin(attributes, top(), nullptr, 0);
    EXPECT_EQ(latin.alt, "caf\xC3\xA9");
    TProperties& cyrillic = push("span");
    cyrillic.setCodePage(1251);
    TImageObj russian(attributes, cyrillic, nullptr, 0);
    EXPECT_EQ(russian.title, "\xD0\x94\xD0\xB8\xD0\xB5\xD0\xB0");
}

TEST_F(FloatingObjects, FloatingImagesGetSpaceAndLinkedImagesABorder) {
    ImageAttributes left;
    left.align = "LEFT";
    left.title = "hint";
    left.alt = "alt";
    TImageObj floating(left, top(), nullptr, 0);
    EXPECT_TRUE(floating.isFloating());
    EXPECT_EQ(floating.hspace, 3);
    EXPECT_EQ(floating.title, "hint");
    EXPECT_EQ(floating.border, 0);

    TLinkTarget& link = doc.startLink("x.htm", "", 0);
    ImageAttributes plain;
    TImageObj linked(plain, top(), &link, 0);
    EXPECT_EQ(linked.border, 1);
    EXPECT_EQ(linked.hspace, 0);
    plain.border = 0;
    TImageObj unbordered(plain, top(), &link, 0);
    EXPECT_EQ(unbordered.border, 0);
    plain.border = 4;
    TImageObj thick(plain, top(), &link, 0);
    EXPECT_EQ(thick.border, 4);
}

TEST_F(FloatingObjects, StyleFloatsAnImage) {
    ImageAttributes plain;
    TImageObj image(plain, push("img", "float: right; width: 30px"), nullptr, 0);
    EXPECT_EQ(image.align, ObjectAlign::right);
    EXPECT_TRUE(image.specWidth.given);
    EXPECT_EQ(image.specWidth.value, 30);
}

TEST_F(FloatingObjects, MapAreas) {
    TMapItem map;
    map.name = "M";
    map.areas.push_back(TMapArea::fromAttributes("rect", "0,0,10,10", "a", "", "", false));
    map.areas.push_back(TMapArea::fromAttributes("CIRCLE", "20 20 5", "b", "", "", false));
    map.areas.push_back(
        TMapArea::fromAttributes("polygon", "30,0, 40,10, 30,20", "c", "", "", false));
    map.areas.push_back(TMapArea::fromAttributes("default", "", "d", "", "", false));
    EXPECT_EQ(map.areaAt(5, 5)->href, "a");
    EXPECT_EQ(map.areaAt(10, 5)->href, "d");  // the right edge is outside
    EXPECT_EQ(map.areaAt(23, 24)->href, "b");
    EXPECT_EQ(map.areaAt(24, 24)->href, "d");
    EXPECT_EQ(map.areaAt(33, 10)->href, "c");
    EXPECT_EQ(map.areaAt(29, 10)->href, "d");
    EXPECT_EQ(map.areaAt(38, 18)->href, "d");
    TMapArea broken = TMapArea::fromAttributes("rect", "1,x,,", "", "", "", false);
    EXPECT_FALSE(broken.contains(0, 0));
}

TEST_F(FloatingObjects, AnchorsIgnoreCaseAndTheFirstWins) {
    doc.anchors().add("Top", 3);
    doc.anchors().add("TOP", 9);
    doc.anchors().add("", 1);
    EXPECT_EQ(doc.anchors().find("top"), 3);
    EXPECT_FALSE(doc.anchors().find("other").has_value());
    EXPECT_EQ(doc.anchors().size(), 1u);
}

TEST_F(FloatingObjects, FocusObjectsFollowTabOrderUnlessThereAreManyLinks) {
    doc.startLink("a", "", 0, 0);
    doc.startLink("b", "", 1, 2);
    doc.startLink("c", "", 2, 1);
    doc.finishBuilding();
    ASSERT_EQ(doc.focusObjects.size(), 3u);
    EXPECT_EQ(doc.focusObjects[0].link->url, "c");
    EXPECT_EQ(doc.focusObjects[1].link->url, "b");
    EXPECT_EQ(doc.focusObjects[2].link->url, "a");
    doc.manyLinks = true;
    doc.finishBuilding();
    EXPECT_TRUE(doc.focusObjects.empty());
}

}  // namespace
}  // namespace kelvor::engine::testing
