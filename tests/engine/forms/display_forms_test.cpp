// Forms through the display control: submissions reach OnFormSubmit only after the handling
// that made them, and image buttons are clicked with the mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/forms/button_control.h"
#include "engine/forms/form_field.h"
#include "engine/forms/memory_control.h"
#include "engine/view/engine_display_fixture.h"

namespace kelvor::testing {
namespace {

using Lines = std::vector<std::string>;

class DisplayForms : public EngineDisplayTest {
  protected:
    void Listen() {
        display->OnFormSubmit = [this](const engine::FormSubmission& submission) {
            submissions.push_back(submission);
        };
    }
    engine::TFormFieldObj& Control(std::size_t index) { return *doc->forms().controls().at(index); }
    std::vector<engine::FormSubmission> submissions;
};

TEST_F(DisplayForms, SubmissionIsDeliveredThroughThePost) {
    Listen();
    Show("/f.htm", "<form action=a.htm target=t><input name=q value=abc></form>");
    dynamic_cast<engine::MemoryControl&>(*Control(0).platformControl())
        .press(engine::FormKey::enter);
    EXPECT_TRUE(submissions.empty());
    host.runPosted();
    ASSERT_EQ(submissions.size(), 1u);
    EXPECT_EQ(submissions[0].action, "a.htm");
    EXPECT_EQ(submissions[0].target, "t");
    EXPECT_EQ(submissions[0].method, "Get");
    EXPECT_EQ(submissions[0].results, (Lines{"q=abc"}));
}

TEST_F(DisplayForms, WithoutOnFormSubmitNothingIsPosted) {
    Show("/f.htm", "<form><input name=q value=abc><input type=submit></form>");
    dynamic_cast<engine::TButtonFormControlObj&>(Control(1)).press();
    EXPECT_TRUE(host.posted.empty());
}

TEST_F(DisplayForms, ClickOnAnImageButtonSubmitsThePoint) {
    Listen();
    Show("/f.htm",
         "<form action=map.htm><input type=hidden name=h value=1>"
         "<input type=image name=pic src=p.gif width=40 height=30></form>");
    // The picture's line: 30 high on the baseline, so the line's text (19, descent 4) gets 15
    // above it; the picture's top is at the page's margin (5), its left at 10.
    Click(10 + 12, 5 + 7);
    host.runPosted();
    ASSERT_EQ(submissions.size(), 1u);
    EXPECT_EQ(submissions[0].action, "map.htm");
    EXPECT_EQ(submissions[0].results, (Lines{"h=1", "pic.x=12", "pic.y=7"}));
    // A click on the image is no link to follow.
    EXPECT_EQ(display->CurrentFile(), "/f.htm");
}

TEST_F(DisplayForms, AControlTakingTheFocusIsBroughtIntoView) {
    std::string page = "<form>";
    for (int i = 0; i < 40; ++i)
        page += "line<br>";
    page += "<input name=last></form>";
    Show("/f.htm", page);
    ASSERT_EQ(display->VerticalPosition(), 0);
    // The edit's top: below 40 lines of 19 from the margin of 5. Focused, it comes to the middle
    // of the panel (198 high), as far as the page lets the view go.
    const int top = Control(0).drawY;
    ASSERT_EQ(top, 5 + 40 * 19);
    Control(0).platformControl()->focused();
    EXPECT_EQ(display->VerticalPosition(),
              std::min(top - display->PanelHeight() / 2,
                       display->DocumentHeight() - display->PanelHeight()));
    EXPECT_GT(display->VerticalPosition(), 0);
}

}  // namespace
}  // namespace kelvor::testing
