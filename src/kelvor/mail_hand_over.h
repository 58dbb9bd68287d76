#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvor {

// The commands that open a reply in the mail program, in their order: a new message window,
// its subject, its recipient, its body text, and the window restored in front.
inline constexpr std::string_view kNewWindowCommand = "NEW: WINDOW";
inline constexpr std::string_view kSubjectCommand = "SUBJECT: ";
inline constexpr std::string_view kToCommand = "TO: ";
inline constexpr std::string_view kDataCommand = "DATA: ";
inline constexpr std::string_view kRestoreCommand = "RESTORE";

// Passes a prepared reply to the user's mail program, where the user finishes and sends it;
// the program sends no mail itself. A transport that cannot reach its mail program tells the
// user so itself.
class MailHandOver {
  public:
    virtual ~MailHandOver() = default;
    virtual void HandOver(const std::vector<std::string>& commands) = 0;
};

}  // namespace kelvor
