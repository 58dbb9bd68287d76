#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/view/engine_document.h"
#include "engine/view/html_display.h"
#include "engine/view/view_fakes.h"
#include "fakes/platform/fake_platform.h"
#include "images/gif_writer.h"
#include "platform/fixed/fixed_font_services.h"
#include "platform/fixed/recording_canvas.h"

namespace kelvor::testing {

// A file system that counts how often each file is read.
class CountingFileSystem : public FakeFileSystem {
  public:
    mutable std::map<std::string, int> reads;
    platform::ReadResult readFile(const std::string& path, std::uint64_t limit) const override {
        ++reads[path];
        return FakeFileSystem::readFile(path, limit);
    }
};

// A recording canvas that also keeps the top-left pixel of every picture drawn.
class PixelCanvas : public platform::fixed::RecordingCanvas {
  public:
    std::vector<std::uint32_t> firstPixels;
    void drawPicture(const platform::Picture& picture, const platform::Rect& target) override {
        firstPixels.push_back(picture.pixels()[0]);
        RecordingCanvas::drawPicture(picture, target);
    }
};

inline constexpr std::uint32_t kRed = 0xFF0000;
inline constexpr std::uint32_t kBlue = 0x0000FF;
inline constexpr std::uint32_t kGreen = 0x00FF00;

// GIF files built byte by byte.
inline std::string Text(const images::testing::Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// A still picture of one colour.
inline std::string StillGif(int width, int height, std::uint32_t colour = kGreen) {
    images::testing::GifWriter gif(width, height);
    gif.globalTable({0x000000, colour});
    gif.image(0, 0, width, height,
              std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, 1));
    return Text(gif.trailer().bytes());
}

// Two frames covering the whole picture, red then blue, each shown `delay` hundredths of a
// second; `loops` as the NETSCAPE block gives it (none: played once).
inline std::string TwoFrameGif(int width, int height, int delay, std::optional<int> loops) {
    images::testing::GifWriter gif(width, height);
    gif.globalTable({0x000000, kRed, kBlue, 0xFFFFFF});
    if (loops) {
        gif.netscape(*loops);
    }
    const std::size_t pixels = static_cast<std::size_t>(width) * height;
    gif.graphicControl(0, delay).image(0, 0, width, height, std::vector<std::uint8_t>(pixels, 1));
    gif.graphicControl(0, delay).image(0, 0, width, height, std::vector<std::uint8_t>(pixels, 2));
    return Text(gif.trailer().bytes());
}

// The display control on the engine's document with pictures read from files, on the fixed
// font services: 12 pt text is 16 pixels to the em, lines 19 high with a descent of 4. The
// control is 300 x 200 with its 2-pixel border; pages have margins of 10 left and right and 5
// above and below.
class PicturesTest : public ::testing::Test {
  protected:
    using DrawCall = platform::fixed::RecordingCanvas::DrawCall;
    using Call = platform::fixed::RecordingCanvas::Call;

    void SetUp() override {
        auto document = std::make_unique<engine::EngineDocument>(fonts);
        doc = document.get();
        host.now = 1000;
        display = std::make_unique<engine::THtmlDisplay>(host, std::move(document), files);
        display->SetSize(300, 200);
    }

    void Show(const std::string& path, const std::string& page) {
        files.addFile(path, page);
        display->LoadHtmlFile(path);
    }

    // One paint of the whole panel.
    PixelCanvas Paint() {
        PixelCanvas canvas;
        display->Paint(canvas, {0, 0, display->PanelWidth(), display->PanelHeight()});
        return canvas;
    }

    static std::vector<platform::Rect> Rects(const std::vector<DrawCall>& calls, Call kind) {
        std::vector<platform::Rect> found;
        for (const DrawCall& call : calls) {
            if (call.call == kind) {
                found.push_back(call.rect);
            }
        }
        return found;
    }

    // Advances the clock by `milliseconds` and gives the animation timer its tick.
    void Tick(int milliseconds = 40) {
        host.now += static_cast<std::uint64_t>(milliseconds);
        display->TimerTick(engine::ViewTimer::animation);
    }

    bool AnimationRunning() const { return host.timerRunning(engine::ViewTimer::animation); }

    platform::fixed::FixedFontServices fonts;
    CountingFileSystem files;
    FakeHost host;
    engine::EngineDocument* doc = nullptr;
    std::unique_ptr<engine::THtmlDisplay> display;
};

}  // namespace kelvor::testing
