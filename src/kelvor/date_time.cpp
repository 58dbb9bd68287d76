// Placeholder until its owner lands the real code; every entry fails loudly.
#include <stdexcept>
#include "kelvor/date_time.h"
namespace kelvor {
void Resvalue(KelvorState&) { throw std::logic_error("Resvalue"); }
void ToLocalTime(KelvorState&) { throw std::logic_error("ToLocalTime"); }
bool IsLeapYear(std::uint16_t) { throw std::logic_error("IsLeapYear"); }
std::uint16_t DayOfYear(std::uint16_t, std::uint16_t, std::uint16_t) { throw std::logic_error("DayOfYear"); }
DateTime ReadDuration(std::string_view) { throw std::logic_error("ReadDuration"); }
DateTime EncodeDateTime(int, int, int, int, int, int) { throw std::logic_error("EncodeDateTime"); }
bool IsValidDate(int, int, int) { throw std::logic_error("IsValidDate"); }
std::string FormatDateTime(std::string_view, DateTime) { throw std::logic_error("FormatDateTime"); }
}
