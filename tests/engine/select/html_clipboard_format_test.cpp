// The "HTML Format" block as a pure function of the source, the selection's offsets and the
// display's defaults.

#include "engine/select/html_clipboard_format.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/text/charsets.h"

namespace kelvor::engine {
namespace {

const std::string kDoctype = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n";

struct Block {
    std::string text;

    std::size_t number(const std::string& name) const {
        const std::size_t at = text.find(name + ":");
        return at == std::string::npos
                   ? 0
                   : std::strtoul(text.c_str() + at + name.size() + 1, nullptr, 10);
    }
    std::string html() const { return text.substr(number("StartHTML")); }
    std::string fragment() const {
        const std::size_t start = number("StartFragment");
        const std::size_t end = number("EndFragment");
        return start <= end && end <= text.size() ? text.substr(start, end - start) : "?";
    }
    // The HTML between the inserted style and the end mark.
    std::string body(const std::string& style) const {
        const std::string whole = html();
        const std::size_t at = whole.find(style);
        return at == std::string::npos ? "?" : whole.substr(at + style.size());
    }
};

Block Build(std::string_view source, int start, int end, std::string_view file = "/d/p.htm",
            int codePage = kCodePageUtf8) {
    HtmlFragmentRequest request;
    request.source = source;
    request.startSource = start;
    request.endSource = end;
    request.codePage = codePage;
    request.fontSize = 12;
    request.fontName = "Arial";
    request.currentFile = file;
    return Block{BuildHtmlClipboardBlock(request)};
}

constexpr char kStyle[] = "<style> body {font-size: 12pt; font-family: \"Arial\"; }</style>";
const std::string kHeadStyle = std::string("<head>") + kStyle + "</head>";

TEST(HtmlClipboardFormat, TheHeaderCountsItselfAndPointsAtBothMarks) {
    const Block block = Build("<p>Hello</p>", 3, 8, "/d/p.htm");
    // "SourceURL:file:///d/p.htm" is 25 long: the header is 124.
    // The HTML: the DOCTYPE line (64), the head with the style (75), "<p>" and the mark: the
    // fragment from 124 + 162 = 286; "Hello" to 291; the end mark (18) to 309.
    EXPECT_EQ(block.text.substr(0, 124),
              "Version:1.0\r\nStartHTML:00000124\r\nEndHTML:00000309\r\n"
              "StartFragment:00000286\r\nEndFragment:00000291\r\nSourceURL:file:///d/p.htm\r\n");
    EXPECT_EQ(block.html(),
              kDoctype + kHeadStyle + "<p><!--StartFragment-->Hello<!--EndFragment-->");
    EXPECT_EQ(block.number("EndHTML"), block.text.size());
}

TEST(HtmlClipboardFormat, TheSourceUrlNamesTheFile) {
    EXPECT_NE(Build("x", 0, 1, "").text.find("\r\nSourceURL:unsaved:///HtmlDisplay.htm\r\n"),
              std::string::npos);
    EXPECT_EQ(Build("x", 0, 1, "").number("StartHTML"), 99u + 36);
    EXPECT_NE(
        Build("x", 0, 1, "http://host/a.htm").text.find("\r\nSourceURL:http://host/a.htm\r\n"),
        std::string::npos);
    EXPECT_NE(
        Build("x", 0, 1, "C:\\mail\\a.htm").text.find("\r\nSourceURL:file://C:\\mail\\a.htm\r\n"),
        std::string::npos);
    // A line end in a file's name would end the header's line: it is escaped.
    const Block odd = Build("x", 0, 1, "/d/a\r\nStartFragment:1.htm");
    EXPECT_NE(odd.text.find("\r\nSourceURL:file:///d/a%0D%0AStartFragment:1.htm\r\n"),
              std::string::npos);
    EXPECT_EQ(odd.fragment(), "x");
}

TEST(HtmlClipboardFormat, TheEndIsTrimmedOfBlanksAndWholeTagsButNotBeforeTheStart) {
    // Everything to the end: the line end and the four closing tags go.
    EXPECT_EQ(Build("<div><p>Hi</p> \r\n</div>\r\n", 8, -1).fragment(), "Hi");
    // The end offset is the first character after the selection: up to it, not with it.
    EXPECT_EQ(Build("<p>Hello world</p>", 3, 8).fragment(), "Hello");
    // A selection of blanks and tags only keeps nothing of them.
    EXPECT_EQ(Build("<p>a</p> <br> <p>b</p>", 8, 14).fragment(), "");
    // A tag that began before the selection stays whole.
    EXPECT_EQ(Build("<p>a<b>", 5, -1).fragment(), "b>");
    // Control characters count as blanks; a NUL does not.
    EXPECT_EQ(Build(std::string("ab\x01\x1F", 4), 0, -1).fragment(), "ab");
    EXPECT_EQ(Build(std::string("ab\0 ", 4), 0, -1).fragment(), std::string("ab\0", 3));
}

TEST(HtmlClipboardFormat, MetaAndDoctypeTagsGoWhateverTheirCase) {
    const Block block = Build(
        "<!doctype html><HTML><Head><META charset=\"x\"><title>t</title><meta name=a></head>"
        "<p>Text</p>",
        84, 88);
    EXPECT_EQ(block.html(), kDoctype + "<HTML>" + kStyle +
                                "<Head><title>t</title></head><p><!--StartFragment-->Text"
                                "<!--EndFragment-->");
}

TEST(HtmlClipboardFormat, AnUnclosedMetaTagTakesTheRestWithItButNotTheStartMark) {
    const Block block = Build("<p>ab<meta x=", 3, -1);
    EXPECT_EQ(block.html(), kDoctype + kHeadStyle + "<p><!--StartFragment-->ab<!--EndFragment-->");
    // A selection that starts inside the removed tag keeps its mark where the tag was.
    const Block inside = Build("<p>a<meta b>c</p>", 8, -1);
    EXPECT_EQ(inside.html(), kDoctype + kHeadStyle + "<p>a<!--StartFragment-->c<!--EndFragment-->");
}

TEST(HtmlClipboardFormat, PageBreakPropertiesLoseTheirFirstLetter) {
    const Block block =
        Build("<p style=\"page-break-before: always; PAGE-BREAK-after: x\">A</p>", 58, 59);
    EXPECT_EQ(block.fragment(), "A");
    EXPECT_NE(block.html().find("<p style=\"age-break-before: always; AGE-BREAK-after: x\">"),
              std::string::npos);
}

TEST(HtmlClipboardFormat, TheStyleGoesBeforeTheHeadOrInANewHeadBeforeHtmlOrAtTheStart) {
    // The tags are found whatever their case.
    EXPECT_EQ(
        Build("<html><head></head><p>A</p>", 22, 23).html(),
        kDoctype + "<html>" + kStyle + "<head></head><p><!--StartFragment-->A<!--EndFragment-->");
    EXPECT_EQ(Build("<x><html><p>A</p>", 12, 13).html(),
              kDoctype + "<x>" + kHeadStyle + "<html><p><!--StartFragment-->A<!--EndFragment-->");
    EXPECT_EQ(Build("<HTML><HEAD><p>A</p>", 15, 16).html(),
              kDoctype + "<HTML>" + kStyle + "<HEAD><p><!--StartFragment-->A<!--EndFragment-->");
    // A selection from the very first character: the style before the mark.
    EXPECT_EQ(Build("Text", 0, -1).html(),
              kDoctype + kHeadStyle + "<!--StartFragment-->Text<!--EndFragment-->");
    // The head right at the start of the selection: the mark stays in front of the style.
    EXPECT_EQ(Build("<head>x", 0, -1).html(),
              kDoctype + "<!--StartFragment-->" + kStyle + "<head>x<!--EndFragment-->");
}

TEST(HtmlClipboardFormat, TheTextBecomesUtf8FromThePagesCodePage) {
    // Windows-1252: E9 is e acute, 80 the euro sign.
    const Block latin = Build("<p>caf\xE9 \x80</p>", 3, 9, "/d/p.htm", 1252);
    EXPECT_EQ(latin.fragment(), "caf\xC3\xA9 \xE2\x82\xAC");
    // UTF-8 is taken as it is, even where it is not well-formed.
    const Block utf8 = Build("<p>\xC3\xA9\xFF</p>", 3, 6, "/d/p.htm", kCodePageUtf8);
    EXPECT_EQ(utf8.fragment(), "\xC3\xA9\xFF");
    // The offsets count the converted bytes.
    EXPECT_EQ(latin.number("EndHTML"), latin.text.size());
    EXPECT_EQ(latin.text.substr(latin.number("EndFragment")), "<!--EndFragment-->");
}

TEST(HtmlClipboardFormat, AStartMarkWrittenInTheSourceIsNotTakenForTheRealOne) {
    const Block block = Build("<p><!--StartFragment-->x</p><p>Real</p>", 31, 35);
    EXPECT_EQ(block.fragment(), "Real");
}

TEST(HtmlClipboardFormat, OffsetsOutsideTheSourceAreKeptWithinIt) {
    EXPECT_EQ(Build("<p>ab</p>", 50, 60).fragment(), "");
    EXPECT_EQ(Build("<p>ab</p>", -5, 4).fragment(), "<p>a");
    EXPECT_EQ(Build("<p>ab</p>", 4, 3).fragment(), "");
    EXPECT_EQ(Build("", 0, -1).fragment(), "");
}

}  // namespace
}  // namespace kelvor::engine
