#pragma once
// The check of a picture file's headers before its bytes reach the
// platform's picture loader, which trusts them.
#include <cstddef>
#include <cstdint>

namespace rt {

// Whether the bytes are a picture of a kind the loader reads (bitmap, icon,
// cursor, GIF, JPEG, PNG, placeable or enhanced metafile), whose headers
// agree with each other and with the bytes' size, and which declares at most
// mostPixels pixels (a metafile at the usual screen's pixels per inch).
bool IsSoundPicture(const unsigned char* bytes, size_t size, uint64_t mostPixels);

}  // namespace rt
