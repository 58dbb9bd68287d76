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

class RulesV2 : public ::testing::Test {
  protected:
    TestPlatform t;

    std::string Word(std::string_view rule) {
        t.state.event.ruleSource = rule;
        ParseRulesV2(t.state);
        return t.state.event.ruleText;
    }

    bool Logged(std::string_view message) const {
        const std::vector<std::string> log = t.logMessages();
        return std::find(log.begin(), log.end(), message) != log.end();
    }
};

TEST_F(RulesV2, FrequencyPhrase) {
    EXPECT_EQ(Word("FREQ=DAILY;COUNT=5"), "DAILY for 5 times");
    EXPECT_EQ(Word("FREQ=DAILY;INTERVAL=3"), "Every 3 days");
    EXPECT_EQ(Word("FREQ=WEEKLY;INTERVAL=1"), "Every 1 weeks");
    EXPECT_EQ(Word("FREQ=MONTHLY;INTERVAL=6"), "Every 6 months");
    EXPECT_EQ(Word("FREQ=YEARLY"), "Yearly");
    EXPECT_EQ(Word("FREQ=YEARLY;INTERVAL=2;BYMONTH=6"), "Every 2 years in Jun");
    // Compared as written, and an interval without a number does not count.
    EXPECT_EQ(Word("FREQ=weekly;INTERVAL=2"), "weekly");
    EXPECT_EQ(Word("FREQ=WEEKLY;INTERVAL=0"), "WEEKLY");
    EXPECT_EQ(Word("FREQ=WEEKLY;INTERVAL=x2"), "WEEKLY");
    EXPECT_EQ(Word("FREQ=YEARLY;INTERVAL=x"), "Yearly");
    EXPECT_EQ(Word("FREQ=HOURLY;INTERVAL=2"), "HOURLY");
    // Keys are upper-cased; unknown keys are ignored.
    EXPECT_EQ(Word("freq=DAILY;Count=2;WKST=SU;BYSETPOS=1;BYHOUR=9"), "DAILY for 2 times");
}

TEST_F(RulesV2, ByDayItems) {
    EXPECT_EQ(Word("FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,WE;COUNT=10"),
              "Every 2 weeks on Mon, Wed for 10 times");
    EXPECT_EQ(Word("FREQ=WEEKLY;BYDAY=MO, TU"), "WEEKLY on Mon, Tue");
    EXPECT_EQ(Word("FREQ=MONTHLY;BYDAY=+1MO,+2TU,+3WE,+4TH,5FR"),
              "MONTHLY on first Mon, second Tue, third Wed, fourth Thu, 5th Fri");
    EXPECT_EQ(Word("FREQ=MONTHLY;BYDAY=-1SU,-2SA,-3FR"),
              "MONTHLY on last Sun, second last Sat, third last Fri");
    EXPECT_EQ(Word("FREQ=MONTHLY;BYDAY=+10MO,10MO,1SA,2XX"),
              "MONTHLY on 10th Mon, Mon, first Sat, second XX");
    EXPECT_EQ(Word("FREQ=MONTHLY;BYDAY=-4MO,-10TU"), "MONTHLY on Mon, Tue");
}

TEST_F(RulesV2, ByDayItemStateCarriesFromItemToItem) {
    // A four-character item with a letter first keeps the sign of the item before it.
    EXPECT_EQ(Word("FREQ=MONTHLY;BYDAY=+1MO,A3TU"), "MONTHLY on first Mon, A3th Tue");
    EXPECT_EQ(Word("FREQ=MONTHLY;BYDAY=-2FR,XXMO"), "MONTHLY on second last Fri, Mon");
    // Items of other lengths keep everything.
    EXPECT_EQ(Word("FREQ=MONTHLY;BYDAY=2TU,MONDAY,X"),
              "MONTHLY on second Tue, second Tue, second Tue");
    // A two-character item clears sign and number.
    EXPECT_EQ(Word("FREQ=MONTHLY;BYDAY=-1SU,MO"), "MONTHLY on last Sun, Mon");
    // Nothing is carried into the next rule.
    EXPECT_EQ(Word("FREQ=MONTHLY;BYDAY=MONDAY,WE"), "MONTHLY on Wed");
}

TEST_F(RulesV2, ByMonthAndByMonthDay) {
    EXPECT_EQ(Word("FREQ=YEARLY;BYMONTH=3;BYDAY=2SU"), "Yearly in Mar on second Sun");
    EXPECT_EQ(Word("FREQ=YEARLY;BYMONTH=1,12,13,0,06,x"), "Yearly in Jan, Dec, Jun");
    EXPECT_EQ(Word("FREQ=YEARLY;BYMONTH=13"), "Yearly");
    EXPECT_EQ(Word("FREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=1,15,-1"),
              "Every 1 months on Day 1, Day 15, last day");
    EXPECT_EQ(Word("FREQ=MONTHLY;BYMONTHDAY=+15,-2,-100,100,-10,7"),
              "MONTHLY on 2 last day, 10 last day, Day 7");
}

TEST_F(RulesV2, WeekNumbersAndYearDaysAsWritten) {
    EXPECT_EQ(Word("FREQ=YEARLY;BYWEEKNO=1,20"), "Yearly in week 1,20");
    EXPECT_EQ(Word("FREQ=YEARLY;BYYEARDAY=1,100,-1"), "Yearly on day 1,100,-1");
}

TEST_F(RulesV2, SentenceHasAFixedOrder) {
    EXPECT_EQ(Word("FREQ=YEARLY;BYDAY=1SU;BYMONTH=3,11"), "Yearly in Mar, Nov on first Sun");
    EXPECT_EQ(Word("COUNT=2;BYDAY=MO;BYWEEKNO=20;BYMONTHDAY=1;BYMONTH=1;BYYEARDAY=100;FREQ=YEARLY"),
              "Yearly on day 100 in Jan on Day 1 in week 20 on Mon for 2 times");
}

TEST_F(RulesV2, PartWithoutEqualsRepeatsThePartBefore) {
    EXPECT_EQ(Word("FREQ=WEEKLY;BYDAY=MO;TU"), "WEEKLY on Mon");
    EXPECT_EQ(Word("FREQ=DAILY;COUNT=3;4"), "DAILY for 3 times");
    // Before any key there is nothing to repeat.
    EXPECT_EQ(Word("WEEKLY;FREQ=DAILY"), "DAILY");
    const std::vector<std::string> log = t.logMessages();
    EXPECT_EQ(std::count(log.begin(), log.end(), "Byday: MO"), 2);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Count: 3"), 2);
}

TEST_F(RulesV2, EachRuleStartsAfresh) {
    EXPECT_EQ(Word("FREQ=WEEKLY;INTERVAL=2;BYDAY=MO;BYMONTH=2;COUNT=3"),
              "Every 2 weeks in Feb on Mon for 3 times");
    t.state.event.endText = "2010/03/05 14:30";
    EXPECT_EQ(Word("FREQ=WEEKLY"), "WEEKLY");
    EXPECT_EQ(t.state.event.endText, "");
    // The shared token list keeps an earlier split; an empty rule words none of it.
    SplitTokens("FREQ=DAILY;COUNT=4", ";", t.state.tokens);
    EXPECT_EQ(Word(""), "");
}

TEST_F(RulesV2, LogLines) {
    Word("FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,WE;COUNT=10");
    Word("FREQ=YEARLY;BYMONTH=3;BYMONTHDAY=-1;BYWEEKNO=20;BYYEARDAY=100;UNTIL=20101231");
    const std::vector<std::string> expected{
        "Entering ParseRulesV2: FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,WE;COUNT=10",
        "Freq: WEEKLY",
        "Interval: 2",
        "Byday: MO,WE",
        "Byday:  on Mon, Wed",
        "Count: 10",
        "Entering ParseRulesV2: "
        "FREQ=YEARLY;BYMONTH=3;BYMONTHDAY=-1;BYWEEKNO=20;BYYEARDAY=100;UNTIL=20101231",
        "Freq: YEARLY",
        "Bymonth: 3",
        "Bymonth:  in Mar",
        "BYMONTHDAY: -1",
        "BYWEEKNO: 20",
        "BYYEARDAY: 100",
        "Until: 20101231",
    };
    EXPECT_EQ(t.logMessages(), expected);
    // A date without a time sets no until-date.
    EXPECT_EQ(t.state.event.ruleText, "Yearly on day 100 in Mar on last day in week 20");
    EXPECT_EQ(t.state.event.endText, "");
}

TEST_F(RulesV2, ValuesAreCutToThirtyTwoCharacters) {
    EXPECT_EQ(Word("FREQ=YEARLY;BYMONTH=1,2,3,4,5,6,7,8,9,10,11,12,1,2,3,4"),
              "Yearly in Jan, Feb, Mar, Apr, May, Jun, Jul, Aug, Sep, Oct, Nov, Dec, Jan, Feb, "
              "Mar");
    EXPECT_TRUE(Logged("Bymonth: 1,2,3,4,5,6,7,8,9,10,11,12,1,2,3"));
    EXPECT_EQ(Word("FREQ=YEARLY;BYWEEKNO=1,2,3,4,5,6,7,8,9,10,11,12,13,14,15"),
              "Yearly in week 1,2,3,4,5,6,7,8,9,10,11,12,13,14");
    EXPECT_EQ(Word("FREQ=DAILY;COUNT=123456789012345678901234567890123456"),
              "DAILY for 12345678901234567890123456789012 times");
}

TEST_F(RulesV2, OnlySixteenPartsAreRead) {
    std::string rule = "FREQ=DAILY";
    for (int i = 0; i < 14; ++i) {
        rule += ";WKST=MO";
    }
    EXPECT_EQ(Word(rule + ";COUNT=5"), "DAILY for 5 times");
    EXPECT_EQ(Word(rule + ";WKST=MO;COUNT=5"), "DAILY");
}

// Until-dates go through the date-time reader.

TEST_F(RulesV2, UntilDate) {
    EXPECT_EQ(Word("FREQ=MONTHLY;BYDAY=-1FR;UNTIL=20101231T120000"),
              "MONTHLY on last Fri until Dec-31-2010");
    EXPECT_EQ(t.state.event.endText, "Dec-31-2010");
    EXPECT_EQ(t.state.dateTime.valueText, "20101231T120000");
    EXPECT_EQ(Word("UNTIL=20110305T000000;FREQ=WEEKLY;COUNT=2"),
              "WEEKLY for 2 times until Mar-05-2011");
}

TEST_F(RulesV2, UtcUntilDateIsShownInLocalTime) {
    t.timeZone.offsetMinutes = 60;
    EXPECT_EQ(Word("FREQ=DAILY;UNTIL=20101231T233000Z"), "DAILY until Jan-01-2011");
    EXPECT_EQ(t.state.dateTime.valueText, "20110101T003000");
    t.timeZone.offsetMinutes = -300;
    EXPECT_EQ(Word("FREQ=DAILY;UNTIL=20110101T020000Z"), "DAILY until Dec-31-2010");
}

TEST_F(RulesV2, UnreadableUntilGivesNoUntilDate) {
    // Something read earlier must not show up as the rule's end.
    t.state.dateTime.valueText = "20100305T143000";
    t.state.dateTime.value = 40242.5;
    EXPECT_EQ(Word("FREQ=DAILY;UNTIL=20101331T100000"), "DAILY");
    EXPECT_EQ(t.state.event.endText, "");
    EXPECT_TRUE(Logged("Exception in Resvalue: 20101331T100000"));
}

}  // namespace
}  // namespace kelvor
