#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/font_services.h"

namespace kelvor::engine {

// A platform font as the font cache hands it out.
struct CachedFont {
    // 0, 1, 2, ... in the order of first request, and the same for every later request of the
    // same font: an index for what is kept per font, such as the widths of measured words.
    int id = -1;
    std::shared_ptr<const platform::Font> font;
};

// The fonts of one document, built by the font services of the device the document is laid out
// for. Every element asks for its font, and a document asks for the same few fonts thousands of
// times (each cell of a table), so each distinct request is built once and kept as long as the
// document. The document owns its cache; a copy laid out for another device (a printer) has a
// cache of its own on that device's services.
class FontCache {
  public:
    explicit FontCache(platform::FontServices& services);
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    platform::FontServices& services() const { return *services_; }

    // The font for `request`, built on its first request. The entry stays where it is for the
    // life of the cache.
    const CachedFont& font(const platform::FontRequest& request);
    const CachedFont& fontById(int id) const { return fonts_.at(static_cast<std::size_t>(id)); }
    std::size_t size() const { return fonts_.size(); }

    // The family a font-family value stands for (ResolveFontFamily), worked out once per value.
    const std::string& resolveFamily(std::string_view list);

  private:
    struct RequestHash {
        std::size_t operator()(const platform::FontRequest& request) const;
    };

    platform::FontServices* services_;
    std::unordered_map<platform::FontRequest, int, RequestHash> ids_;
    std::deque<CachedFont> fonts_;
    std::unordered_map<std::string, std::string> families_;
};

}  // namespace kelvor::engine
