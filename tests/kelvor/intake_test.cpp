#include "kelvor/intake.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/test_platform.h"
#include "kelvor/io_error.h"
#include "kelvor/report_writer.h"

namespace kelvor {
namespace {

using testing::TestPlatform;
using Lines = std::vector<std::string>;

const char* const kInput = "/home/anna/mail/invite.cnm";
const char* const kWorkingCopy = "/work/tmp/kelvor.ics";
const char* const kNoStreamNotice = "KELVOR: No valid vCALENDAR STREAM";

const Lines kPreparationLines = {"Line breaks fixed", "\\; semi-colon changed to semi-colon ok",
                                 "Mailto tilde injected ok", "CID tilde injected ok",
                                 "PrepareStream ended"};

// The scan runs after the report heading has been written, as in the start-up sequence.
TestPlatform& WithInput(TestPlatform& t, const std::string& content) {
    t.files.addFile("/opt/kelvor/kelvor.css", "body { margin: 0 }\r\n");
    t.files.addFile(kInput, content);
    t.state.inputPath = kInput;
    WriteReportHeading(t.state);
    return t;
}

Lines FirstLines(const Lines& lines, std::size_t count) {
    return Lines(lines.begin(), lines.begin() + static_cast<long>(std::min(count, lines.size())));
}

bool ReportShown(const TestPlatform& t) {
    const auto& requests = t.display.requests();
    return std::find(requests.begin(), requests.end(), "LoadHtmlFile /work/tmp/kelvor.htm") !=
           requests.end();
}

Lines Concat(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

bool Contains(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(ScanStep, CalendarFileIsCopiedWholeUpToTheEndOfItsBody) {
    TestPlatform t;
    t.state.tracing = true;
    WithInput(t,
              "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nSUMMARY:Lunch\r\nEND:VEVENT\r\n"
              "END:VCALENDAR\r\nX-AFTER:kept\r\n");
    EXPECT_TRUE(ScanStep(t.state));

    const std::string expected =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nSUMMARY:Lunch\r\nEND:VEVENT\r\n"
        "END:VCALENDAR\r\nX-AFTER:kept\r\n";
    EXPECT_EQ(t.files.content(kWorkingCopy), expected);
    EXPECT_EQ(t.state.streamText, expected);
    EXPECT_EQ(t.state.mylist,
              (Lines{"BEGIN:VCALENDAR", "VERSION:2.0", "BEGIN:VEVENT", "SUMMARY:Lunch",
                     "END:VEVENT", "END:VCALENDAR", "X-AFTER:kept"}));
    EXPECT_TRUE(t.state.streamFound);
    EXPECT_FALSE(t.state.markers.input);
    EXPECT_FALSE(t.state.markers.workingCopy);
    const Lines log = t.logMessages();
    EXPECT_EQ(FirstLines(log, 7),
              Concat({std::string("Opening ") + kInput, "Infile closed"}, kPreparationLines));
    // The parser took over and showed the report.
    EXPECT_TRUE(Contains(log, "KELvor report ready"));
    EXPECT_FALSE(Contains(log, kNoStreamNotice));
    EXPECT_TRUE(ReportShown(t));
}

TEST(ScanStep, EmptyLineOrBoundaryEndsThePlainCopy) {
    TestPlatform t;
    WithInput(t, "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nEND:VEVENT\r\n\r\nBEGIN:VEVENT\r\n");
    ScanStep(t.state);
    EXPECT_EQ(t.files.content(kWorkingCopy), "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nEND:VEVENT\r\n");
    EXPECT_EQ(t.state.mylist, (Lines{"BEGIN:VCALENDAR", "BEGIN:VEVENT", "END:VEVENT"}));

    TestPlatform dash;
    WithInput(dash, "BEGIN:VCALENDAR\r\nSUMMARY:a\r\n-SUMMARY:b\r\n");
    ScanStep(dash.state);
    EXPECT_EQ(dash.files.content(kWorkingCopy), "BEGIN:VCALENDAR\r\nSUMMARY:a\r\n");
}

TEST(ScanStep, PlainCalendarPartOfAMimeMessage) {
    TestPlatform t;
    WithInput(t,
              "From: boss@example.com\r\n"
              "Content-Type: multipart/mixed; boundary=\"b1\"\r\n"
              "\r\n"
              "--b1\r\n"
              "Content-Type: text/plain\r\n"
              "\r\n"
              "VERSION:9.9 in the text part is skipped\r\n"
              "--b1\r\n"
              "Content-Type: text/calendar; method=REQUEST\r\n"
              "\r\n"
              "BEGIN:VCALENDAR\r\n"
              "ORGANIZER;CN=Boss:MAILTO:boss@example.com\r\n"
              "DESCRIPTION:Agenda\\nItem one\r\n"
              "END:VCALENDAR\r\n"
              "--b1--\r\n");
    EXPECT_TRUE(ScanStep(t.state));
    const std::string expected =
        "BEGIN:VCALENDAR\r\nORGANIZER;CN=Boss:MAILTO~boss@example.com\r\n"
        "DESCRIPTION:Agenda<br>Item one\r\nEND:VCALENDAR\r\n";
    EXPECT_EQ(t.files.content(kWorkingCopy), expected);
    EXPECT_EQ(t.state.mylist, (Lines{"BEGIN:VCALENDAR", "ORGANIZER;CN=Boss:MAILTO~boss@example.com",
                                     "DESCRIPTION:Agenda<br>Item one", "END:VCALENDAR"}));
    EXPECT_TRUE(t.state.streamFound);
}

TEST(ScanStep, Base64CalendarPartOfAMimeMessage) {
    TestPlatform t;
    t.state.tracing = true;
    // Body lines carry stray blanks at both ends, as some mailers leave them.
    WithInput(t,
              "Content-Type: multipart/mixed; boundary=\"b2\"\r\n"
              "\r\n"
              "--b2\r\n"
              "Content-Type: text/calendar\r\n"
              "Content-Transfer-Encoding: base64\r\n"
              "\r\n"
              "QkVHSU46VkNBTEVOREFSDQpWRVJTSU9OOjIuMA0KQkVHSU46VkVWRU5UDQpPUkdBTklaRVI7Q049  \r\n"
              "\t Qm9zczpNQUlMVE86Ym9zc0BleGFtcGxlLmNvbQ0KREVTQ1JJUFRJT046QWdlbmRhXG5JdGVtIG9u\r\n"
              "ZQ0KRU5EOlZFVkVOVA0KRU5EOlZDQUxFTkRBUg0K\r\n"
              "--b2--\r\n");
    EXPECT_TRUE(ScanStep(t.state));
    const std::string expected =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\n"
        "ORGANIZER;CN=Boss:MAILTO~boss@example.com\r\nDESCRIPTION:Agenda<br>Item one\r\n"
        "END:VEVENT\r\nEND:VCALENDAR\r\n";
    EXPECT_EQ(t.files.content(kWorkingCopy), expected);
    EXPECT_EQ(t.state.streamText, expected);
    EXPECT_EQ(t.state.mylist.size(), 7u);
    EXPECT_EQ(t.state.mylist[3], "ORGANIZER;CN=Boss:MAILTO~boss@example.com");
    EXPECT_TRUE(t.state.streamFound);
    EXPECT_FALSE(t.state.markers.input);
    const Lines log = t.logMessages();
    EXPECT_EQ(FirstLines(log, 8),
              Concat({std::string("Opening ") + kInput, "Base64 BEGIN:VCALENDAR detected",
                      "Decoded Base64 data ok"},
                     kPreparationLines));
    EXPECT_TRUE(Contains(log, "KELvor report ready"));
    EXPECT_TRUE(ReportShown(t));
}

TEST(ScanStep, LfOnlyFileIsOneLine) {
    TestPlatform t;
    WithInput(t, "BEGIN:VCALENDAR\nVERSION:2.0\nEND:VCALENDAR\n");
    ScanStep(t.state);
    // The one line is copied with a CR LF after its own final LF; the LF then becomes a line end
    // of its own.
    EXPECT_EQ(t.files.content(kWorkingCopy),
              "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nEND:VCALENDAR\r\n\r\n");
    EXPECT_EQ(t.state.mylist, (Lines{"BEGIN:VCALENDAR", "VERSION:2.0", "END:VCALENDAR", ""}));

    TestPlatform hidden;
    WithInput(hidden, "Subject: invite\nBEGIN:VCALENDAR\nEND:VCALENDAR\n");
    ScanStep(hidden.state);
    EXPECT_FALSE(hidden.files.exists(kWorkingCopy));
    EXPECT_FALSE(hidden.state.streamFound);
}

TEST(ScanStep, MarkerNotAtTheStartOfALineIsNoStream) {
    const std::string inputs[] = {
        " BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n",
        "begin:vcalendar\r\nend:vcalendar\r\n",
        // UTF-16 without a byte order mark is not told from 8-bit text.
        std::string("B\0E\0G\0I\0N\0:\0V\0C\0A\0L\0E\0N\0D\0A\0R\0\r\0\n\0", 34),
    };
    for (const std::string& input : inputs) {
        TestPlatform t;
        WithInput(t, input);
        EXPECT_TRUE(ScanStep(t.state));
        EXPECT_FALSE(t.files.exists(kWorkingCopy));
        EXPECT_FALSE(t.state.streamFound);
        EXPECT_TRUE(t.state.mylist.empty());
        // Without a stream the input stays open until the program ends.
        EXPECT_TRUE(t.state.markers.input);
        EXPECT_EQ(t.logMessages(), Lines{kNoStreamNotice});
        const std::string report = t.files.content("/work/tmp/kelvor.htm");
        const std::string notice = "<p>No valid VCALENDAR INFORMATION</p></body></html>\r\n";
        ASSERT_GE(report.size(), notice.size());
        EXPECT_EQ(report.substr(report.size() - notice.size()), notice);
        EXPECT_TRUE(ReportShown(t));
    }
}

TEST(ScanStep, StreamOfAnEarlierRunKeepsTheNoStreamNoticeAway) {
    TestPlatform t;
    t.state.streamFound = true;
    WithInput(t, "Subject: nothing here\r\n\r\nJust text.\r\n");
    EXPECT_TRUE(ScanStep(t.state));
    EXPECT_FALSE(Contains(t.logMessages(), kNoStreamNotice));
    EXPECT_FALSE(t.files.exists(kWorkingCopy));
    EXPECT_FALSE(ReportShown(t));
}

TEST(ScanStep, InputThatCannotBeOpenedIsReportedAndEndsTheSequence) {
    TestPlatform t;
    t.state.inputPath = "/home/anna/mail/gone.cnm";
    EXPECT_FALSE(ScanStep(t.state));
    EXPECT_EQ(t.logMessages(), Lines{"Unable to open /home/anna/mail/gone.cnm"});
    ASSERT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.ui.boxes[0].second, "Unable to open /home/anna/mail/gone.cnm");
    EXPECT_FALSE(t.state.markers.input);
    EXPECT_FALSE(t.files.exists(kWorkingCopy));
    EXPECT_TRUE(t.display.requests().empty());

    TestPlatform unreadable;
    WithInput(unreadable, "BEGIN:VCALENDAR\r\n");
    unreadable.files.unreadable.insert(kInput);
    EXPECT_FALSE(ScanStep(unreadable.state));
    EXPECT_EQ(unreadable.ui.boxes.size(), 1u);
}

TEST(ScanStep, WorkingCopyThatCannotBeWrittenIsAnIoError) {
    TestPlatform plain;
    WithInput(plain, "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n");
    plain.files.unwritable.insert(kWorkingCopy);
    EXPECT_THROW(ScanStep(plain.state), IoError);
    EXPECT_FALSE(plain.state.streamFound);

    TestPlatform base64;
    WithInput(base64, "QkVHSU46VkNBTEVOREFSCkVORDpWQ0FMRU5EQVI=\r\n");
    base64.files.unwritable.insert(kWorkingCopy);
    EXPECT_THROW(ScanStep(base64.state), IoError);
    EXPECT_FALSE(base64.state.streamFound);
    EXPECT_EQ(base64.state.mylist, (Lines{"BEGIN:VCALENDAR", "END:VCALENDAR"}));
}

}  // namespace
}  // namespace kelvor
