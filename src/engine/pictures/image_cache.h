#pragma once

#include <list>
#include <memory>
#include <string>
#include <utility>

namespace kelvor::engine {

class DecodedPicture;

// The control's image cache: decoded pictures by their full file name, kept across documents
// so that going back to a page does not decode its pictures again. It holds at most
// `capacity` pictures; when a new one comes the one used longest ago goes.
class ImageCache {
  public:
    // The capacity is limited to 0 (no cache) .. 20.
    static constexpr int kLargestCapacity = 20;

    int capacity() const { return capacity_; }
    void setCapacity(int capacity);
    int size() const { return static_cast<int>(entries_.size()); }

    // The picture of that name, now the most recently used; null when it is not held.
    std::shared_ptr<const DecodedPicture> find(const std::string& name);
    // Keeps a picture, dropping the least recently used beyond the capacity.
    void add(const std::string& name, std::shared_ptr<const DecodedPicture> picture);
    void clear() { entries_.clear(); }

  private:
    void trim();

    int capacity_ = 5;
    // Most recently used first; a handful of entries, so a list searched in order will do.
    std::list<std::pair<std::string, std::shared_ptr<const DecodedPicture>>> entries_;
};

}  // namespace kelvor::engine
