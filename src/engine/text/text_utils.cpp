#include "engine/text/text_utils.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace kelvor::engine {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

std::vector<std::string> SplitWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    int depth = 0;
    for (char c : text) {
        if (c == '(')
            ++depth;
        if (c == ')' && depth > 0)
            --depth;
        if (IsBlank(c) && depth == 0) {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

bool ParseNumber(std::string_view text, double& value) {
    if (text.empty())
        return false;
    if (text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    std::size_t digits = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            ++digits;
        } else if (!(c == '.' || (c == '-' && i == 0))) {
            return false;
        }
    }
    if (digits == 0)
        return false;
    std::string copy(text);
    if (copy.front() == '.')
        copy.insert(0, "0");
    if (copy.rfind("-.", 0) == 0)
        copy.insert(1, "0");
    const auto [end, error] = std::from_chars(copy.data(), copy.data() + copy.size(), value);
    return error == std::errc() && end == copy.data() + copy.size();
}

std::string_view Unquote(std::string_view text) {
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front()) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

}  // namespace kelvor::engine
