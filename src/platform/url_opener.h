#pragma once

#include <string>

namespace kelvor::platform {

// Hands a URL to the desktop, which passes it to the program the user has set up for its
// scheme (for "mailto:", the mail program).
class UrlOpener {
  public:
    virtual ~UrlOpener() = default;
    // True when a program accepted the URL; false when none is set up or it could not start.
    virtual bool Open(const std::string& url) = 0;
};

}  // namespace kelvor::platform
