// The hand-over to Pegasus Mail: the lock-file test, the DDE conversation and its command
// buffer, on a recording DDE library and the fake file system.
#include "kelvor/pegasus_transport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_dde_client.h"
#include "fakes/test_platform.h"
#include "kelvor/installed_window.h"

namespace kelvor {
namespace {

using testing::FakeDdeClient;
using testing::TestPlatform;
using Lines = std::vector<std::string>;
using Box = std::pair<std::string, std::string>;

const Lines kReply{"NEW: WINDOW", "SUBJECT: Lunch", "TO: ann@example.com",
                   "DATA:      Enter any text for this message", "RESTORE"};

// Pegasus Mail running: its new-mail folder holds the lock file.
struct Running : TestPlatform {
    FakeDdeClient dde;
    PegasusTransport pegasus{state, dde};
    Running() {
        state.folders.newMail = "/home/ann/pmail/new/";
        files.addFile("/home/ann/pmail/new/mailboxp.lck", "");
    }
};

Lines Exchange(const std::string& command) {
    return {"Poke 3 " + command + "\\0 1000", "Request 3 0"};
}

Lines Concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

TEST(PegasusTransport, WithoutTheLockFileAsksForPegasusMailAndTriesNoDde) {
    Running t;
    t.files.remove("/home/ann/pmail/new/mailboxp.lck");
    t.pegasus.HandOver(kReply);
    EXPECT_EQ(t.ui.boxes,
              (std::vector<Box>{{"Pegasus Mail not running", "Start Pegasus Mail please"}}));
    EXPECT_TRUE(t.dde.calls.empty());
    EXPECT_EQ(t.log(), "");
}

TEST(PegasusTransport, WithoutANewMailFolderPegasusMailCountsAsNotRunning) {
    Running t;
    t.state.folders.newMail.clear();
    t.files.addFile("mailboxp.lck", "");  // a lock file wherever the program runs is no sign
    t.pegasus.HandOver(kReply);
    EXPECT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_TRUE(t.dde.calls.empty());
}

TEST(PegasusTransport, PokesEachCommandInOrderAndBringsPegasusForwardBeforeTheLast) {
    Running t;
    t.pegasus.HandOver(kReply);
    EXPECT_EQ(t.dde.calls,
              Concat({{"Initialise", "CreateName WINPMAIL", "CreateName MESSAGE",
                       "CreateName MESSAGE", "Connect 1 2"},
                      Exchange("NEW: WINDOW"),
                      Exchange("SUBJECT: Lunch"),
                      Exchange("TO: ann@example.com"),
                      Exchange("DATA:      Enter any text for this message"),
                      {"BringToFront FRAME Pegasus Mail"},
                      Exchange("RESTORE"),
                      {"Disconnect", "FreeName 1", "FreeName 2", "FreeName 3", "Uninitialise"}}));
    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_EQ(t.log(), "");
}

TEST(PegasusTransport, ARefusedConnectionSendsNothingButStillBringsTheWindowForward) {
    Running t;
    t.dde.connectSucceeds = false;
    t.pegasus.HandOver(kReply);
    EXPECT_EQ(t.dde.calls,
              (Lines{"Initialise", "CreateName WINPMAIL", "CreateName MESSAGE",
                     "CreateName MESSAGE", "Connect 1 2", "BringToFront FRAME Pegasus Mail",
                     "FreeName 1", "FreeName 2", "FreeName 3", "Uninitialise"}));
    EXPECT_TRUE(t.ui.boxes.empty());
}

TEST(PegasusTransport, ACommandIsCutToTwoHundredAndFiftyCharacters) {
    Running t;
    const std::string subject = "SUBJECT: " + std::string(300, 's');
    t.pegasus.HandOver({"NEW: WINDOW", subject, "RESTORE"});
    ASSERT_EQ(t.dde.pokedData.size(), 3u);
    EXPECT_EQ(t.dde.pokedData[1], subject.substr(0, 250) + std::string(1, '\0'));
    EXPECT_EQ(t.dde.pokedData[1].size(), 251u);
    // A command of exactly 250 characters goes whole.
    t.pegasus.HandOver({"DATA: " + std::string(244, 'd')});
    EXPECT_EQ(t.dde.pokedData.back(), "DATA: " + std::string(244, 'd') + std::string(1, '\0'));
}

TEST(PegasusTransport, LongAnswersDoNotDisturbTheNextCommand) {
    Running t;
    t.dde.answer = std::string(4000, 'a');
    t.pegasus.HandOver(kReply);
    ASSERT_EQ(t.dde.pokedData.size(), 5u);
    EXPECT_EQ(t.dde.pokedData[4], std::string("RESTORE") + '\0');
}

TEST(PegasusTransport, AnErrorInTheConversationIsLoggedAndEndsIt) {
    Running t;
    t.dde.throwAtPoke = 3;  // the "TO: " command
    t.pegasus.HandOver(kReply);
    EXPECT_EQ(t.logMessages(), Lines{"DDE crashed"});
    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_EQ(t.dde.pokedData.size(), 2u);
    // The conversation and the instance are released all the same.
    const Lines tail(t.dde.calls.end() - 5, t.dde.calls.end());
    EXPECT_EQ(tail,
              (Lines{"Disconnect", "FreeName 1", "FreeName 2", "FreeName 3", "Uninitialise"}));
}

TEST(PegasusTransport, TheCallbackAcknowledgesDataAndEndsTheProgramOnDisconnect) {
    Running t;
    // Outside a conversation there is nothing to ask, but the data is acknowledged.
    EXPECT_EQ(t.pegasus.OnDdeEvent(platform::DdeEvent::Request), 0x8000u);
    EXPECT_EQ(t.pegasus.OnDdeEvent(platform::DdeEvent::AdviseData), 0x8000u);
    EXPECT_EQ(t.pegasus.OnDdeEvent(platform::DdeEvent::Other), 0u);
    EXPECT_TRUE(t.dde.calls.empty());
    EXPECT_EQ(t.pegasus.OnDdeEvent(platform::DdeEvent::Disconnect), 0u);
    EXPECT_EQ(t.dde.calls, Lines{"PostQuit 0"});
}

// A transaction that calls back while it waits: the callback's request is made inside it.
class CallingBack : public FakeDdeClient {
  public:
    bool Poke(platform::DdeName item, std::string_view data, unsigned timeout) override {
        const bool result = FakeDdeClient::Poke(item, data, timeout);
        acknowledged.push_back(callback->OnDdeEvent(platform::DdeEvent::AdviseData));
        return result;
    }
    std::vector<unsigned> acknowledged;
};

TEST(PegasusTransport, TheCallbackRequestsWhileAConversationWaits) {
    TestPlatform t;
    t.state.folders.newMail = "/p/";
    t.files.addFile("/p/mailboxp.lck", "");
    CallingBack dde;
    PegasusTransport pegasus(t.state, dde);
    pegasus.HandOver({"NEW: WINDOW"});
    EXPECT_EQ(dde.calls,
              (Lines{"Initialise", "CreateName WINPMAIL", "CreateName MESSAGE",
                     "CreateName MESSAGE", "Connect 1 2", "BringToFront FRAME Pegasus Mail",
                     "Poke 3 NEW: WINDOW\\0 1000", "Request 3 0", "Request 3 0", "Disconnect",
                     "FreeName 1", "FreeName 2", "FreeName 3", "Uninitialise"}));
    EXPECT_EQ(dde.acknowledged, std::vector<unsigned>{0x8000});
}

TEST(PegasusTransport, RsvpYesReachesPegasusMailThroughTheWindow) {
    testing::installed::InstalledWindow t;
    t.open("meeting-v1.vcs");
    t.state.folders.newMail = "/home/ann/pmail/new/";
    t.files.addFile("/home/ann/pmail/new/mailboxp.lck", "");
    FakeDdeClient dde;
    PegasusTransport pegasus(t.state, dde);
    WindowCommands commands(t.state,
                            {t.window, t.saveDialog, t.printDialog, t.fontDialog, pegasus});
    commands.RSVPYes1Click();
    ASSERT_EQ(dde.pokedData.size(), 5u);
    EXPECT_EQ(dde.pokedData[0], std::string("NEW: WINDOW") + '\0');
    EXPECT_EQ(dde.pokedData[1], std::string("SUBJECT: Morning stand-up") + '\0');
    EXPECT_EQ(dde.pokedData[2], std::string("TO: erik@example.com") + '\0');
    EXPECT_TRUE(dde.pokedData[3].starts_with("DATA:   I will be attending this meeting on "));
    EXPECT_EQ(dde.pokedData[4], std::string("RESTORE") + '\0');
}

}  // namespace
}  // namespace kelvor
