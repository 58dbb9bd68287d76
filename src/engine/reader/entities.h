#pragma once

#include <optional>
#include <string_view>

namespace kelvor::engine {

// The character of a named entity ("amp", "Eacute", ...), compared with regard to case; the
// table holds the 252 names of HTML 4.01 and "apos".
std::optional<char32_t> LookupEntity(std::string_view name);
// How many names the table holds.
int EntityCount();

// Entity names are at most this long; a longer run of letters and digits is no name.
inline constexpr std::size_t kMaxEntityName = 11;

}  // namespace kelvor::engine
