#include "kelvor/encoding.h"

#include <exception>
#include <string>

#include "kelvor/kelvor_state.h"
#include "kelvor/trace_log.h"

namespace kelvor {

namespace {

constexpr int kPlain = 0;
constexpr int kUtf8 = 1;
constexpr int kBinary = 2;
constexpr int kUnicode = 3;

bool IsContinuation(unsigned char b) {
    return b >= 128 && b <= 191;
}
bool IsTwoByteLead(unsigned char b) {
    return b >= 192 && b <= 223;
}
bool IsLongLead(unsigned char b) {
    return b >= 224;
}
bool IsPrintable(unsigned char b) {
    return b >= 33;
}
bool IsControl(unsigned char b) {
    return b < 32;
}

std::string Number(unsigned char b) {
    return std::to_string(static_cast<int>(b));
}

const char* Legend(int result) {
    switch (result) {
        case kUtf8:
            return "IsUtf8 1 = Utf8 already";
        case kBinary:
            return "IsUtf8 2 = Not Utf8, Binary (128-255) found";
        default:
            return "IsUtf8 0 = Not Utf8, All (0-127)";
    }
}

// Two bytes in a row where one is printable and the other a control is how UTF-16 text of
// Latin letters looks, in either byte order. A leading line end or TAB is made a blank first
// so that a description starting on a new line is not mistaken for it.
bool LooksLikeUtf16(KelvorState& state, std::string& text) {
    LogTraced(state, "IsUtf8 Checking for unicode");
    if (text.empty()) {
        LogLine(state, "IsUtf8 Unicode abort");
        return false;
    }
    if (text[0] == '\n' || text[0] == '\r' || text[0] == '\t') {
        text[0] = ' ';
    }
    const auto c1 = static_cast<unsigned char>(text[0]);
    const unsigned char c2 = text.size() > 1 ? static_cast<unsigned char>(text[1]) : 0;
    bool unicode = false;
    if ((IsPrintable(c1) && IsControl(c2)) || (IsControl(c1) && IsPrintable(c2))) {
        unicode = true;
        LogTraced(state, "IsUtf8 Unicode sequence detected");
    }
    LogTraced(state, "IsUtf8 End checking for unicode");
    return unicode;
}

// Decides on the first byte of 128 or more. The last four bytes are never a starting byte, so
// the bytes a lead looks ahead at always exist. True when a Japanese charset switch ended the
// scan; result holds what was reached even when a failure cuts the scan short.
bool ScanForBinary(KelvorState& state, const std::string& text, int& result) {
    const std::size_t length = text.size();
    for (std::size_t i = 0; i + 4 < length; ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        const auto b2 = static_cast<unsigned char>(text[i + 1]);
        const auto b3 = static_cast<unsigned char>(text[i + 2]);
        if (b == 27 && b2 == '$' && b3 == 'B') {
            result = kBinary;
            LogTraced(state, "IsUtf8 Detected Japanese charset switch Esc+$+B");
            LogTraced(state, "IsUtf8 Iconv Japanese conversion required");
            return true;
        }
        if (IsLongLead(b)) {
            if (IsContinuation(b2) && IsContinuation(b3)) {
                result = kUtf8;
                LogTraced(state, "IsUtf8 " + Number(b) + " " + Number(b2) + " " + Number(b3) +
                                     " qualifies as Utf-8");
            } else if (IsContinuation(b2)) {
                result = kBinary;
                LogTraced(state, "IsUtf8 " + Number(b) + " " + Number(b2) + " " + Number(b3) +
                                     " does not qualify as Utf-8");
            } else {
                result = kBinary;
                LogTraced(state,
                          "IsUtf8 " + Number(b) + " " + Number(b2) + " does not qualify as Utf-8");
            }
            return false;
        }
        if (IsTwoByteLead(b)) {
            if (IsContinuation(b2)) {
                result = kUtf8;
                LogTraced(state, "IsUtf8 " + Number(b) + " " + Number(b2) + " qualifies as Utf-8");
            } else {
                result = kBinary;
                LogTraced(state,
                          "IsUtf8 " + Number(b) + " " + Number(b2) + " does not qualify as Utf-8");
            }
            return false;
        }
        if (IsContinuation(b)) {
            result = kBinary;
            LogTraced(state, "IsUtf8: " + Number(b) + " does not qualify as Utf-8 ");
            return false;
        }
    }
    return false;
}

}  // namespace

int IsUtf8(KelvorState& state, std::string& text) {
    // The check only informs the trace log, so nothing inside it may stop the report: each
    // phase turns a failure into its log line and goes on.
    try {
        if (LooksLikeUtf16(state, text)) {
            LogTraced(state, "IsUtf8 Encoding type: " + std::to_string(kUnicode));
            LogTraced(state,
                      "IsUtf8 0 = Not reqd, 1 = Utf8 already, 2 = Binary found, 3 = Unicode");
            return kUnicode;
        }
    } catch (const std::exception&) {
        LogLine(state, "IsUtf8 Unicode abort");
    }

    int result = kPlain;
    try {
        LogTraced(state, "IsUtf8 Checking for binary");
        if (ScanForBinary(state, text, result)) {
            return result;
        }
    } catch (const std::exception&) {
        LogLine(state, "IsUTF8 Abort");
    }
    LogTraced(state, "IsUtf8 Encoding type: " + std::to_string(result));
    LogTraced(state, Legend(result));
    return result;
}

}  // namespace kelvor
