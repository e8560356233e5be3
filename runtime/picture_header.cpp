#include "picture_header.h"

#include <cstdlib>
#include <cstring>

namespace rt {
namespace {

uint32_t Little16(const unsigned char* p) { return p[0] | (p[1] << 8); }
uint32_t Little32(const unsigned char* p) { return Little16(p) | (Little16(p + 2) << 16); }
uint32_t Big16(const unsigned char* p) { return (p[0] << 8) | p[1]; }
uint32_t Big32(const unsigned char* p) { return (Big16(p) << 16) | Big16(p + 2); }

uint64_t Area(uint64_t width, uint64_t height) { return width * height; }

uint64_t BmpPixels(const unsigned char* b, size_t n) {
    if (n < 26) return 0;
    const uint32_t infoSize = Little32(b + 14);
    if (infoSize == 12) return Area(Little16(b + 18), Little16(b + 20));  // the old core header
    const int32_t width = static_cast<int32_t>(Little32(b + 18));
    const int32_t height = static_cast<int32_t>(Little32(b + 22));  // negative: top-down
    return Area(std::llabs(width), std::llabs(height));
}

uint64_t PngPixels(const unsigned char* b, size_t n) {
    if (n < 24 || std::memcmp(b + 12, "IHDR", 4) != 0) return 0;
    return Area(Big32(b + 16), Big32(b + 20));
}

uint64_t GifPixels(const unsigned char* b, size_t n) {
    if (n < 10) return 0;
    return Area(Little16(b + 6), Little16(b + 8));  // the logical screen
}

// The frame header (SOFn) among the markers before the first scan.
uint64_t JpegPixels(const unsigned char* b, size_t n) {
    size_t at = 2;
    while (at + 4 <= n) {
        if (b[at] != 0xFF) return 0;
        const unsigned char marker = b[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // no length
            at += 2;
            continue;
        }
        if (marker == 0xDA) return 0;  // a scan before any frame header
        const size_t length = Big16(b + at + 2);
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) return at + 9 <= n ? Area(Big16(b + at + 7), Big16(b + at + 5)) : 0;
        at += 2 + length;
    }
    return 0;
}

}  // namespace

uint64_t DeclaredPixels(const unsigned char* bytes, size_t size) {
    if (size >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return BmpPixels(bytes, size);
    if (size >= 8 && std::memcmp(bytes, "\x89PNG\r\n\x1a\n", 8) == 0) return PngPixels(bytes, size);
    if (size >= 6 && (std::memcmp(bytes, "GIF87a", 6) == 0 || std::memcmp(bytes, "GIF89a", 6) == 0)) {
        return GifPixels(bytes, size);
    }
    if (size >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) return JpegPixels(bytes, size);
    return 0;
}

}  // namespace rt
