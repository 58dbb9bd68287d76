#pragma once

#include <optional>
#include <string>

#include "engine/style/fonts.h"

namespace kelvor::engine {

// One link of a document (an A element with HREF). Every font run of the link's text points at
// it, so that its states (visited, under the mouse, focused) change all its text together.
struct TLinkTarget {
    std::string url;
    std::string target;
    int linkId = 0;    // its index in the document's link list
    int tabOrder = 0;  // TABINDEX
    int startPosition = -1;
    int endPosition = -1;  // -1 while the link is open
    // The link's fonts in its three states, from the A element's properties.
    std::optional<TLinkFonts> fonts;
    // Set by the viewer when it counts the URL as visited.
    bool visited = false;
};

}  // namespace kelvor::engine
