#include "kelvor/pegasus_transport.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <utility>

#include "kelvor/kelvor_state.h"
#include "kelvor/trace_log.h"

namespace kelvor {

namespace {

constexpr const char* kService = "WINPMAIL";
constexpr const char* kTopic = "MESSAGE";
constexpr const char* kItem = "MESSAGE";
constexpr const char* kLockFile = "mailboxp.lck";
constexpr unsigned kPokeWaitMilliseconds = 1000;
constexpr unsigned kRequestWaitMilliseconds = 0;

}  // namespace

void DdeCommandBuffer::Load(std::string_view command) {
    command = command.substr(0, std::min(command.find('\0'), kSize - 1));
    std::copy(command.begin(), command.end(), bytes_.begin());
    bytes_[command.size()] = '\0';
}

void DdeCommandBuffer::Answer(std::string_view answer) {
    const std::size_t length = std::min(answer.size(), kSize);
    std::copy_n(answer.begin(), length, bytes_.begin());
    // An answer that fills the buffer leaves no room for a zero: the last byte is made one, so
    // the text held still ends inside the buffer.
    bytes_[std::min(length, kSize - 1)] = '\0';
}

std::string_view DdeCommandBuffer::PokeData() const {
    const auto end = std::find(bytes_.begin(), bytes_.end(), '\0');
    return std::string_view(bytes_.data(), static_cast<std::size_t>(end - bytes_.begin()) + 1);
}

// Without a new-mail folder there is no lock file to look for, which reads as Pegasus Mail not
// running, rather than looking in whatever folder the program happens to run in.
bool PegasusTransport::PegasusRunning() const {
    const std::string& folder = state_.folders.newMail;
    return !folder.empty() && state_.platform.files.exists(folder + kLockFile);
}

void PegasusTransport::HandOver(const std::vector<std::string>& commands) {
    if (!PegasusRunning()) {
        state_.platform.ui.messageBox("Pegasus Mail not running", "Start Pegasus Mail please");
        return;
    }
    try {
        Converse(commands);
    } catch (const std::exception&) {
        LogLine(state_, "DDE crashed");
        // The commands not sent yet are dropped, but the library is not left holding a
        // conversation or an instance nobody will end.
        Release(true);
    }
}

// Nothing checks what the server makes of a command: a refused connection or a silent server
// only means the transactions fail, and Pegasus Mail's window is still brought forward.
void PegasusTransport::Converse(const std::vector<std::string>& commands) {
    conversation_ = Conversation{};
    conversation_.initialised = dde_.Initialise(*this);
    if (conversation_.initialised) {
        conversation_.service = dde_.CreateName(kService);
        conversation_.topic = dde_.CreateName(kTopic);
        conversation_.item = dde_.CreateName(kItem);
    }
    if (conversation_.service != 0 && conversation_.topic != 0 && conversation_.item != 0) {
        conversation_.connected = dde_.Connect(conversation_.service, conversation_.topic);
    }
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (i + 1 == commands.size()) {
            dde_.BringToFront("FRAME", "Pegasus Mail");
        }
        Send(commands[i]);
    }
    Release(false);
}

void PegasusTransport::Send(const std::string& command) {
    buffer_.Load(command);
    if (!conversation_.connected) {
        return;
    }
    dde_.Poke(conversation_.item, buffer_.PokeData(), kPokeWaitMilliseconds);
    RequestAnswer();
}

// The answer is taken but not used; asking for it keeps the conversation in step.
void PegasusTransport::RequestAnswer() {
    if (!conversation_.connected) {
        return;
    }
    const std::optional<std::string> answer =
        dde_.Request(conversation_.item, kRequestWaitMilliseconds);
    if (answer) {
        buffer_.Answer(*answer);
    }
}

void PegasusTransport::Release(bool afterError) {
    const Conversation conversation = std::exchange(conversation_, Conversation{});
    // After an error every step is still tried, each on its own.
    const auto step = [afterError](const auto& action) {
        if (!afterError) {
            action();
            return;
        }
        try {
            action();
        } catch (const std::exception&) {
        }
    };
    if (conversation.connected) {
        step([this] { dde_.Disconnect(); });
    }
    for (const platform::DdeName name :
         {conversation.service, conversation.topic, conversation.item}) {
        if (name != 0) {
            step([this, name] { dde_.FreeName(name); });
        }
    }
    if (conversation.initialised) {
        step([this] { dde_.Uninitialise(); });
    }
}

// Pegasus Mail ending the conversation by itself ends the program.
unsigned PegasusTransport::OnDdeEvent(platform::DdeEvent event) {
    switch (event) {
        case platform::DdeEvent::Request:
        case platform::DdeEvent::AdviseData:
            RequestAnswer();
            return platform::kDdeAcknowledge;
        case platform::DdeEvent::Disconnect:
            dde_.PostQuit(0);
            return 0;
        case platform::DdeEvent::Other:
            return 0;
    }
    return 0;
}

}  // namespace kelvor
