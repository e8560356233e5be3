// Compressed pictures: PNG, GIF and JPEG.
#include "picture_formats.h"

namespace rt {
namespace {

constexpr uint32_t kMostSide = 0x7fffffff;

bool PngDepthFits(uint32_t colourType, uint32_t depth) {
    switch (colourType) {
    case 0: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;  // grey
    case 3: return depth == 1 || depth == 2 || depth == 4 || depth == 8;                 // palette
    case 2:                                                                              // colour
    case 4:                                                                              // grey, alpha
    case 6: return depth == 8 || depth == 16;                                            // colour, alpha
    default: return false;
    }
}

// Past the chain of data sub-blocks that starts at `at`; 0 when it runs off the end.
size_t SkipSubBlocks(const PictureBytes& b, size_t at) {
    while (b.Has(at, 1)) {
        const uint32_t length = b.Byte(at);
        if (length == 0) return at + 1;
        at += 1 + length;
    }
    return 0;
}

// Bytes of a colour table that the flags announce.
size_t GifTableSize(uint32_t flags) { return flags & 0x80 ? 3u << ((flags & 7) + 1) : 0; }

bool IsJpegFrameMarker(uint32_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// The frame header: precision, lines, samples per line, components and
// their sampling factors.
bool IsSoundJpegFrame(const PictureBytes& b, size_t at, uint32_t length, uint64_t mostPixels) {
    if (length < 8) return false;
    const uint32_t precision = b.Byte(at + 4);
    const uint32_t components = b.Byte(at + 9);
    if ((precision != 8 && precision != 12) || components < 1 || components > 4 || length != 8 + 3 * components ||
        !IsSoundArea(b.Big16(at + 7), b.Big16(at + 5), mostPixels)) {
        return false;
    }
    for (uint32_t i = 0; i < components; ++i) {
        const uint32_t sampling = b.Byte(at + 11 + 3 * i);
        const uint32_t across = sampling >> 4, down = sampling & 15;
        if (across < 1 || across > 4 || down < 1 || down > 4) return false;
    }
    return true;
}

}  // namespace

bool IsSoundPng(const PictureBytes& b, uint64_t mostPixels) {
    // The signature, then the header chunk: its length, type, 13 bytes and check sum.
    if (!b.Starts("\x89PNG\r\n\x1a\n", 8) || !b.Has(8, 25) || b.Big32(8) != 13 || !b.Starts("IHDR", 4, 12)) {
        return false;
    }
    const uint32_t width = b.Big32(16), height = b.Big32(20);
    return width <= kMostSide && height <= kMostSide && IsSoundArea(width, height, mostPixels) &&
           PngDepthFits(b.Byte(25), b.Byte(24)) && b.Byte(26) == 0 && b.Byte(27) == 0 && b.Byte(28) <= 1;
}

// The logical screen, then each block: every image must have a size of its
// own within the limit. A file cut short, or followed by something else than
// blocks, ends where the decoder stops too; it needs one whole image header.
bool IsSoundGif(const PictureBytes& b, uint64_t mostPixels) {
    if (!b.Has(0, 13) || !IsSoundArea(b.Little16(6), b.Little16(8), mostPixels)) return false;
    size_t at = 13 + GifTableSize(b.Byte(10));
    bool sawImage = false;
    while (b.Has(at, 1)) {
        const uint32_t introducer = b.Byte(at);
        if (introducer == 0x21) {  // an extension: its label, then sub-blocks
            at = SkipSubBlocks(b, at + 2);
        } else if (introducer == 0x2C) {  // an image: position, size, flags, table, code size, data
            if (!b.Has(at, 10)) break;
            if (!IsSoundArea(b.Little16(at + 5), b.Little16(at + 7), mostPixels)) return false;
            const size_t dataAt = at + 10 + GifTableSize(b.Byte(at + 9)) + 1;
            if (!b.Has(dataAt, 0)) break;
            sawImage = true;
            at = SkipSubBlocks(b, dataAt);
        } else {
            break;  // the trailer, or what the decoder cannot read on from
        }
        if (at == 0) break;
    }
    return sawImage;
}

// The markers up to the frame header, each with a length within the file.
bool IsSoundJpeg(const PictureBytes& b, uint64_t mostPixels) {
    size_t at = 2;
    while (b.Has(at, 2)) {
        if (b.Byte(at) != 0xFF) return false;
        const uint32_t marker = b.Byte(at + 1);
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // no length
            at += 2;
            continue;
        }
        // A scan, an image's end or start before any frame header.
        if (marker == 0xDA || marker == 0xD9 || marker == 0xD8 || !b.Has(at + 2, 2)) return false;
        const uint32_t length = b.Big16(at + 2);
        if (length < 2 || !b.Has(at + 2, length)) return false;
        if (IsJpegFrameMarker(marker)) return IsSoundJpegFrame(b, at, length, mostPixels);
        at += 2 + length;
    }
    return false;
}

}  // namespace rt
