#pragma once

#include <string_view>
#include <vector>

namespace kelvor::platform {
class Clipboard;
}

namespace kelvor::engine {

// Where a walk over the selection puts the characters it finds. Each sink counts or copies
// what it is given; finish() gives the walk's result.
//
// The count is the capacity a copy needs: it counts BR marks, which the copying sinks leave
// out, so it may be larger than the text, never smaller.
class SelTextCount {
  public:
    virtual ~SelTextCount() = default;
    // A run of characters of the document's text (marks included).
    virtual void addText(std::u16string_view chars);
    virtual int finish();
    // The characters followed by CR LF.
    void addLineEnd(std::u16string_view chars);

  protected:
    long long count_ = 0;
};

// Copies into a caller's buffer of `capacity` characters, leaving out the marks of form
// controls, pictures and BR; copying stops silently when one place is left, for the
// terminating zero. finish() writes the zero and returns the characters copied plus one.
class SelTextBuf : public SelTextCount {
  public:
    SelTextBuf(char16_t* buffer, int capacity);
    void addText(std::u16string_view chars) override;
    int finish() override;
    // The characters copied so far.
    std::u16string_view text() const;

  protected:
    // For sinks that own their buffer: it is attached once it exists.
    void attach(char16_t* buffer, int capacity);

  private:
    char16_t* buffer_;
    int capacity_;
    int written_ = 0;
};

// A SelTextBuf over a buffer of its own, which at finish puts the text on the clipboard (the
// clipboard is emptied first). The buffer goes with the sink.
class ClipBuffer : public SelTextBuf {
  public:
    ClipBuffer(int capacity, platform::Clipboard& clipboard);
    int finish() override;

  private:
    std::vector<char16_t> own_;
    platform::Clipboard& clipboard_;
};

}  // namespace kelvor::engine
