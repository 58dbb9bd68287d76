#include <gtest/gtest.h>

#include "engine/document/section.h"
#include "engine/forms/edit_control.h"
#include "engine/paint/paint_context.h"
#include "forms_fixture.h"
#include "platform/fixed/recording_canvas.h"

namespace kelvor::engine::testing {
namespace {

TEST(EditSize, SizeRules) {
    EXPECT_EQ(EditSizeCharacters(false, "", 0), 15);
    EXPECT_EQ(EditSizeCharacters(true, "30", 30), 30);
    // The number before the first "," or " " counts.
    EXPECT_EQ(EditSizeCharacters(true, "5,3", 0), 5);
    EXPECT_EQ(EditSizeCharacters(true, "7 2", 7), 7);
    // A first part that is no number counts as 20, and so does a value that is none.
    EXPECT_EQ(EditSizeCharacters(true, "x,3", 0), 20);
    EXPECT_EQ(EditSizeCharacters(true, ",3", 0), 20);
    EXPECT_EQ(EditSizeCharacters(true, "x", 0), 20);
    EXPECT_EQ(EditSizeCharacters(true, "", 0), 20);
    // Zero or less still shows a character.
    EXPECT_EQ(EditSizeCharacters(true, "0", 0), 1);
}

// Controls are set in 10 pt Arial (text areas in 10 pt Courier New): on the fixed fonts an em of
// 13, characters 6 wide, a cell 15 high with an ascent of 12. An edit is SIZE characters plus 8
// for its frame, and 15 + 8 = 23 high; a check box is 13 square.
TEST_F(FormsTest, EditSizesFollowSizeInCharacters) {
    Read("<input size=\"5,3\"><input size=x><input><input size=\"x,3\">");
    Layout();
    EXPECT_EQ(Control(0).width(), 5 * 6 + 8);
    EXPECT_EQ(Control(0).height(), 23);
    EXPECT_EQ(Control(1).width(), 20 * 6 + 8);
    EXPECT_EQ(Control(2).width(), 15 * 6 + 8);
    EXPECT_EQ(Control(3).width(), 20 * 6 + 8);
}

TEST_F(FormsTest, ControlsTakeTheirPlaceInTheLineLikeCharacters) {
    Read("ab<input size=5>cd<input type=checkbox>e");
    Layout();
    // The section: "ab" (12 pt text, 8 a character), the edit (38 wide), "cd", the box (13),
    // "e". The edit is taller than the text (23 against 19), so the line is 23 high from y 5,
    // and the edit, aligned at the bottom, fills it. The box's bottom sits on the line's bottom
    // (5 + 23), moved 1 down.
    const TFormFieldObj& edit = Control(0);
    EXPECT_EQ(edit.drawX, 10 + 16);
    EXPECT_EQ(edit.drawY, 5);
    const TFormFieldObj& box = Control(1);
    EXPECT_EQ(box.drawX, 10 + 16 + 38 + 16);
    EXPECT_EQ(box.drawY, 5 + 23 - 13 + 1);

    // The windows go where layout put them, less the scroll offsets.
    EXPECT_TRUE(Window(0).shown);
    EXPECT_EQ(Window(0).left, 26);
    EXPECT_EQ(Window(0).top, 5);
    EXPECT_EQ(Window(0).width, 38);
    EXPECT_EQ(Window(0).height, 23);
    doc.setOffset(0, 20);
    EXPECT_EQ(Window(0).top, -15);
    EXPECT_EQ(Window(1).top, 5 + 23 - 13 + 1 - 20);
    // Scrolled out of the view, a window is hidden.
    doc.setOffset(0, 40);
    EXPECT_FALSE(Window(0).shown);
}

TEST_F(FormsTest, WindowsStayOffScreenUntilLaidOut) {
    Read("<input><select><option>a</select>");
    EXPECT_FALSE(Window(0).shown);
    EXPECT_FALSE(Window(1).shown);
    // The element's font goes to the window.
    EXPECT_EQ(Window(0).look.fontName, "Arial");
    EXPECT_EQ(Window(0).look.fontHeight, -13);
}

TEST_F(FormsTest, PercentageWidthIsTakenOfTheSectionsWidthAndAtLeastTen) {
    Read("<input style=\"width:50%\"><input style=\"width:1%\"><input style=\"width:60px\">");
    Layout(400);
    // The section is 400 less the margins of 10 on both sides: 380 wide.
    EXPECT_EQ(Control(0).width(), 190);
    EXPECT_EQ(Control(1).width(), 10);
    EXPECT_EQ(Control(2).width(), 60);
    Layout(200);
    EXPECT_EQ(Control(0).width(), 90);
}

TEST_F(FormsTest, VerticalAlignFromTheStylePlacesTheControl) {
    Read("a<input type=checkbox style=\"vertical-align:top\">");
    Layout();
    // Top: the line's top (5) plus the control's space above (0), and 1 down for a check box.
    EXPECT_EQ(Control(0).drawY, 5 + 1);
}

TEST_F(FormsTest, HiddenControlsHaveNoMarkInTheText) {
    Read("a<input type=hidden name=h>b<input>c");
    const auto* section =
        dynamic_cast<const TSection*>(doc.model().body()->cell().items.at(0).get());
    ASSERT_NE(section, nullptr);
    EXPECT_EQ(section->text, std::u16string(u"ab\2c "));
}

TEST_F(FormsTest, PrintedControlsDrawThemselves) {
    Read("<input value=Hi size=4><input type=checkbox checked>");
    Layout();
    platform::fixed::RecordingCanvas canvas;
    PaintContext context(canvas, doc.model(), platform::Rect{0, 0, 400, 300});
    context.printing = true;
    doc.model().TFlowCell::paint(context, {});
    using Call = platform::fixed::RecordingCanvas::Call;
    bool text = false;
    int frames = 0;
    int lines = 0;
    for (const auto& call : canvas.calls) {
        if (call.call == Call::text && call.text == u"Hi") {
            text = true;
            // Inside the edit's frame: 4 from its left, baseline at 4 + ascent 12 below its top.
            EXPECT_EQ(call.x, Control(0).drawX + 4);
            EXPECT_EQ(call.y, Control(0).drawY + 4 + 12);
        }
        if (call.call == Call::frameRect)
            ++frames;
        if (call.call == Call::line)
            ++lines;
    }
    EXPECT_TRUE(text);
    EXPECT_EQ(frames, 2);
    EXPECT_EQ(lines, 2);  // the check mark
}

}  // namespace
}  // namespace kelvor::engine::testing
