#include "testkit/sample_pictures.h"

#include <gdiplus.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>


namespace testkit {
namespace {

void Put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>((v >> 8) & 0xff);
}

void Put32(std::string& out, uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

template <class T>
void PutRecord(std::string& out, const T& record) {
    out.append(reinterpret_cast<const char*>(&record), sizeof record);
}

// Bottom-up rows of 24-bit BGR, each padded to 4 bytes.
std::string Rows24(const Pixels& p) {
    const size_t stride = (static_cast<size_t>(p.width) * 3 + 3) / 4 * 4;
    std::string rows(stride * p.height, '\0');
    for (int y = 0; y < p.height; ++y) {
        char* row = &rows[(p.height - 1 - y) * stride];
        for (int x = 0; x < p.width; ++x) {
            uint32_t c = p.At(x, y);
            row[x * 3] = static_cast<char>(c & 0xff);
            row[x * 3 + 1] = static_cast<char>((c >> 8) & 0xff);
            row[x * 3 + 2] = static_cast<char>((c >> 16) & 0xff);
        }
    }
    return rows;
}

struct GdiplusSession {
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        ok = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession() {
        if (ok) Gdiplus::GdiplusShutdown(token);
    }
    ULONG_PTR token = 0;
    bool ok = false;
};

bool EncoderFor(const wchar_t* mimeType, CLSID& clsid) {
    UINT count = 0, size = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
    std::vector<char> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (wcscmp(codecs[i].MimeType, mimeType) == 0) {
            clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

std::wstring Wide(const std::string& s) {
    std::wstring w(s.size() + 1, L'\0');
    int n = MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, w.data(), static_cast<int>(w.size()));
    w.resize(n > 0 ? n - 1 : 0);
    return w;
}

constexpr uint32_t kBlockColours[] = {0xff0000, 0x00ff00, 0x0000ff, 0xffffff, 0x000000, 0xffff00};

uint32_t BlockColour(int x, int y) { return kBlockColours[(x / 8 + 2 * (y / 8)) % 6]; }

}  // namespace

Pixels BlockPattern(int width, int height) {
    Pixels p{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) p.rgb[static_cast<size_t>(y) * width + x] = BlockColour(x, y);
    }
    return p;
}

Pixels PhotoLikePattern(int width, int height) {
    Pixels p{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height)};
    uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint32_t c = 0;
            for (int channel = 0; channel < 3; ++channel) {
                seed = seed * 1103515245u + 12345u;
                const int grain = static_cast<int>((seed >> 16) % 25) - 12;
                const int ramp = channel == 0   ? 255 * x / std::max(width - 1, 1)
                                 : channel == 1 ? 255 * y / std::max(height - 1, 1)
                                                : 255 - 255 * (x + y) / std::max(width + height - 2, 1);
                c = (c << 8) | static_cast<uint32_t>(std::clamp(ramp + grain, 0, 255));
            }
            p.rgb[static_cast<size_t>(y) * width + x] = c;
        }
    }
    return p;
}

bool WriteBlockPatternJpeg(const std::string& path, int width, int height) {
    GdiplusSession session;
    CLSID encoder;
    Gdiplus::Bitmap bitmap(width, height, PixelFormat24bppRGB);
    {
        Gdiplus::Graphics graphics(&bitmap);
        for (int y = 0; y < height; y += 8) {
            for (int x = 0; x < width; x += 8) {
                Gdiplus::SolidBrush brush(Gdiplus::Color(0xff000000u | BlockColour(x, y)));
                graphics.FillRectangle(&brush, x, y, 8, 8);
            }
        }
    }
    return session.ok && bitmap.GetLastStatus() == Gdiplus::Ok && EncoderFor(L"image/jpeg", encoder) &&
           bitmap.Save(Wide(path).c_str(), &encoder, nullptr) == Gdiplus::Ok;
}

std::string BmpBytes(const Pixels& pixels) {
    const std::string rows = Rows24(pixels);
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + rows.size());
    info.biSize = sizeof info;
    info.biWidth = pixels.width;
    info.biHeight = pixels.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = static_cast<DWORD>(rows.size());
    std::string out;
    PutRecord(out, file);
    PutRecord(out, info);
    return out + rows;
}

std::string GifBytes(const Pixels& pixels) {
    std::vector<uint32_t> palette;
    std::vector<unsigned> indexes;
    indexes.reserve(pixels.rgb.size());
    for (uint32_t c : pixels.rgb) {
        auto at = std::find(palette.begin(), palette.end(), c);
        if (at == palette.end()) at = palette.insert(palette.end(), c);
        indexes.push_back(static_cast<unsigned>(at - palette.begin()));
    }
    palette.resize(256);
    std::string out = "GIF89a";
    Put16(out, static_cast<unsigned>(pixels.width));
    Put16(out, static_cast<unsigned>(pixels.height));
    out += static_cast<char>(0xF7);  // a global table of 256 colours
    out += '\0';
    out += '\0';
    for (uint32_t c : palette) {
        out += static_cast<char>((c >> 16) & 0xff);
        out += static_cast<char>((c >> 8) & 0xff);
        out += static_cast<char>(c & 0xff);
    }
    out += ',';
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, static_cast<unsigned>(pixels.width));
    Put16(out, static_cast<unsigned>(pixels.height));
    out += '\0';
    out += '\x08';  // minimum code size
    // 9-bit codes throughout: a clear code before the table would need 10 bits.
    const unsigned clear = 256, end = 257;
    std::string data;
    uint32_t buffer = 0;
    int bits = 0;
    auto emit = [&](unsigned code) {
        buffer |= code << bits;
        bits += 9;
        while (bits >= 8) {
            data += static_cast<char>(buffer & 0xff);
            buffer >>= 8;
            bits -= 8;
        }
    };
    for (size_t i = 0; i < indexes.size(); ++i) {
        if (i % 254 == 0) emit(clear);
        emit(indexes[i]);
    }
    emit(end);
    if (bits > 0) data += static_cast<char>(buffer & 0xff);
    for (size_t i = 0; i < data.size(); i += 255) {
        std::string block = data.substr(i, 255);
        out += static_cast<char>(block.size());
        out += block;
    }
    out += '\0';
    out += ';';
    return out;
}

bool WriteEncoded(const Pixels& pixels, const std::string& path, const wchar_t* mimeType) {
    GdiplusSession session;
    CLSID encoder;
    std::vector<uint32_t> argb(pixels.rgb);
    for (uint32_t& c : argb) c |= 0xff000000u;
    Gdiplus::Bitmap bitmap(pixels.width, pixels.height, pixels.width * 4, PixelFormat32bppARGB,
                           reinterpret_cast<BYTE*>(argb.data()));
    return session.ok && EncoderFor(mimeType, encoder) &&
           bitmap.Save(Wide(path).c_str(), &encoder, nullptr) == Gdiplus::Ok;
}

bool WriteOneColourPng(const std::string& path, int width, int height) {
    GdiplusSession session;
    CLSID encoder;
    const int stride = (width + 31) / 32 * 4;
    std::vector<BYTE> bits(static_cast<size_t>(stride) * height, 0);
    Gdiplus::Bitmap bitmap(width, height, stride, PixelFormat1bppIndexed, bits.data());
    return session.ok && EncoderFor(L"image/png", encoder) &&
           bitmap.Save(Wide(path).c_str(), &encoder, nullptr) == Gdiplus::Ok;
}

Pixels DecodeWithPlatform(const std::string& path) {
    GdiplusSession session;
    Gdiplus::Bitmap bitmap(Wide(path).c_str());
    Gdiplus::BitmapData data{};
    Gdiplus::Rect all(0, 0, static_cast<INT>(bitmap.GetWidth()), static_cast<INT>(bitmap.GetHeight()));
    if (!session.ok || bitmap.GetLastStatus() != Gdiplus::Ok ||
        bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppRGB, &data) != Gdiplus::Ok) {
        return {};
    }
    Pixels p{all.Width, all.Height, std::vector<uint32_t>(static_cast<size_t>(all.Width) * all.Height)};
    for (int y = 0; y < p.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const BYTE*>(data.Scan0) + y * data.Stride);
        for (int x = 0; x < p.width; ++x) p.rgb[static_cast<size_t>(y) * p.width + x] = row[x] & 0xffffff;
    }
    bitmap.UnlockBits(&data);
    return p;
}

std::string IconBytes(const Pixels& pixels, uint32_t transparent, bool cursor) {
    const int w = pixels.width, h = pixels.height;
    const size_t maskStride = (static_cast<size_t>(w) + 31) / 32 * 4;
    std::string image;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = w;
    info.biHeight = h * 2;  // colour image and mask
    info.biPlanes = 1;
    info.biBitCount = 32;
    PutRecord(image, info);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            uint32_t c = pixels.At(x, y);
            Put32(image, c == transparent ? 0 : (c | 0xff000000u));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        std::string row(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (pixels.At(x, y) == transparent) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        image += row;
    }
    std::string out;
    Put16(out, 0);
    Put16(out, cursor ? 2 : 1);
    Put16(out, 1);
    out += static_cast<char>(w < 256 ? w : 0);
    out += static_cast<char>(h < 256 ? h : 0);
    out += '\0';                // colour count
    out += '\0';                // reserved
    Put16(out, cursor ? 0 : 1);   // planes, or the hot spot's x
    Put16(out, cursor ? 0 : 32);  // bits per pixel, or the hot spot's y
    Put32(out, static_cast<uint32_t>(image.size()));
    Put32(out, 6 + 16);
    return out + image;
}

std::string WmfBytes(int widthTwips, int heightTwips, bool placeable) {
    HDC dc = CreateMetaFileA(nullptr);
    SetWindowExtEx(dc, widthTwips, heightTwips, nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
    HGDIOBJ old = SelectObject(dc, brush);
    Rectangle(dc, 0, 0, widthTwips, heightTwips);
    SelectObject(dc, old);
    DeleteObject(brush);
    HMETAFILE mf = CloseMetaFile(dc);
    std::string bits(GetMetaFileBitsEx(mf, 0, nullptr), '\0');
    GetMetaFileBitsEx(mf, static_cast<UINT>(bits.size()), bits.data());
    DeleteMetaFile(mf);
    if (!placeable) return bits;
    // The placeable header: key, handle, bounds in twips, units per inch,
    // reserved, and the XOR of its first ten words.
    std::string header;
    Put32(header, 0x9AC6CDD7u);
    Put16(header, 0);
    Put16(header, 0);
    Put16(header, 0);
    Put16(header, static_cast<unsigned>(widthTwips));
    Put16(header, static_cast<unsigned>(heightTwips));
    Put16(header, 1440);
    Put32(header, 0);
    unsigned sum = 0;
    for (size_t i = 0; i < header.size(); i += 2) {
        sum ^= static_cast<unsigned char>(header[i]) | (static_cast<unsigned char>(header[i + 1]) << 8);
    }
    Put16(header, sum);
    return header + bits;
}

bool WriteEmf(const std::string& path, int widthHimetric, int heightHimetric) {
    RECT frame{0, 0, widthHimetric, heightHimetric};
    HDC dc = CreateEnhMetaFileA(nullptr, path.c_str(), &frame, nullptr);
    if (!dc) return false;
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    RECT all{0, 0, 50, 50};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    HENHMETAFILE emf = CloseEnhMetaFile(dc);
    if (!emf) return false;
    DeleteEnhMetaFile(emf);
    return true;
}

Pixels ReadBmp24(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    if (bytes.size() < sizeof file + sizeof info) return {};
    std::memcpy(&file, bytes.data(), sizeof file);
    std::memcpy(&info, bytes.data() + sizeof file, sizeof info);
    if (file.bfType != 0x4D42 || info.biBitCount != 24 || info.biCompression != BI_RGB || info.biWidth <= 0 ||
        info.biHeight <= 0 || file.bfSize != bytes.size()) {
        return {};
    }
    const size_t stride = (static_cast<size_t>(info.biWidth) * 3 + 3) / 4 * 4;
    if (file.bfOffBits + stride * info.biHeight > bytes.size()) return {};
    Pixels p{info.biWidth, info.biHeight, std::vector<uint32_t>(static_cast<size_t>(info.biWidth) * info.biHeight)};
    for (int y = 0; y < p.height; ++y) {
        const auto* row = reinterpret_cast<const unsigned char*>(bytes.data() + file.bfOffBits +
                                                                 (p.height - 1 - y) * stride);
        for (int x = 0; x < p.width; ++x) {
            p.rgb[static_cast<size_t>(y) * p.width + x] =
                row[x * 3] | (row[x * 3 + 1] << 8) | (static_cast<uint32_t>(row[x * 3 + 2]) << 16);
        }
    }
    return p;
}

double MeanChannelDifference(const Pixels& a, const Pixels& b) {
    if (a.width != b.width || a.height != b.height) return -1;
    if (a.rgb.empty()) return 0;
    double sum = 0;
    for (size_t i = 0; i < a.rgb.size(); ++i) {
        for (int shift = 0; shift < 24; shift += 8)
            sum += std::abs(static_cast<int>((a.rgb[i] >> shift) & 0xff) - static_cast<int>((b.rgb[i] >> shift) & 0xff));
    }
    return sum / (3.0 * static_cast<double>(a.rgb.size()));
}

int MaxChannelDifference(const Pixels& a, const Pixels& b) {
    if (a.width != b.width || a.height != b.height) return -1;
    int most = 0;
    for (size_t i = 0; i < a.rgb.size(); ++i) {
        for (int shift = 0; shift < 24; shift += 8) {
            int d = std::abs(static_cast<int>((a.rgb[i] >> shift) & 0xff) - static_cast<int>((b.rgb[i] >> shift) & 0xff));
            most = std::max(most, d);
        }
    }
    return most;
}

}  // namespace testkit
