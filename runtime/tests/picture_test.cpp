#include "rt/picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "rt/screen.h"
#include "testkit/sample_pictures.h"
#include "testkit/temp_folder.h"

namespace {

using testkit::Pixels;

void Put16(std::string& bytes, size_t at, unsigned value, bool bigEndian) {
    bytes[at] = static_cast<char>(bigEndian ? value >> 8 : value & 0xff);
    bytes[at + 1] = static_cast<char>(bigEndian ? value & 0xff : value >> 8);
}

// The same file claiming 20,000 x 20,000 pixels in its header.
std::string Huge(std::string bytes) {
    if (bytes.rfind("BM", 0) == 0) {
        Put16(bytes, 18, 20000, false);
        Put16(bytes, 22, 20000, false);
    } else if (bytes.rfind("GIF", 0) == 0) {
        Put16(bytes, 6, 20000, false);
        Put16(bytes, 8, 20000, false);
    } else {
        const size_t frame = bytes.find("\xFF\xC0");
        Put16(bytes, frame + 5, 20000, true);
        Put16(bytes, frame + 7, 20000, true);
    }
    return bytes;
}

float PixelsX(int n) { return static_cast<float>(n * rt::TwipsPerPixelX()); }
float PixelsY(int n) { return static_cast<float>(n * rt::TwipsPerPixelY()); }

TEST(Picture, EachFormatLoadsWithItsNaturalSizeInTwips) {
    testkit::TempFolder dir;
    const Pixels small = testkit::BlockPattern(40, 24);
    const Pixels icon = testkit::BlockPattern(32, 32);
    ASSERT_TRUE(testkit::WriteEncoded(small, dir / "a.jpg", L"image/jpeg"));
    ASSERT_TRUE(testkit::WriteEncoded(small, dir / "a.png", L"image/png"));
    ASSERT_TRUE(testkit::WriteEmf(dir / "a.emf", 5080, 2540));  // 2 x 1 inches
    dir.Write("a.bmp", testkit::BmpBytes(small));
    dir.Write("a.gif", testkit::GifBytes(small));
    dir.Write("a.ico", testkit::IconBytes(icon, 0x000000));
    dir.Write("a.cur", testkit::IconBytes(icon, 0x000000, true));
    dir.Write("a.wmf", testkit::WmfBytes(2160, 720));

    const struct {
        const char* name;
        rt::PictureType type;
        float width, height;  // twips
    } cases[] = {
        {"a.bmp", rt::PictureType::Bitmap, PixelsX(40), PixelsY(24)},
        {"a.jpg", rt::PictureType::Bitmap, PixelsX(40), PixelsY(24)},
        {"a.gif", rt::PictureType::Bitmap, PixelsX(40), PixelsY(24)},
        {"a.png", rt::PictureType::Bitmap, PixelsX(40), PixelsY(24)},
        {"a.ico", rt::PictureType::Icon, PixelsX(32), PixelsY(32)},
        {"a.cur", rt::PictureType::Icon, PixelsX(32), PixelsY(32)},
        {"a.wmf", rt::PictureType::Metafile, 2160, 720},
        {"a.emf", rt::PictureType::EnhMetafile, 2880, 1440},
    };
    for (const auto& c : cases) {
        rt::Picture p = rt::Picture::Load(dir / c.name);
        ASSERT_TRUE(p.IsLoaded()) << c.name;
        EXPECT_EQ(p.Type(), c.type) << c.name;
        EXPECT_NEAR(p.WidthTwips(), c.width, 1.0f) << c.name;
        EXPECT_NEAR(p.HeightTwips(), c.height, 1.0f) << c.name;
    }
}

TEST(Picture, BadFilesFailToLoadAndLeaveNothingBehind) {
    testkit::TempFolder dir;
    const Pixels small = testkit::BlockPattern(64, 64);
    ASSERT_TRUE(testkit::WriteEncoded(small, dir / "whole.jpg", L"image/jpeg"));
    const std::string jpeg = testkit::ReadFileBytes(dir / "whole.jpg");
    dir.Write("empty.bmp", "");
    dir.Write("half.jpg", jpeg.substr(0, jpeg.size() / 2));
    dir.Write("text.jpg", "This is no picture at all.\r\n");
    dir.Write("plain.wmf", testkit::WmfBytes(1440, 1440, false));
    dir.MakeFolder("folder.bmp");
    // Too large to hold in memory: refused before they are decoded.
    ASSERT_TRUE(testkit::WriteOneColourPng(dir / "huge.png", 20000, 20000));
    ASSERT_NE(jpeg.find("\xFF\xC0"), std::string::npos);
    dir.Write("huge.jpg", Huge(jpeg));
    dir.Write("huge.bmp", Huge(testkit::BmpBytes(small)));
    dir.Write("huge.gif", Huge(testkit::GifBytes(small)));

    const char* names[] = {"missing.bmp", "folder.bmp", "empty.bmp", "half.jpg", "text.jpg", "plain.wmf",
                           "huge.png", "huge.jpg", "huge.bmp", "huge.gif"};
    for (const char* name : names) {
        rt::Picture p = rt::Picture::Load(dir / name);
        EXPECT_FALSE(p.IsLoaded()) << name;
        EXPECT_EQ(p.Type(), rt::PictureType::None) << name;
        EXPECT_EQ(p.WidthTwips(), 0.0f) << name;
        EXPECT_FALSE(p.SaveAsBitmap(dir / "out.bmp")) << name;
    }
    EXPECT_EQ(GetFileAttributesA((dir / "out.bmp").c_str()), INVALID_FILE_ATTRIBUTES);
    // A path whose length wraps round to a picture's names no picture.
    EXPECT_FALSE(rt::Picture::Load(testkit::PathWrappingTo(dir / "whole.jpg")).IsLoaded());
}

TEST(Picture, SavedAsBitmapsPicturesReadBackWithTheSameSizeAndPixels) {
    testkit::TempFolder dir;
    const Pixels pattern = testkit::BlockPattern(48, 32);
    ASSERT_TRUE(testkit::WriteEncoded(pattern, dir / "photo.jpg", L"image/jpeg"));
    dir.Write("icon.ico", testkit::IconBytes(testkit::BlockPattern(32, 32), 0x000000));
    dir.Write("shape.wmf", testkit::WmfBytes(600, 450));

    // The JPEG as the platform's own decoder reads it.
    const Pixels decoded = testkit::DecodeWithPlatform(dir / "photo.jpg");
    ASSERT_EQ(decoded.width, 48);
    rt::Picture photo = rt::Picture::Load(dir / "photo.jpg");
    ASSERT_TRUE(photo.SaveAsBitmap(dir / "photo.bmp"));
    EXPECT_EQ(testkit::MaxChannelDifference(testkit::ReadBmp24(dir / "photo.bmp"), decoded), 0);

    // The icon's transparent pixels come out white.
    Pixels expected = testkit::BlockPattern(32, 32);
    for (uint32_t& c : expected.rgb) c = c == 0x000000 ? 0xffffff : c;
    rt::Picture icon = rt::Picture::Load(dir / "icon.ico");
    ASSERT_TRUE(icon.SaveAsBitmap(dir / "icon.bmp"));
    EXPECT_EQ(testkit::MaxChannelDifference(testkit::ReadBmp24(dir / "icon.bmp"), expected), 0);

    // A metafile is drawn at its own size: 600 x 450 twips.
    rt::Picture shape = rt::Picture::Load(dir / "shape.wmf");
    ASSERT_TRUE(shape.SaveAsBitmap(dir / "shape.bmp"));
    const Pixels drawn = testkit::ReadBmp24(dir / "shape.bmp");
    EXPECT_EQ(drawn.width, std::lround(600 / rt::TwipsPerPixelX()));
    EXPECT_EQ(drawn.height, std::lround(450 / rt::TwipsPerPixelY()));
    ASSERT_GT(drawn.width, 0);
    EXPECT_EQ(drawn.At(drawn.width / 2, drawn.height / 2), 0x0000ffu);

    // A bitmap saved again comes back byte for byte.
    rt::Picture again = rt::Picture::Load(dir / "photo.bmp");
    ASSERT_TRUE(again.SaveAsBitmap(dir / "again.bmp"));
    EXPECT_EQ(testkit::MaxChannelDifference(testkit::ReadBmp24(dir / "again.bmp"), decoded), 0);
}

TEST(Picture, ASaveThatCannotBeWrittenFailsWithTheReasonAndLeavesNoFile) {
    testkit::TempFolder dir;
    dir.Write("a.bmp", testkit::BmpBytes(testkit::BlockPattern(8, 8)));
    rt::Picture p = rt::Picture::Load(dir / "a.bmp");
    ASSERT_TRUE(p.IsLoaded());
    EXPECT_FALSE(p.SaveAsBitmap(dir / "no such folder\\b.bmp"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    const std::string victim = dir.Write("victim.bmp", "victim");
    EXPECT_FALSE(p.SaveAsBitmap(testkit::PathWrappingTo(victim)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILENAME_EXCED_RANGE));
    EXPECT_EQ(testkit::ReadFileBytes(victim), "victim");
    const std::string folder = dir.MakeFolder("taken.bmp");
    EXPECT_FALSE(p.SaveAsBitmap(folder));
    EXPECT_EQ(GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY, static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

// The new bitmap is written beside the old file and then takes its place: a
// read-only target keeps its bytes, a writable one is replaced whole, and no
// temporary file is left in the folder.
TEST(Picture, ASaveOverAnExistingFileReplacesItWholeOrNotAtAll) {
    testkit::TempFolder dir;
    dir.Write("a.bmp", testkit::BmpBytes(testkit::BlockPattern(8, 8)));
    rt::Picture p = rt::Picture::Load(dir / "a.bmp");
    ASSERT_TRUE(p.IsLoaded());
    dir.Write("old.bmp", "old bytes");
    dir.Write("locked.bmp", "locked bytes");
    SetFileAttributesA((dir / "locked.bmp").c_str(), FILE_ATTRIBUTE_READONLY);

    EXPECT_TRUE(p.SaveAsBitmap(dir / "old.bmp"));
    EXPECT_EQ(testkit::MaxChannelDifference(testkit::ReadBmp24(dir / "old.bmp"), testkit::ReadBmp24(dir / "a.bmp")), 0);
    EXPECT_FALSE(p.SaveAsBitmap(dir / "locked.bmp"));
    EXPECT_EQ(testkit::ReadFileBytes(dir / "locked.bmp"), "locked bytes");
    SetFileAttributesA((dir / "locked.bmp").c_str(), FILE_ATTRIBUTE_NORMAL);

    WIN32_FIND_DATAA found;
    HANDLE listing = FindFirstFileA((dir / "*.tmp").c_str(), &found);
    EXPECT_EQ(listing, INVALID_HANDLE_VALUE) << found.cFileName;
    if (listing != INVALID_HANDLE_VALUE) FindClose(listing);
}

}  // namespace
