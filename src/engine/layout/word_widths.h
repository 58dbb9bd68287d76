#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/style/fonts.h"

namespace kelvor::engine {

// Widths of words already measured, by font id (the font cache's dense ids), so that a word a
// document repeats is measured once per font. Each font keeps at most kMaxWordsPerFont words;
// beyond that new words are measured without being kept.
class WordWidthCache {
  public:
    int width(const TDocFont& font, std::u16string_view word);

    static constexpr std::size_t kMaxWordsPerFont = 1 << 16;
    // Words longer than this are measured each time (they are rarely repeated).
    static constexpr std::size_t kMaxKeptLength = 32;

  private:
    // Looked up by view, so that a word already kept costs no copy.
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::u16string_view word) const {
            return std::hash<std::u16string_view>()(word);
        }
    };
    using Words = std::unordered_map<std::u16string, int, Hash, std::equal_to<>>;
    std::vector<Words> byFont_;
};

}  // namespace kelvor::engine
