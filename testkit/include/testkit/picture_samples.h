#pragma once
// Sample pictures made in code: a picture of any size whose pixels come
// from a function, written as BMP, JPEG, GIF or PNG through the platform's
// encoders, or as an icon written by hand.
#include <windows.h>

#include <functional>
#include <string>

namespace testkit {

struct Rgb {
    BYTE r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};
using PixelAt = std::function<Rgb(int x, int y)>;

enum class PictureFormat { Bmp, Jpeg, Gif, Png };

// Writes a width x height picture; false when the platform cannot.
bool WritePicture(const std::string& path, PictureFormat format, int width, int height, const PixelAt& pixel);
// A 32-bit icon of one image (width and height up to 256).
bool WriteIcon(const std::string& path, int width, int height, const PixelAt& pixel);

// Blocks of 16 x 16 pixels in four colours of the web palette, so that a
// GIF keeps them exactly and a JPEG nearly so away from the block edges.
constexpr int kBlock = 16;
Rgb Blocks(int x, int y);

// The pixels of a 24-bit bitmap file, read by hand: false when the file is
// no such bitmap. Rows top first.
struct BitmapPixels {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    std::function<Rgb(int x, int y)> at;
};
bool ReadBitmapFile(const std::string& path, BitmapPixels& out);

}  // namespace testkit
