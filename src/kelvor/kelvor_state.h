#pragma once

#include <string>
#include <vector>

#include "kelvor/date_time.h"
#include "kelvor/display_control.h"
#include "kelvor/event_record.h"
#include "kelvor/line_list.h"
#include "kelvor/parser.h"
#include "kelvor/report_writer.h"
#include "kelvor/rules.h"
#include "kelvor/settings.h"
#include "kelvor/tokens.h"
#include "kelvor/trace_log.h"
#include "kelvor/zones.h"
#include "platform/platform.h"

namespace kelvor {

// Everything the main window owns for the calendar side. The routines of the calendar code take
// this state and pass their results through its fields, in the order each routine documents.
struct KelvorState {
    KelvorState(platform::Platform& platformServices, DisplayControl& displayControl)
        : platform(platformServices), display(displayControl) {}

    platform::Platform& platform;
    DisplayControl& display;

    bool tracing = false;
    Folders folders;
    Settings settings;
    OpenFileMarkers markers;

    std::string inputPath;
    std::string sourceType;
    bool streamFound = false;
    std::string streamText;
    LineList mylist;
    std::string caption;

    EventRecord event;
    ParserState parser;
    DateTimeState dateTime;
    ZoneState zones;
    TokenList tokens;
    RuleState rules;
    ReportState report;
    TraceLogFile traceLog;

    // Builds a path in a folder with the platform's separator.
    std::string pathIn(const std::string& folder, const std::string& name) const {
        return folder + platform.files.separator() + name;
    }
};

}  // namespace kelvor
