#include <gtest/gtest.h>

#include "engine/reader/entities.h"
#include "reader_fixture.h"

namespace kelvor::engine::testing {
namespace {

using TextReading = ReaderTest;

TEST_F(TextReading, EntityTableHoldsTheHtml4NamesAndApos) {
    EXPECT_EQ(EntityCount(), 253);
    EXPECT_EQ(LookupEntity("nbsp"), 160u);
    EXPECT_EQ(LookupEntity("yuml"), 255u);
    EXPECT_EQ(LookupEntity("Yuml"), 376u);
    EXPECT_EQ(LookupEntity("Eacute"), 201u);
    EXPECT_EQ(LookupEntity("eacute"), 233u);
    EXPECT_EQ(LookupEntity("fnof"), 402u);
    EXPECT_EQ(LookupEntity("Omega"), 937u);
    EXPECT_EQ(LookupEntity("sigmaf"), 962u);
    EXPECT_EQ(LookupEntity("thetasym"), 977u);
    EXPECT_EQ(LookupEntity("alefsym"), 8501u);
    EXPECT_EQ(LookupEntity("hArr"), 8660u);
    EXPECT_EQ(LookupEntity("harr"), 8596u);
    EXPECT_EQ(LookupEntity("sdot"), 8901u);
    EXPECT_EQ(LookupEntity("rang"), 9002u);
    EXPECT_EQ(LookupEntity("diams"), 9830u);
    EXPECT_EQ(LookupEntity("quot"), 34u);
    EXPECT_EQ(LookupEntity("euro"), 8364u);
    EXPECT_EQ(LookupEntity("apos"), 8217u);  // not 39
    EXPECT_FALSE(LookupEntity("NBSP"));
    EXPECT_FALSE(LookupEntity("AMP"));
    EXPECT_FALSE(LookupEntity(""));
}

TEST_F(TextReading, NoBreakSpaceWithAndWithoutSemicolon) {
    Read("a&nbsp;b");
    EXPECT_EQ(Section(0).text, u"a\u00A0b ");
    doc.clear({});
    Read("a&nbspb");
    // "nbspb" is no name: the name ends where letters end, so "&nbspb" stays text.
    EXPECT_EQ(Text(Section(0)), "a&nbspb ");
    doc.clear({});
    Read("a&nbsp b");
    EXPECT_EQ(Section(0).text, u"a\u00A0 b ");
    doc.clear({});
    Read("a&NBSP;b");
    EXPECT_EQ(Text(Section(0)), "a&NBSP;b ");
}

TEST_F(TextReading, NumericReferences) {
    Read("&#65;&#x41;&#X41;&#97");
    EXPECT_EQ(Text(Section(0)), "AAAa ");
    doc.clear({});
    Read("a&#;b&#x;c&#xg");
    EXPECT_EQ(Text(Section(0)), "a&#;b&#x;c&#xg ");
    doc.clear({});
    // TAB gives a blank, other control characters "?", 127 to 159 are bytes of the code page.
    Read("a&#9;b&#1;c&#8;d&#150;e&#8364;f");
    EXPECT_EQ(Section(0).text, u"a b?c?d\u2013e\u20ACf ");
    doc.clear({});
    // Beyond the 16-bit range: a surrogate pair; beyond Unicode: "?".
    Read("&#128512;&#99999999999999;");
    EXPECT_EQ(Section(0).text, u"\U0001F600? ");
}

TEST_F(TextReading, NamedEntitiesAreCaseSensitiveAndUnknownOnesStay) {
    Read("&Eacute;&eacute;&apos;&lt;b&gt;&amp;&foo;&eacutex");
    EXPECT_EQ(Section(0).text, u"\u00C9\u00E9\u2019<b>&&foo;&eacutex ");
    doc.clear({});
    // Names are at most 11 letters and digits long.
    Read("&abcdefghijklmn;");
    EXPECT_EQ(Text(Section(0)), "&abcdefghijklmn; ");
    doc.clear({});
    // An entity keeps the source position of its "&".
    Read("ab&amp;c");
    EXPECT_EQ(Section(0).positions, (std::vector<int>{0, 1, 2, 7, 8}));
}

TEST_F(TextReading, BlanksAndLineEndsCollapse) {
    Read("x  \r\n  y");
    EXPECT_EQ(Text(Section(0)), "x y ");
    // The blank keeps the position of the first of the run.
    EXPECT_EQ(Section(0).positions[1], 1);
    doc.clear({});
    Read("\t a \t\n\n b  ");
    EXPECT_EQ(Text(Section(0)), "a b ");
}

TEST_F(TextReading, PreformattedTextKeepsEveryBlank) {
    // Every closed section ends in one blank of its own.
    Read("<pre>x  \r\n  y</pre>");
    EXPECT_EQ(Dump(), "pre{='x   ' ='  y '}");
    doc.clear({});
    // LF CR and CR LF each make one line end; a lone CR or LF too.
    Read("<pre>a\n\rb\rc\nd</pre>");
    EXPECT_EQ(Dump(), "pre{='a ' ='b ' ='c ' ='d '}");
    doc.clear({});
    // An empty line stays a line; the line end before </pre> leaves none.
    Read("<pre>a\n\nb\n</pre>");
    EXPECT_EQ(Dump(), "pre{='a ' ='' ='b '}");
    doc.clear({});
    Read("<pre>a &amp; <b>b</b>&lt;</pre>");
    EXPECT_EQ(Dump(), "pre{='a & b< '}");
    EXPECT_TRUE(Bold(Section(0), 4));
    EXPECT_FALSE(Bold(Section(0), 5));
}

TEST_F(TextReading, Comments) {
    Read("a<!-- b -->c<!---->d<!-- e -- >f<!-- g --!>h");
    EXPECT_EQ(Text(Section(0)), "acdfh ");
    doc.clear({});
    // A comment does not end at a single "-" or at "->".
    Read("a<!-- b -> c - -> d -->e");
    EXPECT_EQ(Text(Section(0)), "ae ");
    doc.clear({});
    // Consecutive comments vanish; declarations and <% ... %> go too.
    Read("<!DOCTYPE html><!-- 1 --><!-- 2 -->a<% code %>b<!x>c");
    EXPECT_EQ(Text(Section(0)), "abc ");
}

TEST_F(TextReading, AnOpenCommentAtTheEndKeepsWhatCameBefore) {
    const HtmlReadResult result = Read("<title>T</title><p>shown<p>also<!-- never closed <p>gone");
    EXPECT_EQ(Dump(), "p{'shown '} p{'also '}");
    EXPECT_EQ(result.title, "T");
}

TEST_F(TextReading, ControlCharactersBecomeQuestionMarks) {
    Read(
        "a\x01"
        "b\x08<b>\x04</b>c");
    EXPECT_EQ(Text(Section(0)), "a?b??c ");
}

TEST_F(TextReading, LoneBlanksBetweenBlocksAreDropped) {
    Read("<p>a</p> <p>b</p> \r\n <hr> c");
    EXPECT_EQ(Dump(), "p{'a '} p{'b '} hr 'c '");
}

}  // namespace
}  // namespace kelvor::engine::testing
