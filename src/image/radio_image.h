// The radio's memory image and the byte windows through which fields are read.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace kp07 {

// The radio stores 7807 bytes; the buffer carries one spare byte so that the
// image is exactly 61 blocks of 128 bytes on the wire.
constexpr std::size_t kImageSize = 7807;
constexpr std::size_t kImageBufferSize = 7808;

using RadioImage = std::array<std::uint8_t, kImageBufferSize>;

// A bounded window of bytes inside an image: a channel record, a 5-tone entry
// or the image itself. Reads outside the window give 0 and writes outside it
// are dropped, so no accessor can ever reach past the buffer.
class ConstBytes {
  public:
    ConstBytes() = default;
    ConstBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t At(std::size_t offset) const { return offset < size_ ? data_[offset] : 0; }
    std::size_t size() const { return size_; }
    bool valid() const { return size_ != 0; }
    ConstBytes Sub(std::size_t offset, std::size_t size) const {
        if (offset > size_ || size > size_ - offset) return {};
        return ConstBytes(data_ + offset, size);
    }

  private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

class Bytes {
  public:
    Bytes() = default;
    Bytes(std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t At(std::size_t offset) const { return offset < size_ ? data_[offset] : 0; }
    void Put(std::size_t offset, std::uint8_t value) {
        if (offset < size_) data_[offset] = value;
    }
    std::size_t size() const { return size_; }
    bool valid() const { return size_ != 0; }
    Bytes Sub(std::size_t offset, std::size_t size) const {
        if (offset > size_ || size > size_ - offset) return {};
        return Bytes(data_ + offset, size);
    }
    operator ConstBytes() const { return ConstBytes(data_, size_); }

  private:
    std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

// Typed windows keep records of different tables apart: a channel record
// accessor cannot be handed a 5-tone entry.
template <class Tag>
class ConstRecordRef : public ConstBytes {
  public:
    ConstRecordRef() = default;
    explicit ConstRecordRef(ConstBytes bytes) : ConstBytes(bytes) {}
};

template <class Tag>
class RecordRef : public Bytes {
  public:
    RecordRef() = default;
    explicit RecordRef(Bytes bytes) : Bytes(bytes) {}
    operator ConstRecordRef<Tag>() const { return ConstRecordRef<Tag>(ConstBytes(*this)); }
};

inline Bytes WholeImage(RadioImage& image) {
    return Bytes(image.data(), image.size());
}
inline ConstBytes WholeImage(const RadioImage& image) {
    return ConstBytes(image.data(), image.size());
}

// ---------------------------------------------------------------------------
// Process-wide state that belongs to the image.

// The document's image; null until the document first builds it.
extern std::unique_ptr<RadioImage> radioImage;
// Automatic offset added to a typed receive frequency to give the transmit
// frequency, in MHz (-99.9 .. +99.9). Saved as the data file trailer only.
extern double autoTxOffsetMHz;
// 1 once any editor changed the image or autoTxOffsetMHz since the last save.
extern int imageModified;
// Full path of the data file the image came from, or "<none>".
extern std::string currentFileName;
// 1 when the document's build step loaded the image from a file.
extern int defaultFileLoaded;

// The text that stands for "no file" in currentFileName and the title.
extern const char* const kNoFileName;

// Puts the image state back to how a fresh process starts (tests only).
void ResetImageStateForTest();

}  // namespace kp07
