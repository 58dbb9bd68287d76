#include "engine/style/fonts.h"

#include <gtest/gtest.h>

#include "engine/text/charsets.h"
#include "style_fixture.h"

namespace kelvor::engine::testing {
namespace {

using Fonts = StyleFixture;

TEST_F(Fonts, FamilyListsAndGenericNames) {
    EXPECT_EQ(ResolveFontFamily("Foo, sans-serif", device), "Arial");
    EXPECT_EQ(ResolveFontFamily(" 'Bar' , \"verdana\"", device), "verdana");
    EXPECT_EQ(ResolveFontFamily("serif", device), "Times New Roman");
    EXPECT_EQ(ResolveFontFamily("MONOSPACE", device), "Courier New");
    EXPECT_EQ(ResolveFontFamily("helvetica", device), "Arial");
    // Nothing installed: the first name goes to the platform to substitute.
    EXPECT_EQ(ResolveFontFamily("Foo, cursive", device), "Foo");
    sheet("p { font-family: Foo, sans-serif }");
    EXPECT_EQ(push("p").font().description.name, "Arial");
}

TEST_F(Fonts, HeightMetricsAndEmSize) {
    // 12 pt at 96 ppi: height -16; the fixed services give em 16, cell 19, internal leading 3.
    const TProperties& p = push("p");
    const TDocFont& font = p.font();
    EXPECT_EQ(font.height, -16);
    EXPECT_EQ(font.metrics.height, 19);
    EXPECT_EQ(font.metrics.descent, 4);
    EXPECT_EQ(p.emSize(), 16);
    EXPECT_EQ(p.exSize(), 8);
    EXPECT_EQ(font.lineHeight, 0);
    // The font is built once and kept.
    const long built = device.fontsCreated();
    EXPECT_EQ(&p.font(), &font);
    EXPECT_EQ(device.fontsCreated(), built);
    pop();
    // 10 pt: -round(96 * 10 / 72) = -13.
    EXPECT_EQ(push("p", "", "", "", "font-size: 10pt").font().height, -13);
    pop();
    EXPECT_EQ(push("p", "", "", "", "line-height: 24px").font().lineHeight, 24);
    pop();
    EXPECT_EQ(push("p", "", "", "", "line-height: 1.5").font().lineHeight, 24);
    pop();
    EXPECT_EQ(push("p", "", "", "", "line-height: 150%").font().lineHeight, 24);
    pop();
    EXPECT_EQ(push("p", "", "", "", "line-height: normal").font().lineHeight, 0);
    pop();
    // Lengths in em use the element's own font.
    EXPECT_EQ(push("p", "", "", "", "font-size: 24pt; margin-left: 2em").boxValues(0, 0).margin[3],
              64);
}

TEST_F(Fonts, WeightStyleAndDecoration) {
    EXPECT_EQ(push("p", "", "", "", "font-weight: 600").fontDescription().style,
              unsigned{platform::kFontBold});
    pop();
    EXPECT_EQ(push("p", "", "", "", "font-weight: 500").fontDescription().style, 0u);
    pop();
    EXPECT_EQ(
        push("p", "", "", "", "font-style: oblique; text-decoration: underline line-through")
            .fontDescription()
            .style,
        unsigned{platform::kFontItalic | platform::kFontUnderline | platform::kFontStrikeOut});
}

TEST_F(Fonts, SymbolFontsKeepTheirCharset) {
    stack.front()->setCharset(204);
    const TDocFont& symbol = push("p", "", "", "", "font-family: Symbol").font();
    EXPECT_EQ(symbol.description.charset, platform::kSymbolCharset);
    pop();
    const TDocFont& cyrillic = push("p").font();
    EXPECT_EQ(cyrillic.description.charset, 204);
    EXPECT_EQ(cyrillic.font->request().charset, 204);
}

TEST_F(Fonts, CharsetsAndCodePages) {
    TProperties& p = *stack.front();
    p.setCharset(204);
    EXPECT_EQ(p.charset(), 204);
    EXPECT_EQ(p.codePage(), 1251);
    p.setCharset(kCharsetLatin2Special);
    EXPECT_EQ(p.charset(), 238);
    EXPECT_EQ(p.codePage(), 28592);
    p.setCharset(platform::kDefaultCharset);  // stays 1 although the platform answers 0
    EXPECT_EQ(p.charset(), 1);
    EXPECT_EQ(p.codePage(), 0);
    device.unsupportedCharsets = {222};
    p.setCharset(222);  // the platform falls back to ANSI
    EXPECT_EQ(p.charset(), 0);
    EXPECT_EQ(p.codePage(), 1252);
    p.setCharset(99);  // unknown: the code page stays
    EXPECT_EQ(p.charset(), 99);
    EXPECT_EQ(p.codePage(), 1252);
    p.setUtf8();
    EXPECT_EQ(p.charset(), 0);
    EXPECT_EQ(p.codePage(), kCodePageUtf8);
    EXPECT_EQ(CodePageOfCharset(128), 932);
    EXPECT_EQ(CodePageOfCharset(255), 1);
    EXPECT_EQ(CodePageOfCharset(77), 2);
    EXPECT_FALSE(CodePageOfCharset(5).has_value());
}

TEST_F(Fonts, LinkFontsTakeANewCharset) {
    TProperties& link = push("a", "", "", "link");
    link.setCharset(161);
    ASSERT_NE(link.linkFonts(), nullptr);
    for (const TLinkFontEntry& entry : link.linkFonts()->entries) {
        EXPECT_EQ(entry.font.charset, 161);
    }
}

}  // namespace
}  // namespace kelvor::engine::testing
