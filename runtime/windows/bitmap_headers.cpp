// Device-independent bitmaps: in a bitmap file, and as the images of icons
// and cursors.
#include "picture_formats.h"

namespace rt {
namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kVersion5HeaderSize = 124;
constexpr uint32_t kProfileLinked = 0x4C494E4B, kProfileEmbedded = 0x4D424544;  // "LINK", "MBED"
constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3;
constexpr uint32_t kIconEntrySize = 16;

struct DibInfo {
    uint32_t headerSize = 0;
    int64_t width = 0;
    int64_t height = 0;  // negative: rows from the top down
    uint32_t bits = 0;
    uint32_t compression = kRgb;
    uint32_t imageSize = 0;
    // Bytes after the header: colour masks and colour table.
    uint64_t tableSize = 0;
    // Bytes of the colour masks alone, which only the 40-byte header keeps outside itself.
    uint32_t masksSize = 0;

    uint64_t Rows() const { return static_cast<uint64_t>(height < 0 ? -height : height); }
    uint64_t RowBytes() const { return (static_cast<uint64_t>(width) * bits + 31) / 32 * 4; }
    // The pixels of the last row without the padding that rounds it up.
    uint64_t PixelBytes() const {
        return RowBytes() * (Rows() - 1) + (static_cast<uint64_t>(width) * bits + 7) / 8;
    }
};

// The old core header, the info header, its versions with masks, the OS/2 2
// header, and the version 4 and 5 headers.
bool KnownHeaderSize(uint32_t size) {
    return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 52 || size == 56 || size == 64 ||
           size == 108 || size == kVersion5HeaderSize;
}

// A colour profile that the version 5 header names lies within the bytes,
// counted from the header's start.
bool ProfileFits(const PictureBytes& b, uint32_t headerSize) {
    if (headerSize != kVersion5HeaderSize) return true;
    const uint32_t kind = b.Little32(56);
    return (kind != kProfileLinked && kind != kProfileEmbedded) || b.Has(b.Little32(112), b.Little32(116));
}

bool CompressionFits(uint32_t compression, uint32_t bits, int64_t height) {
    switch (compression) {
    case kRgb: return true;
    case kRle8: return bits == 8 && height > 0;  // runs are stored from the bottom up
    case kRle4: return bits == 4 && height > 0;
    case kBitfields: return bits == 16 || bits == 32;
    default: return false;  // embedded JPEG or PNG, and the rest, which no screen shows
    }
}

// The info header at the start of b, and the size of the tables after it.
bool ReadDibInfo(const PictureBytes& b, DibInfo& info) {
    if (!b.Has(0, 4)) return false;
    info.headerSize = b.Little32(0);
    if (!KnownHeaderSize(info.headerSize) || !b.Has(0, info.headerSize)) return false;
    uint32_t planes = 0, coloursUsed = 0, entrySize = 4;
    if (info.headerSize == kCoreHeaderSize) {
        info.width = b.Little16(4);
        info.height = b.Little16(6);
        planes = b.Little16(8);
        info.bits = b.Little16(10);
        entrySize = 3;
    } else {
        info.width = b.Signed32(4);
        info.height = b.Signed32(8);
        planes = b.Little16(12);
        info.bits = b.Little16(14);
        info.compression = b.Little32(16);
        info.imageSize = b.Little32(20);
        coloursUsed = b.Little32(32);
    }
    const bool knownDepth = info.bits == 1 || info.bits == 4 || info.bits == 8 || info.bits == 16 ||
                            info.bits == 24 || info.bits == 32;
    if (planes != 1 || !knownDepth || info.width <= 0 || info.height == 0 ||
        !CompressionFits(info.compression, info.bits, info.height) || !ProfileFits(b, info.headerSize)) {
        return false;
    }
    // A palette picture has at most one colour per pixel value; others may
    // carry a table for palette screens.
    uint64_t colours = coloursUsed;
    if (info.bits <= 8) {
        const uint32_t most = 1u << info.bits;
        if (colours > most) return false;
        if (colours == 0) colours = most;
    }
    if (info.compression == kBitfields && info.headerSize == kInfoHeaderSize) info.masksSize = 12;
    info.tableSize = info.masksSize + colours * entrySize;
    return true;
}

bool IsSoundIconImage(const PictureBytes& image, uint64_t mostPixels) {
    if (image.Starts("\x89PNG\r\n\x1a\n", 8)) return IsSoundPng(image, mostPixels);
    DibInfo info;
    // Its height counts the colour image and the mask beneath it; the mask may be left out.
    if (!ReadDibInfo(image, info) || info.height < 2 ||
        (info.compression != kRgb && info.compression != kBitfields)) {
        return false;
    }
    info.height /= 2;
    return IsSoundArea(info.width, info.height, mostPixels) &&
           image.Has(info.headerSize + info.tableSize, info.RowBytes() * info.Rows());
}

}  // namespace

bool IsSoundBitmapFile(const PictureBytes& b, uint64_t mostPixels) {
    DibInfo info;
    if (!b.Has(0, kFileHeaderSize) || !ReadDibInfo(b.Part(kFileHeaderSize, b.Size() - kFileHeaderSize), info) ||
        !IsSoundArea(info.width, info.Rows(), mostPixels) ||
        !b.Has(kFileHeaderSize + info.headerSize, info.tableSize)) {
        return false;
    }
    // The pixels lie after the headers and within the file.
    const uint32_t pixelsAt = b.Little32(10);
    if (pixelsAt < kFileHeaderSize + info.headerSize + info.masksSize) return false;
    if (info.compression == kRle8 || info.compression == kRle4) {
        return pixelsAt < b.Size() && b.Has(pixelsAt, info.imageSize);
    }
    return b.Has(pixelsAt, info.PixelBytes());
}

bool IsSoundIconFile(const PictureBytes& b, uint64_t mostPixels) {
    if (!b.Has(0, 6)) return false;
    const uint32_t type = b.Little16(2);  // 1 icon, 2 cursor
    const uint32_t count = b.Little16(4);
    const uint64_t directorySize = 6 + static_cast<uint64_t>(count) * kIconEntrySize;
    if (b.Little16(0) != 0 || (type != 1 && type != 2) || count == 0 || !b.Has(0, directorySize)) return false;
    for (uint32_t i = 0; i < count; ++i) {
        const size_t entry = 6 + i * kIconEntrySize;
        const uint32_t size = b.Little32(entry + 8);
        const uint32_t at = b.Little32(entry + 12);
        if (at < directorySize || !b.Has(at, size) || !IsSoundIconImage(b.Part(at, size), mostPixels)) return false;
    }
    return true;
}

}  // namespace rt
