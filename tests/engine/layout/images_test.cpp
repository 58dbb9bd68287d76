#include <gtest/gtest.h>

#include "layout_fixture.h"

namespace kelvor::engine::testing {
namespace {

using Lines = std::vector<std::string>;

// "pic" is a 200 x 100 picture; anything else fails to load.
class Images : public LayoutFixture {
  protected:
    Images() { pictures.sizes["pic"] = {200, 100}; }

    static ImageAttributes Pic(LengthAttribute width = {}, LengthAttribute height = {}) {
        ImageAttributes attributes;
        attributes.src = "pic";
        attributes.width = width;
        attributes.height = height;
        return attributes;
    }
    static LengthAttribute Px(int value) { return LengthAttribute{true, value, false}; }
    static LengthAttribute Percent(int value) { return LengthAttribute{true, value, true}; }

    std::pair<int, int> sizeOf(const ImageAttributes& attributes, int width = 800,
                               int height = 600) {
        TImageObj& added = image(attributes);
        layout(width, height);
        return {added.width, added.height};
    }
};

TEST_F(Images, SizeFromThePictureAndTheAttributes) {
    EXPECT_EQ(sizeOf(Pic()), std::make_pair(200, 100));
    EXPECT_EQ(sizeOf(Pic(Px(50))), std::make_pair(50, 25));
    EXPECT_EQ(sizeOf(Pic({}, Px(50))), std::make_pair(100, 50));
    EXPECT_EQ(sizeOf(Pic(Px(10), Px(20))), std::make_pair(10, 20));
}

TEST_F(Images, PercentagesOfTheAvailableWidthAndHeight) {
    // 780 pixels inside the body's margins; the client is 600 high.
    EXPECT_EQ(sizeOf(Pic(Percent(50))), std::make_pair(390, 195));
    EXPECT_EQ(sizeOf(Pic({}, Percent(50))), std::make_pair(600, 300));
    EXPECT_EQ(sizeOf(Pic(Percent(10), Percent(10))), std::make_pair(78, 60));
}

TEST_F(Images, PercentageWidthFollowsTheLayoutWidth) {
    TImageObj& added = image(Pic(Percent(50)));
    layout(800);
    EXPECT_EQ(added.width, 390);
    layout(420);
    EXPECT_EQ(added.width, 200);
    EXPECT_EQ(added.height, 100);
}

TEST_F(Images, PlaceholdersOfMissingPictures) {
    ImageAttributes alt;
    alt.src = "gone";
    alt.alt = "abc";  // 8-point Arial: 5 pixels a character
    EXPECT_EQ(sizeOf(alt), std::make_pair(15 + 26, 24));
    ImageAttributes bare;
    bare.src = "gone";
    EXPECT_EQ(sizeOf(bare), std::make_pair(24, 24));
    bare.width = Px(60);
    EXPECT_EQ(sizeOf(bare), std::make_pair(60, 24));
}

TEST_F(Images, BaselineImageRaisesItsLine) {
    image(Pic());
    // The picture stands on the baseline: 100 pixels above it, the text's 15 included.
    EXPECT_EQ(layout(800).height, 5 + 85 + 19 + 5);
    EXPECT_EQ(paintItems(), (Lines{"picture 10 5 200 100"}));
}

TEST_F(Images, TopMiddleAndBottomAlignedImagesBesideText) {
    for (const char* align : {"top", "middle", "bottom"}) {
        doc.clear(DocumentDefaults());
        stack.resize(1);
        body = &doc.createBody(top());
        cell = &body->cell();
        auto s = section();
        Add(*s, "x ", top());
        ImageAttributes attributes = Pic(Px(40), Px(40));
        attributes.align = align;
        image(attributes, s.get());
        cell->addSection(std::move(s));
        // 19-pixel text and a 40-pixel picture make a 40-pixel line.
        EXPECT_EQ(layout(800).height, 5 + 40 + 5) << align;
        const std::string baseline = align == std::string("top")      ? "20"
                                     : align == std::string("middle") ? "30"
                                                                      : "41";
        EXPECT_EQ(paintItems(),
                  (Lines{"text 10 " + baseline + " 16 #000000 \"x \"", "picture 26 5 40 40"}))
            << align;
    }
}

TEST_F(Images, LinkedPictureGetsABorderInTheLinkColour) {
    auto s = section();
    doc.startLink("x.htm", "", 0);
    const TProperties& a = push("a");
    s->changeFont(a);
    image(Pic(), s.get());
    doc.endLink(1);
    cell->addSection(std::move(s));
    layout(800);
    EXPECT_EQ(paintItems(), (Lines{"frame 10 5 202 102 #0000ff 1", "picture 11 6 200 100"}));
}

TEST_F(Images, ImagesSwitchedOffAreNotAskedFor) {
    doc.showImages = false;
    ImageAttributes attributes = Pic();
    attributes.alt = "abc";
    TImageObj& added = image(attributes);
    layout(800);
    EXPECT_TRUE(pictures.requests.empty());
    EXPECT_EQ(added.width, 41);
    // No picture and no error mark; the ALT text in 8-point Arial (em 11, cell 13, ascent
    // 11), centred: baseline 5 + (24 - 13) / 2 + 11.
    EXPECT_EQ(paintItems(), (Lines{"frame 10 5 41 24 #808080 1", "clip 10 5 41 24",
                                   "text 32 21 11 #000000 \"abc\"", "clip none"}));
}

TEST_F(Images, LoadingPictureIsAskedForAgainAtTheNextLayout) {
    pictures.loading.push_back("slow");
    ImageAttributes attributes;
    attributes.src = "slow";
    TImageObj& added = image(attributes);
    layout(800);
    EXPECT_EQ(added.pictureState, PictureAnswer::State::loading);
    pictures.loading.clear();
    pictures.sizes["slow"] = {30, 20};
    layout(800);
    EXPECT_EQ(pictures.requests.size(), 2u);
    EXPECT_EQ(std::make_pair(added.width, added.height), std::make_pair(30, 20));
}

}  // namespace
}  // namespace kelvor::engine::testing
