#pragma once

#include <functional>
#include <string>

#include "kelvor/main_window_layout.h"
#include "platform/dialogs.h"

namespace kelvor {

struct KelvorState;
class MainWindow;
class MailHandOver;

// The window's own services that the commands use, beside the state's platform and display.
struct WindowServices {
    MainWindow& window;
    platform::SaveDialog& saveDialog;
    platform::PrintDialog& printDialog;
    platform::FontDialog& fontDialog;
    MailHandOver& mail;
};

// The main window's handlers, without the window: the toolkit's window builds the menu from
// MainMenu1(), forwards its events here and implements the interfaces these reach.
//
// Every handler has the window's general error handling: an error that ends it is shown to
// the user in a message box with the error's text, and the window stays open.
class WindowCommands {
  public:
    WindowCommands(KelvorState& state, WindowServices services)
        : state_(state), services_(services) {}

    // Runs the handler of a menu item (nothing for the divider and the table item).
    void Run(Command command);

    // Activation: the start-up sequence, then the caption it leaves. True when the sequence
    // ran to its end.
    bool startup();
    // The window's outer size changed.
    void myresize(int outerWidth, int outerHeight);

    void SaveEvent1Click();
    void PrintEvent1Click();
    void Exit1Click();
    void RSVPYes1Click();
    void RSVPNo1Click();
    void Fontsize1Click();
    void Copy1Click();
    void report1Click();
    void Source1Click();
    void Logfile1Click();
    void Table1Click() {}
    void Helpclick();
    // A link in the shown document was clicked; `handled` tells the display control that the
    // click needs no handling of its own.
    void myhotspot(const std::string& SRC, bool& Handled);

    // Composes the reply to the organizer from the event record and the RSVP check marks and
    // hands it to the mail program. Errors pass to the calling handler.
    void ComposeReply();

    bool helpShown() const { return helpShown_; }
    bool RSVPYes1Checked() const { return rsvpYesChecked_; }
    bool RSVPNo1Checked() const { return rsvpNoChecked_; }

  private:
    void Guarded(const std::function<void()>& handler);
    void Answer(bool attending);
    void SaveReportCopy();
    void ShowFile(const std::string& name, bool plainText);
    std::string WorkingFile(const std::string& name) const;

    KelvorState& state_;
    WindowServices services_;
    bool helpShown_ = false;
    bool rsvpYesChecked_ = false;
    bool rsvpNoChecked_ = false;
};

}  // namespace kelvor
