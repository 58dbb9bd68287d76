#include "kelvor/tokens.h"

namespace kelvor {

bool NextToken(std::string_view text, std::uint16_t& position, std::uint16_t& length,
               std::string_view delimiters) {
    std::size_t p = position;
    while (p >= 1 && p <= text.size() && text[p - 1] == ' ') {
        ++p;
    }
    if (p < 1 || p > text.size()) {
        return false;
    }
    std::size_t end = p;  // 1-based index of the last character of the token
    while (end < text.size() && delimiters.find(text[end]) == std::string_view::npos) {
        ++end;
    }
    position = static_cast<std::uint16_t>(p);
    length = static_cast<std::uint16_t>(end - p + 1);
    return true;
}

int SplitTokens(std::string_view text, std::string_view delimiters, TokenList& list) {
    std::uint16_t position = 1;
    std::uint16_t length = 0;
    int count = 0;
    // Texts longer than the 16-bit positions can address are cut there.
    if (text.size() > 65534) {
        text = text.substr(0, 65534);
    }
    while (NextToken(text, position, length, delimiters)) {
        if (count < TokenList::kMaxTokens) {
            ++count;
            list.token[count] = std::string(text.substr(position - 1, length));
        }
        position = static_cast<std::uint16_t>(position + length + 1);
        if (position < 1) {
            break;
        }
    }
    list.count = count;
    return count;
}

}  // namespace kelvor
