#include <csetjmp>
#include <cstdio>
#include <cstring>
// jpeglib.h needs size_t and FILE declared before it.
#include <jerror.h>
#include <jpeglib.h>

#include "images/picture_loader.h"
#include "images/still_readers.h"

namespace kelvor::images {

namespace {

// libjpeg reports errors through a callback that must not return; it jumps back to the one
// place below that holds no C++ object, so no destructor is skipped.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    bool truncated = false;
};

[[noreturn]] void OnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings are not printed. A file that ends before its picture does is refused rather than
// shown with the missing part filled in grey.
void OnMessage(j_common_ptr info, int level) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    if (level < 0 && errors->base.msg_code == JWRN_JPEG_EOF)
        errors->truncated = true;
}

// What the decoding step hands back; filled only with plain values.
struct JpegState {
    jpeg_decompress_struct info;
    ErrorManager errors;
    int width = 0;
    int height = 0;
    int components = 0;
    bool adobeInverted = false;
};

// Reads the header. Returns false on an error.
bool ReadHeader(JpegState& state) {
    if (setjmp(state.errors.jump) != 0)
        return false;
    jpeg_read_header(&state.info, TRUE);
    J_COLOR_SPACE space = state.info.jpeg_color_space;
    if (space == JCS_CMYK || space == JCS_YCCK) {
        state.info.out_color_space = JCS_CMYK;
        // Adobe writes CMYK inverted, as nearly every CMYK JPEG in the wild does.
        state.adobeInverted = state.info.saw_Adobe_marker != 0;
    } else {
        state.info.out_color_space = JCS_RGB;
    }
    state.width = static_cast<int>(state.info.image_width);
    state.height = static_cast<int>(state.info.image_height);
    return true;
}

// Decodes into `rows` (width * components bytes per row). Returns false on an error.
bool ReadPixels(JpegState& state, std::uint8_t* rows) {
    if (setjmp(state.errors.jump) != 0)
        return false;
    jpeg_start_decompress(&state.info);
    state.components = state.info.output_components;
    const std::size_t stride =
        static_cast<std::size_t>(state.info.output_width) * state.info.output_components;
    while (state.info.output_scanline < state.info.output_height) {
        JSAMPROW row = rows + stride * state.info.output_scanline;
        jpeg_read_scanlines(&state.info, &row, 1);
        if (state.errors.truncated)
            return false;
    }
    jpeg_finish_decompress(&state.info);
    return !state.errors.truncated;
}

struct Decompressor {
    JpegState state;
    Decompressor() {
        state.info.err = jpeg_std_error(&state.errors.base);
        state.errors.base.error_exit = OnError;
        state.errors.base.emit_message = OnMessage;
        jpeg_create_decompress(&state.info);
    }
    ~Decompressor() { jpeg_destroy_decompress(&state.info); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
};

Argb FromCmyk(const std::uint8_t* p, bool inverted) {
    unsigned c = p[0], m = p[1], y = p[2], k = p[3];
    if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
    }
    // Inverted values: each is the amount of light let through.
    const Argb r = c * k / 255, g = m * k / 255, b = y * k / 255;
    return kOpaqueBlack | (r << 16) | (g << 8) | b;
}

}  // namespace

std::optional<Bitmap> ReadJpeg(std::span<const std::uint8_t> bytes) {
    if (bytes.empty())
        return std::nullopt;
    Decompressor jpeg;
    JpegState& state = jpeg.state;
    jpeg_mem_src(&state.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    if (!ReadHeader(state))
        return std::nullopt;
    if (!PictureSizeAllowed(static_cast<unsigned>(state.width),
                            static_cast<unsigned>(state.height)))
        return std::nullopt;

    const int components = state.info.out_color_space == JCS_CMYK ? 4 : 3;
    Bitmap bitmap(state.width, state.height);
    // Rows are decoded into the bitmap's own memory (4 bytes a pixel) from its end, then turned
    // into pixels from the front, so each pixel is read before its place is written.
    const std::size_t count = static_cast<std::size_t>(state.width) * state.height;
    auto* base = reinterpret_cast<std::uint8_t*>(bitmap.pixels());
    std::uint8_t* rows = base + count * 4 - count * static_cast<std::size_t>(components);
    if (!ReadPixels(state, rows) || state.components != components)
        return std::nullopt;

    Argb* pixels = bitmap.pixels();
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* p = rows + i * static_cast<std::size_t>(components);
        if (components == 3)
            pixels[i] = kOpaqueBlack | (Argb{p[0]} << 16) | (Argb{p[1]} << 8) | p[2];
        else
            pixels[i] = FromCmyk(p, state.adobeInverted);
    }
    return bitmap;
}

}  // namespace kelvor::images
