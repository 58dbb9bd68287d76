#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/fixed/fixed_font_services.h"
#include "platform/fixed/recording_canvas.h"

namespace kelvor::platform::fixed {
namespace {

std::shared_ptr<const Font> Make(FixedFontServices& device, int height, int charset = 1,
                                 std::string name = "Arial") {
    FontRequest request;
    request.name = std::move(name);
    request.height = height;
    request.charset = charset;
    return device.createFont(request);
}

TEST(FixedFontServices, MetricsFollowTheirFormulas) {
    FixedFontServices device;
    EXPECT_EQ(device.pixelsPerInch(), 96);
    EXPECT_EQ(device.bitsPerPixel(), 24);
    // 12 pt at 96 ppi: em 16, internal leading 3, cell 19, ascent 15, descent 4, external
    // leading 1, characters 8 wide.
    const FontMetrics twelve = Make(device, -16)->metrics();
    EXPECT_EQ(twelve.internalLeading, 3);
    EXPECT_EQ(twelve.height, 19);
    EXPECT_EQ(twelve.ascent, 15);
    EXPECT_EQ(twelve.descent, 4);
    EXPECT_EQ(twelve.externalLeading, 1);
    EXPECT_EQ(twelve.averageCharWidth, 8);
    EXPECT_EQ(twelve.maxCharWidth, 16);
    EXPECT_EQ(Make(device, -16)->textWidth(u"Kelvor"), 48);
    // A cell height of 24: em 20, leading 4, descent 5, ascent 19, external leading 2.
    const FontMetrics cell = Make(device, 24)->metrics();
    EXPECT_EQ(cell.height, 24);
    EXPECT_EQ(cell.internalLeading, 4);
    EXPECT_EQ(cell.descent, 5);
    EXPECT_EQ(cell.ascent, 19);
    EXPECT_EQ(cell.externalLeading, 2);
    EXPECT_EQ(cell.averageCharWidth, 10);
    // No height: em 16.
    EXPECT_EQ(Make(device, 0)->metrics().height, 19);
    // An odd em: 13 gives leading 2, cell 15, descent 3, ascent 12, characters 6.
    const FontMetrics odd = Make(device, -13)->metrics();
    EXPECT_EQ(odd.height, 15);
    EXPECT_EQ(odd.ascent, 12);
    EXPECT_EQ(odd.averageCharWidth, 6);
}

TEST(FixedFontServices, AnyHeightIsSafe) {
    FixedFontServices device;
    EXPECT_EQ(FixedFontServices::emFor(INT_MIN), kMaxFontHeight);
    EXPECT_EQ(FixedFontServices::emFor(INT_MAX), kMaxFontHeight * 5 / 6);
    EXPECT_EQ(FixedFontServices::emFor(-kMaxFontHeight), kMaxFontHeight);
    const std::shared_ptr<const Font> huge = Make(device, INT_MIN);
    EXPECT_EQ(huge->metrics().height, kMaxFontHeight + kMaxFontHeight / 5);
    // 500 000 characters of 5 000 pixels are more than an int holds.
    EXPECT_EQ(huge->textWidth(std::u16string(500000, u'x')), INT_MAX);
}

TEST(FixedFontServices, CharsetsAndFamilies) {
    FixedFontServices device;
    device.unsupportedCharsets = {222};
    EXPECT_EQ(Make(device, -16, kDefaultCharset)->metrics().charset, kAnsiCharset);
    EXPECT_EQ(Make(device, -16, 204)->metrics().charset, 204);
    EXPECT_EQ(Make(device, -16, 222)->metrics().charset, kAnsiCharset);
    EXPECT_EQ(Make(device, -16, 204, "symbol")->metrics().charset, kSymbolCharset);
    EXPECT_TRUE(device.hasFontFamily("times NEW roman"));
    EXPECT_FALSE(device.hasFontFamily("Tahoma"));
    EXPECT_EQ(device.fontFamilies(), (std::vector<std::string>{"Arial", "Courier New", "Symbol",
                                                               "Times New Roman", "Verdana"}));
    EXPECT_EQ(device.fontsCreated(), 4);
    EXPECT_EQ(device.systemColour(5), 0xFFFFFFu);
    EXPECT_EQ(device.systemColour(13), 0x6A240Au);
    EXPECT_EQ(device.systemColour(99), 0u);
}

TEST(RecordingCanvas, KeepsEveryCallInOrder) {
    FixedFontServices device;
    RecordingCanvas canvas;
    const std::shared_ptr<const Font> font = Make(device, -16);
    canvas.setClip(Rect{0, 0, 100, 50});
    canvas.drawText(*font, 4, 15, u"Hi", 0x0000FF, 0xFFFFFF);
    canvas.fillRect(Rect{1, 2, 3, 4}, 0x00FF00);
    canvas.drawLine(0, 10, 90, 10, 0x123456, 2, PenStyle::dotted);
    canvas.setClip(std::nullopt);
    ASSERT_EQ(canvas.calls.size(), 5u);
    using Call = RecordingCanvas::Call;
    EXPECT_EQ(canvas.calls[0].call, Call::clip);
    EXPECT_EQ(canvas.calls[0].rect, (Rect{0, 0, 100, 50}));
    EXPECT_FALSE(canvas.calls[0].clipCleared);
    EXPECT_EQ(canvas.calls[1].call, Call::text);
    EXPECT_EQ(canvas.calls[1].text, u"Hi");
    EXPECT_EQ(canvas.calls[1].font, font->request());
    EXPECT_EQ(canvas.calls[1].x, 4);
    EXPECT_EQ(canvas.calls[1].y, 15);
    EXPECT_EQ(canvas.calls[1].background, 0xFFFFFFu);
    EXPECT_EQ(canvas.calls[2].call, Call::fillRect);
    EXPECT_EQ(canvas.calls[2].colour, 0x00FF00u);
    EXPECT_EQ(canvas.calls[3].penStyle, PenStyle::dotted);
    EXPECT_EQ(canvas.calls[3].x2, 90);
    EXPECT_TRUE(canvas.calls[4].clipCleared);
}

}  // namespace
}  // namespace kelvor::platform::fixed
