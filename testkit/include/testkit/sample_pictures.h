#pragma once
// Small sample pictures made in code, in every format the picture loader
// reads, and a reader of the 24-bit bitmap files the runtime writes.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testkit {

// Colours as 0x00RRGGBB, row by row from the top.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> rgb;

    uint32_t At(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
};

// Blocks of 8 x 8 pixels in a few strong colours: JPEG keeps them nearly exact.
Pixels BlockPattern(int width, int height);
// Smooth gradients under fine grain, as a photo has: what a careless shrink
// speckles and darkens.
Pixels PhotoLikePattern(int width, int height);

// A 24-bit bottom-up Windows bitmap file.
std::string BmpBytes(const Pixels& pixels);
// A GIF of at most 256 colours (its codes stored one per pixel, without
// compression).
std::string GifBytes(const Pixels& pixels);
// Written by the platform's own encoder; mimeType "image/jpeg" or
// "image/png". False when the platform has no such encoder.
bool WriteEncoded(const Pixels& pixels, const std::string& path, const wchar_t* mimeType);
// A JPEG of BlockPattern's blocks drawn by the platform itself, so a large
// one costs no pixel buffer beyond the platform's bitmap.
bool WriteBlockPatternJpeg(const std::string& path, int width, int height);
// A picture of one colour, 1 bit per pixel, written by the platform's PNG
// encoder: small on disc however large it is.
bool WriteOneColourPng(const std::string& path, int width, int height);
// The pixels as the platform's own decoder (GDI+) reads the file.
Pixels DecodeWithPlatform(const std::string& path);
// A 32-bit icon (or a cursor with its hot spot at 0, 0); pixels whose colour
// is `transparent` are left out by its mask.
std::string IconBytes(const Pixels& pixels, uint32_t transparent, bool cursor = false);
// A metafile that fills the whole picture with one colour, of the given size
// in twips: placeable (with its header) or plain.
std::string WmfBytes(int widthTwips, int heightTwips, bool placeable = true);
// An enhanced metafile whose frame is widthHimetric x heightHimetric.
bool WriteEmf(const std::string& path, int widthHimetric, int heightHimetric);

// The pixels of a 24-bit bitmap file; width 0 when the file is no such bitmap.
Pixels ReadBmp24(const std::string& path);
// Largest difference of any colour channel; -1 when the sizes differ.
int MaxChannelDifference(const Pixels& a, const Pixels& b);
// Mean difference per colour channel; -1 when the sizes differ.
double MeanChannelDifference(const Pixels& a, const Pixels& b);

}  // namespace testkit
