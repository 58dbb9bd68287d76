#include "engine/style/font_cache.h"

#include <functional>

#include "engine/style/fonts.h"

namespace kelvor::engine {

FontCache::FontCache(platform::FontServices& services) : services_(&services) {}

std::size_t FontCache::RequestHash::operator()(const platform::FontRequest& request) const {
    std::size_t hash = std::hash<std::string>()(request.name);
    for (const std::size_t part :
         {std::hash<int>()(request.height), std::hash<unsigned>()(request.style),
          std::hash<platform::RgbColour>()(request.colour), std::hash<int>()(request.charset)}) {
        hash = hash * 31 + part;
    }
    return hash;
}

const CachedFont& FontCache::font(const platform::FontRequest& request) {
    const auto found = ids_.find(request);
    if (found != ids_.end())
        return fonts_[static_cast<std::size_t>(found->second)];
    CachedFont entry;
    entry.id = static_cast<int>(fonts_.size());
    entry.font = services_->createFont(request);
    ids_.emplace(request, entry.id);
    fonts_.push_back(std::move(entry));
    return fonts_.back();
}

const std::string& FontCache::resolveFamily(std::string_view list) {
    const std::string key(list);
    const auto found = families_.find(key);
    if (found != families_.end())
        return found->second;
    return families_.emplace(key, ResolveFontFamily(list, *services_)).first->second;
}

}  // namespace kelvor::engine
