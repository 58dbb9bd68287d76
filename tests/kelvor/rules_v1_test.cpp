#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/test_platform.h"
#include "kelvor/rules.h"
#include "kelvor/tokens.h"

namespace kelvor {
namespace {

using testing::TestPlatform;

class RulesV1 : public ::testing::Test {
  protected:
    TestPlatform t;

    std::string Word(std::string_view rule) {
        t.state.event.ruleSource = rule;
        ParseRulesV1(t.state);
        return t.state.event.ruleText;
    }
};

TEST_F(RulesV1, WeeklyForm) {
    EXPECT_EQ(Word("W1 MO WE FR #10"), "Weekly on Mon Wed Fri for 10 times");
    EXPECT_EQ(Word("W2 TU #0"), "Every 2 weeks on Tue Forever");
    EXPECT_EQ(Word("W1 #0"), "Weekly Forever");
    EXPECT_EQ(Word("W"), "Every  weeks");
    EXPECT_EQ(Word("W0 SU SA"), "Every 0 weeks on Sun Sat");
    EXPECT_EQ(Word("W1 TH XY mo"), "Weekly on Thu XY mo");
    EXPECT_EQ(Word("W1 #123456789"), "Weekly for 123456789 times");
}

TEST_F(RulesV1, MonthlyByPosition) {
    EXPECT_EQ(Word("MP1 4+ SU"), "Monthly Sun");
    EXPECT_EQ(Word("MP3 2+ TU #4"), "Every 3 months on second Tue for 4 times");
    EXPECT_EQ(Word("MP1 3+ TH 1- FR"), "Monthly on third Thu on last Fri");
    EXPECT_EQ(Word("MP1 2- MO 3- WE"), "Monthly on second last Mon Wed");
    // Lower-case codes and tokens that are neither position nor day add nothing.
    EXPECT_EQ(Word("MP1 1+ fr 7 #2"), "Monthly on first for 2 times");
    EXPECT_EQ(Word("MP1 1+ XX"), "Monthly on first XX");
    EXPECT_EQ(Word("MP0 1+ MO"), "Monthly on first Mon");
    EXPECT_EQ(Word("MP12 1+ MO"), "Every 12 months on first Mon");
}

TEST_F(RulesV1, MonthlyByDayOfMonth) {
    EXPECT_EQ(Word("MD1 1- #3"), "Monthly on Last day  for 3 times");
    EXPECT_EQ(Word("MD1 1 15 #6"), "Monthly on First day  15, for 6 times");
    EXPECT_EQ(Word("MD1"), "Monthly on ");
    EXPECT_EQ(Word("MD2 2- 10 #0"), "Every 2 months on 2 Last day  10, for 0 times");
    // Tokens that do not start with a digit add nothing; a long count stays a count here.
    EXPECT_EQ(Word("MD1 LD 5 #123456789"), "Monthly on  5, for 123456789 times");
}

TEST_F(RulesV1, MonthlyWithoutPositionOrDayWordsOnlyTheInterval) {
    EXPECT_EQ(Word("M2 1+ FR #3"), "Monthly");
    EXPECT_EQ(Word("MX3 1+ FR #3"), "Every 3 months");
}

TEST_F(RulesV1, YearlyForm) {
    EXPECT_EQ(Word("YM2 6 7"), "every 2 years  in month Jun Jul");
    EXPECT_EQ(Word("YD1 100 #0"), "Yearly on day 100");
    EXPECT_EQ(Word("YM1 1 12 13 06 #2"), "Yearly in month Jan Dec 13 06 for 2 times");
    EXPECT_EQ(Word("YD3 1 200 #5"), "every 3 years  on day 1 200 for 5 times");
    EXPECT_EQ(Word("YM1"), "Yearly in month");
    // Neither "M" nor "D" after the "Y": the interval is read from the third character on.
    EXPECT_EQ(Word("Y1 5 #2"), "every  years  for 2 times");
}

TEST_F(RulesV1, DailyFormWordsItsIntervalAndCount) {
    EXPECT_EQ(Word("D1 #5"), "Daily for 5 times");
    EXPECT_EQ(Word("D3 #5"), "Every 3 days for 5 times");
    EXPECT_EQ(Word("D2"), "Every 2 days");
    EXPECT_EQ(Word("D1 #0"), "Daily Forever");
    EXPECT_EQ(Word("D"), "Daily");
    EXPECT_EQ(t.state.rules.interval, 0);
    Word("D4 #7");
    EXPECT_EQ(t.state.rules.interval, 4);
    EXPECT_EQ(t.state.rules.count, 7);
}

TEST_F(RulesV1, OtherLettersAndEmptyRulesGiveNoWords) {
    EXPECT_EQ(Word("X1 #5"), "");
    EXPECT_EQ(Word("w1 MO"), "");
    // An empty rule must not word what an earlier split left in the shared token list.
    SplitTokens("W1 MO #4", " ", t.state.tokens);
    EXPECT_EQ(Word(""), "");
    EXPECT_EQ(Word("   "), "");
}

TEST_F(RulesV1, EachCallStartsAfresh) {
    t.state.event.endText = "2010/03/05 14:30";
    EXPECT_EQ(Word("W1 MO #4"), "Weekly on Mon for 4 times");
    EXPECT_EQ(t.state.event.endText, "");
    EXPECT_EQ(Word("MD1 1"), "Monthly on First day ");
}

TEST_F(RulesV1, LogLines) {
    Word("D12 #3");
    Word("MP2 1+ FR");
    Word("W1 MO");
    Word("Q1");
    const std::vector<std::string> expected{
        "Entering ParseRulesV1: D12 #3",    "frequency daily: D12 3",
        "Entering ParseRulesV1: MP2 1+ FR", "frequency Monthly: MP2",
        "Entering ParseRulesV1: W1 MO",     "Entering ParseRulesV1: Q1",
    };
    EXPECT_EQ(t.logMessages(), expected);
}

TEST_F(RulesV1, OnlySixteenTokensAreRead) {
    // The seventeenth token, the count, is beyond the list.
    EXPECT_EQ(Word("W1 MO TU WE TH FR SA SU MO TU WE TH FR SA SU MO #4"),
              "Weekly on Mon Tue Wed Thu Fri Sat Sun Mon Tue Wed Thu Fri Sat Sun Mon");
    EXPECT_EQ(Word("W1 MO TU WE TH FR SA SU MO TU WE TH FR SA SU #4"),
              "Weekly on Mon Tue Wed Thu Fri Sat Sun Mon Tue Wed Thu Fri Sat Sun for 4 times");
}

// Until-dates go through the date-time reader.

TEST_F(RulesV1, UntilDates) {
    EXPECT_EQ(Word("MP2 1+ FR 20101231T000000"), "Every 2 months on first Fri until 31 Dec 2010");
    EXPECT_EQ(t.state.event.endText, "31 Dec 2010");
    EXPECT_EQ(t.state.dateTime.valueText, "20101231T000000");
    EXPECT_EQ(Word("D1 20101231T000000"), "Daily until 31 Dec 2010");
    EXPECT_EQ(Word("W1 MO 20110105T120000"), "Weekly on Mon until 05 Jan 2011");
    EXPECT_EQ(Word("YM1 3 20120301T000000"), "Yearly in month Mar until 01 Mar 2012");
    EXPECT_EQ(Word("MD1 15 20100705T080000"), "Monthly on  15, until 05 Jul 2010");
}

TEST_F(RulesV1, UtcUntilDateIsShownInLocalTime) {
    t.timeZone.offsetMinutes = 60;
    EXPECT_EQ(Word("W1 MO 20101231T233000Z"), "Weekly on Mon until 01 Jan 2011");
    EXPECT_EQ(t.state.dateTime.valueText, "20110101T003000");
    t.timeZone.offsetMinutes = -300;
    EXPECT_EQ(Word("D1 20110101T020000Z"), "Daily until 31 Dec 2010");
}

TEST_F(RulesV1, UnreadableUntilGivesNoUntilDate) {
    // Something read earlier must not show up as the rule's end.
    t.state.dateTime.valueText = "20100305T143000";
    t.state.dateTime.value = 40242.5;
    EXPECT_EQ(Word("YD1 100 #123456789"), "Yearly on day 100");
    EXPECT_EQ(t.state.event.endText, "");
    EXPECT_EQ(Word("W1 MO 20101331T100000"), "Weekly on Mon");
    const std::vector<std::string> log = t.logMessages();
    EXPECT_NE(std::find(log.begin(), log.end(), "Exception in Resvalue: #123456789"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "Exception in Resvalue: 20101331T100000"),
              log.end());
}

}  // namespace
}  // namespace kelvor
