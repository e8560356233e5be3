// Metafiles: placeable Windows metafiles and enhanced metafiles, their
// bounds and the framing of their records.
#include "picture_formats.h"

namespace rt {
namespace {

constexpr uint32_t kPlaceableHeaderSize = 22;
constexpr uint32_t kMetaHeaderSize = 18;
constexpr uint32_t kEnhHeaderSize = 88;
constexpr uint32_t kEnhSignature = 0x464D4520;  // " EMF"
constexpr uint32_t kEnhEndOfFile = 14;
constexpr int64_t kHimetricPerInch = 2540;
// The natural size counts in pixels of the usual screen.
constexpr int64_t kPixelsPerInch = 96;

// Pixels across an extent of `units`, `perInch` to the inch, rounded up.
uint64_t ExtentPixels(int64_t units, int64_t perInch) {
    return static_cast<uint64_t>((units * kPixelsPerInch + perInch - 1) / perInch);
}

bool IsSoundExtent(int64_t width, int64_t height, int64_t perInch, uint64_t mostPixels) {
    return width > 0 && height > 0 && IsSoundArea(ExtentPixels(width, perInch), ExtentPixels(height, perInch), mostPixels);
}

// Records of a size in 16-bit words each, up to the one that ends the
// metafile, all within the metafile's own size.
bool IsSoundMetaRecords(const PictureBytes& metafile) {
    if (!metafile.Has(0, kMetaHeaderSize)) return false;
    const uint32_t type = metafile.Little16(0);  // 1 in memory, 2 on disc
    const uint32_t version = metafile.Little16(4);
    const uint64_t size = static_cast<uint64_t>(metafile.Little32(6)) * 2;
    if ((type != 1 && type != 2) || metafile.Little16(2) != kMetaHeaderSize / 2 ||
        (version != 0x100 && version != 0x300) || size < kMetaHeaderSize || !metafile.Has(0, size)) {
        return false;
    }
    const PictureBytes records = metafile.Part(0, static_cast<size_t>(size));
    size_t at = kMetaHeaderSize;
    while (records.Has(at, 6)) {
        const uint64_t length = static_cast<uint64_t>(records.Little32(at)) * 2;
        if (length < 6 || !records.Has(at, length)) return false;
        if (records.Little16(at + 4) == 0) return true;  // the end record
        at += static_cast<size_t>(length);
    }
    return at == size;
}

}  // namespace

// The placeable header: key, no handle, bounds in units of its own, units
// per inch; the metafile follows.
bool IsSoundPlaceableMetafile(const PictureBytes& b, uint64_t mostPixels) {
    if (!b.Has(0, kPlaceableHeaderSize) || b.Little32(0) != 0x9AC6CDD7 || b.Little16(4) != 0) return false;
    const int64_t width = static_cast<int64_t>(b.Signed16(10)) - b.Signed16(6);
    const int64_t height = static_cast<int64_t>(b.Signed16(12)) - b.Signed16(8);
    const uint32_t perInch = b.Little16(14);
    return perInch > 0 && IsSoundExtent(width, height, perInch, mostPixels) &&
           IsSoundMetaRecords(b.Part(kPlaceableHeaderSize, b.Size() - kPlaceableHeaderSize));
}

// The header record: its size, the frame in hundredths of a millimetre, the
// signature, the metafile's size and its count of records; then records of
// whole double words up to the end record.
bool IsSoundEnhMetafile(const PictureBytes& b, uint64_t mostPixels) {
    if (!b.Has(0, kEnhHeaderSize) || b.Little32(0) != 1 || b.Little32(40) != kEnhSignature) return false;
    const uint32_t headerSize = b.Little32(4);
    const uint32_t size = b.Little32(48);
    const int64_t width = static_cast<int64_t>(b.Signed32(32)) - b.Signed32(24);
    const int64_t height = static_cast<int64_t>(b.Signed32(36)) - b.Signed32(28);
    if (headerSize < kEnhHeaderSize || headerSize % 4 != 0 || size < headerSize || !b.Has(0, size) ||
        !IsSoundExtent(width, height, kHimetricPerInch, mostPixels)) {
        return false;
    }
    const PictureBytes records = b.Part(0, size);
    const uint32_t count = b.Little32(52);
    size_t at = headerSize;
    for (uint32_t seen = 2; records.Has(at, 8); ++seen) {
        const uint32_t length = records.Little32(at + 4);
        if (length < 8 || length % 4 != 0 || !records.Has(at, length)) return false;
        if (records.Little32(at) == kEnhEndOfFile) return seen == count;  // the header counts too
        at += length;
    }
    return false;
}

}  // namespace rt
