#include <gtest/gtest.h>

#include "document_fixture.h"

namespace kelvor::engine::testing {
namespace {

using SectionClosing = DocumentFixture;

TEST_F(SectionClosing, SpacesAreTrimmedAndEveryTextEndsInOneSpace) {
    auto s = section();
    Add(*s, "  a   b  ", top(), 10);
    TSection* closed = cell->addSection(std::move(s));
    ASSERT_NE(closed, nullptr);
    EXPECT_EQ(Narrow(closed->text), "a b ");
    // Each character keeps its source position; the final space takes the next one after the
    // last character kept.
    EXPECT_EQ(closed->positions, (std::vector<int>{12, 13, 16, 17}));
    EXPECT_EQ(closed->breaks, "yyyy");
}

TEST_F(SectionClosing, SoftHyphensBecomeBreakPointsOfTheCharacterBefore) {
    auto s = section();
    std::u16string text = u"ex\u00ADam\u00AD\u00ADple";
    std::vector<int> positions{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    s->addText(text, positions, top(), false);
    std::u16string nobr = u"no\u00ADbr";
    s->addText(nobr, positions, top(), true);
    TSection* closed = cell->addSection(std::move(s));
    EXPECT_EQ(Narrow(closed->text), "examplenobr ");
    // "x" and "m" may break; inside NOBR the class stays "n".
    EXPECT_EQ(closed->breaks, "ysysyyynnnny");
}

TEST_F(SectionClosing, SpacesAroundBreakMarksAndAfterFloatingImagesGo) {
    auto s = section();
    Add(*s, "a ", top());
    s->addBreakMark(2);
    Add(*s, " b ", top(), 3);
    ImageAttributes left;
    left.align = "left";
    s->addObject(std::make_unique<TImageObj>(left, top(), nullptr, 6));
    Add(*s, " c ", top(), 7);
    ImageAttributes inline_;
    s->addObject(std::make_unique<TImageObj>(inline_, top(), nullptr, 10));
    Add(*s, " d", top(), 11);
    TSection* closed = cell->addSection(std::move(s));
    EXPECT_EQ(closed->text, u"a\bb \4c \4 d ");
    // The objects still point at their marks.
    EXPECT_EQ(closed->objects[0]->charIndex, 4);
    EXPECT_EQ(closed->objects[1]->charIndex, 7);
}

TEST_F(SectionClosing, TrailingBreakMarkGoesUnlessItIsAll) {
    auto s = section();
    Add(*s, "a ", top());
    s->addBreakMark(2);
    EXPECT_EQ(cell->addSection(std::move(s))->text, u"a ");

    s = section();
    s->addBreakMark(5);
    TSection* alone = cell->addSection(std::move(s));
    ASSERT_NE(alone, nullptr);
    EXPECT_EQ(alone->text, u"\b ");
}

TEST_F(SectionClosing, EmptySectionsAreDroppedUnlessTheyClear) {
    auto s = section();
    Add(*s, "   ", top());
    EXPECT_EQ(cell->addSection(std::move(s)), nullptr);
    s = section();
    s->setClear(ClearSide::both);
    TSection* clearing = cell->addSection(std::move(s));
    ASSERT_NE(clearing, nullptr);
    EXPECT_TRUE(clearing->text.empty());
    // A no-break space is content.
    s = section();
    s->addChar(kNoBreakSpace, 0, top(), false);
    EXPECT_EQ(cell->addSection(std::move(s))->text, u"\u00A0 ");
}

TEST_F(SectionClosing, PreformattedKeepsEverySpace) {
    push("pre");
    auto pre = std::make_unique<TPreformatted>(doc, top());
    Add(*pre, "  x  y  ", top());
    TSection* closed = cell->addSection(std::move(pre));
    EXPECT_EQ(Narrow(closed->text), "  x  y   ");
    EXPECT_EQ(closed->breaks, "nnnnnnnny");
    auto empty = std::make_unique<TPreformatted>(doc, top());
    TSection* line = cell->addSection(std::move(empty));
    ASSERT_NE(line, nullptr);  // an empty source line still is a line
    EXPECT_TRUE(line->text.empty());
}

TEST_F(SectionClosing, FontRunsFollowTheirTextThroughRemovals) {
    auto s = section();
    Add(*s, "  a  ", top());
    const TProperties& bold = push("b");
    s->changeFont(bold);
    Add(*s, "  b", bold, 5);
    pop();
    s->changeFont(top());
    Add(*s, "  ", top(), 8);
    TSection* closed = cell->addSection(std::move(s));
    EXPECT_EQ(Narrow(closed->text), "a b ");
    ASSERT_EQ(closed->runs.size(), 3u);
    EXPECT_EQ(closed->runs[0].start, 0);
    EXPECT_EQ(closed->runs[1].start, 2);  // the space kept before "b" was the first, not bold
    EXPECT_TRUE(closed->runs[1].font.description.style & platform::kFontBold);
    EXPECT_EQ(closed->runs[2].start, 3);
}

TEST_F(SectionClosing, InlineBordersReachAcrossSections) {
    auto first = section();
    Add(*first, "a ", top());
    const TProperties& span = push("span", "border: 1px solid red");
    const int id = doc.startInlineBorder(span);
    Add(*first, "b", span, 2);
    TSection* one = cell->addSection(std::move(first));
    auto second = section();
    Add(*second, "c", span, 3);
    doc.endInlineBorder(id);
    pop();
    Add(*second, " d", top(), 4);
    TSection* two = cell->addSection(std::move(second));
    ASSERT_EQ(one->inlineBoxes.size(), 1u);
    EXPECT_EQ(one->inlineBoxes[0].start, 2);
    EXPECT_EQ(one->inlineBoxes[0].end, 3);
    EXPECT_EQ(one->inlineBoxes[0].box.borderWidth[0], 1);
    ASSERT_EQ(two->inlineBoxes.size(), 1u);
    EXPECT_EQ(two->inlineBoxes[0].start, 0);
    EXPECT_EQ(two->inlineBoxes[0].end, 1);
}

}  // namespace
}  // namespace kelvor::engine::testing
