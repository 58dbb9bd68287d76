#include <gtest/gtest.h>

#include "engine/document/limits.h"
#include "reader_fixture.h"

namespace kelvor::engine::testing {
namespace {

using HostileInput = ReaderTest;

std::string Repeat(std::string_view part, int count) {
    std::string out;
    out.reserve(part.size() * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        out += part;
    return out;
}

int Depth(const TFlowCell& cell) {
    int deepest = 0;
    for (const auto& item : cell.items) {
        if (const auto* block = dynamic_cast<const TBlock*>(item.get()))
            deepest = std::max(deepest, 1 + Depth(block->cell()));
    }
    return deepest;
}

TEST_F(HostileInput, DeeplyNestedBlocksStayWithinTheModelsDepth) {
    for (const char* tag : {"div", "blockquote", "ul", "center", "form", "dl"}) {
        doc.clear({});
        const std::string open = std::string("<") + tag + ">";
        const std::string close = std::string("</") + tag + ">";
        Read(Repeat(open, 10000) + "deep" + Repeat(close, 10000) + "after");
        EXPECT_LE(Depth(body().cell()), kMaxBlockDepth) << tag;
        const auto sections = Sections();
        ASSERT_GE(sections.size(), 2u) << tag;
        EXPECT_EQ(Text(*sections.front()), "deep ") << tag;
        // The end tags of the elements read as absent are passed over too: "after" is outside.
        EXPECT_EQ(Text(*sections.back()), "after ") << tag;
        EXPECT_EQ(sections.back()->ownerCell(), &body().cell()) << tag;
    }
}

TEST_F(HostileInput, DeeplyNestedListItems) {
    Read(Repeat("<ol><li>x", 10000) + Repeat("</ol>", 10000) + "after");
    EXPECT_LE(Depth(body().cell()), kMaxBlockDepth);
    EXPECT_EQ(Text(*Sections().back()), "after ");
}

TEST_F(HostileInput, DeeplyNestedInlineStyles) {
    for (const char* tag : {"b", "font size=+1", "span", "a name=x", "i", "sub"}) {
        doc.clear({});
        const std::string name = std::string(tag).substr(0, std::string(tag).find(' '));
        Read("<p>" + Repeat(std::string("<") + tag + ">x", 10000) +
             Repeat("</" + name + ">", 10000) + "y");
        const auto sections = Sections();
        ASSERT_EQ(sections.size(), 1u) << tag;
        EXPECT_EQ(sections[0]->text.size(), 10002u) << tag;
    }
    doc.clear({});
    // Every B that was pushed is popped again: the text after them is not bold.
    Read(Repeat("<b>", 10000) + "x" + Repeat("</b>", 10000) + "y");
    EXPECT_TRUE(Bold(Section(0), 0));
    EXPECT_FALSE(Bold(Section(0), 1));
}

TEST_F(HostileInput, RepeatedTagsThatPushWithoutEnd) {
    Read(Repeat("<body text=red>", 5000) + Repeat("<pre wrap>", 5000) +
         Repeat("<basefont size=7>", 5000) + "x");
    EXPECT_EQ(Text(Section(0)), "x ");
}

TEST_F(HostileInput, EndlessCommentsQuotesAndAttributes) {
    Read("<p>kept<!--" + std::string(1 << 20, '-') + " x");
    EXPECT_EQ(Dump(), "p{'kept '}");
    doc.clear({});
    Read("<p>kept<img alt=\"" + std::string(1 << 20, 'a'));
    EXPECT_EQ(Text(Section(0)), "kept# ");
    doc.clear({});
    Read("<p " + Repeat("a=b ", 200000) + ">x");
    EXPECT_EQ(Dump(), "p{'x '}");
    doc.clear({});
    Read(Repeat("<", 100000) + Repeat("&", 100000) + Repeat("&#", 10000) + "<!" + "<%");
    EXPECT_EQ(Section(0).text.size(), 100000u + 100000u + 20000u + 1u);
}

TEST_F(HostileInput, MapsSelectsAndObjectsAreBounded) {
    Read("<map name=m>" + Repeat("<area coords=1,2,3,4>", 20000) + "</map>");
    ASSERT_NE(doc.findMap("M"), nullptr);
    EXPECT_EQ(doc.findMap("M")->areas.size(), 10000u);
}

}  // namespace
}  // namespace kelvor::engine::testing
