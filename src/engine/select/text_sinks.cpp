#include "engine/select/text_sinks.h"

#include <algorithm>
#include <limits>

#include "engine/document/text_marks.h"
#include "platform/clipboard.h"

namespace kelvor::engine {

void SelTextCount::addText(std::u16string_view chars) {
    // BR marks count: the count only sizes a buffer, and a copy never needs more.
    for (char16_t c : chars) {
        if (c != kControlMark && c != kObjectMark) {
            ++count_;
        }
    }
}

int SelTextCount::finish() {
    // Kept below the largest int, so that a capacity of the count plus one still is one.
    return static_cast<int>(std::min<long long>(count_, std::numeric_limits<int>::max() - 1));
}

void SelTextCount::addLineEnd(std::u16string_view chars) {
    addText(chars);
    addText(u"\r\n");
}

SelTextBuf::SelTextBuf(char16_t* buffer, int capacity)
    : buffer_(buffer), capacity_(buffer != nullptr ? std::max(0, capacity) : 0) {}

void SelTextBuf::attach(char16_t* buffer, int capacity) {
    buffer_ = buffer;
    capacity_ = buffer != nullptr ? std::max(0, capacity) : 0;
    written_ = 0;
}

void SelTextBuf::addText(std::u16string_view chars) {
    for (char16_t c : chars) {
        if (written_ + 1 >= capacity_) {
            return;  // the last place is the terminating zero's
        }
        if (c == kControlMark || c == kObjectMark || c == kBreakMark) {
            continue;
        }
        buffer_[written_++] = c;
    }
}

int SelTextBuf::finish() {
    if (written_ < capacity_) {
        buffer_[written_] = 0;
    }
    return written_ + 1;
}

std::u16string_view SelTextBuf::text() const {
    return buffer_ != nullptr ? std::u16string_view(buffer_, static_cast<std::size_t>(written_))
                              : std::u16string_view();
}

ClipBuffer::ClipBuffer(int capacity, platform::Clipboard& clipboard)
    : SelTextBuf(nullptr, 0),
      own_(static_cast<std::size_t>(std::max(1, capacity))),
      clipboard_(clipboard) {
    attach(own_.data(), std::max(1, capacity));
}

int ClipBuffer::finish() {
    const int result = SelTextBuf::finish();
    clipboard_.setText(text());
    return result;
}

}  // namespace kelvor::engine
