#pragma once
// A picture file's bytes as the header checks read them: every read is of a
// range first found to lie within the bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace rt {

class PictureBytes {
public:
    PictureBytes(const unsigned char* data, size_t size) : data_(data), size_(size) {}

    size_t Size() const { return size_; }
    // Whether count bytes from at lie within; sums cannot wrap.
    bool Has(uint64_t at, uint64_t count) const { return at <= size_ && count <= size_ - at; }
    // The count bytes from at, which the caller found with Has.
    PictureBytes Part(size_t at, size_t count) const { return {data_ + at, count}; }
    // Whether the count bytes from at are those of text.
    bool Starts(const char* text, size_t count, size_t at = 0) const {
        return Has(at, count) && std::memcmp(data_ + at, text, count) == 0;
    }

    // Values at an offset the caller found with Has.
    uint32_t Byte(size_t at) const { return data_[at]; }
    uint32_t Little16(size_t at) const { return data_[at] | (data_[at + 1] << 8); }
    uint32_t Little32(size_t at) const { return Little16(at) | (Little16(at + 2) << 16); }
    int32_t Signed16(size_t at) const { return static_cast<int16_t>(Little16(at)); }
    int32_t Signed32(size_t at) const { return static_cast<int32_t>(Little32(at)); }
    uint32_t Big16(size_t at) const { return (data_[at] << 8) | data_[at + 1]; }
    uint32_t Big32(size_t at) const { return (Big16(at) << 16) | Big16(at + 2); }

private:
    const unsigned char* data_;
    size_t size_;
};

}  // namespace rt
