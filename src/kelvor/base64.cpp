#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "kelvor/intake.h"

namespace kelvor {

namespace {

constexpr char kPad = '=';

// Mail bodies are not always clean, so nothing is rejected: any character outside the
// alphabet, 8-bit bytes included, stands for all six bits set. A pad marker where a group's
// first two characters stand carries no bits.
std::uint8_t SextetOf(char c) {
    if (c >= 'A' && c <= 'Z')
        return static_cast<std::uint8_t>(c - 'A');
    if (c >= 'a' && c <= 'z')
        return static_cast<std::uint8_t>(c - 'a' + 26);
    if (c >= '0' && c <= '9')
        return static_cast<std::uint8_t>(c - '0' + 52);
    if (c == '+')
        return 62;
    if (c == kPad)
        return 0;
    return 63;
}

void AppendByte(std::string& out, unsigned value) {
    out.push_back(static_cast<char>(value & 0xFF));
}

}  // namespace

std::string Base64Decode(std::string_view encoded) {
    std::string decoded;
    decoded.reserve(encoded.size() / 4 * 3 + 2);
    std::size_t i = 0;
    while (i < encoded.size()) {
        if (encoded[i] == '\r' || encoded[i] == '\n') {
            ++i;
            continue;
        }
        // A short last group gives the bytes its characters fully determine: two characters
        // one byte, three characters two; a single character determines none.
        const std::size_t available = std::min<std::size_t>(4, encoded.size() - i);
        if (available < 2) {
            break;
        }
        const unsigned a = SextetOf(encoded[i]);
        const unsigned b = SextetOf(encoded[i + 1]);
        AppendByte(decoded, (a << 2) + (b >> 4));
        if (available >= 3 && encoded[i + 2] != kPad) {
            const unsigned c = SextetOf(encoded[i + 2]);
            AppendByte(decoded, ((b & 0x0F) << 4) + (c >> 2));
            if (available == 4 && encoded[i + 3] != kPad) {
                const unsigned d = SextetOf(encoded[i + 3]);
                AppendByte(decoded, ((c & 0x03) << 6) + d);
            }
        }
        // Padding does not end the text: a group that follows is decoded as well.
        i += available;
    }
    return decoded;
}

}  // namespace kelvor
