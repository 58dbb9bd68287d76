#include "engine/document/anchors.h"

#include "platform/ascii.h"

namespace kelvor::engine {

void TAnchorList::add(std::string_view name, int sourcePosition) {
    if (name.empty())
        return;
    anchors_.emplace(ascii::UpperCased(name), sourcePosition);
}

std::optional<int> TAnchorList::find(std::string_view name) const {
    const auto found = anchors_.find(ascii::UpperCased(name));
    if (found == anchors_.end())
        return std::nullopt;
    return found->second;
}

}  // namespace kelvor::engine
