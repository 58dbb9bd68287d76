#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvor::engine {

// What the preparation of a document's text found.
struct PreparedInput {
    std::string text;
    bool byteOrderMark = false;  // a UTF-8 byte order mark was removed
    bool shiftJis = false;       // 7-bit ISO-2022-JP was turned into Shift-JIS
};

// Prepares a document's text for reading: up to 100 NUL bytes become blanks and the text is cut
// before a 101st; a UTF-8 byte order mark (in a text longer than 3 bytes) is removed; a 7-bit
// ISO-2022-JP text is turned into Shift-JIS.
PreparedInput PrepareInput(std::string_view text);

// The Shift-JIS form of an ISO-2022-JP text: the two-byte runs between ESC "$@" or ESC "$B" and
// ESC "(J" or ESC "(B" become Shift-JIS pairs, the escapes go.
std::string Iso2022JpToShiftJis(std::string_view text);
// The Shift-JIS form of an EUC-JP text. Characters Shift-JIS lacks (JIS X 0212) become "?".
std::string EucJpToShiftJis(std::string_view text);

// The charset of a META or FONT CHARSET value: the first row of the character-set table whose
// key occurs anywhere in the lower-cased value. Nothing when no key occurs.
std::optional<int> CharsetFromName(std::string_view value);

}  // namespace kelvor::engine
