#pragma once

#include <cstddef>
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
    std::vector<std::unordered_map<std::u16string, int>> byFont_;
};

}  // namespace kelvor::engine
