#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvor {

// The token list shared by the zone table reader and both rule readers. It is overwritten line
// by line and never cleared, so a short line leaves the tokens of a longer earlier line behind.
struct TokenList {
    static constexpr int kMaxTokens = 16;
    std::array<std::string, kMaxTokens + 1> token;  // 1-based; token[0] is unused
    int count = 0;
};

// Finds the next token of text from position (1-based) on: blanks are skipped, then the token
// runs up to the first later delimiter character or the end. Returns false, leaving position and
// length alone, when only blanks remain.
bool NextToken(std::string_view text, std::uint16_t& position, std::uint16_t& length,
               std::string_view delimiters);

// Splits text into the list with NextToken, keeping at most 16 tokens; returns the number kept.
// Slots beyond the new count keep their old contents.
int SplitTokens(std::string_view text, std::string_view delimiters, TokenList& list);

}  // namespace kelvor
