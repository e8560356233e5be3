#include "picture_header.h"

#include "picture_formats.h"

namespace rt {
namespace {

// The loader takes the first eight bytes for a header of its own, a length
// and then the picture, unless they begin with one of the signatures it
// looks for there or the length they give is 0 or past the end.
bool LoaderReadsFromTheStart(const PictureBytes& b) {
    if (!b.Has(0, 8)) return false;
    const uint32_t length = b.Little32(4);
    return length == 0 || length > b.Size();
}

}  // namespace

bool IsSoundPicture(const unsigned char* bytes, size_t size, uint64_t mostPixels) {
    const PictureBytes b(bytes, size);
    if (b.Starts("BM", 2)) return IsSoundBitmapFile(b, mostPixels);
    if (b.Starts("GIF87a", 6) || b.Starts("GIF89a", 6)) return IsSoundGif(b, mostPixels);
    if (b.Starts("\xFF\xD8\xFF", 3)) return IsSoundJpeg(b, mostPixels);
    if (b.Starts("\0\0\1\0", 4) || b.Starts("\0\0\2\0", 4)) return IsSoundIconFile(b, mostPixels);
    if (b.Starts("\1\0\0\0", 4)) return IsSoundEnhMetafile(b, mostPixels);  // the header record's type
    if (!LoaderReadsFromTheStart(b)) return false;
    if (b.Starts("\x89PNG\r\n\x1a\n", 8)) return IsSoundPng(b, mostPixels);
    if (b.Starts("\xD7\xCD\xC6\x9A", 4)) return IsSoundPlaceableMetafile(b, mostPixels);
    return false;
}

}  // namespace rt
