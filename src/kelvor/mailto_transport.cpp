#include "kelvor/mailto_transport.h"

#include <string_view>

#include "kelvor/kelvor_state.h"
#include "kelvor/trace_log.h"
#include "kelvor/utf8_text.h"

namespace kelvor {

namespace {

constexpr const char* kNoMailProgram = "No mail program is set up to send the reply";
constexpr const char* kNoMailProgramTitle = "Mail program not available";

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

// Every byte of the UTF-8 form but the unreserved characters, and those given, is
// percent-encoded. A blank becomes "%20" (never "+"), and "+" itself is encoded in fields,
// where some mail programs would read it as a blank.
std::string PercentEncoded(const std::string& value, std::string_view keep) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::string text = ToUtf8(value);
    std::string out;
    out.reserve(text.size() * 3);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsUnreserved(byte) || keep.find(c) != std::string_view::npos) {
            out.push_back(c);
        } else {
            out.push_back('%');
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 0x0F]);
        }
    }
    return out;
}

bool TakeValue(const std::string& command, std::string_view prefix, std::string& value) {
    if (!command.starts_with(prefix)) {
        return false;
    }
    value = command.substr(prefix.size());
    return true;
}

}  // namespace

// "@" joins the address's parts and "+" is common in its local part; everything else that is
// not unreserved, "," (which would separate a second address), "?" and "%" included, is
// encoded.
std::string MailtoUrl(const std::string& recipient, const std::string& subject,
                      const std::string& body) {
    return "mailto:" + PercentEncoded(recipient, "@+") + "?subject=" + PercentEncoded(subject, "") +
           "&body=" + PercentEncoded(body, "");
}

void MailtoTransport::HandOver(const std::vector<std::string>& commands) {
    std::string recipient;
    std::string subject;
    std::string body;
    for (const std::string& command : commands) {
        if (command == kNewWindowCommand) {
            recipient.clear();
            subject.clear();
            body.clear();
        } else if (TakeValue(command, kSubjectCommand, subject) ||
                   TakeValue(command, kToCommand, recipient) ||
                   TakeValue(command, kDataCommand, body)) {
            continue;
        } else if (command == kRestoreCommand) {
            if (!opener_.Open(MailtoUrl(recipient, subject, body))) {
                LogLine(state_, kNoMailProgram);
                state_.platform.ui.messageBox(kNoMailProgramTitle, kNoMailProgram);
            }
        }
    }
}

}  // namespace kelvor
