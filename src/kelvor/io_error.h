#pragma once

#include <stdexcept>
#include <string>

namespace kelvor {

// An input/output failure that a step does not handle itself. It ends the current handler and
// reaches the user through the default error report, as "I/O error <code>".
class IoError : public std::runtime_error {
  public:
    explicit IoError(int code)
        : std::runtime_error("I/O error " + std::to_string(code)), code_(code) {}
    int code() const { return code_; }

  private:
    int code_;
};

// Codes in the numbering users of the program know from its messages.
inline constexpr int kIoFileNotFound = 2;
inline constexpr int kIoAccessDenied = 5;
inline constexpr int kIoFileNotOpenForInput = 104;
inline constexpr int kIoFileNotOpenForOutput = 105;

}  // namespace kelvor

namespace kelvor {

// The caption of the message box that reports an error no step handles itself.
inline constexpr const char* kDefaultErrorCaption = "Kelvor";

}  // namespace kelvor
