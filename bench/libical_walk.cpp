// The same work as Kelvor's run, done with libical, for the whole-process comparison: parse the
// file, walk every event, its organizer and attendees, and convert its start to local time.
//   kelvor_libical_walk FILE
#include <libical/ical.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: kelvor_libical_walk FILE\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::perror(argv[1]);
        return 1;
    }
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    icalcomponent* calendar = icalparser_parse_string(text.c_str());
    text.clear();
    text.shrink_to_fit();
    if (calendar == nullptr) {
        std::fputs("not a calendar\n", stderr);
        return 1;
    }
    long events = 0;
    long attendees = 0;
    std::size_t bytes = 0;
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event != nullptr;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        ++events;
        for (icalproperty* attendee =
                 icalcomponent_get_first_property(event, ICAL_ATTENDEE_PROPERTY);
             attendee != nullptr;
             attendee = icalcomponent_get_next_property(event, ICAL_ATTENDEE_PROPERTY)) {
            ++attendees;
            bytes += std::string(icalproperty_get_attendee(attendee)).size();
            if (icalparameter* name =
                    icalproperty_get_first_parameter(attendee, ICAL_CN_PARAMETER)) {
                bytes += std::string(icalparameter_get_cn(name)).size();
            }
        }
        if (icalproperty* organizer =
                icalcomponent_get_first_property(event, ICAL_ORGANIZER_PROPERTY)) {
            bytes += std::string(icalproperty_get_organizer(organizer)).size();
        }
        if (const char* description = icalcomponent_get_description(event)) {
            bytes += std::string(description).size();
        }
        if (const char* summary = icalcomponent_get_summary(event)) {
            bytes += std::string(summary).size();
        }
        const icaltimetype start = icalcomponent_get_dtstart(event);
        const std::time_t utc = icaltime_as_timet_with_zone(start, start.zone);
        std::tm local{};
        localtime_r(&utc, &local);
        bytes += static_cast<std::size_t>(local.tm_hour);
    }
    icalcomponent_free(calendar);
    std::printf("%ld events, %ld attendees, %zu bytes read\n", events, attendees, bytes);
    return 0;
}
