#pragma once

#include <string>
#include <vector>

#include "kelvor/mail_hand_over.h"
#include "platform/url_opener.h"

namespace kelvor {

struct KelvorState;

// A "mailto:" URL for one recipient with a subject and a body. Each value is made UTF-8 and
// percent-encoded, so that no character of it can end the address or a field, or start
// another field; nothing is cut.
std::string MailtoUrl(const std::string& recipient, const std::string& subject,
                      const std::string& body);

// Hands the reply to the desktop's mail program as a "mailto:" URL. When no program takes it,
// the user is told and the line logged; the program goes on as it was.
class MailtoTransport : public MailHandOver {
  public:
    MailtoTransport(KelvorState& state, platform::UrlOpener& opener)
        : state_(state), opener_(opener) {}

    // Reads the recipient, subject and body from their commands; the last command (the window
    // restored) opens the URL.
    void HandOver(const std::vector<std::string>& commands) override;

  private:
    KelvorState& state_;
    platform::UrlOpener& opener_;
};

}  // namespace kelvor
