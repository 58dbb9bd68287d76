#pragma once

#include <string>
#include <vector>

#include "fakes/test_platform.h"
#include "kelvor/parser.h"
#include "kelvor/report_writer.h"

namespace kelvor::testing {

// A fake run with the report heading written, ready to parse prepared lines.
struct ParseRun {
    TestPlatform t;
    EventRecord& event = t.state.event;

    void parse(std::vector<std::string> lines) {
        if (!t.state.markers.report) {
            WriteReportHeading(t.state);
        }
        t.state.streamFound = true;
        t.state.mylist = std::move(lines);
        ParseStream(t.state);
    }

    std::vector<std::string> attendeeNames() const {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < event.attendeeCount; ++i) {
            names.push_back(event.attendees[i].role + "|" + event.attendees[i].name);
        }
        return names;
    }

    bool logged(const std::string& message) const {
        for (const std::string& line : t.logMessages()) {
            if (line == message)
                return true;
        }
        return false;
    }
};

}  // namespace kelvor::testing
