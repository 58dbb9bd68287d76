#pragma once

#include <string>
#include <string_view>

namespace kelvor {

// Short English day name for a two-letter day code ("MO" gives "Mon"); any other code is
// returned as written.
std::string DayName(std::string_view code);

// Short English month name for a month number written as text ("1" to "12", compared exactly);
// any other text is returned as written.
std::string MonthNameOfText(std::string_view number);

// Short English month name for a month number 1 to 12; empty for any other number.
std::string MonthNameOfNumber(int number);

// The number formed by the leading decimal digits of text, 0 when it starts with no digit.
// Saturates instead of overflowing on absurdly long digit runs.
int LeadingNumber(std::string_view text);

}  // namespace kelvor
