#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "kelvor/parser_test_support.h"

namespace kelvor {
namespace {

using testing::ParseRun;
using Names = std::vector<std::string>;

TEST(ParserAttendees, NameAddressRsvpStatusAndRole) {
    ParseRun r;
    r.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT",
             "ATTENDEE;ROLE=REQ-PARTICIPANT;PARTSTAT=TENTATIVE;RSVP=YES:MAILTO~ann@example.com"});
    EXPECT_EQ(r.attendeeNames(), Names{"|ann@example.com"});
    EXPECT_EQ(r.event.action, "Tentative");
    EXPECT_EQ(r.event.rsvp, "Yes");
    EXPECT_EQ(r.event.attendance, "Required");

    ParseRun quoted;
    quoted.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT",
                  "ATTENDEE;CN=\"Lee, Ann\";ROLE=OPT-PARTICIPANT;RSVP=NO:mailto:ann@example.com",
                  "ATTENDEE;CN=Bob Smith;ROLE=NON-PARTICIPANT:MAILTO~bob@example.com",
                  "ATTENDEE;CN=;ROLE=CHAIR;PARTSTAT=DECLINED:MAILTO~carl@example.com",
                  "ATTENDEE:MAILTO~dora@example.com"});
    EXPECT_EQ(quoted.attendeeNames(),
              (Names{"|LEE, ANN", "|BOB SMITH", "|carl@example.com", "|dora@example.com"}));
    // The last line has no parameters: it sets the answer back to No and keeps role and status.
    EXPECT_EQ(quoted.event.rsvp, "No");
    EXPECT_EQ(quoted.event.attendance, "Chair");
    EXPECT_EQ(quoted.event.action, "Declined");
}

TEST(ParserAttendees, StatusWordsAreSearchedInTheirOrderAnywhereInTheParameters) {
    ParseRun r;
    r.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT",
             "ATTENDEE;DELEGATED-FROM=\"MAILTO~x@example.com\":MAILTO~bob@example.com"});
    EXPECT_EQ(r.event.action, "Delegated");

    ParseRun order;
    order.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT",
                 "ATTENDEE;PARTSTAT=DECLINED;X-NOTE=ACCEPTED:MAILTO~bob@example.com"});
    EXPECT_EQ(order.event.action, "Accepted");

    ParseRun none;
    none.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT", "ATTENDEE;X-A=1:MAILTO~bob@example.com"});
    EXPECT_EQ(none.event.action, "Required");
    EXPECT_EQ(none.event.attendance, "Required");
}

TEST(ParserAttendees, CalendarTwoRsvpWordsCountLikeYesAndNo) {
    ParseRun r;
    r.t.state.tracing = true;
    r.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT",
             "ATTENDEE;CN=Bob Smith;RSVP=TRUE:MAILTO~bob@example.com"});
    EXPECT_EQ(r.event.rsvp, "Yes");
    const auto log = r.t.logMessages();
    const auto at = std::find(log.begin(), log.end(),
                              "mylist: ATTENDEE;CN=Bob Smith;RSVP=TRUE:MAILTO~bob@example.com");
    ASSERT_NE(at, log.end());
    EXPECT_EQ(Names(at + 1, at + 5),
              (Names{"Attendee CN detected", "Addressee common name: BOB SMITH", "Rsvp: Yes",
                     "Using Rsvp: Yes"}));

    ParseRun no;
    no.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT", "ATTENDEE;RSVP=TRUE:MAILTO~a@example.com",
              "ATTENDEE;RSVP=FALSE:MAILTO~b@example.com"});
    EXPECT_EQ(no.event.rsvp, "No");
}

TEST(ParserOrganizer, NameAndAddressInsideAnEventOnly) {
    ParseRun r;
    r.parse({"BEGIN:VCALENDAR", "ORGANIZER;CN=Boss:MAILTO~boss@example.com", "BEGIN:VEVENT",
             "ORGANIZER;CN=\"Sales Team\":MAILTO~sales@example.com"});
    EXPECT_EQ(r.event.organizerEmail, "sales@example.com");
    EXPECT_EQ(r.event.organizerName, "SALES TEAM");
    // Outside the event the entry still comes, under the name the record holds then.
    EXPECT_EQ(r.attendeeNames(), (Names{"Chairman|Self", "Chairman|SALES TEAM"}));

    ParseRun plain;
    plain.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT", "ORGANIZER:MAILTO~x@example.com",
                 "ORGANIZER;CN=:MAILTO~y@example.com"});
    EXPECT_EQ(plain.attendeeNames(), (Names{"Chairman|x@example.com", "Chairman|y@example.com"}));
    EXPECT_EQ(plain.event.organizerName, "");
    EXPECT_EQ(plain.event.organizerEmail, "y@example.com");
}

TEST(ParserOrganizer, LogsTheNameItFound) {
    ParseRun r;
    r.t.state.tracing = true;
    r.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT", "ORGANIZER;CN=Sales:MAILTO~sales@example.com"});
    const auto log = r.t.logMessages();
    const auto at =
        std::find(log.begin(), log.end(), "mylist: ORGANIZER;CN=Sales:MAILTO~sales@example.com");
    ASSERT_NE(at, log.end());
    EXPECT_EQ(Names(at + 1, at + 8),
              (Names{"Entering Organizer", "Organizer: ORGANIZER CN=SALES sales@example.com",
                     "OrnanizerEmail: sales@example.com", "CN= modifier found", "Simple CN: SALES",
                     "Organizer name: SALES", "Organiser ended"}));
}

TEST(ParserAttendees, ListNeverGrowsBeyondSixtyFourEntries) {
    ParseRun r;
    std::vector<std::string> lines{"BEGIN:VCALENDAR", "BEGIN:VEVENT",
                                   "ORGANIZER:MAILTO~boss@example.com"};
    for (int i = 1; i <= 70; ++i) {
        lines.push_back("ATTENDEE:MAILTO~a" + std::to_string(i) + "@example.com");
    }
    lines.push_back("ATTENDEE;RSVP=YES;PARTSTAT=ACCEPTED:MAILTO~late@example.com");
    r.parse(lines);
    EXPECT_EQ(r.event.attendeeCount, 64);
    EXPECT_EQ(r.event.attendees.size(), 64u);
    EXPECT_EQ(r.event.attendees[63].name, "a63@example.com");
    EXPECT_TRUE(r.logged("Attendee list full, not shown: a64@example.com"));
    EXPECT_TRUE(r.logged("Attendee list full, not shown: late@example.com"));
    // A dropped line still answers for the record's own fields.
    EXPECT_EQ(r.event.rsvp, "Yes");
    EXPECT_EQ(r.event.action, "Accepted");
}

}  // namespace
}  // namespace kelvor
