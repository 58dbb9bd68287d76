#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/font_services.h"

namespace kelvor::engine {

// A colour of the display engine: 0x00BBGGRR, possibly with the palette flag; kNoColour for
// none; kSystemColourBase + n for the platform's system colour n.
using TColour = std::uint32_t;

inline constexpr TColour kNoColour = 0x1FFFFFFF;
inline constexpr TColour kSystemColourBase = 0x80000000;
inline constexpr TColour kPaletteFlag = 0x2000000;

// Reads a colour. The text is trimmed and lower-cased; a text that starts with "#" or holds
// "rgb(" is numeric, anything else is looked up among the colour names first. In strict mode
// (style sheets) a hexadecimal colour needs its "#". Returns false when the text is no colour.
// The last conversion is remembered, as documents repeat the same colours.
bool ColorFromString(std::string_view text, bool strict, TColour& colour);

// The flag that colours read from a document carry: the palette flag on displays of 8 bits per
// pixel or fewer, otherwise nothing.
TColour PaletteFlag(const platform::FontServices& device);

// The one place where engine colours become drawable ones: the palette flag is dropped and a
// system colour is asked of the platform. kNoColour has no drawable form and gives
// std::nullopt.
std::optional<platform::RgbColour> ResolveColour(TColour colour,
                                                 const platform::FontServices& device);

// Number of entries of the colour-name table.
int ColourNameCount();

}  // namespace kelvor::engine
