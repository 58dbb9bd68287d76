#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "engine/document/pictures.h"
#include "engine/pictures/image_cache.h"
#include "platform/file_system.h"

namespace kelvor::engine {

// Pictures read from files: a name as the page writes it is expanded as the page's links are
// (against its base or its own folder), read through the file system (regular files of at most
// 16 MB only), decoded, and kept in the image cache. A picture that cannot be read or decoded
// fails, so the page shows its placeholder.
//
// Besides the cache, the source remembers every answer of the document being shown, failures
// included: a page that names the same picture a thousand times reads it once, whatever the
// cache's capacity.
class FilePictureSource : public PictureSource {
  public:
    // Turns a name as the page writes it into a file name.
    using NameExpander = std::function<std::string(const std::string& name)>;

    // The decoded pictures of one document hold at most this many pixels (frames of animations
    // counted); pictures beyond it fail, so no page can make the viewer hold gigabytes.
    static constexpr long long kDocumentPixelBudget = 200'000'000;

    // Neither is owned; an empty expander takes names as they are.
    FilePictureSource(const platform::FileSystem& files, NameExpander expand);

    PictureAnswer request(std::string_view name) override;

    // A new document is being shown: the answers of the one before are forgotten (the cache
    // keeps its pictures).
    void startDocument();
    // Forgets everything, the cache included.
    void clear();

    // The pixel budget of one document (kDocumentPixelBudget unless set).
    void setPixelBudget(long long pixels) { pixelBudget_ = pixels; }

    ImageCache& cache() { return cache_; }
    const ImageCache& cache() const { return cache_; }

  private:
    PictureAnswer decode(const std::string& fileName);

    const platform::FileSystem& files_;
    NameExpander expand_;
    ImageCache cache_;
    std::map<std::string, PictureAnswer, std::less<>> document_;
    long long documentPixels_ = 0;
    long long pixelBudget_ = kDocumentPixelBudget;
};

}  // namespace kelvor::engine
