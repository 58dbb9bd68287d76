#include "engine/paint/hit_test.h"

#include <gtest/gtest.h>

#include "../layout/layout_fixture.h"

namespace kelvor::engine::testing {
namespace {

using HitTesting = LayoutFixture;

TEST_F(HitTesting, LinkTextReportsItsLinkAndBecomesTheLinkUnderTheMouse) {
    auto s = section();
    Add(*s, "see ", top());
    TLinkTarget& link = doc.startLink("mailto:a@b.c", "_top", 4);
    const TProperties& a = push("a");
    s->changeFont(a);
    Add(*s, "here", a, 4);
    doc.endLink(8);
    pop();
    s->changeFont(top());
    Add(*s, " now", top(), 8);
    cell->addSection(std::move(s));
    layout(800);
    // "here" runs from x 42 to 74 on the line from y 5 to 24.
    HitResult hit = HitTest(doc, 50, 10);
    EXPECT_EQ(hit.flags, kHitLink);
    EXPECT_EQ(hit.url, "mailto:a@b.c");
    EXPECT_EQ(hit.target, "_top");
    EXPECT_EQ(hit.link, &link);
    EXPECT_EQ(doc.hoverLink, &link);
    hit = HitTest(doc, 20, 10);
    EXPECT_EQ(hit.flags, 0);
    EXPECT_EQ(doc.hoverLink, nullptr);
    EXPECT_EQ(HitTest(doc, 74, 10).flags, 0);
    EXPECT_EQ(HitTest(doc, 50, 24).flags, 0);
}

TEST_F(HitTesting, IsmapPictureAddsThePointInThePicture) {
    pictures.sizes["map.gif"] = {200, 100};
    auto s = section();
    doc.startLink("map.htm", "", 0);
    const TProperties& a = push("a");
    s->changeFont(a);
    ImageAttributes attributes;
    attributes.src = "map.gif";
    attributes.ismap = true;
    attributes.title = "Map";
    TImageObj& picture = image(attributes, s.get());
    doc.endLink(1);
    cell->addSection(std::move(s));
    layout(800);
    // The linked picture has a 1-pixel border: the picture itself starts at (11, 6).
    const HitResult hit = HitTest(doc, 11 + 5, 6 + 7);
    EXPECT_EQ(hit.flags, kHitLink | kHitTitle);
    EXPECT_EQ(hit.url, "map.htm?5,7");
    EXPECT_EQ(hit.hint, "Map");
    EXPECT_EQ(hit.image, &picture);
    EXPECT_EQ(doc.hoverImage, &picture);
}

TEST_F(HitTesting, ClientSideMapAreas) {
    pictures.sizes["nav.gif"] = {100, 50};
    TMapItem map;
    map.name = "NAV";
    map.areas.push_back(
        TMapArea::fromAttributes("rect", "0,0,50,50", "left.htm", "", "Left", false));
    map.areas.push_back(TMapArea::fromAttributes("rect", "50,0,100,50", "", "", "", true));
    doc.addMap(map);
    ImageAttributes attributes;
    attributes.src = "nav.gif";
    attributes.usemap = "#nav";
    image(attributes);
    layout(800);
    HitResult hit = HitTest(doc, 10 + 20, 5 + 20);
    EXPECT_EQ(hit.flags, kHitLink | kHitTitle);
    EXPECT_EQ(hit.url, "left.htm");
    EXPECT_EQ(hit.hint, "Left");
    hit = HitTest(doc, 10 + 70, 5 + 20);
    EXPECT_EQ(hit.flags, 0);  // NOHREF
}

TEST_F(HitTesting, TitlesAreHintsAndTheBodysTitleIsTheLastResort) {
    auto s = section();
    Add(*s, "plain ", top());
    TProperties& titled = push("span");
    titled.propTitle = "tip";
    s->changeFont(titled);
    Add(*s, "tip", titled, 6);
    cell->addSection(std::move(s));
    body->title = "page";
    layout(800);
    HitResult hit = HitTest(doc, 10 + 6 * 8 + 1, 10);
    EXPECT_EQ(hit.flags, kHitTitle);
    EXPECT_EQ(hit.hint, "tip");
    hit = HitTest(doc, 12, 10);
    EXPECT_EQ(hit.flags, kHitTitle);
    EXPECT_EQ(hit.hint, "page");
}

TEST_F(HitTesting, JustifiedLineFindsCharactersWhereTheyAreDrawn) {
    push("p", "text-align: justify");
    auto s = section();
    Add(*s, "aa ", top());
    doc.startLink("b.htm", "", 3);
    const TProperties& a = push("a");
    s->changeFont(a);
    Add(*s, "bb", a, 3);
    doc.endLink(5);
    pop();
    s->changeFont(top());
    Add(*s, " cc dd ee", top(), 5);
    cell->addSection(std::move(s));
    layout(101);  // as in the justification test: "bb" is drawn from 43 to 59
    EXPECT_EQ(HitTest(doc, 40, 10).flags, 0);
    EXPECT_EQ(HitTest(doc, 43, 10).url, "b.htm");
    EXPECT_EQ(HitTest(doc, 58, 10).url, "b.htm");
    EXPECT_EQ(HitTest(doc, 59, 10).flags, 0);
}

}  // namespace
}  // namespace kelvor::engine::testing
