#pragma once

#include <cstddef>
#include <string>

namespace kelvor::bench {

// An invitation as a calendar server would send it: a zone definition and `events` events,
// each with an organizer and five attendees, a start and end in that zone, a weekly rule and a
// description of `descriptionBytes` characters, lines folded at 75 characters, CR LF line ends.
std::string GenerateInvitation(int events, std::size_t descriptionBytes = 200);

}  // namespace kelvor::bench
