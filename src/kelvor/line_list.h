#pragma once

#include <cstddef>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvor {

// The prepared stream as a list of lines (mylist). Filled from the stream text, it refers to
// the text's own bytes instead of copying them, so a large stream is held once, not twice; the
// text must then stay as it is while the list is read, which it does: the list is filled again
// whenever the text is replaced. Lines handed in as texts are kept by the list itself.
class LineList {
  public:
    class Iterator {
      public:
        Iterator(const LineList& list, std::size_t index) : list_(&list), index_(index) {}
        std::string_view operator*() const { return (*list_)[index_]; }
        Iterator& operator++() {
            ++index_;
            return *this;
        }
        bool operator==(const Iterator& other) const { return index_ == other.index_; }

      private:
        const LineList* list_;
        std::size_t index_;
    };

    LineList() = default;
    LineList(std::initializer_list<std::string> lines) { assign(lines.begin(), lines.end()); }
    LineList& operator=(std::initializer_list<std::string> lines) {
        assign(lines.begin(), lines.end());
        return *this;
    }
    LineList& operator=(const std::vector<std::string>& lines) {
        assign(lines.begin(), lines.end());
        return *this;
    }

    // Refers to the lines of text at the given (offset, length) spans.
    void referTo(const std::string& text, std::vector<std::pair<std::size_t, std::size_t>> spans) {
        own_.clear();
        own_.shrink_to_fit();
        text_ = &text;
        spans_ = std::move(spans);
    }
    void clear() {
        own_.clear();
        text_ = nullptr;
        spans_.clear();
    }

    std::size_t size() const { return spans_.size(); }
    bool empty() const { return spans_.empty(); }
    std::string_view operator[](std::size_t i) const {
        const std::string& text = text_ != nullptr ? *text_ : own_;
        return std::string_view(text).substr(spans_[i].first, spans_[i].second);
    }
    std::string_view back() const { return (*this)[size() - 1]; }
    Iterator begin() const { return Iterator(*this, 0); }
    Iterator end() const { return Iterator(*this, size()); }

    friend bool operator==(const LineList& list, const std::vector<std::string>& lines) {
        if (list.size() != lines.size()) {
            return false;
        }
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (list[i] != lines[i]) {
                return false;
            }
        }
        return true;
    }
    friend std::ostream& operator<<(std::ostream& out, const LineList& list) {
        out << "{";
        for (std::size_t i = 0; i < list.size(); ++i) {
            out << (i == 0 ? " \"" : ", \"") << list[i] << "\"";
        }
        return out << " }";
    }

  private:
    template <typename It>
    void assign(It first, It last) {
        clear();
        for (; first != last; ++first) {
            spans_.emplace_back(own_.size(), first->size());
            own_ += *first;
        }
    }

    const std::string* text_ = nullptr;  // the text referred to; own_ when null
    std::string own_;
    std::vector<std::pair<std::size_t, std::size_t>> spans_;
};

}  // namespace kelvor
