// The text of a selection on real documents: sections by lines, the closing blank left out,
// CR LF after sections and paragraphs, marks of pictures and breaks never copied.
//
// Metrics (fixed font services, see the display fixture): 12 pt text is 8 pixels a character,
// lines 19 high; the page's left margin is 10. The first paragraph's line runs from y 14 to 33,
// the second, 14 pixels lower, from 47 to 66.

#include <string>

#include "../view/engine_display_fixture.h"

namespace kelvor::testing {
namespace {

class SelectionText : public EngineDisplayTest {
  protected:
    // The text of positions [start, end), as the control's selected text reads it.
    std::u16string Selected(int start, int end) {
        doc->setSelection(start, end);
        const int length = doc->selectedTextLength();
        return length > 0 ? doc->selectedText(length + 1) : std::u16string();
    }
};

// "Hello " is positions 0 to 5 (its closing blank at 5), "World " 6 to 11.
const char* const kTwoParagraphs = "<p>Hello</p><p>World</p>";

TEST_F(SelectionText, TwoParagraphsComeApartByCrLfAndAnEmptyLine) {
    Show("/docs/page.htm", kTwoParagraphs);
    // From the "H" to beside the end of the second line: the place after "World".
    display->MouseDown(engine::MouseButton::left, {}, 10, 20);
    display->MouseMove({}, 250, 55);
    display->MouseUp(engine::MouseButton::left, {}, 250, 55);
    ASSERT_EQ(display->SelStart(), 0);
    ASSERT_EQ(display->SelEnd(), 11);
    EXPECT_EQ(display->SelText(), u"Hello\r\n\r\nWorld");

    // The closing blank of the last paragraph is never part of the text, nor a line end after.
    EXPECT_EQ(Selected(0, 12), u"Hello\r\n\r\nWorld");
    // Parts of lines.
    EXPECT_EQ(Selected(1, 9), u"ello\r\n\r\nWor");
    EXPECT_EQ(Selected(7, 10), u"orl");
    // Starting on the first closing blank: only the line ends of its paragraph.
    EXPECT_EQ(Selected(5, 8), u"\r\n\r\nWo");
}

TEST_F(SelectionText, NothingIsSelectedWithoutARangeOrBeforeLayout) {
    Show("/docs/page.htm", kTwoParagraphs);
    EXPECT_EQ(Selected(-1, -1), u"");
    EXPECT_EQ(Selected(4, 4), u"");
    EXPECT_EQ(Selected(6, 2), u"");
    Click(20, 20);
    EXPECT_EQ(display->SelText(), u"");

    // A document read but not laid out has no lines to copy from.
    engine::EngineDocument unlaid(fonts);
    unlaid.clear({});
    unlaid.readHtml(kTwoParagraphs, {});
    unlaid.setSelection(0, 12);
    EXPECT_EQ(unlaid.selectedTextLength(), 0);
    EXPECT_EQ(unlaid.selectedText(20), u"");
}

TEST_F(SelectionText, APictureInTheSelectionCopiesNoCharacter) {
    // "A ", the picture's mark, " B" and the closing blank.
    Show("/docs/page.htm", "<p>A <img src=\"x.gif\" width=20 height=10> B</p>");
    ASSERT_EQ(doc->characterAt(2), 4);
    EXPECT_EQ(Selected(0, 6), u"A  B");
    EXPECT_EQ(doc->selectedTextLength(), 4);
    // The picture alone has no text at all.
    EXPECT_EQ(Selected(2, 3), u"");
    EXPECT_EQ(doc->selectedTextLength(), 0);
}

TEST_F(SelectionText, ALineBreakEndsALineOfTheText) {
    // The BR closes its section: "one " and "two ".
    Show("/docs/page.htm", "<p>one<br>two</p>");
    EXPECT_EQ(Selected(0, 8), u"one\r\ntwo");
}

TEST_F(SelectionText, TheTextHoldsNoPlaceOfABreakMark) {
    // A BR alone on its line keeps its mark ("\x08 "); it counts for the buffer, but the text
    // is exactly the characters copied.
    Show("/docs/page.htm", "<p>a<br><br>b</p>");
    ASSERT_EQ(doc->characterAt(2), 8);
    EXPECT_EQ(Selected(0, 6), u"a\r\n\r\nb");
    display->MouseDown(engine::MouseButton::left, {}, 10, 20);
    display->MouseMove({}, 250, 190);
    display->MouseUp(engine::MouseButton::left, {}, 250, 190);
    EXPECT_EQ(display->SelText(), u"a\r\n\r\nb");
}

TEST_F(SelectionText, TableCellsFollowEachOtherRowByRow) {
    Show("/docs/page.htm",
         "<table><tr><td>a</td><td>b</td></tr><tr><td>c</td><td>d</td></tr></table>");
    // "a " 0-1, "b " 2-3, "c " 4-5, "d " 6-7.
    EXPECT_EQ(Selected(0, 8), u"a\r\nb\r\nc\r\nd");
    EXPECT_EQ(Selected(2, 5), u"b\r\nc");
}

TEST_F(SelectionText, PlainTextLinesEndInOneCrLf) {
    files.addFile("/docs/notes.txt", "first line\r\nsecond\r\n");
    display->LoadPlainTextFile("/docs/notes.txt");
    // "first line " 0-10, "second " 11-17.
    ASSERT_EQ(doc->characterAt(11), u's');
    EXPECT_EQ(Selected(0, 18), u"first line\r\nsecond");
}

TEST_F(SelectionText, ASmallCapacityShortensTheText) {
    Show("/docs/page.htm", kTwoParagraphs);
    doc->setSelection(0, 12);
    EXPECT_EQ(doc->selectedText(4), u"Hel");
    EXPECT_EQ(doc->selectedText(1), u"");
    EXPECT_EQ(doc->selectedText(0), u"");
}

TEST_F(SelectionText, TheTextBetweenTwoSourceOffsets) {
    // "Hello" is source offsets 3 to 7, "World" 15 to 19.
    Show("/docs/page.htm", kTwoParagraphs);
    display->MouseDown(engine::MouseButton::left, {}, 18, 20);
    display->MouseMove({}, 34, 20);
    display->MouseUp(engine::MouseButton::left, {}, 34, 20);
    ASSERT_EQ(display->SelText(), u"el");

    EXPECT_EQ(display->TextBetween(3, 8), u"Hello");
    EXPECT_EQ(display->TextBetween(15, 17), u"Wo");
    EXPECT_EQ(display->TextBetween(3, 20), u"Hello\r\n\r\nWorld");
    // Offsets inside the markup take the text from the next character shown.
    EXPECT_EQ(display->TextBetween(0, 5), u"He");
    EXPECT_EQ(display->TextBetween(-1, 5), u"");
    EXPECT_EQ(display->TextBetween(5, 5), u"");
    EXPECT_EQ(display->TextBetween(8, 3), u"");
    // The user's selection is as it was.
    EXPECT_EQ(display->SelStart(), 1);
    EXPECT_EQ(display->SelEnd(), 3);
    EXPECT_EQ(display->SelText(), u"el");
}

}  // namespace
}  // namespace kelvor::testing
