#include "images/gif_decoder.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "images/gif_errors.h"
#include "images/gif_lzw.h"

namespace kelvor::images {

namespace {

// Extension records kept per image. Only the first graphic control is ever used; a file that
// repeats extensions by the million must not make the reader hold them all, so records past
// this count are read and checked but not kept.
constexpr std::size_t kMaxKeptExtensions = 256;

constexpr std::uint8_t kTrailer = 0x3B;
constexpr std::uint8_t kImageSeparator = 0x2C;
constexpr std::uint8_t kExtensionIntroducer = 0x21;
constexpr std::uint8_t kGraphicControlLabel = 0xF9;
constexpr std::uint8_t kCommentLabel = 0xFE;
constexpr std::uint8_t kPlainTextLabel = 0x01;
constexpr std::uint8_t kApplicationLabel = 0xFF;

}  // namespace

// Reads the file's bytes in order; reading past the end is an unexpected end of file.
class TGifDecoder::Cursor {
  public:
    explicit Cursor(std::span<const std::uint8_t> data) : data_(data) {}

    bool atEnd() const { return pos_ >= data_.size(); }

    std::uint8_t byte() {
        if (pos_ >= data_.size())
            throw GifError(GifErrorCode::unexpectedEndOfFile);
        return data_[pos_++];
    }

    int word() {
        const int low = byte();
        return low | (byte() << 8);
    }

    std::span<const std::uint8_t> bytes(std::size_t count) {
        if (data_.size() - pos_ < count)
            throw GifError(GifErrorCode::unexpectedEndOfFile);
        const auto result = data_.subspan(pos_, count);
        pos_ += count;
        return result;
    }

    // Appends data sub-blocks to `out` up to the block terminator; returns the size of the
    // first sub-block (0 when there is none).
    int subBlocks(std::vector<std::uint8_t>* out) {
        int firstSize = -1;
        for (;;) {
            const std::uint8_t size = byte();
            if (firstSize < 0)
                firstSize = size;
            if (size == 0)
                return firstSize;
            const auto block = bytes(size);
            if (out != nullptr)
                out->insert(out->end(), block.begin(), block.end());
        }
    }

  private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

const GifGraphicControl* GifImage::graphicControl() const {
    for (const auto& extension : extensions) {
        if (extension.kind == GifExtension::Kind::graphicControl)
            return &extension.control;
    }
    return nullptr;
}

namespace {

void ReadColourTable(std::span<const std::uint8_t> bytes, int size, GifColourTable& table) {
    table.size = size;
    table.colours.fill(kOpaqueBlack);
    for (int i = 0; i < size; ++i) {
        const auto* rgb = &bytes[static_cast<std::size_t>(i) * 3];
        table.colours[static_cast<std::size_t>(i)] =
            kOpaqueBlack | (Argb{rgb[0]} << 16) | (Argb{rgb[1]} << 8) | rgb[2];
    }
}

bool SignatureMatches(std::span<const std::uint8_t> file) {
    if (file.size() < 6)
        return false;
    char upper[6];
    for (int i = 0; i < 6; ++i) {
        const char c = static_cast<char>(file[static_cast<std::size_t>(i)]);
        upper[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return std::memcmp(upper, "GIF87A", 6) == 0 || std::memcmp(upper, "GIF89A", 6) == 0;
}

}  // namespace

void TGifDecoder::read(std::span<const std::uint8_t> file, GifImageSink& sink) {
    if (!SignatureMatches(file))
        throw GifError(GifErrorCode::invalidSignature);
    Cursor in(file);
    in.bytes(6);

    screen_.width = in.word();
    screen_.height = in.word();
    const std::uint8_t packed = in.byte();
    screen_.backgroundIndex = in.byte();
    screen_.aspect = in.byte();
    screen_.globalTable = (packed & 0x80) != 0;
    screen_.colourResolution = ((packed >> 4) & 7) + 1;
    screen_.sorted = (packed & 0x08) != 0;
    screen_.globalTableSize = 2 << (packed & 7);
    if (screen_.globalTable) {
        const int size = screen_.globalTableSize;
        ReadColourTable(in.bytes(static_cast<std::size_t>(size) * 3), size, globalTable_);
    }

    readBlocks(in, sink);
    if (imageCount_ == 0)
        throw GifError(GifErrorCode::noImageDescription);
}

std::size_t TGifDecoder::CountImages(std::span<const std::uint8_t> file) {
    std::size_t pos = 13;
    if (file.size() < pos)
        return 0;
    if (file[10] & 0x80)
        pos += 3u * (2u << (file[10] & 7));
    // Sub-blocks from `pos` on; false when the file ends first.
    const auto skipSubBlocks = [&] {
        while (pos < file.size()) {
            const std::size_t size = file[pos++];
            if (size == 0)
                return true;
            pos += size;
        }
        return false;
    };
    std::size_t count = 0;
    while (pos < file.size()) {
        const std::uint8_t introducer = file[pos++];
        if (introducer == kImageSeparator) {
            if (pos + 9 > file.size())
                break;
            const std::uint8_t packed = file[pos + 8];
            pos += 9;
            if (packed & 0x80)
                pos += 3u * (2u << (packed & 7));
            ++pos;  // minimum code size
            if (!skipSubBlocks())
                break;
            ++count;
        } else if (introducer == kExtensionIntroducer) {
            // Every extension's fixed part is laid out like a sub-block: its size, then bytes.
            ++pos;
            if (!skipSubBlocks())
                break;
        } else {
            break;
        }
    }
    return count;
}

void TGifDecoder::readBlocks(Cursor& in, GifImageSink& sink) {
    try {
        while (!in.atEnd()) {
            const std::uint8_t introducer = in.byte();
            if (introducer == kTrailer || introducer == 0)
                return;
            if (introducer == kImageSeparator)
                readImage(in, sink);
            else if (introducer == kExtensionIntroducer)
                readExtension(in);
            else
                throw GifError(GifErrorCode::unknownOperationCode);
        }
    } catch (const GifError& error) {
        // What was read before a damaged block is kept.
        if (imageCount_ == 0 || error.fatal())
            throw;
    }
}

void TGifDecoder::readImage(Cursor& in, GifImageSink& sink) {
    const std::vector<GifExtension> extensions = std::move(pending_);
    pending_.clear();

    GifImage image;
    image.number = imageCount_ + 1;
    image.extensions = extensions;
    image.left = in.word();
    image.top = in.word();
    image.width = in.word();
    image.height = std::min(in.word(), screen_.height);
    const std::uint8_t packed = in.byte();
    image.localTable = (packed & 0x80) != 0;
    image.interlaced = (packed & 0x40) != 0;
    image.sorted = (packed & 0x20) != 0;
    image.localTableSize = 2 << (packed & 7);
    if (image.localTable) {
        const int size = image.localTableSize;
        ReadColourTable(in.bytes(static_cast<std::size_t>(size) * 3), size, localTable_);
        image.colours = &localTable_;
    } else if (screen_.globalTable) {
        image.colours = &globalTable_;
    } else {
        throw GifError(GifErrorCode::noColourTable);
    }
    image.minimumCodeSize = in.byte();
    data_.clear();
    in.subBlocks(&data_);
    if (image.width == 0 || image.height == 0)
        throw GifError(GifErrorCode::zeroWidthOrHeight);
    if (std::uint64_t{static_cast<unsigned>(image.width)} * static_cast<unsigned>(image.height) >
        kMaxImagePixels)
        throw GifError(GifErrorCode::animationTooLarge);

    decodePixels(image);
    image.pixels = pixels_;
    sink.addImage(image);
    ++imageCount_;
}

void TGifDecoder::decodePixels(const GifImage& image) {
    const std::size_t width = static_cast<std::size_t>(image.width);
    const std::size_t height = static_cast<std::size_t>(image.height);
    const std::size_t count = width * height;
    pixels_.resize(count);
    if (!image.interlaced) {
        const std::size_t filled =
            DecodeGifLzw(data_, image.minimumCodeSize, pixels_.data(), count);
        std::fill(pixels_.begin() + static_cast<std::ptrdiff_t>(filled), pixels_.end(), 0);
        return;
    }
    scratch_.resize(count);
    const std::size_t filled = DecodeGifLzw(data_, image.minimumCodeSize, scratch_.data(), count);
    std::fill(scratch_.begin() + static_cast<std::ptrdiff_t>(filled), scratch_.end(), 0);
    // Rows arrive in four passes: every 8th from row 0, every 8th from row 4, every 4th from
    // row 2, every 2nd from row 1.
    static constexpr std::size_t kStart[4] = {0, 4, 2, 1};
    static constexpr std::size_t kStep[4] = {8, 8, 4, 2};
    std::size_t source = 0;
    for (int pass = 0; pass < 4; ++pass) {
        for (std::size_t row = kStart[pass]; row < height; row += kStep[pass]) {
            std::memcpy(&pixels_[row * width], &scratch_[source * width], width);
            ++source;
        }
    }
}

void TGifDecoder::readExtension(Cursor& in) {
    GifExtension extension;
    const std::uint8_t label = in.byte();
    switch (label) {
        case kGraphicControlLabel: {
            extension.kind = GifExtension::Kind::graphicControl;
            if (in.byte() != 4)
                throw GifError(GifErrorCode::invalidExtensionBlockSize);
            const std::uint8_t packed = in.byte();
            extension.control.disposal = (packed >> 2) & 7;
            extension.control.userInput = (packed & 0x02) != 0;
            extension.control.transparent = (packed & 0x01) != 0;
            extension.control.delay = in.word();
            extension.control.transparentIndex = in.byte();
            if (in.byte() != 0)
                throw GifError(GifErrorCode::invalidExtensionBlockTerminator);
            break;
        }
        case kCommentLabel:
            extension.kind = GifExtension::Kind::comment;
            in.subBlocks(&extension.data);
            break;
        case kPlainTextLabel: {
            extension.kind = GifExtension::Kind::plainText;
            if (in.byte() != 12)
                throw GifError(GifErrorCode::invalidExtensionBlockSize);
            GifPlainText& text = extension.plainText;
            text.gridLeft = in.word();
            text.gridTop = in.word();
            text.gridWidth = in.word();
            text.gridHeight = in.word();
            text.cellWidth = in.byte();
            text.cellHeight = in.byte();
            text.foregroundIndex = in.byte();
            text.backgroundIndex = in.byte();
            in.subBlocks(&extension.data);
            break;
        }
        case kApplicationLabel: {
            extension.kind = GifExtension::Kind::application;
            extension.blockSize = in.byte();
            if (extension.blockSize == 11) {
                const auto identifier = in.bytes(8);
                const auto authentication = in.bytes(3);
                extension.identifier.assign(identifier.begin(), identifier.end());
                extension.authentication.assign(authentication.begin(), authentication.end());
                const int firstSize = in.subBlocks(&extension.data);
                if (extension.identifier == "NETSCAPE" && firstSize == 3)
                    loopCount_ = extension.data[1] | (extension.data[2] << 8);
            } else {
                in.bytes(static_cast<std::size_t>(extension.blockSize));
                in.subBlocks(&extension.data);
            }
            break;
        }
        default: {
            char text[32];
            std::snprintf(text, sizeof text, "unknown extension: %04X", label);
            throw GifError(GifErrorCode::specialMessage, text);
        }
    }
    const bool firstControl =
        extension.kind == GifExtension::Kind::graphicControl &&
        std::none_of(pending_.begin(), pending_.end(), [](const GifExtension& kept) {
            return kept.kind == GifExtension::Kind::graphicControl;
        });
    if (pending_.size() < kMaxKeptExtensions || firstControl)
        pending_.push_back(std::move(extension));
}

}  // namespace kelvor::images
