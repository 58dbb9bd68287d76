// Base64 decoding, the encoding check of descriptions, and the transfer decodings of the intake
// (UTF-16, quoted-printable), on any bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fakes/test_platform.h"
#include "kelvor/encoding.h"
#include "kelvor/intake.h"
#include "kelvor/transfer_decoding.h"
#include "kelvor/zone_names.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const std::string decoded = kelvor::Base64Decode(bytes);
    if (decoded.size() > bytes.size()) {
        __builtin_trap();  // four characters never give more than three bytes
    }

    kelvor::testing::TestPlatform t;
    t.state.tracing = size > 0 && (data[0] & 1) != 0;
    std::string text = bytes;
    const int kind = kelvor::IsUtf8(t.state, text);
    if (kind < 0 || kind > 3 || text.size() != bytes.size()) {
        __builtin_trap();
    }

    kelvor::Utf16ToUtf8("\xFF\xFE" + bytes);
    kelvor::Utf16ToUtf8("\xFE\xFF" + bytes);
    kelvor::QuotedPrintableDecode(bytes);
    kelvor::SenderZoneName(bytes);
    kelvor::OffsetOfZoneName(bytes);
    kelvor::OffsetOfUtcOffsetValue(bytes);
    return 0;
}
