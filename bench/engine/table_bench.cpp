// Tables, read and laid out at 800 pixels on the fixed metrics, with the reader's and the
// layout's milliseconds apart: (a) a flat table of 500, 1 000 and 2 000 rows of 6 short cells,
// so that the figures show whether time grows with the rows alone; (b) nested tables 4, 6, 8
// and 10 deep, each level a 2 x 2 table whose first cell holds the next level and whose second
// row is one cell across both columns, which would take exponential time if a table measured
// its content once per enclosing level; (c) the program's report of an invitation with 64
// attendees. Where litehtml is installed, the same documents are parsed and laid out by it on a
// container with the same metrics, and its times are printed beside ours.

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "engine/document/document.h"
#include "engine/layout/document_layout.h"
#include "engine/layout/layout_context.h"
#include "engine/reader/html_reader.h"
#include "litehtml_peer.h"
#include "platform/fixed/fixed_font_services.h"

namespace {

using namespace kelvor;
using Clock = std::chrono::steady_clock;

constexpr int kWidth = 800;
constexpr int kPeerRuns = 3;

std::string FlatTable(int rows) {
    std::string html = "<html><body><table border=1>\n";
    for (int r = 0; r < rows; ++r) {
        html += "<tr>";
        for (int c = 0; c < 6; ++c)
            html += "<td>r" + std::to_string(r) + " c" + std::to_string(c) + "</td>";
        html += "</tr>\n";
    }
    return html + "</table></body></html>\n";
}

std::string NestedLevel(int depth) {
    if (depth == 0)
        return "the innermost words";
    return "<table border=1><tr><td>" + NestedLevel(depth - 1) + "</td><td>a few words at level " +
           std::to_string(depth) +
           "</td></tr><tr><td colspan=2>one cell across both columns</td></tr></table>";
}

std::string NestedTables(int depth) {
    return "<html><body>" + NestedLevel(depth) + "</body></html>\n";
}

// The report as the program writes it: its heading, one event's rows and the attendee block.
std::string Report(int attendees) {
    const auto row = [](const std::string& label, const std::string& value) {
        return "<tr><td width=\"30%\">" + label + "</td><td width=\"70%\">" + value +
               "</td></tr>\r\n";
    };
    std::string html = "\xEF\xBB\xBF<html><head><title><h4>KELVOR Report</h4></title>\r\n";
    html += "</head><body><table>\r\n";
    html += "<style>\r\nbody { font-family: Arial; font-size: 10pt }\r\n</style>\r\n";
    html += row("&nbsp", "&nbsp;");
    html += row("Event", "<b>MEETING</b>&nbsp;");
    html += row("Organizer",
                "JANE ORGANIZER&nbsp;&nbsp;<a href=\"jane@example.com\">"
                "jane@example.com</a>");
    html += row("Start date", "05-Mar-2010 09:30   (UTC +01:00)    (UTC +01:00) Local");
    html += row("Until", "05-Mar-2010 10:30");
    html += row("Duration", "01:00");
    html += row("Status", "CONFIRMED");
    html += row("Location", "Room 4, second floor");
    html += row("RSVP", "TRUE");
    html += row("Summary", "Quarterly planning meeting");
    html += row("Description",
                "Please read the attached notes before the meeting.<br>We will go through the "
                "plans for the next quarter and agree on the dates.");
    html += row("&nbsp", "&nbsp;");
    html += "<tr><td width=\"30%\"><h2>Attendees:</h2></td><td width=\"70%\">&nbsp;</td></tr>\r\n";
    for (int a = 0; a < attendees; ++a)
        html += row(a == 0 ? "Chairman" : "&nbsp;", "ATTENDEE NUMBER " + std::to_string(a) +
                                                        " &lt;person" + std::to_string(a) +
                                                        "@example.com&gt;");
    for (int i = 0; i < 2; ++i)
        html += "<tr><td width=\"50%\">&nbsp;<td width=\"50%\">&nbsp;</td></tr>\r\n";
    html += row("&nbsp", "&nbsp;");
    return html + "</table></body></html>\r\n";
}

double Ms(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// Each iteration reads a new document and lays it out once; the counters are the mean
// milliseconds of each half, ours and litehtml's.
void ReadAndLayOut(benchmark::State& state, const std::string& html, bool withPeer = true) {
    platform::fixed::FixedFontServices device;
    double readMs = 0;
    double layoutMs = 0;
    double peerParseMs = 0;
    double peerLayoutMs = 0;
    const bool peer = withPeer && bench::HaveLitehtml();
    for (auto _ : state) {
        engine::TDocument document(device);
        const auto start = Clock::now();
        engine::ReadHtmlDocument(html, document);
        const auto read = Clock::now();
        engine::LayoutContext context(document, kWidth, 600);
        const engine::DocumentExtent extent = engine::LayoutDocument(document, context);
        const auto laidOut = Clock::now();
        benchmark::DoNotOptimize(extent.height);
        readMs += Ms(read - start);
        layoutMs += Ms(laidOut - read);
    }
    // litehtml once per document, outside the timed loop (its time on deep nesting would
    // otherwise make the loop run for minutes).
    if (peer) {
        for (int run = 0; run < kPeerRuns; ++run) {
            double parse = 0;
            double render = 0;
            benchmark::DoNotOptimize(bench::LitehtmlLayoutTimed(html, kWidth, parse, render));
            peerParseMs += parse / kPeerRuns;
            peerLayoutMs += render / kPeerRuns;
        }
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["read_ms"] = readMs / n;
    state.counters["layout_ms"] = layoutMs / n;
    if (peer) {
        state.counters["litehtml_parse_ms"] = peerParseMs;
        state.counters["litehtml_layout_ms"] = peerLayoutMs;
    }
    state.counters["KB"] = static_cast<double>(html.size()) / 1024;
}

void BM_FlatTable(benchmark::State& state) {
    ReadAndLayOut(state, FlatTable(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_FlatTable)->Arg(500)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

// litehtml's time on these nested tables grows steeply with depth (about 90 ms at depth 4
// here, and depth 6 had not finished after three minutes), so it runs only at depth 4.
constexpr int kPeerNestingLimit = 4;

void BM_NestedTables(benchmark::State& state) {
    const int depth = static_cast<int>(state.range(0));
    ReadAndLayOut(state, NestedTables(depth), depth <= kPeerNestingLimit);
}
BENCHMARK(BM_NestedTables)->DenseRange(4, 10, 2)->Unit(benchmark::kMillisecond);

void BM_Report64Attendees(benchmark::State& state) {
    ReadAndLayOut(state, Report(64));
}
BENCHMARK(BM_Report64Attendees)->Unit(benchmark::kMillisecond);

}  // namespace
