#include <gtest/gtest.h>

#include "layout_fixture.h"

// Fixed metrics of the default 12 pt font: em 16, cell 19, descent 4, characters 8 wide. The
// body's margins are 10 (sides) and 5 (top, bottom), so text starts at x 10 and the first
// baseline lies at 5 + 19 - 4 = 20.

namespace kelvor::engine::testing {
namespace {

using Lines = std::vector<std::string>;
using LineBreaking = LayoutFixture;

TEST_F(LineBreaking, OneLineAtTheTopOfTheBody) {
    text("Hello world");
    const DocumentExtent size = layout(800);
    EXPECT_EQ(size.width, 800);
    EXPECT_EQ(size.height, 29);
    EXPECT_EQ(paint(), (Lines{"fill 0 0 800 29 #d4d0c8", "text 10 20 16 #000000 \"Hello world\""}));
}

TEST_F(LineBreaking, LinesBreakAtSpaces) {
    text("aaaa bbbb cccc");
    // 80 pixels inside the margins: "aaaa bbbb" is 72 wide; "cccc" would end at 112.
    EXPECT_EQ(layout(100).height, 5 + 19 + 19 + 5);
    EXPECT_EQ(paintItems(),
              (Lines{"text 10 20 16 #000000 \"aaaa bbbb\"", "text 10 39 16 #000000 \"cccc\""}));
}

TEST_F(LineBreaking, OverLongWordStaysWholeAndWidensTheDocument) {
    text("a bbbbbbbbbbbb c");  // the 12-letter word is 96 pixels in an 80-pixel line
    const DocumentExtent size = layout(100);
    EXPECT_EQ(size.width, 116);  // the word plus the margins
    EXPECT_EQ(size.height, 5 + 3 * 19 + 5);
    EXPECT_EQ(paintItems(),
              (Lines{"text 10 20 16 #000000 \"a\"", "text 10 39 16 #000000 \"bbbbbbbbbbbb\"",
                     "text 10 58 16 #000000 \"c\""}));
}

TEST_F(LineBreaking, ThreeHundredPixelWordInATwoHundredPixelLine) {
    text(std::string(38, 'w'));  // 304 pixels
    EXPECT_EQ(layout(220).width, 324);
}

TEST_F(LineBreaking, BreaksAfterHyphenAndQuestionMarkButNotInsideNobr) {
    text("aaa-bbb");
    text("ccc?ddd");
    auto nobr = section();
    Add(*nobr, "eee-fff", top(), 0, true);
    cell->addSection(std::move(nobr));
    const DocumentExtent size = layout(60);  // 40 pixels: five characters
    EXPECT_EQ(paintItems(),
              (Lines{"text 10 20 16 #000000 \"aaa-\"", "text 10 39 16 #000000 \"bbb\"",
                     "text 10 58 16 #000000 \"ccc?\"", "text 10 77 16 #000000 \"ddd\"",
                     "text 10 96 16 #000000 \"eee-fff\""}));
    EXPECT_EQ(size.width, 56 + 20);
}

TEST_F(LineBreaking, SoftHyphenShowsWhenTheLineBreaksThere) {
    auto s = section();
    const std::u16string word = u"exam\u00ADple";
    const std::vector<int> positions{0, 1, 2, 3, 4, 5, 6, 7, 8};
    s->addText(word, positions, top(), false);
    cell->addSection(std::move(s));
    layout(60);  // "exam-" is exactly 40 wide
    EXPECT_EQ(paintItems(),
              (Lines{"text 10 20 16 #000000 \"exam-\"", "text 10 39 16 #000000 \"ple\""}));
    layout(800);
    EXPECT_EQ(paintItems(), (Lines{"text 10 20 16 #000000 \"example\""}));
}

TEST_F(LineBreaking, WordBreakPointsAndCjk) {
    auto s = section();
    Add(*s, "abcd", top());
    s->addOptionalBreak();
    Add(*s, "efgh", top(), 4);
    cell->addSection(std::move(s));
    auto cjk = section();
    const std::u16string ideographs = u"\u4E00\u4E8C\u4E09\u56DB\u4E94\u516D";
    const std::vector<int> positions{0, 1, 2, 3, 4, 5};
    cjk->addText(ideographs, positions, top(), false);
    cell->addSection(std::move(cjk));
    layout(60);
    EXPECT_EQ(paintItems(),
              (Lines{"text 10 20 16 #000000 \"abcd\"", "text 10 39 16 #000000 \"efgh\"",
                     "text 10 58 16 #000000 \"?????\"", "text 10 77 16 #000000 \"?\""}));
}

TEST_F(LineBreaking, BreakMarksEndLinesAndAreNotDrawn) {
    auto s = section();
    Add(*s, "a", top());
    s->addBreakMark(1);
    Add(*s, "b", top(), 2);
    cell->addSection(std::move(s));
    auto alone = section();
    alone->addBreakMark(3);
    cell->addSection(std::move(alone));
    text("c");
    EXPECT_EQ(layout(800).height, 5 + 4 * 19 + 5);
    EXPECT_EQ(paintItems(), (Lines{"text 10 20 16 #000000 \"a\"", "text 10 39 16 #000000 \"b\"",
                                   "text 10 77 16 #000000 \"c\""}));
}

TEST_F(LineBreaking, NoBreakSpaceAloneStillMakesALine) {
    auto s = section();
    s->addChar(kNoBreakSpace, 0, top(), false);
    cell->addSection(std::move(s));
    EXPECT_EQ(layout(800).height, 29);
    EXPECT_EQ(paintItems(), (Lines{"text 10 20 16 #000000 \"?\""}));
}

TEST_F(LineBreaking, PreformattedKeepsItsLineAndBlanks) {
    // 10 pt: em 13, cell 15, descent 3, characters 6 wide.
    push("pre");
    auto pre = std::make_unique<TPreformatted>(doc, top());
    Add(*pre, "  x  y  " + std::string(40, 'z'), top());
    cell->addSection(std::move(pre));
    cell->addSection(std::make_unique<TPreformatted>(doc, top()));  // an empty source line
    auto last = std::make_unique<TPreformatted>(doc, top());
    Add(*last, "end", top());
    cell->addSection(std::move(last));
    const DocumentExtent size = layout(100);
    EXPECT_EQ(size.width, 48 * 6 + 20);
    EXPECT_EQ(size.height, 5 + 3 * 15 + 5);
    EXPECT_EQ(paintItems(), (Lines{"text 10 17 13 #000000 \"  x  y  " + std::string(40, 'z') + "\"",
                                   "text 10 47 13 #000000 \"end\""}));
}

TEST_F(LineBreaking, ProgressIsReportedEveryFiftySections) {
    for (int i = 0; i < 120; ++i)
        text("x");
    std::vector<int> reports;
    LayoutContext progressContext(doc, 800, 600);
    progressContext.progress = [&](int count) { reports.push_back(count); };
    LayoutDocument(doc, progressContext);
    EXPECT_EQ(reports, (std::vector<int>{50, 100}));
}

}  // namespace
}  // namespace kelvor::engine::testing
