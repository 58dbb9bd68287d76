#include <gtest/gtest.h>

#include "engine/reader/input_preparation.h"
#include "reader_fixture.h"

namespace kelvor::engine::testing {
namespace {

using Input = ReaderTest;

TEST_F(Input, NulBytes) {
    std::string text = "a";
    text += '\0';
    text += "b";
    EXPECT_EQ(PrepareInput(text).text, "a b");
    // A hundred become blanks; the text ends before a 101st.
    std::string many;
    for (int i = 0; i < 101; ++i) {
        many += 'x';
        many += '\0';
    }
    many += "tail";
    const PreparedInput prepared = PrepareInput(many);
    EXPECT_EQ(prepared.text.size(), 201u);
    EXPECT_EQ(prepared.text.substr(0, 4), "x x ");
    EXPECT_EQ(prepared.text.back(), 'x');
}

TEST_F(Input, Utf8ByteOrderMark) {
    // The report's own case: a byte order mark, then a META that names another charset.
    const HtmlReadResult result = Read(
        "\xEF\xBB\xBF<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        "<p>Gr\xC3\xBC\xC3\x9F"
        "e &eacute;</p>");
    EXPECT_EQ(Section(0).text, u"Gr\u00FC\u00DFe \u00E9 ");
    EXPECT_EQ(result.codePage, 65001);
    // Positions count as if the mark were still there.
    EXPECT_EQ(Section(0).positions[0], 3 + 77);
    // The mark only counts at the start of a text longer than 3 bytes.
    EXPECT_FALSE(PrepareInput("\xEF\xBB\xBF").byteOrderMark);
    EXPECT_TRUE(PrepareInput("\xEF\xBB\xBFx").byteOrderMark);
}

TEST_F(Input, MetaCharsets) {
    HtmlReadResult result =
        Read("<meta http-equiv=content-type content=\"text/html; charset=iso-8859-7\">\xE1");
    EXPECT_EQ(result.codePage, 1253);
    EXPECT_EQ(Section(0).text, u"\u03B1 ");
    doc.clear({});
    result =
        Read("<meta http-equiv=\"CONTENT-TYPE\" content=\"text/html; charset=UTF-8\">\xC3\xA9");
    EXPECT_EQ(result.codePage, 65001);
    EXPECT_EQ(Section(0).text, u"\u00E9 ");
    doc.clear({});
    // Not for a reader that works for something else than a display.
    HtmlReaderHooks hooks;
    hooks.forDisplay = false;
    std::vector<std::string> metas;
    hooks.meta = [&](const std::string& e, const std::string& n, const std::string& c) {
        metas.push_back(e + "|" + n + "|" + c);
    };
    result = Read("<meta http-equiv=content-type content=\"charset=utf-8\"><meta name=x content=y>",
                  hooks);
    EXPECT_EQ(result.codePage, 0);
    EXPECT_EQ(metas, (std::vector<std::string>{"content-type||charset=utf-8", "|x|y"}));
}

TEST_F(Input, CharsetTable) {
    EXPECT_EQ(CharsetFromName("text/html; charset=Windows-1251"), 204);
    EXPECT_EQ(CharsetFromName("ISO-8859-2"), 31);
    EXPECT_EQ(CharsetFromName("iso-8859-15"), 0);
    EXPECT_EQ(CharsetFromName("koi8-r"), 204);
    EXPECT_EQ(CharsetFromName("Shift_JIS"), 128);
    EXPECT_EQ(CharsetFromName("EUC-JP"), 30);
    EXPECT_EQ(CharsetFromName("euc-kr"), 129);
    EXPECT_EQ(CharsetFromName("big5"), 136);
    EXPECT_FALSE(CharsetFromName("utf-8").has_value());
}

TEST_F(Input, Iso2022JpBecomesShiftJis) {
    // "\x1B$B" + JIS 0x2422 0x3021 + "\x1B(B": hiragana a and the kanji a.
    const std::string jis = "x\x1B$B\x24\x22\x30\x21\x1B(By";
    EXPECT_EQ(Iso2022JpToShiftJis(jis), "x\x82\xA0\x88\x9Fy");
    const PreparedInput prepared = PrepareInput(jis);
    EXPECT_TRUE(prepared.shiftJis);
    // Without the escape back the text is left alone.
    EXPECT_FALSE(PrepareInput("x\x1B$B\x24\x22").shiftJis);
    // EUC-JP: the same characters with the high bit set; half-width katakana lose their prefix.
    EXPECT_EQ(EucJpToShiftJis("\xA4\xA2\xB0\xA1\x8E\xB1z"), "\x82\xA0\x88\x9F\xB1z");
    EXPECT_EQ(EucJpToShiftJis("\x8F\xB0\xA1"), "?");
}

TEST_F(Input, LinkCountLimit) {
    const auto links = [](int count) {
        std::string html;
        for (int i = 0; i < count; ++i)
            html += "<a href=\"l" + std::to_string(i) + "\">x</a> ";
        return html;
    };
    HtmlReadResult result = Read(links(400));
    EXPECT_FALSE(result.manyLinks);
    EXPECT_FALSE(doc.manyLinks);
    EXPECT_EQ(doc.focusObjects.size(), 400u);
    doc.clear({});
    result = Read(links(401));
    EXPECT_TRUE(result.manyLinks);
    EXPECT_TRUE(doc.focusObjects.empty());
    EXPECT_EQ(doc.links().size(), 401u);
    doc.clear({});
    // Anchors without HREF are no links.
    result = Read(links(400) + "<a name=n>y</a>");
    EXPECT_FALSE(result.manyLinks);
}

TEST_F(Input, IncludeComments) {
    std::vector<std::string> calls;
    HtmlReaderHooks hooks;
    hooks.include = [&](const std::string& command, const std::vector<std::string>& params) {
        std::string call = command;
        for (const std::string& param : params)
            call += "|" + param;
        calls.push_back(call);
        return command == "hello" ? std::string("<b>hi</b>") : std::string();
    };
    Read("a<!--#hello name=\"x y\" n=1 flag -->b<!--#none-->c<!-- #not -->d", hooks);
    EXPECT_EQ(calls, (std::vector<std::string>{"hello|name=x y|n=1|flag=", "none"}));
    const TSection& s = Section(0);
    EXPECT_EQ(Text(s), "ahibcd ");
    EXPECT_TRUE(Bold(s, 1));
    EXPECT_FALSE(Bold(s, 3));
    doc.clear({});
    // A handler that includes itself is stopped.
    int count = 0;
    hooks.include = [&](const std::string&, const std::vector<std::string>&) {
        ++count;
        return std::string("<!--#again-->");
    };
    Read("a<!--#again-->b", hooks);
    EXPECT_EQ(count, CharReader::kMaxIncludes);
    EXPECT_EQ(Text(Section(0)), "ab ");
}

TEST_F(Input, ProgressIsReportedEvery4096Bytes) {
    std::vector<int> percents;
    HtmlReaderHooks hooks;
    hooks.progress = [&](int percent) { percents.push_back(percent); };
    Read(std::string(16384, 'x'), hooks);
    EXPECT_EQ(percents, (std::vector<int>{25, 50, 75, 100}));
}

TEST_F(Input, FailuresInHandlersEndTheReadingKeepingWhatWasBuilt) {
    HtmlReaderHooks hooks;
    hooks.meta = [](const std::string&, const std::string&, const std::string&) {
        throw std::runtime_error("handler");
    };
    Read("<p>a<meta name=x><p>b", hooks);
    EXPECT_EQ(Dump(), "p{'a '}");
}

}  // namespace
}  // namespace kelvor::engine::testing
