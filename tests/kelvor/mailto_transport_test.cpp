// The hand-over to the desktop's mail program as a "mailto:" URL.
#include "kelvor/mailto_transport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_window.h"
#include "fakes/test_platform.h"
#include "kelvor/installed_window.h"
#include "kelvor/utf8_text.h"

namespace kelvor {
namespace {

using testing::FakeUrlOpener;
using testing::TestPlatform;
using Lines = std::vector<std::string>;
using Box = std::pair<std::string, std::string>;

TEST(MailtoUrl, EncodesDelimitersBlanksAndPercentInSubjectAndBody) {
    EXPECT_EQ(MailtoUrl("ann@example.com", "Q&A? #1: 100% sure", "a+b=c&d"),
              "mailto:ann@example.com?subject=Q%26A%3F%20%231%3A%20100%25%20sure"
              "&body=a%2Bb%3Dc%26d");
}

TEST(MailtoUrl, NonAsciiUtf8IsEncodedByteByByte) {
    // "Grüße — café" written in UTF-8: ü C3 BC, ß C3 9F, the dash E2 80 94, é C3 A9.
    EXPECT_EQ(MailtoUrl("jürgen@example.de", "Grüße", "\xE2\x80\x94 café"),
              "mailto:j%C3%BCrgen@example.de?subject=Gr%C3%BC%C3%9Fe"
              "&body=%E2%80%94%20caf%C3%A9");
}

TEST(MailtoUrl, EightBitTextIsReadAsTheWindowsCodePage) {
    // é (E9) as in ISO-8859-1, the euro sign (80) and a closing quote (92) of Windows-1252.
    EXPECT_EQ(MailtoUrl("a@b.c", "caf\xE9 \x80", "it\x92s"),
              "mailto:a@b.c?subject=caf%C3%A9%20%E2%82%AC&body=it%E2%80%99s");
}

TEST(MailtoUrl, AnAddressCannotAddFieldsOrRecipients) {
    EXPECT_EQ(MailtoUrl("x@y.org?cc=eve@evil.org&bcc=z@z, w@w#f%", "[none]", ""),
              "mailto:x@y.org%3Fcc%3Deve@evil.org%26bcc%3Dz@z%2C%20w@w%23f%25"
              "?subject=%5Bnone%5D&body=");
    EXPECT_EQ(MailtoUrl("ann+news@example.com", "s", "b"),
              "mailto:ann+news@example.com?subject=s&body=b");
}

TEST(MailtoUrl, ValuesAreNotCut) {
    const std::string subject(2000, 'S');
    const std::string body(5000, 'b');
    EXPECT_EQ(MailtoUrl("a@b.c", subject, body),
              "mailto:a@b.c?subject=" + subject + "&body=" + body);
}

TEST(Utf8Text, OnlyWellFormedUtf8IsTakenAsIs) {
    EXPECT_TRUE(IsWellFormedUtf8("plain"));
    EXPECT_TRUE(IsWellFormedUtf8("\xF0\x9F\x98\x80 \xEF\xBF\xBD"));
    EXPECT_FALSE(IsWellFormedUtf8("\xC0\x80"));          // an overlong zero
    EXPECT_FALSE(IsWellFormedUtf8("\xE0\x80\xAF"));      // an overlong slash
    EXPECT_FALSE(IsWellFormedUtf8("\xED\xA0\x80"));      // a surrogate
    EXPECT_FALSE(IsWellFormedUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
    EXPECT_FALSE(IsWellFormedUtf8("ab\xC3"));            // cut short
    EXPECT_FALSE(IsWellFormedUtf8("\x80"));
    // One stray byte makes the whole text 8-bit: the UTF-8 pair is read as two characters.
    EXPECT_EQ(ToUtf8("\xC3\xA9\xE9"), "\xC3\x83\xC2\xA9\xC3\xA9");
    EXPECT_EQ(ToUtf8("\x81\x9D"), "\xC2\x81\xC2\x9D");  // undefined in the code page: kept
}

TEST(MailtoTransport, OpensTheUrlOfTheHandedOverReply) {
    TestPlatform t;
    FakeUrlOpener opener;
    MailtoTransport mailto(t.state, opener);
    mailto.HandOver({"NEW: WINDOW", "SUBJECT: Budget & plans", "TO: ann@example.com",
                     "DATA:   I will be attending this meeting on 05-Mar-2010 09:30", "RESTORE"});
    EXPECT_EQ(opener.opened,
              Lines{"mailto:ann@example.com?subject=Budget%20%26%20plans&body=%20%20I%20will%20be%"
                    "20attending%20this%20meeting%20on%2005-Mar-2010%2009%3A30"});
    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_EQ(t.log(), "");
}

TEST(MailtoTransport, WithoutAMailProgramTellsTheUserAndLosesNothing) {
    testing::installed::InstalledWindow t;
    t.open("invitation.ics");
    FakeUrlOpener opener;
    opener.accept = false;
    MailtoTransport mailto(t.state, opener);
    WindowCommands commands(t.state, {t.window, t.saveDialog, t.printDialog, t.fontDialog, mailto});
    const Lines shown = t.display.requests();
    const std::string report = t.report();

    commands.RSVPYes1Click();
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_TRUE(opener.opened[0].starts_with(
        "mailto:sales@example.com?subject=Quarterly%20budget%20review&body=%20%20I%20will%20be"));
    EXPECT_EQ(t.ui.boxes, (std::vector<Box>{{"Mail program not available",
                                             "No mail program is set up to send the reply"}}));
    EXPECT_EQ(t.logMessages().back(), "No mail program is set up to send the reply");
    EXPECT_EQ(t.display.requests(), shown);
    EXPECT_EQ(t.report(), report);
    EXPECT_EQ(t.window.closed, 0);

    // The reply can be tried again once a mail program is set up.
    opener.accept = true;
    commands.RSVPYes1Click();
    EXPECT_EQ(opener.opened.size(), 2u);
    EXPECT_EQ(opener.opened[1], opener.opened[0]);
    EXPECT_EQ(t.ui.boxes.size(), 1u);
}

}  // namespace
}  // namespace kelvor
