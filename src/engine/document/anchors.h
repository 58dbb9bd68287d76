#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace kelvor::engine {

// The document's jump targets (A NAME and ID values) by name, compared without regard to case,
// each at the source position where it was read. The first target of a name wins.
class TAnchorList {
  public:
    void add(std::string_view name, int sourcePosition);
    std::optional<int> find(std::string_view name) const;
    std::size_t size() const { return anchors_.size(); }

  private:
    std::map<std::string, int, std::less<>> anchors_;  // upper-cased names
};

}  // namespace kelvor::engine
