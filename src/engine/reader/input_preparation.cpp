#include "engine/reader/input_preparation.h"

#include <iterator>
#include <utility>

#include "engine/text/charsets.h"
#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

constexpr int kMaxReplacedNuls = 100;
constexpr char kEsc = 27;

// The character-set table, searched in this order.
constexpr std::pair<std::string_view, int> kCharsetNames[] = {
    {"1252", 0},        {"8859-1", 0},       {"1253", 161},
    {"8859-7", 161},    {"1250", 238},       {"8859-2", kCharsetLatin2Special},
    {"1251", 204},      {"8859-5", 204},     {"koi", 204},
    {"866", 204},       {"1254", 162},       {"8859-3", 162},
    {"8859-9", 162},    {"1257", 186},       {"8859-4", 186},
    {"932", 128},       {"949", 129},        {"936", 134},
    {"950", 136},       {"1255", 177},       {"1256", 178},
    {"1258", 163},      {"874", 222},        {"ansi", 0},
    {"default", 1},     {"symbol", 2},       {"shiftjis", 128},
    {"shift_jis", 128}, {"x-sjis", 128},     {"hangeul", 129},
    {"gb2312", 134},    {"big5", 136},       {"oem", 255},
    {"johab", 130},     {"hebrew", 177},     {"arabic", 178},
    {"greek", 161},     {"turkish", 162},    {"vietnamese", 163},
    {"thai", 222},      {"easteurope", 238}, {"russian", 204},
    {"euc-kr", 129},    {"5601", 129},       {"euc-jp", kCharsetEucJpSpecial},
    {"8859-15", 0},     {"tis-620", 222},
};
static_assert(std::size(kCharsetNames) == 47);

bool IsJisByte(unsigned char c) {
    return c >= 33 && c <= 126;
}

// A JIS X 0208 pair (each byte 33..126) as its Shift-JIS pair.
void AppendShiftJis(unsigned char c1, unsigned char c2, std::string& out) {
    const int first = ((c1 + 1) >> 1) + (c1 <= 96 ? 112 : 176);
    int second = 0;
    if (c1 % 2 == 1)
        second = c2 + 31 + (c2 >= 96 ? 1 : 0);
    else
        second = c2 + 126;
    out += static_cast<char>(first);
    out += static_cast<char>(second);
}

bool StartsAt(std::string_view text, std::size_t at, std::string_view part) {
    return text.compare(at, part.size(), part) == 0;
}

}  // namespace

PreparedInput PrepareInput(std::string_view text) {
    PreparedInput prepared;
    prepared.text.reserve(text.size());
    int nuls = 0;
    for (char c : text) {
        if (c == '\0') {
            if (++nuls > kMaxReplacedNuls)
                break;
            c = ' ';
        }
        prepared.text += c;
    }
    std::string& buffer = prepared.text;
    if (buffer.size() > 3 && StartsAt(buffer, 0, "\xEF\xBB\xBF")) {
        buffer.erase(0, 3);
        prepared.byteOrderMark = true;
        return prepared;
    }
    std::size_t start = std::string::npos;
    for (std::string_view shift : {"\x1B$@", "\x1B$B"}) {
        const std::size_t at = buffer.find(shift);
        if (at != std::string::npos && (start == std::string::npos || at < start))
            start = at;
    }
    if (start != std::string::npos && (buffer.find("\x1B(J", start) != std::string::npos ||
                                       buffer.find("\x1B(B", start) != std::string::npos)) {
        buffer = Iso2022JpToShiftJis(buffer);
        prepared.shiftJis = true;
    }
    return prepared;
}

std::string Iso2022JpToShiftJis(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool twoBytes = false;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == kEsc) {
            if (StartsAt(text, i, "\x1B$@") || StartsAt(text, i, "\x1B$B")) {
                twoBytes = true;
                i += 3;
                continue;
            }
            if (StartsAt(text, i, "\x1B(J") || StartsAt(text, i, "\x1B(B")) {
                twoBytes = false;
                i += 3;
                continue;
            }
        }
        const auto c1 = static_cast<unsigned char>(text[i]);
        if (twoBytes && IsJisByte(c1) && i + 1 < text.size() &&
            IsJisByte(static_cast<unsigned char>(text[i + 1]))) {
            AppendShiftJis(c1, static_cast<unsigned char>(text[i + 1]), out);
            i += 2;
            continue;
        }
        out += text[i];
        ++i;
    }
    return out;
}

std::string EucJpToShiftJis(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto next = [&](std::size_t k) {
            return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
        };
        if (c >= 0xA1 && c <= 0xFE && next(1) >= 0xA1 && next(1) <= 0xFE) {
            AppendShiftJis(static_cast<unsigned char>(c - 0x80),
                           static_cast<unsigned char>(next(1) - 0x80), out);
            i += 2;
        } else if (c == 0x8E && next(1) >= 0xA1 && next(1) <= 0xDF) {
            out += static_cast<char>(next(1));  // half-width katakana
            i += 2;
        } else if (c == 0x8F && next(1) >= 0xA1 && next(2) >= 0xA1) {
            out += '?';
            i += 3;
        } else {
            out += static_cast<char>(c);
            ++i;
        }
    }
    return out;
}

std::optional<int> CharsetFromName(std::string_view value) {
    const std::string lower = ascii::LowerCased(value);
    for (const auto& [key, charset] : kCharsetNames) {
        if (lower.find(key) != std::string::npos)
            return charset;
    }
    return std::nullopt;
}

}  // namespace kelvor::engine
