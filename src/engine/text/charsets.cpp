#include "engine/text/charsets.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <utility>

namespace kelvor::engine {

namespace {

constexpr std::array<std::pair<int, int>, 19> kCharsetCodePages = {{
    {0, 1252},   {1, 0},      {2, 0},      {77, 2},     {128, 932},  {129, 949},  {130, 1361},
    {134, 936},  {136, 950},  {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256},
    {186, 1257}, {204, 1251}, {222, 874},  {238, 1250}, {255, 1},
}};

// The iconv name of a Windows code page.
std::string IconvName(int codePage) {
    switch (codePage) {
        case 0:
            return "CP1252";
        case 1:
            return "CP437";
        case 2:
            return "MACINTOSH";
        case 1361:
            return "JOHAB";
        case kCodePageUtf8:
            return "UTF-8";
        default:
            break;
    }
    if (codePage >= 28591 && codePage <= 28606) {
        return "ISO-8859-" + std::to_string(codePage - 28590);
    }
    return "CP" + std::to_string(codePage);
}

// Runs one iconv conversion over the whole input; `substitute` replaces what cannot be
// converted instead of failing.
bool Run(const std::string& to, const std::string& from, const char* input, std::size_t size,
         std::string& output, const std::string& substitute) {
    iconv_t handle = iconv_open(to.c_str(), from.c_str());
    if (handle == reinterpret_cast<iconv_t>(-1))
        return false;
    output.clear();
    char* in = const_cast<char*>(input);
    std::size_t inLeft = size;
    char buffer[1024];
    bool ok = true;
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof(buffer);
        const std::size_t result = iconv(handle, &in, &inLeft, &out, &outLeft);
        output.append(buffer, sizeof(buffer) - outLeft);
        if (result == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            if (errno == EILSEQ && !substitute.empty()) {
                output += substitute;
                // Skip one input unit (a UTF-16 code unit).
                const std::size_t unit = from == "UTF-16LE" ? 2 : 1;
                in += unit;
                inLeft = inLeft > unit ? inLeft - unit : 0;
                continue;
            }
            ok = false;
            break;
        }
    }
    iconv_close(handle);
    return ok;
}

}  // namespace

std::optional<int> CodePageOfCharset(int charset) {
    for (const auto& [known, codePage] : kCharsetCodePages) {
        if (known == charset)
            return codePage;
    }
    return std::nullopt;
}

bool ConvertToUtf16(std::string_view bytes, int codePage, std::u16string& text) {
    std::string raw;
    if (!Run("UTF-16LE", IconvName(codePage), bytes.data(), bytes.size(), raw, "")) {
        if (codePage != kCodePageSystemDefault && codePage != 1252)
            return false;
        // The system default never fails: the five bytes Windows-1252 leaves undefined keep
        // their own values, as Windows does.
        text.clear();
        for (char byte : bytes) {
            std::string single;
            const unsigned char value = static_cast<unsigned char>(byte);
            if (value >= 0x80 && value < 0xA0 && Run("UTF-16LE", "CP1252", &byte, 1, single, "") &&
                single.size() == 2) {
                text += static_cast<char16_t>(static_cast<unsigned char>(single[0]) |
                                              (static_cast<unsigned char>(single[1]) << 8));
            } else {
                text += static_cast<char16_t>(value);
            }
        }
        return true;
    }
    text.clear();
    for (std::size_t i = 0; i + 1 < raw.size(); i += 2) {
        text += static_cast<char16_t>(static_cast<unsigned char>(raw[i]) |
                                      (static_cast<unsigned char>(raw[i + 1]) << 8));
    }
    return true;
}

bool ConvertFromUtf16(std::u16string_view text, int codePage, std::string& bytes) {
    std::string raw;
    for (char16_t c : text) {
        raw += static_cast<char>(c & 0xFF);
        raw += static_cast<char>(c >> 8);
    }
    return Run(IconvName(codePage), "UTF-16LE", raw.data(), raw.size(), bytes, "?");
}

}  // namespace kelvor::engine
