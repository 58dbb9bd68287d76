// "Copy" in the program's window on the engine's own document: a selection of the report the
// start-up wrote reaches the clipboard as text and as an "HTML Format" block.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "engine/view/engine_document.h"
#include "fakes/fake_window.h"
#include "fakes/platform/recording_clipboard.h"
#include "kelvor/installed_run.h"
#include "platform/fixed/fixed_font_services.h"
#include "qt_application.h"

namespace kelvor {
namespace {

struct ReportWindow {
    QApplication& application = testing::Application();
    testing::installed::Installed world;
    testing::FakeSaveDialog saveDialog;
    testing::FakePrintDialog printDialog;
    testing::FakeFontDialog fontDialog;
    testing::FakeUrlOpener urls;
    testing::RecordingClipboard clipboard;
    platform::fixed::FixedFontServices fonts;
    engine::EngineDocument* document = new engine::EngineDocument(fonts);
    app::TForm1 form{{world.platform, saveDialog, printDialog, fontDialog, urls, &clipboard},
                     std::unique_ptr<engine::ViewDocument>(document)};

    ReportWindow() {
        world.files.addFile("/home/ann/mail/invitation.ics",
                            testing::installed::SourceFile("examples/invitation.ics"));
        world.environment.args = {"/home/ann/mail/invitation.ics"};
        form.show();
        QElapsedTimer waiting;
        waiting.start();
        while (!form.started() && waiting.elapsed() < 5000) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        QApplication::processEvents();
    }

    engine::THtmlDisplay& control() { return form.HtmlDisplay1().control(); }

    // The position of the first character of `text` in the shown page; -1 when it is not there.
    int find(const std::u16string& text) const {
        std::u16string shown;
        for (int position = 0; document->characterAt(position) != 0; ++position) {
            shown += document->characterAt(position);
        }
        const std::size_t at = shown.find(text);
        return at == std::u16string::npos ? -1 : static_cast<int>(at);
    }

    void copy() {
        QAction* action = form.menuAction("Copy1");
        ASSERT_NE(action, nullptr);
        action->trigger();
        QApplication::processEvents();
    }
};

std::size_t HeaderNumber(const std::string& block, const std::string& name) {
    const std::size_t at = block.find("\r\n" + name + ":");
    return at == std::string::npos
               ? 0
               : std::strtoul(block.c_str() + at + name.size() + 3, nullptr, 10);
}

TEST(CopyReport, WithoutASelectionCopyLeavesTheClipboardAlone) {
    ReportWindow t;
    ASSERT_TRUE(t.form.completed());
    t.copy();
    EXPECT_TRUE(t.clipboard.calls.empty());
}

TEST(CopyReport, ASelectionOfTheReportGivesItsHeadingStyleAndRowsUpToTheSelectionsEnd) {
    ReportWindow t;
    ASSERT_TRUE(t.form.completed());
    engine::THtmlDisplay& control = t.control();
    const std::u16string summary = u"Quarterly budget review";
    const int first = t.find(summary);
    ASSERT_GT(first, 0);
    const std::optional<int> top = t.document->objectTop(first);
    ASSERT_TRUE(top.has_value());
    const int y = *top + 2 - control.VerticalPosition();
    ASSERT_LT(y, control.PanelHeight());

    // From above the first line (its first character) to beside the end of the summary, in
    // the value column.
    control.MouseDown(engine::MouseButton::left, {}, 0, 0);
    control.MouseMove({}, control.PanelWidth() - 20, y);
    control.MouseUp(engine::MouseButton::left, {}, control.PanelWidth() - 20, y);
    ASSERT_EQ(control.SelStart(), 0);
    ASSERT_EQ(control.SelEnd(), first + static_cast<int>(summary.size()));
    t.copy();

    EXPECT_EQ(t.clipboard.calls, (std::vector<std::string>{"text", "html"}));
    const std::u16string& text = t.clipboard.text;
    ASSERT_GE(text.size(), summary.size());
    EXPECT_EQ(text.substr(text.size() - summary.size() - 9), u"Summary\r\n" + summary);
    EXPECT_EQ(text.substr(0, 15), u"KELVOR Report\r\n");
    EXPECT_NE(text.find(u"Event\r\nMeeting"), std::u16string::npos);
    EXPECT_EQ(text.find(u"Description"), std::u16string::npos);

    const std::string& block = t.clipboard.htmlFormat;
    const std::string html = block.substr(HeaderNumber(block, "StartHTML"));
    // The report is UTF-8 (it begins with the byte order mark, which stays as read).
    const std::string style = "<style> body {font-size: " + std::to_string(control.DefFontSize()) +
                              "pt; font-family: \"" + control.DefFontName() + "\"; }</style>";
    EXPECT_EQ(html.substr(0, 64 + 3 + 6),
              "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"
              "\xEF\xBB\xBF<html>");
    // The heading is the first text shown: the fragment starts there.
    EXPECT_EQ(html.substr(64 + 3 + 6, style.size() + 72),
              style + "<head><title><h4><!--StartFragment-->KELVOR Report</h4></title>\r\n</head>");
    // The report's own style block follows, then the rows.
    const std::size_t sheet = html.find("<style>\r\nbody {");
    ASSERT_NE(sheet, std::string::npos);
    EXPECT_LT(html.find(style), sheet);
    EXPECT_LT(sheet, html.find("Event</td>"));
    EXPECT_EQ(html.find("Description"), std::string::npos);
    const std::string ending =
        "<td width=\"30%\">Summary</td><td width=\"70%\">Quarterly budget "
        "review<!--EndFragment-->";
    ASSERT_GE(html.size(), ending.size());
    EXPECT_EQ(html.substr(html.size() - ending.size()), ending);
    const std::size_t start = HeaderNumber(block, "StartFragment");
    EXPECT_EQ(block.substr(start - 20, 33), "<!--StartFragment-->KELVOR Report");
    EXPECT_EQ(block.substr(HeaderNumber(block, "EndFragment")), "<!--EndFragment-->");
    EXPECT_EQ(HeaderNumber(block, "EndHTML"), block.size());
    EXPECT_NE(block.find("\r\nSourceURL:file://" + control.CurrentFile() + "\r\n"),
              std::string::npos);
}

}  // namespace
}  // namespace kelvor
