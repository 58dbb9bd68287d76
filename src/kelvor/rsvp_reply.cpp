// The answer to the invitation: "RSVP Yes", "RSVP No" and a click on the organizer's link.
#include <string>
#include <vector>

#include "kelvor/kelvor_state.h"
#include "kelvor/mail_hand_over.h"
#include "kelvor/trace_log.h"
#include "kelvor/window_commands.h"

namespace kelvor {

namespace {

constexpr const char* kAttending = "  I will be attending this meeting on ";
constexpr const char* kNotAttending = "  I will not be attending this meeting on ";
constexpr const char* kPrompt = "     Enter any text for this message";
// What the report shows for an empty SUMMARY, also given to an event that has no SUMMARY line.
constexpr const char* kNoSummary = "[none]";

// The check marks are set only while one RSVP command runs, so the menu never shows them.
class CheckMarks {
  public:
    CheckMarks(bool& yes, bool& no, bool attending) : yes_(yes), no_(no) {
        no_ = !attending;
        yes_ = attending;
    }
    ~CheckMarks() { yes_ = no_ = false; }
    CheckMarks(const CheckMarks&) = delete;
    CheckMarks& operator=(const CheckMarks&) = delete;

  private:
    bool& yes_;
    bool& no_;
};

}  // namespace

void WindowCommands::RSVPYes1Click() {
    Guarded([this] { Answer(true); });
}

void WindowCommands::RSVPNo1Click() {
    Guarded([this] { Answer(false); });
}

// The new status is kept for the rest of the run; the report is not written again.
void WindowCommands::Answer(bool attending) {
    const CheckMarks marks(rsvpYesChecked_, rsvpNoChecked_, attending);
    LogTraced(state_, attending ? "RSVP yes clicked" : "RSVP No clicked");
    state_.event.status = attending ? "Confirmed" : "Declined";
    ComposeReply();
}

// The report's only link is the organizer's address, so every click answers the organizer.
// The click counts as handled: the display control must not go on to load the address as a
// file, which it would for an address that ends like a page or a picture name.
void WindowCommands::myhotspot(const std::string& /*SRC*/, bool& Handled) {
    Guarded([this] {
        LogTraced(state_, "Email address clicked");
        ComposeReply();
    });
    Handled = true;
}

void WindowCommands::ComposeReply() {
    LogTraced(state_, "KELvor sending mail response");
    const EventRecord& event = state_.event;
    if (event.organizerEmail.empty()) {
        LogLine(state_, "No Organizer email addr, so unable to reply to RSVP");
        return;
    }
    std::string body;
    if (rsvpYesChecked_) {
        body = kAttending + event.startText;
    } else if (rsvpNoChecked_) {
        body = kNotAttending + event.startText;
    }
    body += kPrompt;

    const std::vector<std::string> commands{
        std::string(kNewWindowCommand),
        std::string(kSubjectCommand) + (event.summary.empty() ? kNoSummary : event.summary),
        std::string(kToCommand) + event.organizerEmail,
        std::string(kDataCommand) + body,
        std::string(kRestoreCommand),
    };
    services_.mail.HandOver(commands);
}

}  // namespace kelvor
