#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "images/bitmap.h"

namespace kelvor::images {

// The logical screen descriptor.
struct GifScreen {
    int width = 0;
    int height = 0;
    bool globalTable = false;
    int colourResolution = 0;  // bits per primary colour: bits 4 to 6 plus 1
    bool sorted = false;
    int globalTableSize = 0;  // 2 to 256 entries, when globalTable
    int backgroundIndex = 0;
    int aspect = 0;
};

// A colour table of 2 to 256 entries as opaque pixels; the unused entries read as black, so
// an index past the file's table can never read outside it.
struct GifColourTable {
    int size = 0;
    std::array<Argb, 256> colours{};
};

struct GifGraphicControl {
    int disposal = 0;  // bits 2 to 4 of the packed byte
    bool userInput = false;
    bool transparent = false;
    int delay = 0;  // hundredths of a second
    int transparentIndex = 0;
};

struct GifPlainText {
    int gridLeft = 0;
    int gridTop = 0;
    int gridWidth = 0;
    int gridHeight = 0;
    int cellWidth = 0;
    int cellHeight = 0;
    int foregroundIndex = 0;
    int backgroundIndex = 0;
};

// One extension block. `data` holds its sub-blocks' bytes joined; `blockSize` is the size
// byte of an application block.
struct GifExtension {
    enum class Kind { graphicControl, comment, plainText, application };
    Kind kind = Kind::comment;
    GifGraphicControl control;
    GifPlainText plainText;
    int blockSize = 0;
    std::string identifier;      // application: 8 bytes
    std::string authentication;  // application: 3 bytes
    std::vector<std::uint8_t> data;
};

// One image as read, handed to the sink and valid only during the call.
struct GifImage {
    int number = 0;  // 1-based, in file order
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;  // already cut to the logical screen's height
    bool localTable = false;
    bool interlaced = false;
    bool sorted = false;
    int localTableSize = 0;
    const GifColourTable* colours = nullptr;  // the local table, else the global one
    int minimumCodeSize = 0;
    // width * height colour indices, row by row from the top (interlacing undone).
    std::span<const std::uint8_t> pixels;
    // The extension blocks read since the previous image.
    std::span<const GifExtension> extensions;

    // The first graphic control among the extensions, or null.
    const GifGraphicControl* graphicControl() const;
};

// Receives each image as soon as it is read, so only one image's pixels are held at a time.
class GifImageSink {
  public:
    virtual ~GifImageSink() = default;
    virtual void addImage(const GifImage& image) = 0;
};

// Reads a GIF file of version 87a or 89a block by block. One decoder serves one load.
class TGifDecoder {
  public:
    // An image whose pixel buffer (width times the cut height) would exceed this many pixels is
    // refused: no frame could hold that many, and the buffer is allocated before decoding.
    static constexpr std::uint64_t kMaxImagePixels = 200'000'000 / 3;

    // Reads the whole file, handing every image to the sink. Throws GifError; an error after
    // the first image ends reading quietly unless the error is fatal (see GifError).
    void read(std::span<const std::uint8_t> file, GifImageSink& sink);

    // How many images the file seems to hold, from a quick walk over its blocks that decodes
    // nothing and stops at the first thing it does not expect. A hint for reserving memory.
    static std::size_t CountImages(std::span<const std::uint8_t> file);

    const GifScreen& screen() const { return screen_; }
    // -1 until a "NETSCAPE" application block gives one.
    int loopCount() const { return loopCount_; }
    int imageCount() const { return imageCount_; }

  private:
    class Cursor;
    void readBlocks(Cursor& in, GifImageSink& sink);
    void readImage(Cursor& in, GifImageSink& sink);
    void readExtension(Cursor& in);
    void decodePixels(const GifImage& image);

    GifScreen screen_;
    GifColourTable globalTable_;
    GifColourTable localTable_;
    int loopCount_ = -1;
    int imageCount_ = 0;
    std::vector<GifExtension> pending_;
    std::vector<std::uint8_t> data_;     // the current image's sub-blocks, joined
    std::vector<std::uint8_t> pixels_;   // the current image's colour indices
    std::vector<std::uint8_t> scratch_;  // interlaced rows in the order they arrive
};

}  // namespace kelvor::images
