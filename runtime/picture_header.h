#pragma once
// The pixel size a bitmap picture file declares in its header (BMP, JPEG,
// GIF, PNG), read before anything is decoded.
#include <cstddef>
#include <cstdint>

namespace rt {

// Width times height as the header states them; 0 when the bytes are no
// such picture or its header is cut short.
uint64_t DeclaredPixels(const unsigned char* bytes, size_t size);

}  // namespace rt
