#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "kelvor/mail_hand_over.h"
#include "kelvor/main_window.h"
#include "platform/dialogs.h"
#include "platform/url_opener.h"

namespace kelvor::testing {

// Answers each showing with the next of the prepared answers (a cancel when none is left) and
// keeps what it was shown with.
class FakeSaveDialog : public platform::SaveDialog {
  public:
    std::deque<std::optional<std::string>> answers;
    std::vector<platform::SaveDialogRequest> shownWith;

    std::optional<std::string> Execute(const platform::SaveDialogRequest& request) override {
        shownWith.push_back(request);
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class FakePrintDialog : public platform::PrintDialog {
  public:
    bool confirm = true;
    int shown = 0;
    bool Execute() override {
        ++shown;
        return confirm;
    }
};

// Confirms the font in `choice`, or cancels when it holds none.
class FakeFontDialog : public platform::FontDialog {
  public:
    std::optional<platform::FontChoice> choice;
    std::vector<platform::FontChoice> shownWith;
    std::optional<platform::FontChoice> Execute(const platform::FontChoice& initial) override {
        shownWith.push_back(initial);
        return choice;
    }
};

class RecordingWindow : public MainWindow {
  public:
    std::vector<std::string> captions;  // every caption set, in order
    int closed = 0;
    void SetCaption(const std::string& caption) override { captions.push_back(caption); }
    void Close() override { ++closed; }
};

// Keeps every hand-over's commands.
class RecordingHandOver : public MailHandOver {
  public:
    std::vector<std::vector<std::string>> handedOver;
    void HandOver(const std::vector<std::string>& commands) override {
        handedOver.push_back(commands);
    }
};

class FakeUrlOpener : public platform::UrlOpener {
  public:
    bool accept = true;
    std::vector<std::string> opened;
    bool Open(const std::string& url) override {
        opened.push_back(url);
        return accept;
    }
};

}  // namespace kelvor::testing
