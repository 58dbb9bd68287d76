#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "kelvor/mail_hand_over.h"
#include "platform/dde_client.h"

namespace kelvor {

struct KelvorState;

// Pegasus Mail's side of a DDE command: one buffer holds the command text with its terminating
// zero, and also takes each answer of the server. A command longer than the buffer allows is
// cut, so neither a command nor an answer can run past its end.
class DdeCommandBuffer {
  public:
    static constexpr std::size_t kSize = 251;

    // Holds the command, cut to kSize - 1 bytes (and at a zero byte, which would end it).
    void Load(std::string_view command);
    // Takes at most kSize bytes of an answer.
    void Answer(std::string_view answer);
    // The text held, with its terminating zero: what a poke sends.
    std::string_view PokeData() const;

  private:
    std::array<char, kSize> bytes_{};
};

// Hands the reply to the running Pegasus Mail over DDE: the commands are poked one after the
// other into its "MESSAGE" topic, and its main window is brought to the front before the last.
// Pegasus Mail holds its lock file in the new-mail folder while it runs; without it the user is
// asked to start Pegasus Mail and nothing is sent.
class PegasusTransport : public MailHandOver, public platform::DdeCallback {
  public:
    PegasusTransport(KelvorState& state, platform::DdeClient& dde) : state_(state), dde_(dde) {}

    void HandOver(const std::vector<std::string>& commands) override;
    unsigned OnDdeEvent(platform::DdeEvent event) override;

  private:
    struct Conversation {
        bool initialised = false;
        platform::DdeName service = 0;
        platform::DdeName topic = 0;
        platform::DdeName item = 0;
        bool connected = false;
    };

    bool PegasusRunning() const;
    void Converse(const std::vector<std::string>& commands);
    void Send(const std::string& command);
    void RequestAnswer();
    void Release(bool afterError);

    KelvorState& state_;
    platform::DdeClient& dde_;
    Conversation conversation_;
    DdeCommandBuffer buffer_;
};

}  // namespace kelvor
