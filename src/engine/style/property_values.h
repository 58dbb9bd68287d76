#pragma once

#include <string_view>

#include "engine/style/colours.h"
#include "engine/style/style_properties.h"

namespace kelvor::engine {

// Turns the text of a declaration into the value stored for a property. Colours are read (in
// strict mode for style sheets) and get `paletteFlag`; lengths are checked and kept as text;
// visibility and z-index become integers. Returns false when the value does not fit the
// property, which then stays as it was.
bool PropertyValueFromText(int index, std::string_view text, bool strict, TColour paletteFlag,
                           PropValue& value);

bool IsColourProperty(int index);

// Expands a declaration into the properties it sets: a shorthand into its parts, an ordinary
// property into itself; unknown names give nothing. Values are expected lower-cased.
struct Declaration {
    int index;
    std::string text;
};
std::vector<Declaration> ExpandDeclaration(std::string_view name, std::string_view value);

}  // namespace kelvor::engine
