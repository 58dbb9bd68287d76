#include "kelvor/stream_preparation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/test_platform.h"
#include "kelvor/io_error.h"

namespace kelvor {
namespace {

using testing::TestPlatform;
using Lines = std::vector<std::string>;

const char* const kWorkingCopy = "/work/tmp/kelvor.ics";

std::string Prepared(const std::string& stream) {
    TestPlatform t;
    t.state.streamText = stream;
    PrepareStream(t.state);
    return t.state.streamText;
}

TEST(PrepareStream, LineEndsBecomeCrLf) {
    EXPECT_EQ(Prepared("A\nB\rC\r\nD\n\rE"), "A\r\nB\r\nC\r\nD\r\n\r\nE");
    EXPECT_EQ(Prepared("BEGIN:VCALENDAR\nVERSION:2.0\nEND:VCALENDAR\n"),
              "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nEND:VCALENDAR\r\n");
    EXPECT_EQ(Prepared(""), "");
}

TEST(PrepareStream, FoldsWithOneBlankAreJoined) {
    EXPECT_EQ(Prepared("DESCRIPTION:one\r\n two\r\n three\r\nEND:VEVENT\r\n"),
              "DESCRIPTION:onetwothree\r\nEND:VEVENT\r\n");
    EXPECT_EQ(Prepared("SUMMARY:a\r\n  b\r\n"), "SUMMARY:a b\r\n");
    EXPECT_EQ(Prepared("SUMMARY:a\r\n\tb\r\n"), "SUMMARY:a\r\n\tb\r\n");
    // Line ends are made regular before unfolding, so an LF fold is joined too.
    EXPECT_EQ(Prepared("SUMMARY:a\n b\n"), "SUMMARY:ab\r\n");
}

TEST(PrepareStream, EscapesBecomeReportText) {
    EXPECT_EQ(Prepared("DESCRIPTION:line one\\nline two"), "DESCRIPTION:line one<br>line two");
    EXPECT_EQ(Prepared("a\\n\\nb"), "a<br>b");
    EXPECT_EQ(Prepared("a\\n\\n\\nb"), "a<br><br>b");
    EXPECT_EQ(Prepared("LOCATION:Room 1\\, Building 2"), "LOCATION:Room 1  Building 2");
    EXPECT_EQ(Prepared("SUMMARY:a\\;b"), "SUMMARY:a;b");
    // Escapes that are not listed stay as written; an escaped backslash before n does not.
    EXPECT_EQ(Prepared("a\\Nb\\\\c\\td"), "a\\Nb\\\\c\\td");
    EXPECT_EQ(Prepared("C:\\\\new"), "C:\\<br>ew");
    // An escape split by a fold is whole again once the fold is joined.
    EXPECT_EQ(Prepared("DESCRIPTION:a\\\r\n nb"), "DESCRIPTION:a<br>b");
}

TEST(PrepareStream, UpperCaseAddressColonsAreMarked) {
    EXPECT_EQ(Prepared("ORGANIZER;SENT-BY=\"MAILTO:aide@x.org\":MAILTO:boss@x.org"),
              "ORGANIZER;SENT-BY=\"MAILTO~aide@x.org\":MAILTO~boss@x.org");
    EXPECT_EQ(Prepared("ATTENDEE:mailto:guest@x.org"), "ATTENDEE:mailto:guest@x.org");
    EXPECT_EQ(Prepared("ATTACH:CID:part1@x.org"), "ATTACH:CID~part1@x.org");
}

TEST(PrepareStream, FillsMylistWritesTheWorkingCopyAndLogs) {
    TestPlatform t;
    t.state.tracing = true;
    t.state.mylist = {"left over"};
    t.state.streamText = "BEGIN:VCALENDAR\nSUMMARY:Lunch\\, team\nEND:VCALENDAR\n";
    PrepareStream(t.state);

    const std::string expected = "BEGIN:VCALENDAR\r\nSUMMARY:Lunch  team\r\nEND:VCALENDAR\r\n";
    EXPECT_EQ(t.state.streamText, expected);
    EXPECT_EQ(t.files.content(kWorkingCopy), expected);
    EXPECT_EQ(t.state.mylist, (Lines{"BEGIN:VCALENDAR", "SUMMARY:Lunch  team", "END:VCALENDAR"}));
    EXPECT_TRUE(t.state.streamFound);
    EXPECT_EQ(t.logMessages(),
              (Lines{"Line breaks fixed", "\\; semi-colon changed to semi-colon ok",
                     "Mailto tilde injected ok", "CID tilde injected ok", "PrepareStream ended"}));
}

TEST(PrepareStream, EmptyStreamGivesEmptyListAndCopy) {
    TestPlatform t;
    PrepareStream(t.state);
    EXPECT_TRUE(t.state.mylist.empty());
    EXPECT_TRUE(t.files.exists(kWorkingCopy));
    EXPECT_EQ(t.files.content(kWorkingCopy), "");
    EXPECT_TRUE(t.state.streamFound);
    EXPECT_EQ(t.log(), "");
}

TEST(PrepareStream, WorkingCopyThatCannotBeWrittenIsAnIoError) {
    TestPlatform t;
    t.files.unwritable.insert(kWorkingCopy);
    t.state.streamText = "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n";
    EXPECT_THROW(PrepareStream(t.state), IoError);
    EXPECT_EQ(t.state.mylist, (Lines{"BEGIN:VCALENDAR", "END:VCALENDAR"}));
    EXPECT_FALSE(t.state.streamFound);
}

TEST(PrepareStream, ByteZeroEndsMylistButNotTheWorkingCopy) {
    TestPlatform t;
    const std::string stream("BEGIN:VCALENDAR\r\nB\0E\0G\0\r\nEND:VCALENDAR\r\n", 40);
    t.state.streamText = stream;
    PrepareStream(t.state);
    EXPECT_EQ(t.state.mylist, (Lines{"BEGIN:VCALENDAR", "B"}));
    EXPECT_EQ(t.files.content(kWorkingCopy), stream);
}

TEST(FillMylist, SplitsAtLineEndsWithoutATrailingEmptyEntry) {
    TestPlatform t;
    t.state.streamText = "A\r\nB\r\n";
    FillMylist(t.state);
    EXPECT_EQ(t.state.mylist, (Lines{"A", "B"}));

    t.state.streamText = "A\r\n\r\nB";
    FillMylist(t.state);
    EXPECT_EQ(t.state.mylist, (Lines{"A", "", "B"}));

    t.state.streamText = std::string("\0A\r\n", 4);
    FillMylist(t.state);
    EXPECT_TRUE(t.state.mylist.empty());
}

TEST(FillMylist, ReadsBeyondSixteenBitsOfLines) {
    TestPlatform t;
    std::string stream;
    for (int i = 0; i < 70000; ++i) {
        stream += "X:" + std::to_string(i) + "\r\n";
    }
    t.state.streamText = stream;
    FillMylist(t.state);
    ASSERT_EQ(t.state.mylist.size(), 70000u);
    EXPECT_EQ(t.state.mylist.back(), "X:69999");
}

}  // namespace
}  // namespace kelvor
