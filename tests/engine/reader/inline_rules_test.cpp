#include <gtest/gtest.h>

#include "engine/document/floating_objects.h"
#include "engine/document/image_map.h"
#include "engine/document/link_target.h"
#include "reader_fixture.h"

namespace kelvor::engine::testing {
namespace {

using InlineRules = ReaderTest;

TEST_F(InlineRules, OverlappingStylesEndWhereTheirEndTagsAre) {
    Read("<b>a<i>b</b>c</i>d");
    const TSection& s = Section(0);
    EXPECT_EQ(Text(s), "abcd ");
    EXPECT_TRUE(Bold(s, 0));
    EXPECT_FALSE(Italic(s, 0));
    EXPECT_TRUE(Bold(s, 1));
    EXPECT_TRUE(Italic(s, 1));
    EXPECT_FALSE(Bold(s, 2));
    EXPECT_TRUE(Italic(s, 2));
    EXPECT_FALSE(Bold(s, 3));
    EXPECT_FALSE(Italic(s, 3));
}

TEST_F(InlineRules, EntriesAboveAPoppedOneKeepTheirOwnValues) {
    // FONT's colour is its own value: it stays when the entry is worked out again under a new
    // parent, while what it took from the removed B goes.
    Read("<b>a<font color=red>b</b>c</font>d");
    const TSection& s = Section(0);
    EXPECT_TRUE(Bold(s, 1));
    EXPECT_FALSE(Bold(s, 2));
    EXPECT_EQ(RunAt(s, 2).font.description.colour & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(RunAt(s, 3).font.description.colour, RunAt(s, 0).font.description.colour);
}

TEST_F(InlineRules, UnmatchedEndTagsDoNothing) {
    Read("a</b></i><u>b</span>c</u>d");
    const TSection& s = Section(0);
    EXPECT_EQ(Text(s), "abcd ");
    EXPECT_FALSE(RunAt(s, 0).font.description.style & platform::kFontUnderline);
    EXPECT_TRUE(RunAt(s, 2).font.description.style & platform::kFontUnderline);
    EXPECT_FALSE(RunAt(s, 3).font.description.style & platform::kFontUnderline);
}

TEST_F(InlineRules, FontSizesColoursAndFaces) {
    Read(
        "<font size=5>a<font size=-1 color=red face=\"Foo, Arial\">b</font>c</font>"
        "<basefont size=6><font size=+1>d</font><font size=+9>e</font><font size=0>f</font>");
    const TSection& s = Section(0);
    EXPECT_DOUBLE_EQ(Points(s, 0), 18);
    // Relative sizes count from the base size, 3 until a BASEFONT.
    EXPECT_DOUBLE_EQ(Points(s, 1), 10);
    EXPECT_EQ(RunAt(s, 1).font.description.colour & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(RunAt(s, 1).font.description.name, "Arial");
    EXPECT_DOUBLE_EQ(Points(s, 2), 18);
    EXPECT_DOUBLE_EQ(Points(s, 3), 36);  // 6 + 1
    EXPECT_DOUBLE_EQ(Points(s, 4), 36);  // clamped to 7
    EXPECT_DOUBLE_EQ(Points(s, 5), 8);   // clamped to 1
    doc.clear({});
    // Inside preformatted text the sizes are smaller.
    Read("<pre><font size=5>a</font></pre>");
    EXPECT_DOUBLE_EQ(Points(Section(0), 0), 15);
}

TEST_F(InlineRules, LinksAndAnchors) {
    Read(
        "a<a href=\"one.htm\" target=_blank tabindex=2>b</a>c<a name=\"#Here\">d</a>"
        "<a href=two.htm>e<a href=three.htm>f</a>");
    const TSection& s = Section(0);
    EXPECT_EQ(Text(s), "abcdef ");
    ASSERT_EQ(doc.links().size(), 3u);
    const TLinkTarget& one = *doc.links()[0];
    EXPECT_EQ(one.url, "one.htm");
    EXPECT_EQ(one.target, "_blank");
    EXPECT_EQ(one.tabOrder, 2);
    EXPECT_EQ(one.startPosition, 1);
    EXPECT_EQ(RunAt(s, 0).link, nullptr);
    EXPECT_EQ(RunAt(s, 1).link, &one);
    EXPECT_EQ(RunAt(s, 2).link, nullptr);
    EXPECT_EQ(RunAt(s, 3).link, nullptr);
    // A new link ends the open one.
    EXPECT_EQ(RunAt(s, 4).link, doc.links()[1].get());
    EXPECT_EQ(RunAt(s, 5).link, doc.links()[2].get());
    EXPECT_NE(doc.links()[1]->endPosition, -1);
    // Links are underlined in the link colour.
    EXPECT_TRUE(RunAt(s, 1).font.description.style & platform::kFontUnderline);
    EXPECT_EQ(RunAt(s, 1).font.description.colour & 0xFFFFFF, 0xFF0000u);
    // A NAME is a jump target: upper-cased, without "#", case ignored when looked up.
    EXPECT_TRUE(s.anchor);
    const std::optional<int> here = doc.anchors().find("here");
    ASSERT_TRUE(here.has_value());
    EXPECT_EQ(*here, 50);
    EXPECT_EQ(doc.focusObjects.size(), 3u);
}

TEST_F(InlineRules, IdsAreJumpTargets) {
    Read("<p id=Intro>a</p><div ID=\"Part2\">b</div><span id=\"\">c</span>");
    EXPECT_TRUE(doc.anchors().find("intro").has_value());
    EXPECT_TRUE(doc.anchors().find("PART2").has_value());
    EXPECT_EQ(doc.anchors().size(), 2u);
}

TEST_F(InlineRules, Images) {
    Read(
        "a<img src=\" pic.gif \" alt=\"Pic\" width=50% height=20 border align=left hspace=-7 "
        "ismap usemap=\"#Map\" id=img1>b<a href=x><img src=y.gif border=0></a>");
    const TSection& s = Section(0);
    EXPECT_EQ(Text(s), "a#b# ");
    ASSERT_EQ(s.objects.size(), 2u);
    const auto& image = dynamic_cast<const TImageObj&>(*s.objects[0]);
    EXPECT_EQ(image.src, "pic.gif");
    EXPECT_EQ(image.alt, "Pic");
    EXPECT_EQ(image.title, "Pic");
    EXPECT_TRUE(image.specWidth.given);
    EXPECT_TRUE(image.specWidth.percent);
    EXPECT_EQ(image.specWidth.value, 50);
    EXPECT_EQ(image.specHeight.value, 20);
    EXPECT_EQ(image.border, 1);
    EXPECT_EQ(image.align, ObjectAlign::left);
    EXPECT_EQ(image.hspace, 7);
    EXPECT_TRUE(image.ismap);
    EXPECT_EQ(image.usemap, "MAP");
    EXPECT_EQ(image.sourcePosition, 1);
    EXPECT_EQ(image.link, nullptr);
    const auto& linked = dynamic_cast<const TImageObj&>(*s.objects[1]);
    EXPECT_EQ(linked.link, doc.links().at(0).get());
    EXPECT_EQ(linked.border, 0);
}

TEST_F(InlineRules, NoBreakAndOptionalBreaks) {
    Read("a b<nobr>c d</nobr>e f<wbr>g");
    const TSection& s = Section(0);
    EXPECT_EQ(Text(s), "a bc de fg ");
    EXPECT_EQ(s.breaks, "yyynnnyyayy");
}

TEST_F(InlineRules, ImageMaps) {
    Read(
        "<map name=nav>x<area shape=rect coords=\"0,0,10,10\" href=a.htm>"
        "<area shape=circle coords=\"5,5,5\" nohref></map>"
        "<map name=bad><b><i><u>y</u></i></b></map>");
    const TMapItem* map = doc.findMap("NAV");
    ASSERT_NE(map, nullptr);
    ASSERT_EQ(map->areas.size(), 2u);
    EXPECT_EQ(map->areas[0].href, "a.htm");
    EXPECT_TRUE(map->areas[1].noHref);
    // Three other tags before its end: no map, and the third tag is read as usual.
    EXPECT_EQ(doc.findMap("BAD"), nullptr);
    EXPECT_EQ(Text(Section(0)), "y ");
    EXPECT_TRUE(RunAt(Section(0), 0).font.description.style & platform::kFontUnderline);
    EXPECT_FALSE(Italic(Section(0), 0));
}

TEST_F(InlineRules, Scripts) {
    std::vector<std::string> scripts;
    HtmlReaderHooks hooks;
    hooks.script = [&](const std::string& name, const std::string& text,
                       const std::string& language) {
        scripts.push_back(name + "|" + language + "|" + text);
    };
    Read("a<script name=s language=js>if (a<b) x = \"<!--\";\nb</p>\n</SCRIPT >c", hooks);
    ASSERT_EQ(scripts.size(), 1u);
    EXPECT_EQ(scripts[0], "s|js|if (a<b) x = \"<!--\";\r\nb</p>\r\n");
    EXPECT_EQ(Text(Section(0)), "ac ");
    doc.clear({});
    // Without a handler the script is skipped all the same.
    Read("a<script><!-- b --></script>c<script>never ended");
    EXPECT_EQ(Text(Section(0)), "ac ");
}

TEST_F(InlineRules, Objects) {
    Read("a<object width=10 height=20><param name=p value=1>fallback</object>b");
    EXPECT_EQ(Text(Section(0)), "afallbackb ");
    doc.clear({});
    std::vector<std::string> params;
    std::vector<std::string> attributes;
    HtmlReaderHooks hooks;
    hooks.objectTag = [&](TPanelObj& panel, bool& handled, const std::vector<std::string>& p,
                          const std::vector<std::string>& a) {
        EXPECT_EQ(panel.specWidth.value, 10);
        params = p;
        attributes = a;
        handled = true;
    };
    Read(
        "a<object width=10 classid=\"x\"> <param name=p value=1> <param name=q>fallback"
        "</object>b",
        hooks);
    EXPECT_EQ(Text(Section(0)), "a#b ");
    EXPECT_EQ(params, (std::vector<std::string>{"p=1", "q"}));
    EXPECT_EQ(attributes, (std::vector<std::string>{"width=10", "classid=x"}));
}

TEST_F(InlineRules, InlineBordersRunOverTheirText) {
    Read("a<span style=\"border: solid 1px\">bc</span>d");
    const TSection& s = Section(0);
    ASSERT_EQ(s.inlineBoxes.size(), 1u);
    EXPECT_EQ(s.inlineBoxes[0].start, 1);
    EXPECT_EQ(s.inlineBoxes[0].end, 3);
}

}  // namespace
}  // namespace kelvor::engine::testing
