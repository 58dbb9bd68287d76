// Styling a table of 1 000 rows of 6 cells, as the reader will push it: every element inherits,
// combines with the style list and asks for its font. Prints the platform fonts created per
// styling and the time, on the fixed font services and on Qt (offscreen), with a sheet of 3 and
// of 43 descendant rules. Each styling is a new document, with a font cache of its own.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "engine/style/font_cache.h"
#include "engine/style/properties.h"
#include "engine/style/style_list.h"
#include "engine/style/style_sheet_parser.h"
#include "platform/fixed/fixed_font_services.h"
#include "platform/qt/qt_font_services.h"

namespace {

using namespace kelvor;

constexpr int kRows = 1000;
constexpr int kColumns = 6;

// Font services that count the fonts they hand out and pass everything on.
class CountingFontServices : public platform::FontServices {
  public:
    explicit CountingFontServices(platform::FontServices& inner) : inner_(inner) {}
    long fontsCreated = 0;

    std::vector<std::string> fontFamilies() const override { return inner_.fontFamilies(); }
    bool hasFontFamily(std::string_view family) const override {
        return inner_.hasFontFamily(family);
    }
    std::shared_ptr<const platform::Font> createFont(
        const platform::FontRequest& request) override {
        ++fontsCreated;
        return inner_.createFont(request);
    }
    int pixelsPerInch() const override { return inner_.pixelsPerInch(); }
    int bitsPerPixel() const override { return inner_.bitsPerPixel(); }
    platform::RgbColour systemColour(int index) const override {
        return inner_.systemColour(index);
    }

  private:
    platform::FontServices& inner_;
};

// Three descendant rules that match every cell, and forty more that match none, so the 43-rule
// sheet costs only the look-up of rules that do not apply.
std::string Sheet(int descendantRules) {
    std::string sheet =
        "table td { padding: 2px 4px } tr td.n { text-align: right } table tr td { color: #202020 "
        "}";
    for (int i = 3; i < descendantRules; ++i)
        sheet +=
            " div.s" + std::to_string(i) + " td { color: #" + std::to_string(100000 + i) + " }";
    return sheet;
}

void StyleTable(platform::FontServices& device, const std::string& sheetText) {
    engine::FontCache fonts(device);
    engine::TStyleList list(fonts);
    list.initialize({});
    engine::StyleSheetText source(sheetText);
    engine::ParseStyleSheet(source, list, engine::StyleSheetKind::element);

    std::vector<std::unique_ptr<engine::TProperties>> stack;
    std::vector<const engine::TProperties*> ancestors;
    const auto push = [&](const char* tag, const char* classKey) -> const engine::TProperties& {
        auto element = std::make_unique<engine::TProperties>(fonts);
        element->inherit(tag, *stack.back());
        element->combine(list, tag, classKey, "", "", "", nullptr, ancestors);
        benchmark::DoNotOptimize(element->font().metrics.height);
        ancestors.push_back(element.get());
        stack.push_back(std::move(element));
        return *stack.back();
    };
    const auto pop = [&] {
        stack.pop_back();
        ancestors.pop_back();
    };
    stack.push_back(std::make_unique<engine::TProperties>(list.defaults()));
    benchmark::DoNotOptimize(stack.back()->font().metrics.height);
    ancestors.push_back(stack.back().get());
    push("body", "");
    push("table", "");
    for (int row = 0; row < kRows; ++row) {
        push("tr", "");
        for (int column = 0; column < kColumns; ++column) {
            push("td", column == 0 ? "n" : "");
            pop();
        }
        pop();
    }
}

void Run(benchmark::State& state, platform::FontServices& target) {
    const std::string sheet = Sheet(static_cast<int>(state.range(0)));
    CountingFontServices device(target);
    for (auto _ : state)
        StyleTable(device, sheet);
    state.counters["fonts_created"] =
        benchmark::Counter(static_cast<double>(device.fontsCreated) / state.iterations());
    state.counters["elements"] = 3 + kRows * (1 + kColumns);
}

void StyleTableOnFixedFonts(benchmark::State& state) {
    platform::fixed::FixedFontServices device;
    Run(state, device);
}

QGuiApplication& Application() {
    static int argc = 1;
    static char name[] = "kelvor_bench";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return std::make_unique<QGuiApplication>(argc, argv);
    }();
    return *app;
}

void StyleTableOnQt(benchmark::State& state) {
    Application();
    QImage image(10, 10, QImage::Format_RGB32);
    platform::qt::QtFontServices device(image);
    Run(state, device);
}

BENCHMARK(StyleTableOnFixedFonts)->Arg(3)->Arg(43)->Unit(benchmark::kMillisecond);
BENCHMARK(StyleTableOnQt)->Arg(3)->Arg(43)->Unit(benchmark::kMillisecond);

}  // namespace
