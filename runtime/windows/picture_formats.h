#pragma once
// The header checks of each kind of picture the platform's loader reads:
// true when the headers agree with each other and with the bytes' size, and
// the picture declares at most mostPixels pixels.
#include <cstdint>

#include "picture_bytes.h"

namespace rt {

bool IsSoundBitmapFile(const PictureBytes& b, uint64_t mostPixels);
// Icons and cursors: the directory and every image it lists.
bool IsSoundIconFile(const PictureBytes& b, uint64_t mostPixels);
bool IsSoundPng(const PictureBytes& b, uint64_t mostPixels);
bool IsSoundGif(const PictureBytes& b, uint64_t mostPixels);
bool IsSoundJpeg(const PictureBytes& b, uint64_t mostPixels);
bool IsSoundPlaceableMetafile(const PictureBytes& b, uint64_t mostPixels);
bool IsSoundEnhMetafile(const PictureBytes& b, uint64_t mostPixels);

// Neither side 0, and at most most pixels in all.
inline bool IsSoundArea(uint64_t width, uint64_t height, uint64_t most) {
    return width > 0 && height > 0 && width <= UINT32_MAX && height <= UINT32_MAX && width * height <= most;
}

}  // namespace rt
