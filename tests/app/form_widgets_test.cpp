// A page with a form in the display's Qt window on the offscreen platform: its controls are
// real widgets at their laid-out places, and what the user types and clicks reaches the form
// event.
#include "app/form_widgets.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/display_widget.h"
#include "engine/forms/form_field.h"
#include "engine/view/engine_document.h"
#include "fakes/platform/fake_platform.h"
#include "platform/fixed/fixed_font_services.h"
#include "qt_application.h"

namespace kelvor {
namespace {

using testing::Application;

template <typename T>
std::vector<T*> Widgets(QWidget& panel) {
    const QList<T*> found = panel.findChildren<T*>(QString(), Qt::FindDirectChildrenOnly);
    return std::vector<T*>(found.begin(), found.end());
}

class FormWindow : public ::testing::Test {
  protected:
    void Show(const std::string& page) {
        Application();
        files.addFile("/docs/form.htm", page);
        widget = std::make_unique<app::DisplayWidget>(
            std::make_unique<engine::EngineDocument>(fonts), files);
        widget->control().OnFormSubmit = [this](const engine::FormSubmission& submission) {
            submissions.push_back(submission);
        };
        widget->resize(400, 300);
        widget->show();
        QApplication::processEvents();
        widget->control().LoadHtmlFile("/docs/form.htm");
        QApplication::processEvents();
    }

    platform::fixed::FixedFontServices fonts;
    testing::FakeFileSystem files;
    std::unique_ptr<app::DisplayWidget> widget;
    std::vector<engine::FormSubmission> submissions;
};

TEST_F(FormWindow, ControlsAreWidgetsAtTheirPlacesAndSubmitWhatWasTyped) {
    Show(
        "<form action=go.htm method=post><input name=q size=5><input type=submit name=go "
        "value=Go></form>");
    QWidget& panel = widget->panel();
    const std::vector<QLineEdit*> edits = Widgets<QLineEdit>(panel);
    const std::vector<QPushButton*> buttons = Widgets<QPushButton>(panel);
    ASSERT_EQ(edits.size(), 1u);
    ASSERT_EQ(buttons.size(), 1u);
    QLineEdit& edit = *edits[0];
    QPushButton& button = *buttons[0];
    EXPECT_TRUE(edit.isVisible());
    EXPECT_TRUE(button.isVisible());
    // Controls are in 10 pt (characters 6 wide, cell 15): the edit is 5 characters plus its
    // frame of 8, 38 x 23, at the page's margins (10, 5); the button follows it in the line,
    // its caption "Go" (12) plus 16 wide.
    EXPECT_EQ(edit.geometry(), QRect(10, 5, 38, 23));
    EXPECT_EQ(button.geometry(), QRect(48, 5, 28, 23));
    EXPECT_EQ(button.text(), QString("Go"));

    QTest::keyClicks(&edit, "abc");
    QTest::mouseClick(&button, Qt::LeftButton);
    // The event comes once the click's handling is over.
    EXPECT_TRUE(submissions.empty());
    QApplication::processEvents();
    ASSERT_EQ(submissions.size(), 1u);
    EXPECT_EQ(submissions[0].action, "go.htm");
    EXPECT_EQ(submissions[0].method, "post");
    EXPECT_EQ(submissions[0].results, (std::vector<std::string>{"q=abc", "go=Go"}));

    // Enter in the edit sends it without the button's line.
    QTest::keyClick(&edit, Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_EQ(submissions.size(), 2u);
    EXPECT_EQ(submissions[1].results, (std::vector<std::string>{"q=abc"}));
}

TEST_F(FormWindow, RadioWidgetsFollowTheirFormsGroupsNotTheirParent) {
    Show(
        "<form><input type=radio name=R value=1 checked><input type=radio name=r value=2>"
        "<input type=radio name=other value=3 checked></form>");
    const std::vector<QRadioButton*> radios = Widgets<QRadioButton>(widget->panel());
    ASSERT_EQ(radios.size(), 3u);
    QTest::mouseClick(radios[1], Qt::LeftButton);
    EXPECT_FALSE(radios[0]->isChecked());
    EXPECT_TRUE(radios[1]->isChecked());
    EXPECT_TRUE(radios[2]->isChecked());
    // The arrow keys move the check along the group.
    QTest::keyClick(radios[1], Qt::Key_Left);
    EXPECT_TRUE(radios[0]->isChecked());
    EXPECT_FALSE(radios[1]->isChecked());
}

TEST_F(FormWindow, WidgetsMoveWithTheScrolledPage) {
    std::string page = "<form>";
    for (int i = 0; i < 40; ++i)
        page += "line<br>";
    page += "<input name=last></form>";
    Show(page);
    QLineEdit& edit = *Widgets<QLineEdit>(widget->panel()).at(0);
    // Below 40 lines of 19 from the margin of 5: out of the 300-pixel window, not shown.
    auto& document = dynamic_cast<engine::EngineDocument&>(widget->control().Document());
    const int top = document.forms().controls().at(0)->drawY;
    EXPECT_EQ(top, 5 + 40 * 19);
    EXPECT_FALSE(edit.isVisible());
    // At the end of the page the widget shows, moved up by the scroll position.
    widget->control().VerticalScroll(engine::ScrollCode::bottom);
    QApplication::processEvents();
    const int position = widget->control().VerticalPosition();
    ASSERT_GT(position, 0);
    EXPECT_TRUE(edit.isVisible());
    EXPECT_EQ(edit.geometry().top(), top - position);
    // A small step scrolls the pixels; the widget goes where the page puts it, not twice as far.
    widget->control().VerticalScroll(engine::ScrollCode::lineUp);
    QApplication::processEvents();
    EXPECT_EQ(widget->control().VerticalPosition(), position - engine::THtmlDisplay::kSmallChange);
    EXPECT_EQ(edit.geometry().top(), top - position + engine::THtmlDisplay::kSmallChange);
}

TEST_F(FormWindow, TabGoesByTabIndexThenInPageOrder) {
    Show(
        "<form><input name=a><input name=b tabindex=2><input name=c><input name=d tabindex=1>"
        "</form>");
    const std::vector<QLineEdit*> edits = Widgets<QLineEdit>(widget->panel());
    ASSERT_EQ(edits.size(), 4u);
    // d (1), b (2), then a and c as they come.
    EXPECT_EQ(edits[3]->nextInFocusChain(), edits[1]);
    EXPECT_EQ(edits[1]->nextInFocusChain(), edits[0]);
    EXPECT_EQ(edits[0]->nextInFocusChain(), edits[2]);
}

}  // namespace
}  // namespace kelvor
