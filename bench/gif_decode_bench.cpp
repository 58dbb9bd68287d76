// GIF decoding throughput, in megapixels of composed frames per second, of our decoder beside
// giflib on the same generated files:
//   still:  one 1000 x 1000 picture (smooth shapes, 256 colours);
//   anim:   100 frames of 200 x 200 (a scene with moving shapes, 64 colours);
//   photo:  24 frames of 640 x 480 (a dithered photograph-like scene, 256 colours).
// giflib is measured twice: reading alone (colour indices only) and reading plus composing
// each frame into 0xAARRGGBB pixels with transparency and disposal, which is the work our
// decoder does.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "gif_writer.h"  // the tests' GIF writer
#include "images/gif_picture.h"

#ifdef KELVOR_HAVE_GIFLIB
#include <gif_lib.h>
#endif

namespace {

using kelvor::images::Argb;
using kelvor::images::TGifPicture;
using kelvor::images::testing::Bytes;
using kelvor::images::testing::GifWriter;

struct BenchFile {
    Bytes bytes;
    double megapixels = 0;  // screen size times frames
};

std::vector<std::uint32_t> Palette(int colours, unsigned seed) {
    std::vector<std::uint32_t> palette(static_cast<std::size_t>(colours));
    std::mt19937 random(seed);
    for (int i = 0; i < colours; ++i) {
        // A ramp through the colour cube with some scatter, like a quantized picture's table.
        const double t = static_cast<double>(i) / colours;
        const auto channel = [&](double phase) {
            const double v = 127.5 + 127.5 * std::sin(6.28318 * (t + phase));
            return static_cast<std::uint32_t>(std::clamp(v + random() % 16, 0.0, 255.0));
        };
        palette[static_cast<std::size_t>(i)] =
            (channel(0) << 16) | (channel(0.33) << 8) | channel(0.66);
    }
    return palette;
}

// Smooth shapes: bands, circles and gradients that a quantizer leaves as runs of colours.
std::uint8_t Scene(int x, int y, int colours, double shift) {
    const double dx = x - 500.0 - shift, dy = y - 400.0;
    const double ring = std::sqrt(dx * dx + dy * dy) / 12.0;
    const double wave = std::sin((x + shift) / 60.0) * 4 + std::cos(y / 45.0) * 4;
    return static_cast<std::uint8_t>(static_cast<int>(ring + wave + y / 40.0) % colours);
}

const BenchFile& StillFile() {
    static const BenchFile file = [] {
        const int size = 1000;
        GifWriter gif(size, size);
        gif.globalTable(Palette(256, 1));
        std::vector<std::uint8_t> pixels(static_cast<std::size_t>(size) * size);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                pixels[static_cast<std::size_t>(y) * size + x] = Scene(x, y, 256, 0);
        gif.image(0, 0, size, size, pixels).trailer();
        return BenchFile{gif.bytes(), 1.0};
    }();
    return file;
}

const BenchFile& AnimationFile() {
    static const BenchFile file = [] {
        const int size = 200, frames = 100;
        GifWriter gif(size, size);
        gif.globalTable(Palette(64, 2));
        gif.netscape(0);
        std::vector<std::uint8_t> pixels(static_cast<std::size_t>(size) * size);
        for (int f = 0; f < frames; ++f) {
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    // A background of bands, a ball that moves, and a bar that sweeps.
                    std::uint8_t index = static_cast<std::uint8_t>((y / 10 + x / 25) % 8);
                    const int bx = (f * 3) % size,
                              by = 100 + static_cast<int>(60 * std::sin(f / 8.0));
                    if ((x - bx) * (x - bx) + (y - by) * (y - by) < 400)
                        index = static_cast<std::uint8_t>(20 + ((x + y) / 4) % 16);
                    if (std::abs(x - (size - 1 - (f * 2) % size)) < 6)
                        index = static_cast<std::uint8_t>(40 + y % 24);
                    pixels[static_cast<std::size_t>(y) * size + x] = index;
                }
            }
            gif.graphicControl(1, 4).image(0, 0, size, size, pixels);
        }
        gif.trailer();
        return BenchFile{gif.bytes(), frames * size * size / 1e6};
    }();
    return file;
}

const BenchFile& PhotoFile() {
    static const BenchFile file = [] {
        const int width = 640, height = 480, frames = 24;
        GifWriter gif(width, height);
        gif.globalTable(Palette(256, 3));
        gif.netscape(0);
        std::mt19937 random(4);
        std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height);
        for (int f = 0; f < frames; ++f) {
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    // A smooth scene plus the noise that dithering a photograph leaves.
                    const int base = Scene(x, y, 256, f * 7.0);
                    const int noise = static_cast<int>(random() % 5) - 2;
                    pixels[static_cast<std::size_t>(y) * width + x] =
                        static_cast<std::uint8_t>((base + noise + 256) % 256);
                }
            }
            gif.graphicControl(0, 8).image(0, 0, width, height, pixels);
        }
        gif.trailer();
        return BenchFile{gif.bytes(), frames * width * height / 1e6};
    }();
    return file;
}

void Report(benchmark::State& state, const BenchFile& file) {
    state.counters["MP/s"] = benchmark::Counter(
        file.megapixels * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["file_kB"] = static_cast<double>(file.bytes.size()) / 1024.0;
}

void Ours(benchmark::State& state, const BenchFile& (*make)()) {
    const BenchFile& file = make();
    for (auto _ : state) {
        auto picture = TGifPicture::Load(file.bytes);
        if (!picture)
            state.SkipWithError("no picture");
        benchmark::DoNotOptimize(picture.get());
    }
    Report(state, file);
}

BENCHMARK_CAPTURE(Ours, still_1000x1000, StillFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ours, anim_100x200x200, AnimationFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ours, photo_24x640x480, PhotoFile)->Unit(benchmark::kMillisecond);

#ifdef KELVOR_HAVE_GIFLIB

struct MemoryReader {
    const Bytes* bytes;
    std::size_t pos = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int length) {
    auto* reader = static_cast<MemoryReader*>(gif->UserData);
    const std::size_t left = reader->bytes->size() - reader->pos;
    const std::size_t n = std::min(left, static_cast<std::size_t>(length));
    std::memcpy(out, reader->bytes->data() + reader->pos, n);
    reader->pos += n;
    return static_cast<int>(n);
}

// Composes every frame as our decoder does: one screen-sized cell per frame, each drawn over a
// copy of the one before, transparency and disposal applied.
std::vector<Argb> Compose(GifFileType* gif) {
    const int width = gif->SWidth, height = gif->SHeight;
    const std::size_t cell = static_cast<std::size_t>(width) * height;
    std::vector<Argb> strip(cell * static_cast<std::size_t>(gif->ImageCount));
    for (int i = 0; i < gif->ImageCount; ++i) {
        Argb* target = strip.data() + cell * i;
        if (i > 0) {
            std::memcpy(target, target - cell, cell * sizeof(Argb));
            GraphicsControlBlock before;
            if (DGifSavedExtensionToGCB(gif, i - 1, &before) == GIF_OK &&
                before.DisposalMode == DISPOSE_BACKGROUND) {
                const GifImageDesc& d = gif->SavedImages[i - 1].ImageDesc;
                for (int y = d.Top; y < std::min(d.Top + d.Height, height); ++y)
                    for (int x = d.Left; x < std::min(d.Left + d.Width, width); ++x)
                        target[static_cast<std::size_t>(y) * width + x] &= 0x00FFFFFF;
            }
        }
        const SavedImage& image = gif->SavedImages[i];
        const GifImageDesc& d = image.ImageDesc;
        const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        Argb colours[256];
        for (int c = 0; c < 256; ++c) {
            colours[c] = 0xFF000000;
            if (map && c < map->ColorCount) {
                const GifColorType& rgb = map->Colors[c];
                colours[c] |= (Argb{rgb.Red} << 16) | (Argb{rgb.Green} << 8) | rgb.Blue;
            }
        }
        GraphicsControlBlock control;
        int transparent = -1;
        if (DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK)
            transparent = control.TransparentColor;
        for (int y = d.Top; y < std::min(d.Top + d.Height, height); ++y) {
            const GifByteType* source =
                image.RasterBits + static_cast<std::size_t>(y - d.Top) * d.Width;
            Argb* row = target + static_cast<std::size_t>(y) * width;
            for (int x = d.Left; x < std::min(d.Left + d.Width, width); ++x) {
                const int index = source[x - d.Left];
                if (index != transparent)
                    row[x] = colours[index];
            }
        }
    }
    return strip;
}

void Giflib(benchmark::State& state, const BenchFile& (*make)(), bool compose) {
    const BenchFile& file = make();
    for (auto _ : state) {
        MemoryReader reader{&file.bytes};
        int error = 0;
        GifFileType* gif = DGifOpen(&reader, ReadFromMemory, &error);
        if (gif == nullptr || DGifSlurp(gif) != GIF_OK) {
            state.SkipWithError("giflib failed");
            break;
        }
        if (compose) {
            auto strip = Compose(gif);
            benchmark::DoNotOptimize(strip.data());
        }
        DGifCloseFile(gif, &error);
    }
    Report(state, file);
}

BENCHMARK_CAPTURE(Giflib, still_1000x1000_composed, StillFile, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Giflib, anim_100x200x200_composed, AnimationFile, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Giflib, photo_24x640x480_composed, PhotoFile, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Giflib, still_1000x1000_read_only, StillFile, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Giflib, anim_100x200x200_read_only, AnimationFile, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Giflib, photo_24x640x480_read_only, PhotoFile, false)
    ->Unit(benchmark::kMillisecond);

#endif

}  // namespace
