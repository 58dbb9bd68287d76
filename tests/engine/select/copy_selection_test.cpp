// The control's copy: the plain text and the "HTML Format" block built from the page's own
// source, on real documents and the fixed font services.

#include <cstdlib>
#include <string>

#include "../view/engine_display_fixture.h"
#include "fakes/platform/recording_clipboard.h"

namespace kelvor::testing {
namespace {

const std::string kDoctype = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n";
const std::string kFontStyle =
    "<style> body {font-size: 12pt; font-family: \"Times New Roman\"; }</style>";

class CopySelection : public EngineDisplayTest {
  protected:
    void SetUp() override {
        EngineDisplayTest::SetUp();
        display->SetClipboard(&clipboard);
    }

    // Selects from the first character of the page to the end of its text (the mouse below the
    // last line).
    void SelectAll() {
        display->MouseDown(engine::MouseButton::left, {}, 0, 0);
        display->MouseMove({}, 250, 190);
        display->MouseUp(engine::MouseButton::left, {}, 250, 190);
    }

    // A number of the header.
    std::size_t Header(const std::string& name) const {
        const std::string& block = clipboard.htmlFormat;
        const std::size_t at = block.find("\r\n" + name + ":");
        EXPECT_NE(at, std::string::npos) << name;
        return at == std::string::npos
                   ? 0
                   : std::strtoul(block.c_str() + at + name.size() + 3, nullptr, 10);
    }

    // What lies between the two fragment marks.
    std::string Fragment() const {
        const std::string& block = clipboard.htmlFormat;
        const std::size_t start = Header("StartFragment");
        const std::size_t end = Header("EndFragment");
        return start <= end && end <= block.size() ? block.substr(start, end - start) : "?";
    }

    RecordingClipboard clipboard;
};

TEST_F(CopySelection, TwoParagraphsGiveTheirTextAndTheirHtmlWithTheOffsetsWorkedOut) {
    Show("/docs/page.htm", "<p>Hello</p><p>World</p>");
    // From the "H" to beside the end of "World" (positions 0 to 11).
    display->MouseDown(engine::MouseButton::left, {}, 10, 20);
    display->MouseMove({}, 250, 55);
    display->MouseUp(engine::MouseButton::left, {}, 250, 55);
    display->CopySelection();

    EXPECT_EQ(clipboard.calls, (std::vector<std::string>{"text", "html"}));
    EXPECT_EQ(clipboard.text, u"Hello\r\n\r\nWorld");
    // The selection ends at the closing blank of "World", which stands for the "<" of its
    // "</p>" (offset 20): the source up to it. No head and no html tag: the style goes first.
    // Header: 99 + 31 ("SourceURL:file:///docs/page.htm") = 130. The HTML: the DOCTYPE line
    // (64), the head with the style (85), "<p>" (3) and the mark (20): the fragment starts at
    // 172; "Hello</p><p>World" (17) ends it at 189; the end mark (18) makes 207.
    EXPECT_EQ(clipboard.htmlFormat,
              "Version:1.0\r\n"
              "StartHTML:00000130\r\n"
              "EndHTML:00000337\r\n"
              "StartFragment:00000302\r\n"
              "EndFragment:00000319\r\n"
              "SourceURL:file:///docs/page.htm\r\n" +
                  kDoctype + "<head>" + kFontStyle +
                  "</head><p><!--StartFragment-->Hello</p><p>World<!--EndFragment-->");
}

TEST_F(CopySelection, TheOffsetsPointAtTheFragmentsMarksInTheWholeBlock) {
    Show("/docs/report.htm",
         "<html><head><title>T</title></head><body><h1>Heading</h1>"
         "<p>First <b>bold</b> words</p><p>Second</p></body></html>\r\n");
    SelectAll();
    display->CopySelection();
    const std::string& block = clipboard.htmlFormat;
    const std::size_t start = Header("StartFragment");
    const std::size_t end = Header("EndFragment");
    ASSERT_GE(start, 20u);
    EXPECT_EQ(block.substr(start - 20, 20), "<!--StartFragment-->");
    EXPECT_EQ(block.substr(end), "<!--EndFragment-->");
    EXPECT_EQ(Header("StartHTML"), block.find("<!DOCTYPE"));
    EXPECT_EQ(Header("EndHTML"), block.size());
    EXPECT_EQ(Header("StartHTML"), 99 + std::string("SourceURL:file:///docs/report.htm").size());
    // The style goes in front of the head; the trailing tags and line end are cut.
    EXPECT_NE(block.find("<html><style> body {font-size: 12pt; font-family: \"Times New "
                         "Roman\"; }</style><head><title>T</title></head><body><h1>"
                         "<!--StartFragment-->Heading"),
              std::string::npos);
    EXPECT_EQ(Fragment(), "Heading</h1><p>First <b>bold</b> words</p><p>Second");
    // A heading is no paragraph: one line end after it.
    EXPECT_EQ(clipboard.text, u"Heading\r\nFirst bold words\r\n\r\nSecond");
}

TEST_F(CopySelection, ASelectionToTheEndOfASourceEndingInATagIsWellFormed) {
    Show("/docs/page.htm", "<p>Hi</p>");
    SelectAll();
    ASSERT_EQ(display->SelEnd(), 3);  // the end of the text: no source offset follows it
    display->CopySelection();
    EXPECT_EQ(clipboard.text, u"Hi");
    const std::string& block = clipboard.htmlFormat;
    EXPECT_EQ(
        block.substr(Header("StartHTML")),
        kDoctype + "<head>" + kFontStyle + "</head><p><!--StartFragment-->Hi<!--EndFragment-->");
    EXPECT_EQ(Fragment(), "Hi");
}

TEST_F(CopySelection, APlainTextIsTakenAsItIsWithoutEscapes) {
    files.addFile("/docs/notes.txt", "a < b & c\r\nx > y\r\n");
    display->LoadPlainTextFile("/docs/notes.txt");
    SelectAll();
    display->CopySelection();
    EXPECT_EQ(clipboard.text, u"a < b & c\r\nx > y");
    EXPECT_EQ(Fragment(), "a < b & c\r\nx > y");
    // The style stands at the very start, before the mark.
    EXPECT_EQ(clipboard.htmlFormat.substr(Header("StartHTML")),
              kDoctype + "<head>" + kFontStyle +
                  "</head><!--StartFragment-->a < b & c\r\nx > y<!--EndFragment-->");
}

TEST_F(CopySelection, ASourceEndingInTextKeepsItsLastCharacter) {
    files.addFile("/docs/notes.txt", "one\r\nabc");
    display->LoadPlainTextFile("/docs/notes.txt");
    SelectAll();
    display->CopySelection();
    EXPECT_EQ(clipboard.text, u"one\r\nabc");
    EXPECT_EQ(Fragment(), "one\r\nabc");
}

TEST_F(CopySelection, ThePagesCodePageBecomesUtf8AndItsMetaTagGoes) {
    // Windows-1251: C0 C1 are Cyrillic A and BE (U+0410, U+0411).
    Show("/docs/ru.htm",
         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">"
         "<p>\xC0\xC1</p>");
    SelectAll();
    display->CopySelection();
    EXPECT_EQ(clipboard.text, u"\u0410\u0411");
    EXPECT_EQ(Fragment(), "\xD0\x90\xD0\x91");
    EXPECT_EQ(clipboard.htmlFormat.find("<meta"), std::string::npos);
    EXPECT_EQ(clipboard.htmlFormat.find("charset"), std::string::npos);
}

TEST_F(CopySelection, TheDefaultFontGoesIntoTheStyle) {
    display->SetDefFontSize(9);
    display->SetDefFontName("Verdana");
    Show("/docs/page.htm", "<p>Hi</p>");
    SelectAll();
    display->CopySelection();
    EXPECT_NE(clipboard.htmlFormat.find(
                  "<head><style> body {font-size: 9pt; font-family: \"Verdana\"; }</style></head>"),
              std::string::npos);
}

TEST_F(CopySelection, WithoutASelectionTheClipboardIsNotTouched) {
    display->CopySelection();  // nothing shown
    Show("/docs/page.htm", "<p>A <img src=\"x.gif\" width=20 height=10> B</p>");
    display->CopySelection();
    Click(20, 20);  // a click empties the selection
    display->CopySelection();
    // The picture alone: a selection without a character.
    display->MouseDown(engine::MouseButton::left, {}, 26, 20);
    display->MouseMove({}, 46, 20);
    display->MouseUp(engine::MouseButton::left, {}, 46, 20);
    ASSERT_LT(display->SelStart(), display->SelEnd());
    display->CopySelection();
    EXPECT_TRUE(clipboard.calls.empty());

    // Nor without a clipboard.
    display->SetClipboard(nullptr);
    SelectAll();
    display->CopySelection();
    EXPECT_TRUE(clipboard.calls.empty());
}

}  // namespace
}  // namespace kelvor::testing
