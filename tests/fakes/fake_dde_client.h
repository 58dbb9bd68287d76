#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/dde_client.h"

namespace kelvor::testing {

// Records every call of the DDE library as one line, for example "Poke 3 NEW: WINDOW\0" (the
// data with its zero shown as "\0"). Failures are prepared by the fields below.
class FakeDdeClient : public platform::DdeClient {
  public:
    bool initialiseSucceeds = true;
    bool connectSucceeds = true;
    std::optional<std::string> answer;  // what every request returns
    int throwAtPoke = 0;                // the poke (counted from 1) that fails with an error
    std::vector<std::string> calls;
    platform::DdeCallback* callback = nullptr;

    bool Initialise(platform::DdeCallback& events) override {
        callback = &events;
        calls.push_back("Initialise");
        return initialiseSucceeds;
    }
    platform::DdeName CreateName(const std::string& text) override {
        calls.push_back("CreateName " + text);
        return ++lastName_;
    }
    void FreeName(platform::DdeName name) override {
        calls.push_back("FreeName " + std::to_string(name));
    }
    bool Connect(platform::DdeName service, platform::DdeName topic) override {
        calls.push_back("Connect " + std::to_string(service) + " " + std::to_string(topic));
        return connectSucceeds;
    }
    bool Poke(platform::DdeName item, std::string_view data, unsigned timeout) override {
        if (++pokes_ == throwAtPoke) {
            throw std::runtime_error("conversation lost");
        }
        std::string shown(data);
        if (!shown.empty() && shown.back() == '\0') {
            shown.replace(shown.size() - 1, 1, "\\0");
        }
        pokedData.push_back(std::string(data));
        calls.push_back("Poke " + std::to_string(item) + " " + shown + " " +
                        std::to_string(timeout));
        return true;
    }
    std::optional<std::string> Request(platform::DdeName item, unsigned timeout) override {
        calls.push_back("Request " + std::to_string(item) + " " + std::to_string(timeout));
        return answer;
    }
    void Disconnect() override { calls.push_back("Disconnect"); }
    void Uninitialise() override { calls.push_back("Uninitialise"); }
    void BringToFront(const std::string& windowClass, const std::string& title) override {
        calls.push_back("BringToFront " + windowClass + " " + title);
    }
    void PostQuit(int exitCode) override {
        calls.push_back("PostQuit " + std::to_string(exitCode));
    }

    std::vector<std::string> pokedData;  // each poke's data exactly

  private:
    platform::DdeName lastName_ = 0;
    int pokes_ = 0;
};

}  // namespace kelvor::testing
