// The three sinks of a selection walk: what each counts or copies, and that a buffer is never
// written beyond its capacity.

#include "engine/select/text_sinks.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "fakes/platform/recording_clipboard.h"

namespace kelvor::engine {
namespace {

// "ab", a form control, a picture, a BR, "c": the marks are 2, 4 and 8.
constexpr std::u16string_view kMarked =
    u"ab\x02\x04\x08"
    u"c";

TEST(SelTextCount, CountsEveryCharacterButTheMarksOfControlsAndPictures) {
    SelTextCount count;
    count.addText(kMarked);
    count.addLineEnd(u"d");
    // a, b, BR, c, d, CR, LF
    EXPECT_EQ(count.finish(), 7);
}

TEST(SelTextBuf, CopiesWithoutMarksAndEndsWithAZero) {
    std::array<char16_t, 16> buffer;
    buffer.fill(u'#');
    SelTextBuf sink(buffer.data(), 16);
    sink.addText(kMarked);
    sink.addLineEnd(u"d");
    EXPECT_EQ(sink.finish(), 7);  // "abcd" CR LF and the zero
    EXPECT_EQ(std::u16string(buffer.data()), u"abcd\r\n");
    EXPECT_EQ(buffer[7], u'#');
}

TEST(SelTextBuf, ATooSmallBufferShortensTheTextAndIsNeverOverrun) {
    std::array<char16_t, 8> buffer;
    buffer.fill(u'#');
    SelTextBuf sink(buffer.data(), 4);  // room for three characters and the zero
    sink.addText(u"Hello");
    sink.addText(u"\r\n");
    EXPECT_EQ(sink.finish(), 4);
    EXPECT_EQ(std::u16string(buffer.data()), u"Hel");
    for (std::size_t i = 4; i < buffer.size(); ++i) {
        EXPECT_EQ(buffer[i], u'#') << i;
    }

    buffer.fill(u'#');
    SelTextBuf one(buffer.data(), 1);  // the zero only
    one.addText(u"Hello");
    EXPECT_EQ(one.finish(), 1);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[1], u'#');

    buffer.fill(u'#');
    SelTextBuf none(buffer.data(), 0);
    none.addText(u"Hello");
    EXPECT_EQ(none.finish(), 1);
    EXPECT_EQ(buffer[0], u'#');
}

TEST(ClipBuffer, PutsWhatItCopiedOnTheClipboardAtItsFinish) {
    testing::RecordingClipboard clipboard;
    {
        ClipBuffer sink(5, clipboard);
        sink.addText(kMarked);
        sink.addText(u"defg");
        EXPECT_TRUE(clipboard.calls.empty());
        EXPECT_EQ(sink.finish(), 5);
    }
    EXPECT_EQ(clipboard.calls, (std::vector<std::string>{"text"}));
    EXPECT_EQ(clipboard.text, u"abcd");
}

}  // namespace
}  // namespace kelvor::engine
