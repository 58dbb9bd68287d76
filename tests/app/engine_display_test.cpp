// The window's commands on the engine's display control: what the user sees after each one.
#include "app/engine_display.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/view/view_fakes.h"
#include "fakes/fake_window.h"
#include "fakes/platform/fake_platform.h"
#include "fakes/platform/recording_clipboard.h"
#include "kelvor/kelvor_state.h"
#include "kelvor/window_commands.h"

namespace kelvor {
namespace {

using Box = std::pair<std::string, std::string>;

const char* const kReport = "/work/tmp/kelvor.htm";
const char* const kHelp = "/opt/kelvor/kelvorHelp.htm";
const char* const kLog = "/work/tmp/kelvor.log";

struct EngineWindow {
    testing::FakeEnvironment environment;
    testing::FakeFileSystem files;
    testing::FakeRegistry registry;
    testing::FakeClock clock;
    testing::FakeTimeZone timeZone;
    testing::FakeUserInterface ui;
    platform::Platform platform{environment, files, registry, clock, timeZone, ui};
    testing::FakeHost host;
    testing::FakeDocument* doc = new testing::FakeDocument;
    engine::THtmlDisplay control{host, std::unique_ptr<engine::ViewDocument>(doc), files};
    app::EngineDisplay display{control};
    KelvorState state{platform, display};
    testing::FakeSaveDialog saveDialog;
    testing::FakePrintDialog printDialog;
    testing::FakeFontDialog fontDialog;
    testing::RecordingWindow window;
    testing::RecordingHandOver mail;
    WindowCommands commands{state, {window, saveDialog, printDialog, fontDialog, mail}};

    EngineWindow() {
        files.addFolder("/opt/kelvor");
        files.addFolder("/work/tmp");
        state.folders.working = "/work/tmp";
        state.folders.program = "/opt/kelvor";
        files.addFile(kReport, "@title Report\nThe event\n");
        files.addFile(kLog, "09:05 Start\n");
        control.SetSize(732, 475);
        display.LoadHtmlFile(kReport);
    }
};

TEST(EngineDisplay, AMissingHelpPageIsReportedAndTheReportStays) {
    EngineWindow t;
    t.commands.Helpclick();
    EXPECT_EQ(t.ui.boxes,
              (std::vector<Box>{{"Kelvor", std::string("Can't locate file: ") + kHelp}}));
    EXPECT_EQ(t.control.CurrentFile(), kReport);
    EXPECT_EQ(t.control.DocumentTitle(), "Report");
    ASSERT_FALSE(t.doc->lines.empty());
    EXPECT_EQ(t.doc->lines[0].text, u"The event");
}

TEST(EngineDisplay, TheMissingFileErrorIsTheCoresOwn) {
    EngineWindow t;
    try {
        t.display.LoadPlainTextFile("/work/tmp/kelvor.ics");
        FAIL() << "no error";
    } catch (const MissingFileError& error) {
        EXPECT_STREQ(error.what(), "Can't locate file: /work/tmp/kelvor.ics");
    }
}

TEST(EngineDisplay, AViewCommandClearsTheControlAndShowsItsFile) {
    EngineWindow t;
    t.commands.Logfile1Click();
    EXPECT_EQ(t.control.CurrentFile(), kLog);
    EXPECT_EQ(t.control.CurrentFileMode(), engine::FileMode::plainText);
    EXPECT_EQ(t.doc->readKind, "text");
    // The log gone: the display is left empty, as it was cleared first.
    t.files.remove(kLog);
    t.commands.Logfile1Click();
    EXPECT_TRUE(t.doc->lines.empty());
    EXPECT_EQ(t.ui.boxes.size(), 1u);
}

TEST(EngineDisplay, AFontChangeReloadsTheShownDocumentInTheNewFont) {
    EngineWindow t;
    t.fontDialog.choice = platform::FontChoice{16, "Verdana"};
    t.commands.Fontsize1Click();
    EXPECT_EQ(t.control.DefFontSize(), 16);
    EXPECT_EQ(t.doc->defaults.style.fontName, "Verdana");
    EXPECT_EQ(t.doc->defaults.style.fontSize, 16);
    EXPECT_EQ(t.control.CurrentFile(), kReport);
}

TEST(EngineDisplay, CopyPutsOnlyASelectionOnTheClipboard) {
    EngineWindow t;
    testing::RecordingClipboard clipboard;
    t.control.SetClipboard(&clipboard);
    // The fake page's text "The event" comes from the line after "@title Report\n" (14 bytes).
    t.doc->sourceOffset = 14;
    t.commands.Copy1Click();
    EXPECT_TRUE(clipboard.calls.empty());
    t.control.MouseDown(engine::MouseButton::left, {}, 0, 5);
    t.control.MouseMove({}, 24, 5);
    t.control.MouseUp(engine::MouseButton::left, {}, 24, 5);
    t.commands.Copy1Click();
    EXPECT_EQ(clipboard.calls, (std::vector<std::string>{"text", "html"}));
    EXPECT_EQ(clipboard.text, u"The");
    EXPECT_NE(clipboard.htmlFormat.find("<!--StartFragment-->The<!--EndFragment-->"),
              std::string::npos);
    EXPECT_NE(clipboard.htmlFormat.find("\r\nSourceURL:file:///work/tmp/kelvor.htm\r\n"),
              std::string::npos);
}

}  // namespace
}  // namespace kelvor
