#pragma once

#include <string>

namespace kelvor::platform {

// The modal boxes the program shows. A headless run prints them instead.
class UserInterface {
  public:
    virtual ~UserInterface() = default;
    // A modal message box with one OK button; returns when the user has closed it.
    virtual void messageBox(const std::string& caption, const std::string& text) = 0;
};

}  // namespace kelvor::platform
