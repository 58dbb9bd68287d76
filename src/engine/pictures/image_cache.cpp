#include "engine/pictures/image_cache.h"

#include <algorithm>

namespace kelvor::engine {

void ImageCache::setCapacity(int capacity) {
    capacity_ = std::clamp(capacity, 0, kLargestCapacity);
    trim();
}

std::shared_ptr<const DecodedPicture> ImageCache::find(const std::string& name) {
    for (auto entry = entries_.begin(); entry != entries_.end(); ++entry) {
        if (entry->first == name) {
            entries_.splice(entries_.begin(), entries_, entry);
            return entries_.front().second;
        }
    }
    return nullptr;
}

void ImageCache::add(const std::string& name, std::shared_ptr<const DecodedPicture> picture) {
    entries_.remove_if([&](const auto& entry) { return entry.first == name; });
    entries_.emplace_front(name, std::move(picture));
    trim();
}

void ImageCache::trim() {
    while (entries_.size() > static_cast<std::size_t>(capacity_)) {
        entries_.pop_back();
    }
}

}  // namespace kelvor::engine
