#pragma once
// Small pictures of every format the show loads, made here in code.
#include <string>

namespace lumatra_test {

// A 24-bit bitmap of width x height pixels in one colour.
std::string BmpBytes(int width, int height);
// Only the headers of such a bitmap, without its pixels.
std::string BmpHeader(int width, int height);
// A 1 x 1 GIF.
std::string GifBytes();
// A 16 x 16 icon, or a cursor with its hot spot.
std::string IconBytes(bool cursor);
// A placeable metafile of one rectangle, width x height twips.
std::string WmfBytes(int width, int height);
// Writes an enhanced metafile of one rectangle.
void WriteEmf(const std::string& path);
// Writes a JPEG of width x height pixels (a gradient, some detail).
bool WriteJpeg(const std::string& path, int width, int height);

}  // namespace lumatra_test
