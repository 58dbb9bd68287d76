#include "engine/style/colours.h"

#include <gtest/gtest.h>

#include "platform/fixed/fixed_font_services.h"
#include "style_fixture.h"

namespace kelvor::engine {
namespace {

using testing::Bgr;

TColour Read(std::string_view text, bool strict) {
    TColour colour = 0xDEADBEEF;
    EXPECT_TRUE(ColorFromString(text, strict, colour)) << text;
    return colour;
}

bool Reads(std::string_view text, bool strict) {
    TColour colour = 0;
    return ColorFromString(text, strict, colour);
}

TEST(ColourReader, HexadecimalForms) {
    EXPECT_EQ(Read("#abc", true), Bgr(0xaa, 0xbb, 0xcc));
    EXPECT_EQ(Read("#AABBCC", true), Bgr(0xaa, 0xbb, 0xcc));
    EXPECT_EQ(Read("  #FF0000 ", true), Bgr(0xff, 0, 0));
    // Attribute mode takes the digits without "#"; a style sheet does not.
    EXPECT_EQ(Read("ff0000", false), Bgr(0xff, 0, 0));
    EXPECT_FALSE(Reads("ff0000", true));
    // The remembered conversion must not carry an attribute-mode answer into a style sheet.
    EXPECT_EQ(Read("00ff00", false), Bgr(0, 0xff, 0));
    EXPECT_FALSE(Reads("00ff00", true));
    EXPECT_EQ(Read("00ff00", false), Bgr(0, 0xff, 0));
    EXPECT_EQ(Read("#ff000080", true), Bgr(0xff, 0, 0));
    EXPECT_FALSE(Reads("#xyz", false));
    EXPECT_FALSE(Reads("nonsense", false));
}

TEST(ColourReader, RgbAndNames) {
    EXPECT_EQ(Read("rgb(255, 128, 0)", true), Bgr(255, 128, 0));
    EXPECT_EQ(Read("RGB(1,2,3)", true), Bgr(1, 2, 3));
    EXPECT_EQ(Read("rgb(300, -5, 100%)", true), Bgr(255, 0, 255));
    EXPECT_FALSE(Reads("rgb(1, 2)", true));
    EXPECT_EQ(Read("Red", true), Bgr(0xff, 0, 0));
    EXPECT_EQ(Read("navy", true), Bgr(0, 0, 0x80));
    EXPECT_EQ(Read("darkslategrey", true), Bgr(0x2f, 0x4f, 0x4f));
    EXPECT_EQ(Read("yellowgreen", true), Bgr(0x9a, 0xcd, 0x32));
    EXPECT_EQ(Read("transparent", true), kNoColour);
    EXPECT_EQ(ColourNameCount(), 176);
}

TEST(ColourReader, SystemColourNames) {
    EXPECT_EQ(Read("window", true), kSystemColourBase + 5);
    EXPECT_EQ(Read("windowtext", true), kSystemColourBase + 8);
    EXPECT_EQ(Read("highlight", true), kSystemColourBase + 13);
    EXPECT_EQ(Read("scrollbar", true), kSystemColourBase + 0);
    EXPECT_EQ(Read("infobackground", true), kSystemColourBase + 24);
    // The aliases share their colour.
    EXPECT_EQ(Read("threedface", true), Read("buttonface", true));
    EXPECT_EQ(Read("threedshadow", true), Read("buttonshadow", true));
    EXPECT_EQ(Read("threedlightshadow", true), Read("buttonhighlight", true));
    EXPECT_EQ(Read("threedhighlight", true), kSystemColourBase + 20);
}

TEST(ColourResolution, SystemColoursPaletteFlagAndNone) {
    platform::fixed::FixedFontServices device;
    EXPECT_EQ(ResolveColour(kSystemColourBase + 5, device), 0xFFFFFFu);  // window: white
    EXPECT_EQ(ResolveColour(kSystemColourBase + 8, device), 0x000000u);  // window text: black
    EXPECT_EQ(ResolveColour(Bgr(1, 2, 3) | kPaletteFlag, device), Bgr(1, 2, 3));
    EXPECT_FALSE(ResolveColour(kNoColour, device).has_value());
    EXPECT_EQ(PaletteFlag(device), 0u);
    device.bits = 8;
    EXPECT_EQ(PaletteFlag(device), kPaletteFlag);
}

}  // namespace
}  // namespace kelvor::engine
