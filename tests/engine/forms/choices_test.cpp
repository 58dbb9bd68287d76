#include <gtest/gtest.h>

#include "engine/forms/check_controls.h"
#include "engine/forms/list_controls.h"
#include "engine/forms/text_area_control.h"
#include "forms_fixture.h"

namespace kelvor::engine::testing {
namespace {

using Lines = std::vector<std::string>;

TEST_F(FormsTest, RadioButtonsWhoseNamesDifferOnlyInCaseAreOneGroup) {
    Read(
        "<form><input type=radio name=R value=a checked><input type=radio name=r value=b>"
        "<input type=radio name=other value=c checked><input type=submit></form>");
    Window(1).click();
    EXPECT_FALSE(Window(0).checked());
    EXPECT_TRUE(Window(1).checked());
    // Another group keeps its check.
    EXPECT_TRUE(Window(2).checked());
    // Only the checked button of a group is a tab stop.
    EXPECT_FALSE(Window(0).tabStop);
    EXPECT_TRUE(Window(1).tabStop);
    Window(3).click();
    EXPECT_EQ(LastResults(), (Lines{"r=b", "other=c"}));
}

TEST_F(FormsTest, ArrowKeysMoveTheCheckAlongTheGroupAndStopAtItsEnds) {
    Read(
        "<form><input type=radio name=g value=1 checked><input type=radio name=x value=9>"
        "<input type=radio name=G value=2><input type=radio name=g value=3></form>");
    // Right and Down go to the next button of the group (the one named x is not in it).
    EXPECT_TRUE(Window(0).press(FormKey::right));
    EXPECT_TRUE(Window(2).checked());
    EXPECT_FALSE(Window(0).checked());
    EXPECT_TRUE(Window(2).press(FormKey::down));
    EXPECT_TRUE(Window(3).checked());
    // At the end the check stays.
    EXPECT_TRUE(Window(3).press(FormKey::right));
    EXPECT_TRUE(Window(3).checked());
    // Left and Up go back.
    Window(3).press(FormKey::up);
    Window(2).press(FormKey::left);
    EXPECT_TRUE(Window(0).checked());
    Window(0).press(FormKey::left);
    EXPECT_TRUE(Window(0).checked());
    EXPECT_FALSE(Window(1).checked());
    // Other keys are the viewer's.
    EXPECT_FALSE(Window(0).press(FormKey::enter));
    EXPECT_FALSE(Window(0).press(FormKey::other));
}

TEST_F(FormsTest, SelectWithSizeAboveOneIsAListBoxOtherwiseADropDown) {
    Read(
        "<form><select name=a size=3><option>x<option>y</select>"
        "<select name=b><option>x</select>"
        "<select name=c multiple><option>x</select>"
        "<select name=d size=1><option>x</select></form>");
    EXPECT_EQ(Window(0).kind, PlatformControlKind::listBox);
    EXPECT_EQ(Window(1).kind, PlatformControlKind::comboBox);
    EXPECT_EQ(Window(2).kind, PlatformControlKind::listBox);
    EXPECT_TRUE(Window(2).multiSelect);
    EXPECT_EQ(Window(3).kind, PlatformControlKind::comboBox);
    EXPECT_EQ(Window(0).items, (std::vector<std::u16string>{u"x", u"y"}));
}

TEST_F(FormsTest, ListBoxSubmitsEachSelectedOptionsValue) {
    Read(
        "<form><select name=m multiple size=4><option value=1 selected>One<option>Two"
        "<option value=3 selected>Three<option value=\"\">Four</select>"
        "<select name=s size=3><option value=a>A<option value=b selected>B</select>"
        "<input type=reset><input type=submit></form>");
    Window(3).click();
    // An option without VALUE submits its text.
    EXPECT_EQ(LastResults(), (Lines{"m=1", "m=3", "s=b"}));
    Window(0).setItemSelected(0, false);
    Window(0).setItemSelected(1, true);
    Window(0).setItemSelected(3, true);
    Window(1).setCurrentItem(0);
    Window(3).click();
    EXPECT_EQ(LastResults(), (Lines{"m=Two", "m=3", "m=", "s=a"}));
    Window(2).click();  // reset
    Window(3).click();
    EXPECT_EQ(LastResults(), (Lines{"m=1", "m=3", "s=b"}));
}

TEST_F(FormsTest, DropDownSubmitsItsChoiceAndStartsAtTheFirstOption) {
    Read(
        "<form><select name=a><option value=1>One<option value=2>Two</select>"
        "<select name=b><option>X<option selected>Y</select>"
        "<select name=c></select><input type=submit></form>");
    Window(3).click();
    EXPECT_EQ(LastResults(), (Lines{"a=1", "b=Y"}));
    Window(0).setCurrentItem(1);
    Window(3).click();
    EXPECT_EQ(LastResults(), (Lines{"a=2", "b=Y"}));
}

TEST_F(FormsTest, TextAreaSubmitsItsTextWithCrLfLineEnds) {
    Read(
        "<form><textarea name=t cols=8>first line\r\nsecond</textarea>"
        "<textarea name=h cols=8 wrap=hard>first line\r\nsecond</textarea>"
        "<input type=submit></form>");
    EXPECT_EQ(Window(0).text(), u"first line\nsecond");
    Window(2).click();
    // WRAP=hard sends the lines as the area shows them, 8 characters wide.
    EXPECT_EQ(LastResults(), (Lines{"t=first line\r\nsecond", "h=first\r\nline\r\nsecond"}));
    EXPECT_EQ(ControlAs<TTextAreaFormControlObj>(0).wrap(), TextAreaWrap::soft);
    EXPECT_TRUE(Window(0).wordWrap);
}

TEST(TextAreaWrap, WrapValues) {
    EXPECT_EQ(TextAreaWrapFrom(false, ""), TextAreaWrap::soft);
    EXPECT_EQ(TextAreaWrapFrom(true, "OFF"), TextAreaWrap::off);
    EXPECT_EQ(TextAreaWrapFrom(true, "Physical"), TextAreaWrap::lineWise);
    EXPECT_EQ(TextAreaWrapFrom(true, "hard"), TextAreaWrap::lineWise);
    EXPECT_EQ(TextAreaWrapFrom(true, "virtual"), TextAreaWrap::soft);
    EXPECT_EQ(TextAreaWrapFrom(true, ""), TextAreaWrap::soft);
}

}  // namespace
}  // namespace kelvor::engine::testing
