#include "kelvor/encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/test_platform.h"

namespace kelvor {
namespace {

using testing::TestPlatform;
using Lines = std::vector<std::string>;

const char* const kUnicodeStart = "IsUtf8 Checking for unicode";
const char* const kUnicodeEnd = "IsUtf8 End checking for unicode";
const char* const kBinaryStart = "IsUtf8 Checking for binary";

TEST(IsUtf8, EmptyTextAbortsThePhaseOneCheckAndIsPlain) {
    TestPlatform quiet;
    std::string empty;
    EXPECT_EQ(IsUtf8(quiet.state, empty), 0);
    EXPECT_EQ(quiet.logMessages(), Lines{"IsUtf8 Unicode abort"});

    TestPlatform traced;
    traced.state.tracing = true;
    EXPECT_EQ(IsUtf8(traced.state, empty), 0);
    EXPECT_EQ(traced.logMessages(),
              (Lines{kUnicodeStart, "IsUtf8 Unicode abort", kBinaryStart, "IsUtf8 Encoding type: 0",
                     "IsUtf8 0 = Not Utf8, All (0-127)"}));
}

TEST(IsUtf8, PlainTextLogsNothingWithoutTracing) {
    TestPlatform t;
    std::string text = "Weekly review of the plan";
    EXPECT_EQ(IsUtf8(t.state, text), 0);
    EXPECT_EQ(t.log(), "");
}

TEST(IsUtf8, LeadingLineEndOrTabBecomesABlankAndIsNeverUtf16) {
    TestPlatform t;
    t.state.tracing = true;
    std::string tab = "\tAgenda";
    EXPECT_EQ(IsUtf8(t.state, tab), 0);
    EXPECT_EQ(tab, " Agenda");
    EXPECT_EQ(t.logMessages(),
              (Lines{kUnicodeStart, kUnicodeEnd, kBinaryStart, "IsUtf8 Encoding type: 0",
                     "IsUtf8 0 = Not Utf8, All (0-127)"}));

    std::string lf = "\nA";
    EXPECT_EQ(IsUtf8(t.state, lf), 0);
    EXPECT_EQ(lf, " A");
    std::string cr = "\rA";
    EXPECT_EQ(IsUtf8(t.state, cr), 0);
    EXPECT_EQ(cr, " A");
    // Only the first character is repaired.
    std::string second = "A\tB";
    IsUtf8(t.state, second);
    EXPECT_EQ(second, "A\tB");
}

TEST(IsUtf8, PrintableNextToControlIsTakenForUtf16) {
    TestPlatform t;
    t.state.tracing = true;
    std::string word = "X\tY";
    EXPECT_EQ(IsUtf8(t.state, word), 3);
    EXPECT_EQ(t.logMessages(),
              (Lines{kUnicodeStart, "IsUtf8 Unicode sequence detected", kUnicodeEnd,
                     "IsUtf8 Encoding type: 3",
                     "IsUtf8 0 = Not reqd, 1 = Utf8 already, 2 = Binary found, 3 = Unicode"}));

    std::string littleEndian("A\0B\0C\0", 6);
    EXPECT_EQ(IsUtf8(t.state, littleEndian), 3);
    std::string bigEndian("\0A\0B\0C", 6);
    EXPECT_EQ(IsUtf8(t.state, bigEndian), 3);
    // A one-character text pairs its character with a 0.
    std::string single = "Q";
    EXPECT_EQ(IsUtf8(t.state, single), 3);
    // The byte-order mark is two printable bytes; four bytes are too short for phase two.
    std::string bom(
        "\xff\xfe"
        "A\0",
        4);
    EXPECT_EQ(IsUtf8(t.state, bom), 0);
    // A blank is neither printable nor a control.
    std::string blank = " \x01xyzw";
    EXPECT_EQ(IsUtf8(t.state, blank), 0);
}

TEST(IsUtf8, FirstHighByteDecidesBetweenUtf8AndBinary) {
    TestPlatform t;
    t.state.tracing = true;
    std::string utf8 = "Caf\xc3\xa9 au lait \x80";
    EXPECT_EQ(IsUtf8(t.state, utf8), 1);
    EXPECT_EQ(t.logMessages(),
              (Lines{kUnicodeStart, kUnicodeEnd, kBinaryStart, "IsUtf8 195 169 qualifies as Utf-8",
                     "IsUtf8 Encoding type: 1", "IsUtf8 1 = Utf8 already"}));

    TestPlatform latin1;
    latin1.state.tracing = true;
    std::string detente = "D\xe9tente now";
    EXPECT_EQ(IsUtf8(latin1.state, detente), 2);
    EXPECT_EQ(
        latin1.logMessages(),
        (Lines{kUnicodeStart, kUnicodeEnd, kBinaryStart, "IsUtf8 233 116 does not qualify as Utf-8",
               "IsUtf8 Encoding type: 2", "IsUtf8 2 = Not Utf8, Binary (128-255) found"}));
}

TEST(IsUtf8, LeadBytesAndStrayContinuationsAreLoggedWithTheirValues) {
    struct Case {
        std::string text;
        int result;
        std::string line;
    };
    const Case cases[] = {
        {"ab\xe2\x82\xac rest", 1, "IsUtf8 226 130 172 qualifies as Utf-8"},
        {"ab\xe2\x82Xyzw", 2, "IsUtf8 226 130 88 does not qualify as Utf-8"},
        {"ab\xe2Xyzwv", 2, "IsUtf8 226 88 does not qualify as Utf-8"},
        {"ab\xf8\x80\x80zzz", 1, "IsUtf8 248 128 128 qualifies as Utf-8"},
        {"ab\xc3(xyzw", 2, "IsUtf8 195 40 does not qualify as Utf-8"},
        {"ab\x80"
         "cdefg",
         2, "IsUtf8: 128 does not qualify as Utf-8 "},
    };
    for (const Case& c : cases) {
        TestPlatform t;
        t.state.tracing = true;
        std::string text = c.text;
        EXPECT_EQ(IsUtf8(t.state, text), c.result) << c.line;
        const Lines log = t.logMessages();
        ASSERT_EQ(log.size(), 6u) << c.line;
        EXPECT_EQ(log[3], c.line);
        EXPECT_EQ(log[4], "IsUtf8 Encoding type: " + std::to_string(c.result));
    }
}

TEST(IsUtf8, JapaneseSwitchReturnsAtOnce) {
    TestPlatform t;
    t.state.tracing = true;
    std::string text = "ab\x1b$Bxyz\xc3\xa9 more";
    EXPECT_EQ(IsUtf8(t.state, text), 2);
    EXPECT_EQ(t.logMessages(), (Lines{kUnicodeStart, kUnicodeEnd, kBinaryStart,
                                      "IsUtf8 Detected Japanese charset switch Esc+$+B",
                                      "IsUtf8 Iconv Japanese conversion required"}));
}

TEST(IsUtf8, LastFourBytesAreNeverAStartingByte) {
    TestPlatform t;
    std::string shortText = "ab\xc3\xa9";
    EXPECT_EQ(IsUtf8(t.state, shortText), 0);
    std::string tail = "plain text\x80\x80xy";
    EXPECT_EQ(IsUtf8(t.state, tail), 0);
    std::string fifthFromEnd = "plain text\x80\x80xyz";
    EXPECT_EQ(IsUtf8(t.state, fifthFromEnd), 2);
}

}  // namespace
}  // namespace kelvor
