#include "engine/reader/lexer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvor::engine::testing {
namespace {

// Tokens of a text read on their own, with the system default code page.
class LexerTest : public ::testing::Test {
  protected:
    void Start(std::string text, int codePage = 0) {
        buffer = std::move(text);
        chars.reset(buffer, -1);
        codePageInForce = codePage;
        chars.advance();
    }
    Token Next(TextMode mode = TextMode::collapse) {
        Token token;
        lexer.next(token, mode);
        return token;
    }
    // The first tag of `html`; its attributes stay in the lexer.
    Token Tag(std::string html) {
        Start(std::move(html));
        return Next();
    }
    const TAttribute& Attribute(std::size_t index) { return lexer.attributes().items().at(index); }

    std::string buffer;
    int codePageInForce = 0;
    std::vector<std::pair<std::string, int>> ids;
    CharReader chars;
    Lexer lexer{chars, LexerContext{[this] { return codePageInForce; },
                                    [this](const std::string& id, int position) {
                                        ids.emplace_back(id, position);
                                    },
                                    false}};
};

TEST_F(LexerTest, TagNamesAndEndTags) {
    Token token = Tag("<TaBlE>");
    EXPECT_EQ(token.tag, engine::Tag::Table);
    EXPECT_FALSE(token.end);
    token = Tag("</table>");
    EXPECT_EQ(token.tag, engine::Tag::Table);
    EXPECT_TRUE(token.end);
    // Tags without end tags have no end tag: theirs reads as unknown.
    token = Tag("</br>");
    EXPECT_EQ(token.tag, engine::Tag::Unknown);
    EXPECT_EQ(Tag("<blink>").tag, engine::Tag::Unknown);
    // A slash after the name ends it.
    EXPECT_EQ(Tag("<br/>").tag, engine::Tag::Br);
    EXPECT_EQ(Tag("<br />").tag, engine::Tag::Br);
    // <?xml ...> is an unknown tag, and the text after it is read on.
    Start("<?xml version=\"1.0\"?>x");
    EXPECT_EQ(Next().tag, engine::Tag::Unknown);
    EXPECT_EQ(Next().text, u"x");
}

TEST_F(LexerTest, HeadingLevels) {
    Token token = Tag("<h3>");
    EXPECT_EQ(token.tag, engine::Tag::H);
    EXPECT_EQ(token.level, 3);
    token = Tag("</H6>");
    EXPECT_EQ(token.tag, engine::Tag::H);
    EXPECT_TRUE(token.end);
    EXPECT_EQ(token.level, 6);
    EXPECT_EQ(Tag("<h7>").tag, engine::Tag::Unknown);
    EXPECT_EQ(Tag("<h0>").tag, engine::Tag::Unknown);
    token = Tag("<h>");
    EXPECT_EQ(token.tag, engine::Tag::H);
    EXPECT_EQ(token.level, 0);
    EXPECT_EQ(Tag("<hr>").tag, engine::Tag::Hr);
}

TEST_F(LexerTest, ALessThanThatStartsNoTagIsText) {
    Start("a < b<3");
    EXPECT_EQ(Next().text, u"a ");
    Token token = Next();
    EXPECT_EQ(token.tag, engine::Tag::Text);
    EXPECT_EQ(token.text, u"<");
    EXPECT_EQ(token.position, 2);
    EXPECT_EQ(Next().text, u" b");
    EXPECT_EQ(Next().text, u"<");
    EXPECT_EQ(Next().text, u"3");
    EXPECT_EQ(Next().tag, engine::Tag::End);
}

TEST_F(LexerTest, QuotedValues) {
    Tag("<td width=\"30%\" title='a \"b\" > c' align = \"left\">");
    ASSERT_EQ(lexer.attributes().items().size(), 3u);
    EXPECT_EQ(Attribute(0).symbol, Attr::Width);
    EXPECT_EQ(Attribute(0).valueText, "30%");
    EXPECT_EQ(Attribute(0).numericValue, 30);
    EXPECT_EQ(Attribute(1).symbol, Attr::Title);
    EXPECT_EQ(Attribute(1).valueText, "a \"b\" > c");
    EXPECT_EQ(Attribute(2).valueText, "left");
    // Numbers in quotes: trimmed, one "%" removed, rounded; anything else is 0.
    Tag("<x a=\" 2.5 \" b=\"-3.5%\" c=\".4\" d=\"12px\" e=\"abc\">");
    EXPECT_EQ(Attribute(0).numericValue, 3);
    EXPECT_EQ(Attribute(1).numericValue, -4);
    EXPECT_EQ(Attribute(2).numericValue, 0);
    EXPECT_EQ(Attribute(3).numericValue, 0);
    EXPECT_EQ(Attribute(4).numericValue, 0);
}

TEST_F(LexerTest, UnquotedValues) {
    Tag("<td width=30% height=+12 nowrap align=center>");
    ASSERT_EQ(lexer.attributes().items().size(), 4u);
    EXPECT_EQ(Attribute(0).valueText, "30%");
    EXPECT_EQ(Attribute(0).numericValue, 30);
    EXPECT_EQ(Attribute(1).valueText, "+12");
    EXPECT_EQ(Attribute(1).numericValue, 12);
    EXPECT_EQ(Attribute(2).symbol, Attr::NoWrap);
    EXPECT_EQ(Attribute(2).valueText, "");
    EXPECT_EQ(Attribute(3).valueText, "center");
    // "50 %": blanks before the "%" are passed over and the "%" joins the text.
    Tag("<td width=50 %>");
    EXPECT_EQ(Attribute(0).valueText, "50%");
    EXPECT_EQ(Attribute(0).numericValue, 50);
    // A plain value runs to a blank or ">" and decodes entities.
    Tag("<a href=x&amp;y>z");
    EXPECT_EQ(Attribute(0).valueText, "x&y");
}

TEST_F(LexerTest, AttributesWithoutValues) {
    Tag("<table border>");
    EXPECT_EQ(Attribute(0).numericValue, 1);
    Tag("<table border=0>");
    EXPECT_EQ(Attribute(0).numericValue, 0);
    Tag("<hr noshade size=4>");
    EXPECT_EQ(Attribute(0).symbol, Attr::NoShade);
    EXPECT_EQ(Attribute(0).numericValue, 0);
    EXPECT_EQ(Attribute(1).numericValue, 4);
    // Unknown names are kept with the other-attribute symbol and their name as written.
    Tag("<p Data-X=\"1\">");
    EXPECT_EQ(Attribute(0).symbol, Attr::Other);
    EXPECT_EQ(Attribute(0).nameText, "Data-X");
}

TEST_F(LexerTest, LineEndsInQuotedValues) {
    Tag("<img alt=\"a\r\nb\" src=\"x\ny\" title=\"c\rd\">");
    EXPECT_EQ(Attribute(0).valueText, "a\r\nb");
    EXPECT_EQ(Attribute(1).valueText, "xy");
    EXPECT_EQ(Attribute(2).valueText, "c\r\nd");
}

TEST_F(LexerTest, AnUnclosedQuoteTakesTheRestOfTheDocument) {
    Start("<a href=\"x>text</a><p>more");
    const Token token = Next();
    EXPECT_EQ(token.tag, engine::Tag::A);
    EXPECT_EQ(Attribute(0).valueText, "x>text</a><p>more");
    EXPECT_EQ(Next().tag, engine::Tag::End);
}

TEST_F(LexerTest, EntitiesInAttributes) {
    // A name without ";" decodes only up to 255; numbers always; the system default code page.
    Tag("<x a=\"&amp\" b=\"&euro\" c=\"&euro;\" d=\"&eacute;\" e=\"&#233;\" f=\"&#150;\">");
    EXPECT_EQ(Attribute(0).valueText, "&");
    EXPECT_EQ(Attribute(1).valueText, "&euro");
    EXPECT_EQ(Attribute(2).valueText, "\x80");
    EXPECT_EQ(Attribute(3).valueText, "\xE9");
    EXPECT_EQ(Attribute(4).valueText, "\xE9");
    EXPECT_EQ(Attribute(5).valueText, "\x96");
    // A character the code page lacks.
    Tag("<x a=\"&alpha;\">");
    EXPECT_EQ(Attribute(0).valueText, "?");
}

TEST_F(LexerTest, ClassKeysIdsAndRegistration) {
    Tag("<p class=\" Beta  alpha \" id=\"Top\">");
    EXPECT_EQ(lexer.attributes().classKey(), "alpha.beta");
    EXPECT_EQ(lexer.attributes().id(), "top");
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(ids[0].first, "Top");
    // An empty ID registers nothing; the link-search pass registers nothing.
    Tag("<p id=\"\">");
    lexer.linkSearch = true;
    Tag("<p id=x>");
    EXPECT_EQ(ids.size(), 1u);
}

TEST_F(LexerTest, NamesAndAttributeCountsAreBounded) {
    const std::string longName(100000, 'q');
    Token token = Tag("<" + longName + " a=1>");
    EXPECT_EQ(token.tag, engine::Tag::Unknown);
    std::string many = "<p";
    for (int i = 0; i < 3000; ++i)
        many += " a" + std::to_string(i) + "=" + std::to_string(i);
    many += ">x";
    Start(many);
    EXPECT_EQ(Next().tag, engine::Tag::P);
    EXPECT_EQ(lexer.attributes().items().size(), TAttributeList::kMaxAttributes);
    EXPECT_EQ(Attribute(0).nameText, "a0");
    EXPECT_EQ(Next().text, u"x");
}

TEST_F(LexerTest, PreformattedTextKeepsBlanksAndEndsAtLineEnds) {
    Start("x  \r\n  y", 0);
    Token token = Next(TextMode::preformatted);
    EXPECT_EQ(token.text, u"x  ");
    EXPECT_EQ(Next(TextMode::preformatted).tag, engine::Tag::LineEnd);
    EXPECT_EQ(Next(TextMode::preformatted).text, u"  y");
    Start("x  \r\n  y", 0);
    EXPECT_EQ(Next().text, u"x y");
}

TEST_F(LexerTest, RoundedNumbers) {
    EXPECT_EQ(RoundedNumber("42"), 42);
    EXPECT_EQ(RoundedNumber("+1"), 1);
    EXPECT_EQ(RoundedNumber("-0.5"), -1);
    EXPECT_EQ(RoundedNumber("1.5"), 2);
    EXPECT_EQ(RoundedNumber("99999999999999999999"), 2147483647);
    EXPECT_EQ(RoundedNumber("-99999999999999999999"), -2147483648);
    EXPECT_EQ(RoundedNumber("1e5"), 0);
    EXPECT_EQ(RoundedNumber("+"), 0);
    EXPECT_EQ(RoundedNumber(""), 0);
}

}  // namespace
}  // namespace kelvor::engine::testing
