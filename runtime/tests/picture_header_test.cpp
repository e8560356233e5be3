// Pictures whose headers do not agree with each other or with the file's
// size never reach the platform's loader, which trusts them and may crash;
// every sound kind of header still loads.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "rt/picture.h"
#include "testkit/sample_pictures.h"
#include "testkit/temp_folder.h"

namespace {

std::string L16(uint32_t v) { return {static_cast<char>(v), static_cast<char>(v >> 8)}; }
std::string L32(uint32_t v) { return L16(v) + L16(v >> 16); }
std::string B16(uint32_t v) { return {static_cast<char>(v >> 8), static_cast<char>(v)}; }
std::string B32(uint32_t v) { return B16(v >> 16) + B16(v); }
std::string Zeros(size_t n) { return std::string(n, '\0'); }

struct Patch {
    size_t at;
    std::string bytes;
};

// The sample with some of its bytes replaced.
std::string Patched(std::string sample, std::initializer_list<Patch> patches) {
    for (const Patch& p : patches) sample.replace(p.at, p.bytes.size(), p.bytes);
    return sample;
}

// A bitmap file of the info header, the colour table or masks, and the pixels.
std::string BitmapFile(const std::string& info, const std::string& table, const std::string& pixels) {
    const auto pixelsAt = static_cast<uint32_t>(14 + info.size() + table.size());
    return "BM" + L32(pixelsAt + static_cast<uint32_t>(pixels.size())) + L32(0) + L32(pixelsAt) + info + table + pixels;
}

// An info header of the given size (12: the old core header) for one plane.
std::string InfoHeader(uint32_t size, int width, int height, int bits, uint32_t compression = 0,
                       uint32_t imageSize = 0) {
    if (size == 12) return L32(12) + L16(width) + L16(height) + L16(1) + L16(bits);
    std::string info = L32(size) + L32(width) + L32(height) + L16(1) + L16(bits) + L32(compression) + L32(imageSize);
    return info + Zeros(size - info.size());
}

// Black rows of 8 x 8 pixels, each padded to whole double words.
std::string Rows(int bits) { return Zeros((8 * bits + 31) / 32 * 4 * 8); }

// 8 x 8 pixels in runs: a run of 8 and the end of its row, then the end of the picture.
std::string Runs(char pixels) {
    std::string runs;
    for (int row = 0; row < 8; ++row) runs += std::string("\x08", 1) + pixels + Zeros(2);
    return runs + std::string("\0\1", 2);
}

// An icon (or cursor) file of the images, each an image's header and bits,
// listed as width x height.
std::string IconFile(const std::vector<std::pair<int, std::string>>& images, bool cursor = false) {
    std::string directory = L16(0) + L16(cursor ? 2 : 1) + L16(static_cast<uint32_t>(images.size()));
    std::string data;
    auto at = static_cast<uint32_t>(6 + 16 * images.size());
    for (const auto& [side, image] : images) {
        directory += std::string{static_cast<char>(side), static_cast<char>(side)} + Zeros(2) + L16(1) + L16(32) +
                     L32(static_cast<uint32_t>(image.size())) + L32(at);
        data += image;
        at += static_cast<uint32_t>(image.size());
    }
    return directory + data;
}

// The one image of an icon made by the sample maker.
std::string IconImage(int side) { return testkit::IconBytes(testkit::BlockPattern(side, side), 0).substr(22); }

// 8 x 8 grey pixels, progressive: one scan of the first coefficients.
std::string ProgressiveJpeg() {
    const std::string tables = "\xFF\xDB" + B16(67) + '\0' + std::string(64, '\1');
    const std::string frame = std::string("\xFF\xC2", 2) + B16(11) + '\x08' + B16(8) + B16(8) + "\x01\x01\x11" + '\0';
    const std::string codes = std::string("\xFF\xC4", 2) + B16(20) + '\0' + '\1' + Zeros(15) + '\0';
    const std::string scan = std::string("\xFF\xDA", 2) + B16(8) + "\x01\x01" + Zeros(4) + '\x7F';
    return "\xFF\xD8" + tables + frame + codes + scan + "\xFF\xD9";
}

// The sample GIF with its image given again as a second frame.
std::string TwoFrameGif() {
    std::string gif = testkit::GifBytes(testkit::BlockPattern(8, 8));
    const size_t image = 13 + 3 * 256;
    gif.pop_back();  // the trailer
    return gif + gif.substr(image) + ';';
}

class PictureHeaders : public ::testing::Test {
protected:
    void SetUp() override {
        bmp = testkit::BmpBytes(testkit::BlockPattern(8, 8));
        gif = testkit::GifBytes(testkit::BlockPattern(8, 8));
        icon = testkit::IconBytes(testkit::BlockPattern(16, 16), 0);
        wmf = testkit::WmfBytes(1440, 720);
        ASSERT_TRUE(testkit::WriteEncoded(testkit::BlockPattern(8, 8), dir / "a.png", L"image/png"));
        ASSERT_TRUE(testkit::WriteEncoded(testkit::BlockPattern(8, 8), dir / "a.jpg", L"image/jpeg"));
        ASSERT_TRUE(testkit::WriteEmf(dir / "a.emf", 2540, 2540));
        png = testkit::ReadFileBytes(dir / "a.png");
        jpeg = testkit::ReadFileBytes(dir / "a.jpg");
        emf = testkit::ReadFileBytes(dir / "a.emf");
        frame = jpeg.find("\xFF\xC0");
        ASSERT_NE(frame, std::string::npos);
        ASSERT_GT(emf.size(), 108u);
    }
    bool Loads(const std::string& bytes) { return rt::Picture::Load(dir.Write("picture", bytes)).IsLoaded(); }

    testkit::TempFolder dir;
    std::string bmp, gif, icon, wmf, png, jpeg, emf;
    size_t frame = 0;
};

TEST_F(PictureHeaders, DamagedHeadersDoNotLoad) {
    const std::string icon70 = std::string("\0\0\1\0\xFF\xFF", 6) + Zeros(64);
    const std::string cursor70 = std::string("\0\0\2\0\xFF\xFF", 6) + Zeros(64);
    const auto image = static_cast<uint32_t>(icon.size() - 22);
    const size_t emfRecord = static_cast<unsigned char>(emf[4]) | static_cast<unsigned char>(emf[5]) << 8;
    const auto emfSize = static_cast<uint32_t>(emf.size());
    const std::string core = BitmapFile(InfoHeader(12, 8, 8, 24), "", Rows(24));
    const std::string version5 = BitmapFile(InfoHeader(124, 8, 8, 32), "", Rows(32));
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        // Icons and cursors: the directory (images at 6, 16 bytes each), the image header at 22.
        {"icon of 65,535 images in 70 bytes", icon70},
        {"cursor of 65,535 images in 70 bytes", cursor70},
        {"icon of no image", Patched(icon, {{4, L16(0)}})},
        {"icon listing more images than it holds", Patched(icon, {{4, L16(2)}})},
        {"image past the end", Patched(icon, {{18, L32(static_cast<uint32_t>(icon.size()))}})},
        {"image inside the directory", Patched(icon, {{18, L32(6)}})},
        {"image size past the end", Patched(icon, {{14, L32(image + 1)}})},
        {"image offset and size wrapping round", Patched(icon, {{14, L32(0x200)}, {18, L32(0xFFFFFF00)}})},
        {"image header of 2 GB", Patched(icon, {{22, L32(0x7FFFFFFF)}})},
        {"image 2^31 pixels wide", Patched(icon, {{26, L32(0x7FFFFFFF)}})},
        {"image of 99 bits per pixel", Patched(icon, {{36, L16(99)}})},
        {"image colour table past its data", Patched(icon, {{54, L32(0x7FFFFFFF)}})},
        {"image a run-length bitmap", Patched(icon, {{36, L16(8)}, {38, L32(1)}})},
        {"PNG image 0 pixels wide", IconFile({{8, Patched(png, {{16, B32(0)}})}})},
        // Bitmaps: file header at 0, info header at 14.
        {"bitmap pixels past the end", Patched(bmp, {{10, L32(0x7FFFFFF0)}})},
        {"bitmap pixels inside the headers", Patched(bmp, {{10, L32(14)}})},
        {"info header of 0 bytes", Patched(bmp, {{14, L32(0)}})},
        {"info header of 13 bytes", Patched(bmp, {{14, L32(13)}})},
        {"info header past the end", Patched(bmp, {{14, L32(0x7FFFFFF0)}})},
        {"0 bits per pixel", Patched(bmp, {{28, L16(0)}})},
        {"7 bits per pixel", Patched(bmp, {{28, L16(7)}})},
        {"64 bits per pixel", Patched(bmp, {{28, L16(64)}})},
        {"no plane", Patched(bmp, {{26, L16(0)}})},
        {"bitmap 0 pixels wide", Patched(bmp, {{18, L32(0)}})},
        {"bitmap of negative width", Patched(bmp, {{18, L32(-8)}})},
        {"bitmap 0 pixels high", Patched(bmp, {{22, L32(0)}})},
        {"bitmap -2^31 pixels high", Patched(bmp, {{22, L32(0x80000000)}})},
        {"bitmap wider than its pixels", Patched(bmp, {{18, L32(9)}})},
        {"bitmap taller than its pixels", Patched(bmp, {{22, L32(-9)}})},
        {"bitmap of 16,384 x 16,384 pixels", Patched(bmp, {{18, L32(16384) + L32(16384)}})},
        {"unknown compression", Patched(bmp, {{30, L32(9)}})},
        {"runs of 8 bits on 24 bits", Patched(bmp, {{30, L32(1)}})},
        {"bit fields on 24 bits", Patched(bmp, {{30, L32(3)}})},
        {"embedded JPEG", Patched(bmp, {{30, L32(4)}})},
        {"colour table past the end", Patched(bmp, {{46, L32(0x7FFFFFFF)}})},
        {"257 colours of 8 bits", Patched(bmp, {{28, L16(8)}, {46, L32(257)}})},
        {"runs from the top down", Patched(bmp, {{22, L32(-8)}, {28, L16(8)}, {30, L32(1)}, {46, L32(1)}})},
        {"runs past the end", Patched(bmp, {{28, L16(8)}, {30, L32(1)}, {34, L32(0x7FFFFFF0)}, {46, L32(1)}})},
        {"runs that start at the end", Patched(bmp, {{10, L32(static_cast<uint32_t>(bmp.size()))}, {28, L16(8)},
                                                     {30, L32(1)}, {46, L32(1)}})},
        {"bitmap cut inside its info header", bmp.substr(0, 30)},
        {"bitmap cut inside its pixels", bmp.substr(0, 200)},
        {"core header of 3 bits per pixel", Patched(core, {{24, L16(3)}})},
        {"core header 0 pixels high", Patched(core, {{20, L16(0)}})},
        {"embedded colour profile past the end", Patched(version5, {{14 + 56, "DEBM"}, {14 + 112, L32(0x7FFFFFF0)},
                                                                  {14 + 116, L32(16)}})},
        // GIF: the logical screen at 6, the first image at 781.
        {"GIF screen 0 x 0", Patched(gif, {{6, L16(0) + L16(0)}})},
        {"GIF screen 65,535 x 65,535", Patched(gif, {{6, L16(0xFFFF) + L16(0xFFFF)}})},
        {"GIF image 0 x 0", Patched(gif, {{786, L16(0) + L16(0)}})},
        {"GIF image 65,535 x 65,535", Patched(gif, {{786, L16(0xFFFF) + L16(0xFFFF)}})},
        {"GIF second image 65,535 x 65,535", Patched(TwoFrameGif(), {{gif.size() - 1 + 5, L16(0xFFFF) + L16(0xFFFF)}})},
        {"GIF cut before its image", gif.substr(0, 781)},
        {"GIF header alone", "GIF89a"},
        // PNG: the header chunk's length at 8, type at 12, data at 16.
        {"PNG 0 pixels wide", Patched(png, {{16, B32(0)}})},
        {"PNG of 65,536 x 65,536 pixels", Patched(png, {{16, B32(65536) + B32(65536)}})},
        {"PNG 2^31 pixels wide", Patched(png, {{16, B32(0x80000000)}})},
        {"PNG header chunk of 14 bytes", Patched(png, {{8, B32(14)}})},
        {"PNG without its header chunk first", Patched(png, {{12, "IDAT"}})},
        {"PNG colour type 7", Patched(png, {{25, "\x07"}})},
        {"PNG of 3 bits per sample", Patched(png, {{24, "\x03"}})},
        {"PNG cut inside its header", png.substr(0, 20)},
        // JPEG: the frame header's length, precision, lines and samples, components.
        {"JPEG frame 0 x 0", Patched(jpeg, {{frame + 5, B32(0)}})},
        {"JPEG frame 65,535 x 65,535", Patched(jpeg, {{frame + 5, B32(0xFFFFFFFF)}})},
        {"JPEG of no component", Patched(jpeg, {{frame + 9, std::string(1, '\0')}})},
        {"JPEG of 255 components", Patched(jpeg, {{frame + 9, "\xFF"}})},
        {"JPEG sampling factor 0", Patched(jpeg, {{frame + 11, std::string(1, '\0')}})},
        {"JPEG precision of 16 bits", Patched(jpeg, {{frame + 4, "\x10"}})},
        {"JPEG frame header past the end", Patched(jpeg, {{frame + 2, B16(0xFFFF)}})},
        {"JPEG marker of length 0", Patched(jpeg, {{4, B16(0)}})},
        {"JPEG marker of length 1", Patched(jpeg, {{4, B16(1)}})},
        {"JPEG cut before its frame", jpeg.substr(0, frame + 4)},
        // Placeable metafile: bounds at 6, units per inch at 14; the metafile at 22, its first record at 40.
        {"metafile of 0 units per inch", Patched(wmf, {{14, L16(0)}})},
        {"metafile right of its left", Patched(wmf, {{10, L16(-1440)}})},
        {"metafile 65,535 inches wide", Patched(wmf, {{6, L16(0x8000)}, {10, L16(0x7FFF)}, {14, L16(1)}})},
        {"metafile with a handle", Patched(wmf, {{4, L16(1)}})},
        {"metafile size past the end", Patched(wmf, {{28, L32(0x7FFFFFFF)}})},
        {"metafile header of 65,535 words", Patched(wmf, {{24, L16(0xFFFF)}})},
        {"metafile record of 0 words", Patched(wmf, {{40, L32(0)}})},
        {"metafile record past the end", Patched(wmf, {{40, L32(0x7FFFFFFF)}})},
        // Enhanced metafile: header size at 4, frame at 24, size at 48, records at 52.
        {"enhanced metafile frame of no width", Patched(emf, {{32, L32(0)}})},
        {"enhanced metafile frame turned over", Patched(emf, {{32, L32(-2540)}})},
        {"enhanced metafile frame of 2^31 hundredths of a millimetre",
         Patched(emf, {{24, L32(-0x7FFFFFFF) + L32(-0x7FFFFFFF) + L32(0x7FFFFFFF) + L32(0x7FFFFFFF)}})},
        {"enhanced metafile size past the end", Patched(emf, {{48, L32(emfSize + 4)}})},
        {"enhanced metafile header past its size", Patched(emf, {{4, L32(0x7FFFFFF0)}})},
        {"enhanced metafile record of 0 bytes", Patched(emf, {{emfRecord + 4, L32(0)}})},
        {"enhanced metafile record past the end", Patched(emf, {{emfRecord + 4, L32(0x7FFFFFF0)}})},
        {"enhanced metafile of 2^31 records", Patched(emf, {{52, L32(0x7FFFFFFF)}})},
        {"enhanced metafile without its end record", Patched(emf, {{emfSize - 20, L32(27)}})},
        // What the loader reads past a header of its own, or a length after 8 bytes it does not know.
        {"icon after a length header", "lt" + Zeros(2) + L32(70) + icon70},
        {"icon after 8 unknown bytes", "ABCD" + L32(8) + icon70},
        {"no picture at all", Zeros(70)},
    };
    for (const auto& c : cases) EXPECT_FALSE(Loads(c.bytes)) << c.name;
}

TEST_F(PictureHeaders, EverySoundKindOfHeaderStillLoads) {
    const std::string masks16 = L32(0xF800) + L32(0x07E0) + L32(0x001F);
    const std::string masks32 = L32(0xFF0000) + L32(0x00FF00) + L32(0x0000FF);
    const struct {
        const char* name;
        std::string bytes;
        int width, height;  // pixels
    } cases[] = {
        {"1 bit", BitmapFile(InfoHeader(40, 8, 8, 1), Zeros(2 * 4), Rows(1)), 8, 8},
        {"4 bits", BitmapFile(InfoHeader(40, 8, 8, 4), Zeros(16 * 4), Rows(4)), 8, 8},
        {"8 bits", BitmapFile(InfoHeader(40, 8, 8, 8), Zeros(256 * 4), Rows(8)), 8, 8},
        {"16 bits", BitmapFile(InfoHeader(40, 8, 8, 16), "", Rows(16)), 8, 8},
        {"16 bits in bit fields", BitmapFile(InfoHeader(40, 8, 8, 16, 3), masks16, Rows(16)), 8, 8},
        {"24 bits from the top down", BitmapFile(InfoHeader(40, 8, -8, 24), "", Rows(24)), 8, 8},
        {"32 bits", BitmapFile(InfoHeader(40, 8, 8, 32), "", Rows(32)), 8, 8},
        {"32 bits in bit fields", BitmapFile(InfoHeader(40, 8, 8, 32, 3), masks32, Rows(32)), 8, 8},
        {"runs of 8 bits", BitmapFile(InfoHeader(40, 8, 8, 8, 1, 34), Zeros(256 * 4), Runs('\0')), 8, 8},
        {"runs of 4 bits", BitmapFile(InfoHeader(40, 8, 8, 4, 2, 34), Zeros(16 * 4), Runs('\x11')), 8, 8},
        {"core header", BitmapFile(InfoHeader(12, 8, 8, 24), "", Rows(24)), 8, 8},
        {"core header of 8 bits", BitmapFile(InfoHeader(12, 8, 8, 8), Zeros(256 * 3), Rows(8)), 8, 8},
        {"OS/2 2 header", BitmapFile(InfoHeader(64, 8, 8, 24), "", Rows(24)), 8, 8},
        {"version 5 header", BitmapFile(InfoHeader(124, 8, 8, 32), "", Rows(32)), 8, 8},
        {"icon of two images", IconFile({{16, IconImage(16)}, {32, IconImage(32)}}), 32, 32},
        {"cursor", IconFile({{16, IconImage(16)}}, true), 16, 16},
        {"icon of a PNG image", IconFile({{8, png}}), 8, 8},
        {"GIF of two frames", TwoFrameGif(), 8, 8},
        {"progressive JPEG", ProgressiveJpeg(), 8, 8},
        {"PNG with alpha", png, 8, 8},  // the platform's encoder keeps the alpha channel
    };
    for (const auto& c : cases) {
        rt::Picture p = rt::Picture::Load(dir.Write("picture", c.bytes));
        ASSERT_TRUE(p.IsLoaded()) << c.name;
        EXPECT_EQ(p.SizePixels().cx, c.width) << c.name;
        EXPECT_EQ(p.SizePixels().cy, c.height) << c.name;
    }
}

}  // namespace
