#pragma once

#include <QUrl>
#include <string>

#include "platform/url_opener.h"

namespace kelvor::platform::qt {

// The URL as Qt carries it, its percent-encoding kept exactly as given; an empty URL when the
// text is not a valid encoded URL.
QUrl EncodedUrl(const std::string& url);

// Hands a URL to the desktop (xdg-open on Linux), which passes it to the program set up for
// its scheme. True when the desktop took it; a launcher that starts and then finds no program
// for the scheme is not seen here.
class QtUrlOpener : public UrlOpener {
  public:
    bool Open(const std::string& url) override;
};

}  // namespace kelvor::platform::qt
