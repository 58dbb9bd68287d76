#pragma once

#include <cstdio>
#include <string>

#include "platform/user_interface.h"

namespace kelvor::platform {

// The boxes of a run without a window: each box becomes one line "caption: text" on the error
// stream, and returns at once as if the user had pressed OK.
class StderrUserInterface : public UserInterface {
  public:
    explicit StderrUserInterface(std::FILE* stream = stderr) : stream_(stream) {}
    void messageBox(const std::string& caption, const std::string& text) override;

  private:
    std::FILE* stream_;
};

}  // namespace kelvor::platform
