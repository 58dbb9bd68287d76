#include <gtest/gtest.h>

#include "document_fixture.h"

namespace kelvor::engine::testing {
namespace {

using TextAdding = DocumentFixture;

TEST_F(TextAdding, TextTransformChangesCase) {
    auto s = section();
    Add(*s, "MiXed ", push("span", "text-transform: lowercase"), 0);
    pop();
    Add(*s, "WoRds", push("span", "text-transform: uppercase"), 6);
    std::u16string latin = u"\u00E9\u0101\u0430";  // e acute, a macron, Cyrillic a
    std::vector<int> positions{11, 12, 13};
    s->addText(latin, positions, top(), false);
    pop();
    EXPECT_EQ(cell->addSection(std::move(s))->text, u"mixed WORDS\u00C9\u0100\u0410 ");
}

TEST_F(TextAdding, SmallCapsSetsWhatWasLowerCaseSmaller) {
    const TProperties& caps = push("span", "font-variant: small-caps");
    auto s = std::make_unique<TSection>(doc, caps);
    Add(*s, "Hi A2b", caps);
    TSection* closed = cell->addSection(std::move(s));
    EXPECT_EQ(Narrow(closed->text), "HI A2B ");
    // 12 pt has an em of 16; the small style is 0.75 of it, 9 pt, 12 pixels.
    std::vector<std::pair<int, int>> runs;
    for (const TFontRun& run : closed->runs)
        runs.emplace_back(run.start, run.font.emSize());
    EXPECT_EQ(runs,
              (std::vector<std::pair<int, int>>{{0, 16}, {1, 12}, {2, 16}, {5, 12}, {6, 16}}));
}

TEST_F(TextAdding, BreakClassesFromNobrAndWbr) {
    auto s = section();
    Add(*s, "ab", top());
    s->addOptionalBreak();
    Add(*s, "cd", top(), 2, true);
    s->addOptionalBreak();  // a WBR inside NOBR is what lets such text break
    Add(*s, "e", top(), 4, true);
    TSection* closed = cell->addSection(std::move(s));
    EXPECT_EQ(closed->breaks, "yanany");
}

TEST_F(TextAdding, LinkRunsBelongToTheOpenLink) {
    auto s = section();
    Add(*s, "see ", top());
    TLinkTarget& link = doc.startLink("mailto:x@y", "", 4, 0);
    const TProperties& a = push("a");
    s->changeFont(a);
    Add(*s, "here", a, 4);
    doc.endLink(8);
    pop();
    s->changeFont(top());
    Add(*s, " now", top(), 8);
    TSection* closed = cell->addSection(std::move(s));
    ASSERT_EQ(closed->runs.size(), 3u);
    EXPECT_EQ(closed->runs[0].link, nullptr);
    EXPECT_EQ(closed->runs[1].link, &link);
    EXPECT_EQ(closed->runs[2].link, nullptr);
    EXPECT_EQ(link.endPosition, 8);
    ASSERT_TRUE(link.fonts.has_value());
    // Links are blue (0x00BBGGRR) and underlined by default.
    EXPECT_EQ(closed->runs[1].font.description.colour, 0xFF0000u);
    EXPECT_TRUE(closed->runs[1].font.description.style & platform::kFontUnderline);
    // A second link ends the first.
    doc.startLink("a", "", 20);
    TLinkTarget& second = doc.startLink("b", "", 30);
    EXPECT_EQ(doc.links()[1]->endPosition, 30);
    EXPECT_EQ(doc.openLink(), &second);
}

TEST_F(TextAdding, VerticalAlignAndBackgroundOfRuns) {
    auto s = section();
    const TProperties& sup = push("sup");
    s->changeFont(sup);
    Add(*s, "2", sup);
    pop();
    const TProperties& marked = push("span", "background-color: #ffff00");
    s->changeFont(marked);
    Add(*s, "x", marked, 1);
    TSection* closed = cell->addSection(std::move(s));
    // The SUP's font replaces the section's first run, as no text came before it.
    ASSERT_EQ(closed->runs.size(), 2u);
    EXPECT_EQ(closed->runs[0].verticalAlign, kVerticalSuper);
    EXPECT_EQ(closed->runs[0].font.emSize(), 12);  // 75 % of 12 pt
    EXPECT_EQ(closed->runs[1].verticalAlign, 0);
    EXPECT_EQ(closed->runs[1].background & 0xFFFFFF, 0x00FFFFu);
}

}  // namespace
}  // namespace kelvor::engine::testing
