// The reply's values come from the invitation: any bytes as recipient, subject and body must
// give a "mailto:" URL that decodes back to exactly the values, and Pegasus Mail's command
// buffer must hold any command and any answer within its 251 bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "kelvor/mailto_transport.h"
#include "kelvor/pegasus_transport.h"
#include "kelvor/utf8_text.h"

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    __builtin_trap();  // only upper-case hex digits are written
}

// Decodes one value and checks that nothing but unreserved characters, "@", "+" and escapes
// stand in it, so it cannot end a field or start another.
std::string Decoded(std::string_view encoded, bool address) {
    std::string out;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '%') {
            if (encoded.size() - i < 3) {
                __builtin_trap();  // an escape always has its two digits
            }
            out.push_back(
                static_cast<char>(HexValue(encoded[i + 1]) * 16 + HexValue(encoded[i + 2])));
            i += 2;
            continue;
        }
        const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                                (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' ||
                                c == '~';
        if (!unreserved && !(address && (c == '@' || c == '+'))) {
            __builtin_trap();
        }
        out.push_back(c);
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // Three values split at the first two zero bytes, or thirds.
    const std::size_t first = bytes.find('\0');
    const std::size_t second = first == std::string::npos ? first : bytes.find('\0', first + 1);
    std::string recipient = bytes.substr(0, size / 3);
    std::string subject = bytes.substr(size / 3, size / 3);
    std::string body = bytes.substr(2 * (size / 3));
    if (second != std::string::npos) {
        recipient = bytes.substr(0, first);
        subject = bytes.substr(first + 1, second - first - 1);
        body = bytes.substr(second + 1);
    }

    const std::string utf8 = kelvor::ToUtf8(body);
    if (!kelvor::IsWellFormedUtf8(utf8)) {
        __builtin_trap();
    }

    const std::string url = kelvor::MailtoUrl(recipient, subject, body);
    constexpr std::string_view kScheme = "mailto:";
    const std::size_t query = url.find("?subject=");
    const std::size_t bodyField = url.find("&body=");
    if (!url.starts_with(kScheme) || query == std::string::npos || bodyField == std::string::npos ||
        bodyField < query) {
        __builtin_trap();
    }
    const std::string_view view(url);
    if (Decoded(view.substr(kScheme.size(), query - kScheme.size()), true) !=
            kelvor::ToUtf8(recipient) ||
        Decoded(view.substr(query + 9, bodyField - query - 9), false) != kelvor::ToUtf8(subject) ||
        Decoded(view.substr(bodyField + 6), false) != utf8) {
        __builtin_trap();
    }

    kelvor::DdeCommandBuffer buffer;
    buffer.Load(bytes);
    const std::string_view poke = buffer.PokeData();
    if (poke.empty() || poke.size() > kelvor::DdeCommandBuffer::kSize || poke.back() != '\0') {
        __builtin_trap();
    }
    buffer.Answer(bytes);
    if (buffer.PokeData().size() > kelvor::DdeCommandBuffer::kSize) {
        __builtin_trap();
    }
    return 0;
}
