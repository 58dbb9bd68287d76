// "Print Event..." from the window's commands down to the printer, on the engine's own
// document and the fake printer.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/engine_display.h"
#include "engine/view/engine_document.h"
#include "engine/view/view_fakes.h"
#include "fakes/fake_window.h"
#include "fakes/platform/fake_platform.h"
#include "kelvor/kelvor_state.h"
#include "kelvor/window_commands.h"
#include "platform/fixed/fake_printer.h"
#include "platform/fixed/fixed_font_services.h"

namespace kelvor {
namespace {

using Box = std::pair<std::string, std::string>;

struct PrintingWindow {
    testing::FakeEnvironment environment;
    testing::FakeFileSystem files;
    testing::FakeRegistry registry;
    testing::FakeClock clock;
    testing::FakeTimeZone timeZone;
    testing::FakeUserInterface ui;
    platform::Platform platform{environment, files, registry, clock, timeZone, ui};
    platform::fixed::FixedFontServices fonts;
    testing::FakeHost host;
    engine::THtmlDisplay control{host, std::make_unique<engine::EngineDocument>(fonts), files};
    app::EngineDisplay display{control};
    KelvorState state{platform, display};
    testing::FakeSaveDialog saveDialog;
    testing::FakePrintDialog printDialog;
    testing::FakeFontDialog fontDialog;
    testing::RecordingWindow window;
    testing::RecordingHandOver mail;
    WindowCommands commands{state, {window, saveDialog, printDialog, fontDialog, mail}};
    platform::fixed::FakePrinter printer;

    PrintingWindow() {
        files.addFile("/work/tmp/kelvor.htm",
                      "<title>Report</title><table><tr><td>Event</td><td>Meeting</td></tr>"
                      "</table>");
        control.SetSize(732, 475);
        display.LoadHtmlFile("/work/tmp/kelvor.htm");
        control.SetPrinterDevice(&printer);
    }

    bool printed(const std::u16string& text) const {
        for (const auto& page : printer.pages) {
            for (const auto& call : page->canvas.calls) {
                if (call.text == text)
                    return true;
            }
        }
        return false;
    }
};

TEST(PrintCommand, PrintsTheShownDocumentOnTheChosenPrinter) {
    PrintingWindow t;
    t.commands.Run(Command::PrintEvent);
    EXPECT_EQ(t.printDialog.shown, 1);
    EXPECT_EQ(t.printer.title, "Report");
    EXPECT_TRUE(t.printer.ended);
    EXPECT_EQ(t.printer.pages.size(), 1u);
    EXPECT_TRUE(t.printed(u"Meeting"));
    EXPECT_TRUE(t.ui.boxes.empty());
}

TEST(PrintCommand, CancelledDialogPrintsNothing) {
    PrintingWindow t;
    t.printDialog.confirm = false;
    t.commands.Run(Command::PrintEvent);
    EXPECT_EQ(t.printer.documents, 0);
}

TEST(PrintCommand, AnInvalidPrinterIsReportedInAMessageBox) {
    PrintingWindow t;
    t.printer.isValid = false;
    t.commands.Run(Command::PrintEvent);
    EXPECT_EQ(t.ui.boxes, (std::vector<Box>{{"Kelvor", "Printer selected is not valid"}}));
    EXPECT_EQ(t.printer.documents, 0);
}

}  // namespace
}  // namespace kelvor
