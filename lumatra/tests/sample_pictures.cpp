#include "sample_pictures.h"

#include <windows.h>
#include <gdiplus.h>

#include <cstdint>
#include <vector>

namespace lumatra_test {

namespace {

template <class T>
void Put(std::string& out, T value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// The colour bits of a bottom-up DIB, rows padded to 4 bytes.
std::string DibBits(int width, int height, int bitCount) {
    const int stride = ((width * bitCount + 31) / 32) * 4;
    std::string bits(static_cast<size_t>(stride) * height, '\0');
    for (size_t i = 0; i < bits.size(); ++i) bits[i] = static_cast<char>(i * 7);
    return bits;
}

BITMAPINFOHEADER InfoHeader(int width, int height, int bitCount) {
    BITMAPINFOHEADER h{};
    h.biSize = sizeof h;
    h.biWidth = width;
    h.biHeight = height;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(bitCount);
    h.biCompression = BI_RGB;
    return h;
}

}  // namespace

std::string BmpHeader(int width, int height) {
    BITMAPFILEHEADER f{};
    f.bfType = 0x4D42;  // "BM"
    f.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    const long long stride = ((static_cast<long long>(width) * 24 + 31) / 32) * 4;
    f.bfSize = static_cast<DWORD>(f.bfOffBits + stride * height);
    std::string out;
    Put(out, f);
    Put(out, InfoHeader(width, height, 24));
    return out;
}

std::string BmpBytes(int width, int height) { return BmpHeader(width, height) + DibBits(width, height, 24); }

std::string GifBytes() {
    // Header, a 1 x 1 screen with a two-colour table, one image of colour 0.
    static const unsigned char gif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0,
                                        0xFF, 0, 0, 0, 0, 0xFF,
                                        ',', 0, 0, 0, 0, 1, 0, 1, 0, 0,
                                        2, 2, 0x44, 1, 0, ';'};
    return std::string(reinterpret_cast<const char*>(gif), sizeof gif);
}

std::string IconBytes(bool cursor) {
    const int size = 16;
    const std::string colour = DibBits(size, size, 32);
    const std::string mask(static_cast<size_t>(size) * 4, '\0');  // 1-bit rows padded to 4 bytes
    BITMAPINFOHEADER h = InfoHeader(size, size * 2, 32);  // colour and mask
    const DWORD imageSize = static_cast<DWORD>(sizeof h + colour.size() + mask.size());
    std::string out;
    Put<WORD>(out, 0);
    Put<WORD>(out, cursor ? 2 : 1);
    Put<WORD>(out, 1);
    Put<BYTE>(out, size);
    Put<BYTE>(out, size);
    Put<BYTE>(out, 0);
    Put<BYTE>(out, 0);
    Put<WORD>(out, cursor ? 8 : 1);   // planes, or the hot spot's x
    Put<WORD>(out, cursor ? 8 : 32);  // bit count, or the hot spot's y
    Put<DWORD>(out, imageSize);
    Put<DWORD>(out, static_cast<DWORD>(out.size() + sizeof(DWORD)));
    Put(out, h);
    return out + colour + mask;
}

std::string WmfBytes(int width, int height) {
    // The placeable header: key, no handle, bounds in 1440ths of an inch.
    std::vector<WORD> placeable = {0xCDD7, 0x9AC6, 0, 0, 0, static_cast<WORD>(width), static_cast<WORD>(height),
                                   1440, 0, 0};
    WORD checksum = 0;
    for (WORD w : placeable) checksum ^= w;
    placeable.push_back(checksum);
    const std::vector<WORD> records = {
        5, 0, 0x020C, static_cast<WORD>(height), static_cast<WORD>(width),  // SetWindowExt
        5, 0, 0x020B, 0, 0,                                                 // SetWindowOrg
        7, 0, 0x041B, static_cast<WORD>(height), static_cast<WORD>(width), 0, 0,  // Rectangle
        3, 0, 0,                                                            // end of file
    };
    const DWORD total = 9 + static_cast<DWORD>(records.size());
    const std::vector<WORD> header = {1, 9, 0x0300, LOWORD(total), HIWORD(total), 0, 7, 0, 0};
    std::string out;
    const auto putAll = [&out](const std::vector<WORD>& words) {
        for (WORD w : words) Put(out, w);
    };
    putAll(placeable);
    putAll(header);
    putAll(records);
    return out;
}

void WriteEmf(const std::string& path) {
    const RECT frame = {0, 0, 2000, 1000};  // hundredths of a millimetre
    HDC dc = CreateEnhMetaFileA(nullptr, path.c_str(), &frame, nullptr);
    Rectangle(dc, 0, 0, 60, 30);
    DeleteEnhMetaFile(CloseEnhMetaFile(dc));
}

bool WriteJpeg(const std::string& path, int width, int height) {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return false;
    bool written = false;
    {
        Gdiplus::Bitmap bitmap(width, height, PixelFormat24bppRGB);
        Gdiplus::Rect all(0, 0, width, height);
        Gdiplus::BitmapData data{};
        if (bitmap.LockBits(&all, Gdiplus::ImageLockModeWrite, PixelFormat24bppRGB, &data) == Gdiplus::Ok) {
            for (int y = 0; y < height; ++y) {
                auto* row = static_cast<BYTE*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride;
                for (int x = 0; x < width; ++x) {
                    row[3 * x] = static_cast<BYTE>(x * 255 / width);
                    row[3 * x + 1] = static_cast<BYTE>(y * 255 / height);
                    row[3 * x + 2] = static_cast<BYTE>((x ^ y) & 0xFF);
                }
            }
            bitmap.UnlockBits(&data);
        }
        // The platform's JPEG encoder.
        const CLSID jpeg = {0x557CF401, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
        std::wstring wide(path.begin(), path.end());
        written = bitmap.Save(wide.c_str(), &jpeg, nullptr) == Gdiplus::Ok;
    }
    Gdiplus::GdiplusShutdown(token);
    return written;
}

}  // namespace lumatra_test
