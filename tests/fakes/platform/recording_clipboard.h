#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/clipboard.h"

namespace kelvor::testing {

// A clipboard that keeps what is put on it and the order of the calls: "text" for setText,
// "html" for addHtmlFormat. setText empties it, as the system's does.
class RecordingClipboard : public platform::Clipboard {
  public:
    std::vector<std::string> calls;
    std::u16string text;
    std::string htmlFormat;  // the whole block
    bool hasText = false;
    bool hasHtml = false;

    void setText(std::u16string_view newText) override {
        calls.emplace_back("text");
        text = newText;
        hasText = true;
        htmlFormat.clear();
        hasHtml = false;
    }
    void addHtmlFormat(std::string_view block) override {
        calls.emplace_back("html");
        htmlFormat = block;
        hasHtml = true;
    }
};

}  // namespace kelvor::testing
