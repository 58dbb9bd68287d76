#include "engine/style/font_cache.h"

#include <gtest/gtest.h>

#include "style_fixture.h"

namespace kelvor::engine::testing {
namespace {

platform::FontRequest Request(std::string name, int height) {
    platform::FontRequest request;
    request.name = std::move(name);
    request.height = height;
    return request;
}

TEST(FontCache, EachDistinctRequestIsBuiltOnceAndKeepsItsId) {
    platform::fixed::FixedFontServices device;
    FontCache cache(device);
    const CachedFont& arial = cache.font(Request("Arial", -16));
    const CachedFont& again = cache.font(Request("Arial", -16));
    EXPECT_EQ(&arial, &again);
    EXPECT_EQ(arial.id, 0);
    EXPECT_EQ(device.fontsCreated(), 1);
    // Every part of the request tells fonts apart.
    platform::FontRequest bold = Request("Arial", -16);
    bold.style = platform::kFontBold;
    platform::FontRequest red = Request("Arial", -16);
    red.colour = 0x0000FF;
    platform::FontRequest greek = Request("Arial", -16);
    greek.charset = 161;
    EXPECT_EQ(cache.font(Request("Arial", -13)).id, 1);
    EXPECT_EQ(cache.font(Request("Verdana", -16)).id, 2);
    EXPECT_EQ(cache.font(bold).id, 3);
    EXPECT_EQ(cache.font(red).id, 4);
    EXPECT_EQ(cache.font(greek).id, 5);
    EXPECT_EQ(device.fontsCreated(), 6);
    EXPECT_EQ(cache.size(), 6u);
    // Entries stay where they are while the cache grows.
    EXPECT_EQ(&cache.font(Request("Arial", -16)), &arial);
    EXPECT_EQ(cache.fontById(3).font->request().style, unsigned{platform::kFontBold});
    EXPECT_EQ(device.fontsCreated(), 6);
}

using DocumentFonts = StyleFixture;

TEST_F(DocumentFonts, ElementsOfTheSameLookShareOnePlatformFont) {
    // The root's font: 12 pt Times New Roman, black, default charset. The probe with the default
    // charset is the very request of the font, so one platform font serves every cell.
    sheet("td { padding: 3px } b { color: red }");
    const int id = stack.front()->font().fontId;
    push("table");
    for (int row = 0; row < 50; ++row) {
        push("tr");
        for (int column = 0; column < 6; ++column) {
            EXPECT_EQ(push("td").font().fontId, id);
            pop();
        }
        pop();
    }
    EXPECT_EQ(device.fontsCreated(), 1);
    // A bold red element needs one more.
    const TDocFont& bold = push("b").font();
    EXPECT_NE(bold.fontId, id);
    EXPECT_EQ(bold.font->request().colour, 0x0000FFu);
    EXPECT_EQ(device.fontsCreated(), 2);
    pop();
    pop();
    // So does a charset the platform must be asked about; the font of that charset is then the
    // same request again.
    stack.front()->setCharset(204);
    EXPECT_EQ(device.fontsCreated(), 3);
    EXPECT_EQ(push("td").font().font->request().charset, 204);
    EXPECT_EQ(device.fontsCreated(), 3);
}

}  // namespace
}  // namespace kelvor::engine::testing
