// The HTML reader alone, on the fixed font services: (a) paragraphs of 40 words with B, I and A
// (10 000 paragraphs are about 2.5 MB), at 1x, 2x and 4x the size, so that the time per MB shows
// whether reading grows linearly; (b) one PRE of about 1 MB; (c) 2 000 list items 3 levels deep.
// Each reading is a new document. The layout's benchmark measures reading and layout together.

#include <benchmark/benchmark.h>

#include <string>

#include "engine/document/document.h"
#include "engine/reader/html_reader.h"
#include "platform/fixed/fixed_font_services.h"

namespace {

using namespace kelvor;

std::string Paragraphs(int count) {
    std::string html = "<html><head><title>Paragraphs</title></head><body>\n";
    for (int p = 0; p < count; ++p) {
        html += "<p>";
        for (int w = 0; w < 40; ++w) {
            if (w == 5)
                html += "<b>bold words</b> ";
            else if (w == 17)
                html += "<i>italic</i> ";
            else if (w == 29)
                html += "<a href=\"page" + std::to_string(p) + ".htm\">a link</a> ";
            else
                html += "word" + std::to_string(w) + " ";
        }
        html += "</p>\n";
    }
    return html + "</body></html>\n";
}

std::string Preformatted(std::size_t bytes) {
    std::string html = "<pre>";
    int line = 0;
    while (html.size() < bytes)
        html += "line " + std::to_string(line++) + ":  some preformatted text &amp; more\n";
    return html + "</pre>";
}

std::string NestedLists(int items) {
    std::string html = "<ul>";
    for (int i = 0; i < items; i += 4) {
        html += "<li>one item<ul><li>two<ol><li>three<li>four</ol></ul>";
    }
    return html + "</ul>";
}

void Read(benchmark::State& state, const std::string& html) {
    platform::fixed::FixedFontServices device;
    for (auto _ : state) {
        engine::TDocument document(device);
        engine::ReadHtmlDocument(html, document);
        benchmark::DoNotOptimize(document.body());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(html.size()));
    state.counters["MB"] = static_cast<double>(html.size()) / 1e6;
}

void BM_ReadParagraphs(benchmark::State& state) {
    Read(state, Paragraphs(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ReadParagraphs)->Arg(2500)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ReadPreformatted(benchmark::State& state) {
    Read(state, Preformatted(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_ReadPreformatted)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

void BM_ReadNestedLists(benchmark::State& state) {
    Read(state, NestedLists(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ReadNestedLists)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
