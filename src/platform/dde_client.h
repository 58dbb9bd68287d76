#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvor::platform {

// What the DDE library tells the client's callback about, as far as the program cares.
enum class DdeEvent {
    Request,     // the server asks for data
    AdviseData,  // the server sends data of an advise loop
    Disconnect,  // the server ended the conversation
    Other
};

// The answer to a request or advise-data notification: acknowledged.
inline constexpr unsigned kDdeAcknowledge = 0x8000;

// Called by the DDE library, on the program's own thread, while one of the client's
// transactions waits.
class DdeCallback {
  public:
    virtual ~DdeCallback() = default;
    virtual unsigned OnDdeEvent(DdeEvent event) = 0;
};

// A string handle of the DDE library; 0 is no handle.
using DdeName = std::uintptr_t;

// The client side of the DDE management library, one conversation at a time, and the two
// window services the conversation with the mail program needs. Text is 8-bit in the system's
// ANSI code page. Any call may throw when the library fails in a way it cannot report.
class DdeClient {
  public:
    virtual ~DdeClient() = default;
    // Starts a client-only instance whose events go to the callback; false when refused.
    virtual bool Initialise(DdeCallback& callback) = 0;
    virtual DdeName CreateName(const std::string& text) = 0;
    virtual void FreeName(DdeName name) = 0;
    // Opens the conversation with default settings; false when no server answers.
    virtual bool Connect(DdeName service, DdeName topic) = 0;
    // A synchronous poke in the text clipboard format; the data holds its terminating zero.
    virtual bool Poke(DdeName item, std::string_view data, unsigned timeoutMilliseconds) = 0;
    // A synchronous request in the text clipboard format; the data returned, if any.
    virtual std::optional<std::string> Request(DdeName item, unsigned timeoutMilliseconds) = 0;
    virtual void Disconnect() = 0;
    virtual void Uninitialise() = 0;

    // Finds the top-level window of this class and title and brings it to the foreground;
    // nothing happens when there is none.
    virtual void BringToFront(const std::string& windowClass, const std::string& title) = 0;
    // Posts the quit message, which ends the program once the current handler returns.
    virtual void PostQuit(int exitCode) = 0;
};

}  // namespace kelvor::platform
