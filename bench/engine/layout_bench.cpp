// Reading and layout of generated documents at 800 pixels on the fixed metrics: (a) 10 000
// paragraphs of 40 words with bold, italic and linked words, (b) one 1 MB PRE, (c) 2 000 list
// items three levels deep, each at 1, 2 and 4 times its size, so that the figures show whether
// time grows with the document alone. Where litehtml is installed, the same documents are
// parsed and laid out by it on a container with the same metrics, side by side.

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>

#include "engine/document/document.h"
#include "engine/layout/document_layout.h"
#include "engine/layout/layout_context.h"
#include "engine/reader/html_reader.h"
#include "html_documents.h"
#include "litehtml_peer.h"
#include "platform/fixed/fixed_font_services.h"

namespace {

using kelvor::bench::LitehtmlLayout;

constexpr int kWidth = 800;

const std::string& Document(int kind, int scale) {
    static std::map<std::pair<int, int>, std::string> documents;
    std::string& document = documents[{kind, scale}];
    if (document.empty()) {
        switch (kind) {
            case 0:
                document = kelvor::bench::ParagraphsDocument(scale);
                break;
            case 1:
                document = kelvor::bench::PreformattedDocument(scale);
                break;
            default:
                document = kelvor::bench::NestedListsDocument(scale);
                break;
        }
    }
    return document;
}

// Time per document and per MB of HTML.
void Report(benchmark::State& state, const std::string& html) {
    const double megabytes = static_cast<double>(html.size()) / (1 << 20);
    state.counters["MB"] = megabytes;
    // A rate of MB/1000 per second, inverted: milliseconds per MB.
    state.counters["ms/MB"] =
        benchmark::Counter(megabytes / 1000, benchmark::Counter::kIsIterationInvariantRate |
                                                 benchmark::Counter::kInvert);
}

// Our reader and layout: a new document read and laid out once per iteration, as a load does.
void BM_Kelvor(benchmark::State& state) {
    const std::string& html =
        Document(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    kelvor::platform::fixed::FixedFontServices device;
    for (auto _ : state) {
        kelvor::engine::TDocument document(device);
        document.clear(kelvor::engine::DocumentDefaults());
        kelvor::engine::ReadHtmlDocument(html, document);
        kelvor::engine::LayoutContext context(document, kWidth, 600);
        benchmark::DoNotOptimize(kelvor::engine::LayoutDocument(document, context));
    }
    Report(state, html);
}

void BM_Litehtml(benchmark::State& state) {
    const std::string& html =
        Document(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    if (!kelvor::bench::HaveLitehtml()) {
        state.SkipWithError("litehtml not installed");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(LitehtmlLayout(html, kWidth));
    Report(state, html);
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
    for (int kind = 0; kind < 3; ++kind) {
        for (int scale : {1, 2, 4})
            benchmark->Args({kind, scale});
    }
    benchmark->ArgNames({"doc", "scale"})->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_Kelvor)->Apply(Sizes)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(false);
BENCHMARK(BM_Litehtml)->Apply(Sizes)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(false);

}  // namespace
