#pragma once

#include <string>

namespace kelvor {

// The 19 display texts of the report; each can be replaced by one settings key.
struct ReportLabels {
    std::string event = "Event";
    std::string organizer = "Organizer";
    std::string startdate = "Start date";
    std::string when = "When";
    std::string until = "Until";
    std::string duration = "Duration";
    std::string status = "Status";
    std::string comment = "Comments";
    std::string frequency = "Frequency";
    std::string repeating = "Repeating";
    std::string where = "Location";
    std::string attendance = "Attendance";
    std::string action = "Action";
    std::string rsvp = "RSVP";
    std::string summary = "Summary";
    std::string description = "Description";
    std::string attendees = "Attendees";
    std::string role = "Role";
    std::string name = "Name";
};

// Values read from kelvor.ini. Font size and name are not reset between runs.
struct Settings {
    std::string fontSize;
    std::string myTzid;
    std::string fontName;
    std::string dateFormat = "en";
    ReportLabels labels;
};

struct Folders {
    std::string working;
    std::string program;
    std::string input;
    std::string newMail;
};

// Whether the input file, the working copy and the report file are open now; every close tests
// and then resets its marker so no file is closed twice.
struct OpenFileMarkers {
    bool input = false;
    bool workingCopy = false;
    bool report = false;
};

}  // namespace kelvor
