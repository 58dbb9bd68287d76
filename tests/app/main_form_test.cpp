// The program's window on the offscreen platform, on the fake system with the shipped companion
// files: start-up on first activation, the menu as the window's table lays it out, the views,
// and the organizer's link reaching the mail program.
#include "app/main_form.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/screen_document.h"
#include "engine/view/view_fakes.h"
#include "fakes/fake_window.h"
#include "kelvor/installed_run.h"
#include "platform/qt/qt_font_services.h"
#include "qt_application.h"

namespace kelvor {
namespace {

using Box = std::pair<std::string, std::string>;
using testing::installed::kReport;
using testing::installed::kWorkingCopy;

const char* const kHelpPage = "/opt/kelvor/kelvorHelp.htm";

// The fake document, with each report line that holds a link read as a link line, so that the
// organizer's address can be clicked where the line lies.
class ReportDocument : public testing::FakeDocument {
  public:
    std::string htmlSource;  // as the control handed it over

    void readHtml(const std::string& source, const engine::ReadHooks& hooks) override {
        htmlSource = source;
        std::istringstream in(source);
        std::string lines;
        std::string line;
        while (std::getline(in, line)) {
            const std::size_t href = line.find("href=\"");
            if (href != std::string::npos) {
                const std::size_t start = href + 6;
                lines +=
                    "@link " + line.substr(start, line.find('"', start) - start) + " organizer\n";
            } else {
                lines += " " + line + "\n";
            }
        }
        FakeDocument::readHtml(lines, hooks);
    }
};

std::unique_ptr<engine::ViewDocument> MakeFakeDocument(ReportDocument*& document) {
    auto made = std::make_unique<ReportDocument>();
    document = made.get();
    return made;
}

struct Window {
    QApplication& application = testing::Application();
    testing::installed::Installed world;
    testing::FakeSaveDialog saveDialog;
    testing::FakePrintDialog printDialog;
    testing::FakeFontDialog fontDialog;
    testing::FakeUrlOpener urls;
    ReportDocument* document = nullptr;
    app::TForm1 form;

    // With the fake document, whose lines the tests can see, unless `shown` is given.
    explicit Window(const std::string& example = "invitation.ics",
                    std::unique_ptr<engine::ViewDocument> shown = nullptr)
        : form{{world.platform, saveDialog, printDialog, fontDialog, urls},
               shown ? std::move(shown) : MakeFakeDocument(document)} {
        world.files.addFile("/home/ann/mail/" + example,
                            testing::installed::SourceFile("examples/" + example));
        world.environment.args = {"/home/ann/mail/" + example};
    }

    // Shows the window and lets its events run until the start-up sequence has run.
    void open() {
        form.show();
        QElapsedTimer waiting;
        waiting.start();
        while (!form.started() && waiting.elapsed() < 5000) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        QApplication::processEvents();
    }

    engine::THtmlDisplay& control() { return form.HtmlDisplay1().control(); }

    void choose(const std::string& item) {
        QAction* action = form.menuAction(item);
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
        QApplication::processEvents();
    }

    // The log of the window's own run, which lies in the working folder it settled.
    std::vector<std::string> logMessages() const {
        std::vector<std::string> messages;
        std::istringstream in(world.files.content(form.state().folders.working + "/kelvor.log"));
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            messages.push_back(line.size() >= 6 ? line.substr(6) : line);
        }
        return messages;
    }

    int countLogLines(const std::string& message) const {
        int count = 0;
        for (const std::string& line : logMessages()) {
            count += line == message ? 1 : 0;
        }
        return count;
    }

    // Clicks the first link of the shown page, scrolled into view first.
    void clickFirstLink() {
        int line = -1;
        for (std::size_t i = 0; i < document->lines.size() && line < 0; ++i) {
            if (document->lines[i].linkId >= 0) {
                line = static_cast<int>(i);
            }
        }
        ASSERT_GE(line, 0) << "the page has no link";
        control().SetVerticalPosition(document->lines[line].top);
        const int y = document->lines[line].top - control().VerticalPosition() + 3;
        QTest::mouseClick(&form.HtmlDisplay1().panel(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(4, y));
        QApplication::processEvents();
    }
};

std::vector<std::string> Captions(const QList<QAction*>& actions) {
    std::vector<std::string> captions;
    for (const QAction* action : actions) {
        captions.push_back(action->text().toStdString());
    }
    return captions;
}

TEST(MainForm, IsSetUpAsItsDescriptionSays) {
    Window t;
    EXPECT_EQ(t.form.size(), QSize(748, 534));
    EXPECT_TRUE(t.form.windowTitle().isEmpty());
    EXPECT_EQ(t.control().BorderStyle(), engine::TDisplayBorderStyle::dbFocused);
    EXPECT_EQ(t.control().HistoryMaxCount(), 0);
    EXPECT_EQ(t.control().DefFontName(), "Times New Roman");
    EXPECT_EQ(t.control().DefPreFontName(), "Courier New");
    EXPECT_FALSE(t.control().NoSelect());
    EXPECT_EQ(t.control().PrintMarginLeft, 2.0);
    EXPECT_EQ(t.control().PrintMarginRight, 2.0);
    EXPECT_EQ(t.control().PrintMarginTop, 2.0);
    EXPECT_EQ(t.control().PrintMarginBottom, 2.0);
    EXPECT_EQ(t.control().PrintScale(), 1.0);
    EXPECT_FALSE(t.form.started());
}

TEST(MainForm, TheFirstActivationRunsTheStartUpOnceAndShowsTheReport) {
    Window t;
    t.open();
    ASSERT_TRUE(t.form.started());
    EXPECT_TRUE(t.form.completed());
    EXPECT_EQ(t.form.windowTitle().toStdString(), "KELVOR 2.50 input stream content ");
    EXPECT_EQ(t.control().CurrentFile(), kReport);
    EXPECT_EQ(t.control().CurrentFileMode(), engine::FileMode::html);
    EXPECT_EQ(t.document->htmlSource, t.world.files.content(kReport));
    EXPECT_EQ(t.document->htmlSource.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_TRUE(t.world.ui.boxes.empty());

    // The display fills the client area below the menu bar.
    const QRect display = t.form.HtmlDisplay1().geometry();
    EXPECT_EQ(display.left(), 0);
    EXPECT_EQ(display.width(), t.form.width());
    EXPECT_EQ(display.top(), t.form.menuBar()->geometry().bottom() + 1);
    EXPECT_EQ(display.bottom(), t.form.height() - 1);

    // Going away and coming back does not run the sequence again.
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&t.form, &deactivate);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&t.form, &activate);
    t.form.startupOnce();
    QApplication::processEvents();
    EXPECT_EQ(t.countLogLines("KELVOR file locations check:"), 1);
}

TEST(MainForm, WithoutInputTheStartUpTellsTheUserAndTheWindowStays) {
    Window t;
    t.world.environment.args.clear();
    t.open();
    EXPECT_TRUE(t.form.started());
    EXPECT_FALSE(t.form.completed());
    EXPECT_EQ(t.world.ui.boxes, (std::vector<Box>{{"trace", "No input file available"}}));
    EXPECT_TRUE(t.form.isVisible());
    EXPECT_TRUE(t.form.windowTitle().isEmpty());
}

TEST(MainForm, TheMenuBarHoldsTheMenusAndItemsInTheirOrder) {
    Window t;
    QMenuBar* bar = t.form.menuBar();
    EXPECT_EQ(Captions(bar->actions()), (std::vector<std::string>{"File", "Edit", "View", "Help"}));
    ASSERT_NE(bar->actions()[0]->menu(), nullptr);
    EXPECT_EQ(Captions(bar->actions()[0]->menu()->actions()),
              (std::vector<std::string>{"Save Event...", "Print Event...", "Exit",
                                        " -----------------------", "RSVP Yes", "RSVP No"}));
    EXPECT_EQ(Captions(bar->actions()[1]->menu()->actions()),
              (std::vector<std::string>{"Font size", "Copy"}));
    EXPECT_EQ(Captions(bar->actions()[2]->menu()->actions()),
              (std::vector<std::string>{"Event Report", "Source", "Log file", "Event Table"}));
    // "Help" is an entry of the bar itself, without a menu.
    EXPECT_EQ(bar->actions()[3]->menu(), nullptr);

    // The divider is an ordinary item, not a separator.
    QAction* divider = t.form.menuAction("N1");
    ASSERT_NE(divider, nullptr);
    EXPECT_FALSE(divider->isSeparator());
    EXPECT_TRUE(divider->isEnabled());

    QAction* no = t.form.menuAction("RSVPNo1");
    ASSERT_NE(no, nullptr);
    EXPECT_TRUE(no->font().bold());
    EXPECT_EQ(bar->actions()[0]->menu()->defaultAction(), no);
    EXPECT_FALSE(t.form.menuAction("RSVPYes1")->font().bold());

    QAction* table = t.form.menuAction("Table1");
    ASSERT_NE(table, nullptr);
    EXPECT_FALSE(table->isVisible());
    EXPECT_FALSE(table->isEnabled());
}

TEST(MainForm, SourceThenEventReportSwitchTheDisplay) {
    Window t;
    t.open();
    t.choose("Source1");
    EXPECT_EQ(t.control().CurrentFile(), kWorkingCopy);
    EXPECT_EQ(t.control().CurrentFileMode(), engine::FileMode::plainText);
    EXPECT_EQ(t.document->readKind, "text");
    t.choose("report1");
    EXPECT_EQ(t.control().CurrentFile(), kReport);
    EXPECT_EQ(t.control().CurrentFileMode(), engine::FileMode::html);
    EXPECT_EQ(t.document->readKind, "html");
    t.choose("Logfile1");
    EXPECT_EQ(t.control().CurrentFile(), "/work/tmp/kelvor/kelvor.log");
    EXPECT_TRUE(t.world.ui.boxes.empty());
}

TEST(MainForm, AClickOnTheHelpEntryOfTheMenuBarTogglesTheHelpPage) {
    Window t;
    t.open();
    QMenuBar* bar = t.form.menuBar();
    QAction* help = t.form.menuAction("Help1");
    ASSERT_NE(help, nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(help).center());
    QApplication::processEvents();
    EXPECT_EQ(t.control().CurrentFile(), kHelpPage);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(help).center());
    QApplication::processEvents();
    EXPECT_EQ(t.control().CurrentFile(), kReport);
}

TEST(MainForm, AClickOnTheOrganizersLinkHandsTheReplyToTheMailProgram) {
    Window t;
    t.open();
    t.clickFirstLink();
    EXPECT_EQ(t.urls.opened,
              (std::vector<std::string>{"mailto:sales@example.com"
                                        "?subject=Quarterly%20budget%20review"
                                        "&body=%20%20%20%20%20Enter%20any%20text%20for%20this%20"
                                        "message"}));
    // The click needs nothing more of the display: the report stays.
    EXPECT_EQ(t.control().CurrentFile(), kReport);
    EXPECT_TRUE(t.world.ui.boxes.empty());
}

// The window as the program builds it: the engine's document measured with the screen's fonts.
struct ReportWindow : Window {
    ReportWindow()
        : Window("invitation.ics", std::make_unique<app::ScreenDocument>(
                                       std::make_unique<platform::qt::QtFontServices>())) {}

    // The first point of the laid-out page (document coordinates) over a link whose target
    // holds this text.
    std::optional<QPoint> findLink(const std::string& text) {
        engine::ViewDocument& page = control().Document();
        for (int y = 0; y < control().DocumentHeight(); y += 2) {
            for (int x = 0; x < control().PanelWidth(); x += 2) {
                if (page.hitTest(x, y).url.find(text) != std::string::npos) {
                    return QPoint(x, y);
                }
            }
        }
        return std::nullopt;
    }

    void clickAt(QPoint inDocument) {
        control().SetVerticalPosition(std::max(0, inDocument.y() - 20));
        const QPoint inPanel(inDocument.x() - control().HorizontalPosition(),
                             inDocument.y() - control().VerticalPosition());
        QTest::mouseClick(&form.HtmlDisplay1().panel(), Qt::LeftButton, Qt::NoModifier, inPanel);
        QApplication::processEvents();
    }
};

TEST(MainFormOnTheReport, TheOrganizersLinkWhereTheReportShowsItReachesTheMailProgram) {
    ReportWindow t;
    t.open();
    const std::optional<QPoint> link = t.findLink("sales@example.com");
    ASSERT_TRUE(link.has_value()) << "the laid-out report shows no organizer link";
    t.clickAt(*link);
    EXPECT_EQ(t.urls.opened,
              (std::vector<std::string>{"mailto:sales@example.com"
                                        "?subject=Quarterly%20budget%20review"
                                        "&body=%20%20%20%20%20Enter%20any%20text%20for%20this%20"
                                        "message"}));
    EXPECT_EQ(t.control().CurrentFile(), kReport);
}

TEST(MainFormOnTheReport, TheSourceViewHasNoLinkAndTheReportGetsItBack) {
    ReportWindow t;
    t.open();
    t.choose("Source1");
    EXPECT_EQ(t.control().CurrentFileMode(), engine::FileMode::plainText);
    EXPECT_FALSE(t.findLink("sales@example.com").has_value());
    t.choose("report1");
    EXPECT_EQ(t.control().CurrentFile(), kReport);
    EXPECT_TRUE(t.findLink("sales@example.com").has_value());
}

TEST(MainForm, WithoutAMailProgramTheUserIsToldAndTheReportStays) {
    Window t;
    t.urls.accept = false;
    t.open();
    t.clickFirstLink();
    EXPECT_EQ(t.urls.opened.size(), 1u);
    EXPECT_EQ(t.world.ui.boxes,
              (std::vector<Box>{
                  {"Mail program not available", "No mail program is set up to send the reply"}}));
    EXPECT_EQ(t.countLogLines("No mail program is set up to send the reply"), 1);
    EXPECT_EQ(t.control().CurrentFile(), kReport);
    EXPECT_TRUE(t.form.isVisible());
}

TEST(MainForm, RsvpYesFromTheMenuSendsTheAttendingSentence) {
    Window t;
    t.open();
    t.choose("RSVPYes1");
    ASSERT_EQ(t.urls.opened.size(), 1u);
    const std::string& url = t.urls.opened[0];
    const std::string start =
        "mailto:sales@example.com?subject=Quarterly%20budget%20review"
        "&body=%20%20I%20will%20be%20attending%20this%20meeting%20on%20";
    const std::string end = "%20%20%20%20%20Enter%20any%20text%20for%20this%20message";
    EXPECT_EQ(url.substr(0, start.size()), start);
    ASSERT_GT(url.size(), start.size() + end.size());
    EXPECT_EQ(url.substr(url.size() - end.size()), end);
}

TEST(MainForm, AFontChosenFromTheMenuReloadsTheShownDocument) {
    Window t;
    t.open();
    const std::size_t reads = t.document->clears;
    t.fontDialog.choice = platform::FontChoice{16, "Verdana"};
    t.choose("Fontsize1");
    EXPECT_EQ(t.control().DefFontSize(), 16);
    EXPECT_EQ(t.control().DefFontName(), "Verdana");
    EXPECT_EQ(t.document->defaults.style.fontName, "Verdana");
    EXPECT_GT(static_cast<std::size_t>(t.document->clears), reads);
    EXPECT_EQ(t.control().CurrentFile(), kReport);
}

TEST(MainForm, AnErrorIsShownInAMessageBoxAndTheWindowStaysOpen) {
    Window t;
    t.open();
    t.world.files.remove(kReport);
    t.choose("report1");
    EXPECT_EQ(t.world.ui.boxes,
              (std::vector<Box>{{"Kelvor", std::string("Can't locate file: ") + kReport}}));
    EXPECT_TRUE(t.form.isVisible());
}

TEST(MainForm, TheDividerDoesNothingAndExitClosesTheWindow) {
    Window t;
    t.open();
    const std::size_t logLines = t.logMessages().size();
    t.choose("N1");
    EXPECT_EQ(t.control().CurrentFile(), kReport);
    EXPECT_TRUE(t.world.ui.boxes.empty());
    EXPECT_TRUE(t.urls.opened.empty());
    EXPECT_EQ(t.logMessages().size(), logLines);
    EXPECT_TRUE(t.form.isVisible());
    t.choose("Exit1");
    EXPECT_FALSE(t.form.isVisible());
}

}  // namespace
}  // namespace kelvor
