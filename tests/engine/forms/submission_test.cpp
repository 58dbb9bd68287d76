#include <gtest/gtest.h>

#include "engine/forms/button_control.h"
#include "engine/forms/check_controls.h"
#include "engine/forms/edit_control.h"
#include "engine/forms/hidden_image_controls.h"
#include "forms_fixture.h"

namespace kelvor::engine::testing {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kSearchForm =
    "<form action=find.htm target=_top enctype=text/plain method=post>"
    "<input type=text name=q value=abc><input type=checkbox name=c value=yes>"
    "<input type=submit name=go value=Go></form>";

TEST_F(FormsTest, SubmitButtonSendsTheLinesInOrderAndItsOwnLast) {
    Read(kSearchForm);
    ASSERT_EQ(Controls().size(), 3u);
    ControlAs<TButtonFormControlObj>(2).press();
    ASSERT_EQ(submissions.size(), 1u);
    EXPECT_EQ(submissions[0].results, (Lines{"q=abc", "go=Go"}));
    EXPECT_EQ(submissions[0].action, "find.htm");
    EXPECT_EQ(submissions[0].target, "_top");
    EXPECT_EQ(submissions[0].encType, "text/plain");
    EXPECT_EQ(submissions[0].method, "post");

    // Checked, the box adds its line between the field's and the button's.
    Window(1).click();
    Window(2).click();
    EXPECT_EQ(LastResults(), (Lines{"q=abc", "c=yes", "go=Go"}));
}

TEST_F(FormsTest, EnterInTheTextFieldSubmitsWithoutAButtonLine) {
    Read(kSearchForm);
    EXPECT_TRUE(Window(0).press(FormKey::enter));
    EXPECT_EQ(LastResults(), (Lines{"q=abc"}));
    // Other keys are the edit's own.
    EXPECT_FALSE(Window(0).press(FormKey::left));
    EXPECT_EQ(submissions.size(), 1u);
}

TEST_F(FormsTest, TypedTextIsSubmittedAndResetBringsBackThePagesValues) {
    Read(
        "<form><input name=q value=abc><input type=checkbox name=c checked>"
        "<input type=radio name=r value=1 checked><input type=radio name=r value=2>"
        "<textarea name=t>one</textarea><input type=reset><input type=submit></form>");
    Window(0).type(u"def");
    Window(1).click();  // unchecks the box
    Window(3).click();  // the second radio button
    Window(4).setText(u"two");
    Window(6).click();
    EXPECT_EQ(LastResults(), (Lines{"q=abcdef", "r=2", "t=two"}));

    Window(5).click();  // reset
    EXPECT_EQ(Window(0).text(), u"abc");
    EXPECT_TRUE(Window(1).checked());
    EXPECT_TRUE(Window(2).checked());
    EXPECT_FALSE(Window(3).checked());
    EXPECT_EQ(Window(4).text(), u"one");
    Window(6).click();
    EXPECT_EQ(LastResults(), (Lines{"q=abc", "c=", "r=1", "t=one"}));
}

TEST_F(FormsTest, DisabledControlsGiveNoLinesAndHiddenOnesAlwaysDo) {
    Read(
        "<form><input type=hidden name=h value=secret><input name=a value=1 disabled>"
        "<input name=b value=2><input type=submit disabled name=s value=S>"
        "<input type=submit></form>");
    // The hidden field has no window and no place in the text.
    EXPECT_FALSE(Control(0).visible());
    EXPECT_EQ(Control(0).platformControl(), nullptr);
    EXPECT_EQ(Form(0).visibleCount(), 4);
    EXPECT_FALSE(Window(0).enabled);
    // A disabled button does nothing.
    ControlAs<TButtonFormControlObj>(3).press();
    EXPECT_TRUE(submissions.empty());
    ControlAs<TButtonFormControlObj>(4).press();
    EXPECT_EQ(LastResults(), (Lines{"h=secret", "b=2"}));
}

TEST_F(FormsTest, WithoutASubmitHandlerNothingIsSubmitted) {
    Read(kSearchForm, false);
    ControlAs<TButtonFormControlObj>(2).press();
    Window(0).press(FormKey::enter);
    EXPECT_TRUE(submissions.empty());
}

TEST_F(FormsTest, ControlsWithoutANameGiveLinesThatBeginWithEquals) {
    Read("<form><input value=x><input type=submit value=Send></form>");
    Window(1).click();
    // The nameless button adds no line of its own.
    EXPECT_EQ(LastResults(), (Lines{"=x"}));
}

TEST_F(FormsTest, FormMethodDefaultsToGetAndKeepsAtMostFourCharacters) {
    Read("<form><input type=submit></form><form method=postal><input type=submit></form>");
    EXPECT_EQ(Form(0).method(), "Get");
    EXPECT_EQ(Form(1).method(), "post");
    // Each form submits only its own controls.
    Window(1).click();
    EXPECT_EQ(submissions.at(0).method, "post");
}

TEST_F(FormsTest, UnknownTypesGiveEditBoxesAndTypesCountByTheirFirst20Characters) {
    Read(
        "<form><input type=colour name=a value=1><input type=CHECKBOX name=b>"
        "<input type=checkboxcheckboxcheckbox name=c><input type=Password name=d></form>");
    EXPECT_NE(dynamic_cast<TEditFormControlObj*>(&Control(0)), nullptr);
    EXPECT_EQ(Window(0).kind, PlatformControlKind::edit);
    EXPECT_NE(dynamic_cast<TCheckBoxFormControlObj*>(&Control(1)), nullptr);
    // "checkboxcheckboxchec" is no type: an edit.
    EXPECT_EQ(Window(2).kind, PlatformControlKind::edit);
    EXPECT_EQ(Window(3).kind, PlatformControlKind::password);
}

TEST_F(FormsTest, ImageButtonSubmitsTheClickedPointOnce) {
    Read(
        "<form><input name=q value=v><input type=image name=map src=m.gif width=50 height=40>"
        "<input type=image src=n.gif width=20 height=20></form>");
    ASSERT_EQ(Controls().size(), 3u);
    auto& named = ControlAs<TImageFormControlObj>(1);
    named.click(12, 7);
    EXPECT_EQ(LastResults(), (Lines{"q=v", "map.x=12", "map.y=7"}));
    // Forgotten after the submission: Enter in the edit sends no coordinates.
    Window(0).press(FormKey::enter);
    EXPECT_EQ(LastResults(), (Lines{"q=v"}));
    ControlAs<TImageFormControlObj>(2).click(3, 4);
    EXPECT_EQ(LastResults(), (Lines{"q=v", "x=3", "y=4"}));
}

TEST_F(FormsTest, FileInputIsAnEditWithABrowseButton) {
    Read("<form><input type=file name=f value=preset size=10><input type=submit></form>");
    ASSERT_EQ(Controls().size(), 3u);
    auto& edit = ControlAs<TEditFormControlObj>(0);
    auto& browse = ControlAs<TButtonFormControlObj>(1);
    EXPECT_EQ(edit.text(), u"");
    EXPECT_EQ(browse.role(), TButtonFormControlObj::Role::browse);
    Window(0).type(u"a.txt");
    browse.press();
    EXPECT_EQ(browsed, (Lines{"a.txt"}));
    EXPECT_EQ(edit.text(), u"C:\\chosen.txt");
    Window(2).click();
    EXPECT_EQ(LastResults(), (Lines{"f=C:\\chosen.txt"}));
}

TEST_F(FormsTest, ControlsOutsideAFormShareAFormWithoutAnAction) {
    Read("<input name=a value=1><p><input name=b value=2><input type=submit>");
    ASSERT_EQ(doc.forms().forms().size(), 1u);
    Window(2).click();
    ASSERT_EQ(submissions.size(), 1u);
    EXPECT_EQ(submissions[0].action, "");
    EXPECT_EQ(submissions[0].results, (Lines{"a=1", "b=2"}));
}

TEST_F(FormsTest, ValuesAreReadInTheirCodePageAndSubmittedAsTheyAre) {
    Read("<form><input name=n value=\"caf\xE9 &amp; co\"><input type=submit></form>");
    EXPECT_EQ(Window(0).text(), u"caf\u00E9 & co");
    Window(1).click();
    // No encoding of the value: the handler gets the text itself (UTF-8).
    EXPECT_EQ(LastResults(), (Lines{"n=caf\xC3\xA9 & co"}));
}

}  // namespace
}  // namespace kelvor::engine::testing
