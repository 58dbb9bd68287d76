#include "engine/pictures/file_pictures.h"

#include <cstdint>
#include <memory>
#include <span>
#include <utility>

#include "engine/pictures/decoded_picture.h"
#include "images/picture_loader.h"

namespace kelvor::engine {

namespace {

PictureAnswer Failed() {
    return PictureAnswer{PictureAnswer::State::failed, nullptr};
}

}  // namespace

FilePictureSource::FilePictureSource(const platform::FileSystem& files, NameExpander expand)
    : files_(files), expand_(std::move(expand)) {}

void FilePictureSource::startDocument() {
    document_.clear();
    documentPixels_ = 0;
}

void FilePictureSource::clear() {
    startDocument();
    cache_.clear();
}

PictureAnswer FilePictureSource::request(std::string_view name) {
    if (name.empty()) {
        return Failed();
    }
    const std::string fileName = expand_ ? expand_(std::string(name)) : std::string(name);
    if (const auto known = document_.find(fileName); known != document_.end()) {
        return known->second;
    }
    PictureAnswer answer;
    std::shared_ptr<const DecodedPicture> picture = cache_.find(fileName);
    if (picture) {
        answer = PictureAnswer{PictureAnswer::State::available, picture};
    } else {
        answer = decode(fileName);
        picture = std::static_pointer_cast<const DecodedPicture>(answer.picture);
    }
    if (picture) {
        // Pictures from the cache count too: the document holds them as long as it lives.
        const long long pixels = picture->pixelCount();
        if (pixels > pixelBudget_ - documentPixels_) {
            answer = Failed();
        } else {
            documentPixels_ += pixels;
            cache_.add(fileName, picture);
        }
    }
    document_.emplace(fileName, answer);
    return answer;
}

PictureAnswer FilePictureSource::decode(const std::string& fileName) {
    if (fileName.empty()) {
        return Failed();
    }
    // Only regular files are read, never more than a picture file may hold: a page cannot make
    // the viewer wait on a pipe or read a disk image.
    platform::ReadResult read = files_.readFile(fileName, images::kMaxPictureFileBytes);
    if (read.status != platform::ReadStatus::Ok) {
        return Failed();
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(read.bytes.data());
    std::unique_ptr<images::Picture> decoded =
        images::ReadPicture(std::span<const std::uint8_t>(bytes, read.bytes.size()));
    if (!decoded || decoded->width() <= 0 || decoded->height() <= 0) {
        return Failed();
    }
    return PictureAnswer{PictureAnswer::State::available,
                         std::make_shared<const DecodedPicture>(std::move(decoded))};
}

}  // namespace kelvor::engine
