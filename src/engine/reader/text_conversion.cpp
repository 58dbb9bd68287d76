#include "engine/reader/text_conversion.h"

#include <algorithm>

#include "engine/document/utf8_text.h"
#include "engine/text/charsets.h"

namespace kelvor::engine {

namespace {

// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves undefined keep their own value.
constexpr char16_t k1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t From1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? k1252High[byte - 0x80] : static_cast<char16_t>(byte);
}

bool IsAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

int PositionAt(std::span<const int> positions, std::size_t index) {
    if (positions.empty())
        return 0;
    return positions[std::min(index, positions.size() - 1)];
}

void Append1252(std::string_view bytes, std::span<const int> positions, std::u16string& text,
                std::vector<int>& textPositions) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text += From1252(static_cast<unsigned char>(bytes[i]));
        textPositions.push_back(PositionAt(positions, i));
    }
}

// Decodes UTF-8 strictly; false (and nothing appended) when the bytes are not valid UTF-8.
bool AppendUtf8(std::string_view bytes, std::span<const int> positions, std::u16string& text,
                std::vector<int>& textPositions) {
    const std::size_t textSize = text.size();
    const std::size_t positionsSize = textPositions.size();
    const auto fail = [&] {
        text.resize(textSize);
        textPositions.resize(positionsSize);
        return false;
    };
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 1;
        char32_t c = lead;
        char32_t minimum = 0;
        if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            c = lead & 0x07;
            minimum = 0x10000;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            c = lead & 0x0F;
            minimum = 0x800;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            c = lead & 0x1F;
            minimum = 0x80;
        } else if (lead >= 0x80) {
            return fail();
        }
        if (i + length > bytes.size())
            return fail();
        for (std::size_t k = 1; k < length; ++k) {
            const auto trail = static_cast<unsigned char>(bytes[i + k]);
            if ((trail & 0xC0) != 0x80)
                return fail();
            c = (c << 6) | (trail & 0x3F);
        }
        if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return fail();
        const int position = PositionAt(positions, i);
        const std::size_t before = text.size();
        AppendUtf16(c, text);
        textPositions.insert(textPositions.end(), text.size() - before, position);
        i += length;
    }
    return true;
}

// Is `byte` the first of two in a double-byte code page?
bool IsLeadByte(unsigned char byte, int codePage) {
    switch (codePage) {
        case 932:
            return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        case 936:
        case 949:
        case 950:
            return byte >= 0x81 && byte <= 0xFE;
        case 1361:
            return (byte >= 0x84 && byte <= 0xD3) || (byte >= 0xD8 && byte <= 0xF9);
        default:
            return false;
    }
}

}  // namespace

void AppendUtf16(char32_t c, std::u16string& text) {
    if (c > 0xFFFF) {
        c -= 0x10000;
        text += static_cast<char16_t>(0xD800 + (c >> 10));
        text += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
        text += static_cast<char16_t>(c);
    }
}

void AppendConverted(std::string_view bytes, std::span<const int> positions, int codePage,
                     std::u16string& text, std::vector<int>& textPositions) {
    if (bytes.empty())
        return;
    if (IsAscii(bytes)) {
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            text += static_cast<char16_t>(bytes[i]);
            textPositions.push_back(PositionAt(positions, i));
        }
        return;
    }
    if (codePage == kCodePageUtf8) {
        if (!AppendUtf8(bytes, positions, text, textPositions))
            Append1252(bytes, positions, text, textPositions);
        return;
    }
    if (codePage == kCodePageSystemDefault || codePage == 1252) {
        Append1252(bytes, positions, text, textPositions);
        return;
    }
    std::u16string converted;
    if (!ConvertToUtf16(bytes, codePage, converted)) {
        Append1252(bytes, positions, text, textPositions);
        return;
    }
    if (converted.size() == bytes.size()) {
        text += converted;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            textPositions.push_back(PositionAt(positions, i));
        return;
    }
    // A multi-byte code page: each character takes the position of its first byte.
    std::size_t byte = 0;
    for (char16_t c : converted) {
        text += c;
        textPositions.push_back(PositionAt(positions, byte));
        if (byte < bytes.size()) {
            const bool lead = IsLeadByte(static_cast<unsigned char>(bytes[byte]), codePage);
            byte += lead ? 2 : 1;
        }
    }
}

std::string CharToCodePage(char32_t c, int codePage, std::size_t limit) {
    std::string bytes;
    if (c < 0x80) {
        bytes += static_cast<char>(c);
        return bytes;
    }
    if (codePage == kCodePageUtf8) {
        std::u16string text;
        AppendUtf16(c, text);
        bytes = Utf16ToUtf8(text);
    } else if ((codePage == kCodePageSystemDefault || codePage == 1252) && c >= 0xA0 && c <= 0xFF) {
        bytes += static_cast<char>(c);
    } else {
        std::u16string text;
        AppendUtf16(c, text);
        if (!ConvertFromUtf16(text, codePage, bytes) || bytes.empty())
            bytes.assign(1, '?');
    }
    if (bytes.size() > limit)
        bytes.resize(limit);
    return bytes;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    return Utf8FromUtf16(text);
}

}  // namespace kelvor::engine
