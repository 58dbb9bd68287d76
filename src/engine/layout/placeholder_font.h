#pragma once

#include <string>
#include <string_view>

#include "engine/style/fonts.h"

namespace kelvor::engine {

class LayoutContext;
class TDocument;

// The font of a missing picture's ALT text: 8-point Arial in black.
TDocFont PlaceholderFont(TDocument& document);

// ALT and TITLE texts are kept as UTF-8.
std::u16string Utf16(std::string_view utf8);

// Width and cell height of an ALT text in the placeholder font.
void PlaceholderText(LayoutContext& context, std::string_view text, int& width, int& height);

}  // namespace kelvor::engine
