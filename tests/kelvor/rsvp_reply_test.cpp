// The reply to the organizer: what "RSVP Yes", "RSVP No" and a click on the organizer's link
// hand to the mail program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kelvor/installed_window.h"

namespace kelvor {
namespace {

using testing::installed::InstalledWindow;
using Lines = std::vector<std::string>;

const std::string kStart = "05-Mar-2010 09:30   (UTC +01:00)    (Local  UTC +01:00)";
const std::string kPrompt = "     Enter any text for this message";

TEST(RsvpYes, SendsTheFiveCommandsWithTheBareAddressAndTheYesSentence) {
    InstalledWindow t;
    t.open("invitation.ics");
    const Lines shown = t.display.requests();
    t.commands.RSVPYes1Click();
    ASSERT_EQ(t.mail.handedOver.size(), 1u);
    EXPECT_EQ(
        t.mail.handedOver[0],
        (Lines{"NEW: WINDOW", "SUBJECT: Quarterly budget review", "TO: sales@example.com",
               "DATA:   I will be attending this meeting on " + kStart + kPrompt, "RESTORE"}));
    EXPECT_EQ(t.state.event.status, "Confirmed");
    EXPECT_EQ(t.display.requests(), shown);  // the report is not written or loaded again
    EXPECT_FALSE(t.commands.RSVPYes1Checked());
    EXPECT_FALSE(t.commands.RSVPNo1Checked());
}

TEST(RsvpNo, SendsTheNoSentenceAndDeclines) {
    InstalledWindow t;
    t.open("invitation.ics");
    t.commands.RSVPNo1Click();
    ASSERT_EQ(t.mail.handedOver.size(), 1u);
    EXPECT_EQ(t.mail.handedOver[0][3],
              "DATA:   I will not be attending this meeting on " + kStart + kPrompt);
    EXPECT_EQ(t.state.event.status, "Declined");
}

TEST(RsvpCommands, LogTheirLinesWhenTracing) {
    InstalledWindow t;
    t.tracing();
    t.open("invitation.ics");
    const std::size_t before = t.logMessages().size();
    t.commands.RSVPYes1Click();
    t.commands.RSVPNo1Click();
    const Lines log = t.logMessages();
    EXPECT_EQ(Lines(log.begin() + static_cast<long>(before), log.end()),
              (Lines{"RSVP yes clicked", "KELvor sending mail response", "RSVP No clicked",
                     "KELvor sending mail response"}));
}

// Records the check marks the commands hold while the reply is handed over.
class MarkWatcher : public MailHandOver {
  public:
    const WindowCommands* commands = nullptr;
    std::vector<std::pair<bool, bool>> marks;  // yes, no
    void HandOver(const std::vector<std::string>&) override {
        marks.emplace_back(commands->RSVPYes1Checked(), commands->RSVPNo1Checked());
    }
};

TEST(RsvpCommands, CheckOnlyTheirOwnItemWhileTheReplyIsComposed) {
    InstalledWindow t;
    t.open("invitation.ics");
    MarkWatcher watcher;
    WindowCommands commands(t.state,
                            {t.window, t.saveDialog, t.printDialog, t.fontDialog, watcher});
    watcher.commands = &commands;
    commands.RSVPYes1Click();
    commands.RSVPNo1Click();
    bool handled = false;
    commands.myhotspot("sales@example.com", handled);
    EXPECT_EQ(watcher.marks,
              (std::vector<std::pair<bool, bool>>{{true, false}, {false, true}, {false, false}}));
}

TEST(LinkClick, SendsThePromptOnlyAndLeavesTheReportShown) {
    InstalledWindow t;
    t.tracing();
    t.open("invitation.ics");
    const Lines shown = t.display.requests();
    bool handled = false;
    t.commands.myhotspot("sales@example.com", handled);
    ASSERT_EQ(t.mail.handedOver.size(), 1u);
    EXPECT_EQ(t.mail.handedOver[0],
              (Lines{"NEW: WINDOW", "SUBJECT: Quarterly budget review", "TO: sales@example.com",
                     "DATA: " + kPrompt, "RESTORE"}));
    EXPECT_EQ(t.logMessages().back(), "KELvor sending mail response");
    EXPECT_EQ(t.logMessages()[t.logMessages().size() - 2], "Email address clicked");
    EXPECT_EQ(t.display.requests(), shown);
    EXPECT_TRUE(handled);
    EXPECT_EQ(t.state.event.status, "CONFIRMED");  // a click is no answer
}

TEST(LinkClick, AnAddressThatLooksLikeAPageIsNotLeftToTheDisplay) {
    InstalledWindow t;
    t.openBytes("page.ics",
                "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\n"
                "ORGANIZER:MAILTO:ann@example.htm\r\nSUMMARY:Lunch\r\n"
                "DTSTART:20100305T120000Z\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    bool handled = false;
    t.commands.myhotspot("ann@example.htm", handled);
    EXPECT_TRUE(handled);
    ASSERT_EQ(t.mail.handedOver.size(), 1u);
    EXPECT_EQ(t.mail.handedOver[0][2], "TO: ann@example.htm");
}

TEST(ComposeReply, WithoutAnOrganizerSendsNothingAndLogsTheLine) {
    InstalledWindow t;
    t.openBytes("no-organizer.ics",
                "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nSUMMARY:Lunch\r\n"
                "DTSTART:20100305T120000Z\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    t.commands.RSVPYes1Click();
    bool handled = false;
    t.commands.myhotspot("", handled);
    EXPECT_TRUE(t.mail.handedOver.empty());
    const Lines log = t.logMessages();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], "No Organizer email addr, so unable to reply to RSVP");
    EXPECT_EQ(log.back(), "No Organizer email addr, so unable to reply to RSVP");
    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_EQ(t.state.event.status, "Confirmed");  // the status changes all the same
}

TEST(ComposeReply, AnEventWithoutASummaryLineGivesNoneAsSubjectToo) {
    InstalledWindow t;
    t.openBytes("no-summary.ics",
                "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\n"
                "ORGANIZER;CN=Ann:MAILTO:ann@example.com\r\n"
                "DTSTART:20100305T120000Z\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    bool handled = false;
    t.commands.myhotspot("ann@example.com", handled);
    ASSERT_EQ(t.mail.handedOver.size(), 1u);
    EXPECT_EQ(t.mail.handedOver[0][1], "SUBJECT: [none]");
}

TEST(ComposeReply, AnEmptySummaryGivesNoneAsSubject) {
    InstalledWindow t;
    t.openBytes("no-summary.ics",
                "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\n"
                "ORGANIZER;CN=Ann:MAILTO:ann@example.com\r\nSUMMARY:\r\n"
                "DTSTART:20100305T120000Z\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    t.commands.RSVPNo1Click();
    ASSERT_EQ(t.mail.handedOver.size(), 1u);
    EXPECT_EQ(t.mail.handedOver[0][1], "SUBJECT: [none]");
    EXPECT_EQ(t.mail.handedOver[0][2], "TO: ann@example.com");
}

}  // namespace
}  // namespace kelvor
