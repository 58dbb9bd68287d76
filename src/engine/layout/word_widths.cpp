#include "engine/layout/word_widths.h"

namespace kelvor::engine {

int WordWidthCache::width(const TDocFont& font, std::u16string_view word) {
    if (word.empty() || !font.font)
        return 0;
    if (font.fontId < 0 || word.size() > kMaxKeptLength)
        return font.font->textWidth(word);
    const auto id = static_cast<std::size_t>(font.fontId);
    if (id >= byFont_.size())
        byFont_.resize(id + 1);
    auto& words = byFont_[id];
    const auto found = words.find(word);
    if (found != words.end())
        return found->second;
    const int measured = font.font->textWidth(word);
    if (words.size() < kMaxWordsPerFont)
        words.emplace(std::u16string(word), measured);
    return measured;
}

}  // namespace kelvor::engine
