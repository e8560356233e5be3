#include "testkit/picture_samples.h"

#include <wincodec.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <vector>

namespace testkit {

namespace {

std::wstring Wide(const std::string& s) {
    std::wstring w(s.size() + 1, L'\0');
    int n = MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, w.data(), static_cast<int>(w.size()));
    w.resize(n > 0 ? n - 1 : 0);
    return w;
}

template <class T>
struct Releaser {
    void operator()(T* p) const {
        if (p) p->Release();
    }
};
template <class T>
using Com = std::unique_ptr<T, Releaser<T>>;

const GUID& Container(PictureFormat f) {
    switch (f) {
        case PictureFormat::Jpeg: return GUID_ContainerFormatJpeg;
        case PictureFormat::Gif: return GUID_ContainerFormatGif;
        case PictureFormat::Png: return GUID_ContainerFormatPng;
        case PictureFormat::Bmp: break;
    }
    return GUID_ContainerFormatBmp;
}

// Top-down BGR rows padded to 4 bytes, as the encoders take them.
std::vector<BYTE> BgrRows(int width, int height, const PixelAt& pixel, UINT& stride) {
    stride = (static_cast<UINT>(width) * 3 + 3) & ~3u;
    std::vector<BYTE> rows(static_cast<size_t>(stride) * height);
    for (int y = 0; y < height; ++y) {
        BYTE* row = rows.data() + static_cast<size_t>(stride) * y;
        for (int x = 0; x < width; ++x) {
            Rgb c = pixel(x, y);
            row[x * 3] = c.b;
            row[x * 3 + 1] = c.g;
            row[x * 3 + 2] = c.r;
        }
    }
    return rows;
}

class ComScope {
public:
    ComScope() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope() {
        if (ok_) CoUninitialize();
    }

private:
    bool ok_;
};

}  // namespace

Rgb Blocks(int x, int y) {
    static const Rgb colours[] = {{204, 51, 51}, {51, 204, 51}, {51, 51, 204}, {255, 255, 51}};
    return colours[((x / kBlock) + (y / kBlock)) % 4];
}

bool WritePicture(const std::string& path, PictureFormat format, int width, int height, const PixelAt& pixel) {
    ComScope com;
    IWICImagingFactory* rawFactory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(&rawFactory))))
        return false;
    Com<IWICImagingFactory> factory(rawFactory);
    IWICStream* rawStream = nullptr;
    if (FAILED(factory->CreateStream(&rawStream))) return false;
    Com<IWICStream> stream(rawStream);
    if (FAILED(stream->InitializeFromFilename(Wide(path).c_str(), GENERIC_WRITE))) return false;
    IWICBitmapEncoder* rawEncoder = nullptr;
    if (FAILED(factory->CreateEncoder(Container(format), nullptr, &rawEncoder))) return false;
    Com<IWICBitmapEncoder> encoder(rawEncoder);
    if (FAILED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache))) return false;
    IWICBitmapFrameEncode* rawFrame = nullptr;
    IPropertyBag2* rawProps = nullptr;
    if (FAILED(encoder->CreateNewFrame(&rawFrame, &rawProps))) return false;
    Com<IWICBitmapFrameEncode> frame(rawFrame);
    Com<IPropertyBag2> props(rawProps);
    if (FAILED(frame->Initialize(props.get()))) return false;
    if (FAILED(frame->SetSize(width, height))) return false;
    WICPixelFormatGUID pixelFormat = GUID_WICPixelFormat24bppBGR;
    if (FAILED(frame->SetPixelFormat(&pixelFormat))) return false;
    UINT stride = 0;
    if (pixelFormat == GUID_WICPixelFormat24bppBGR) {
        // In strips, so that a large picture never needs all its rows at once.
        constexpr int kStrip = 64;
        for (int top = 0; top < height; top += kStrip) {
            const int lines = std::min(kStrip, height - top);
            auto strip = [&](int x, int y) { return pixel(x, top + y); };
            std::vector<BYTE> rows = BgrRows(width, lines, strip, stride);
            if (FAILED(frame->WritePixels(lines, stride, static_cast<UINT>(rows.size()), rows.data()))) return false;
        }
    } else {
        std::vector<BYTE> rows = BgrRows(width, height, pixel, stride);
        // An encoder that wants another format (GIF's palette) converts from a bitmap.
        IWICBitmap* rawBitmap = nullptr;
        if (FAILED(factory->CreateBitmapFromMemory(width, height, GUID_WICPixelFormat24bppBGR, stride,
                                                   static_cast<UINT>(rows.size()), rows.data(), &rawBitmap)))
            return false;
        Com<IWICBitmap> bitmap(rawBitmap);
        IWICFormatConverter* rawConverter = nullptr;
        if (FAILED(factory->CreateFormatConverter(&rawConverter))) return false;
        Com<IWICFormatConverter> converter(rawConverter);
        if (FAILED(converter->Initialize(bitmap.get(), pixelFormat, WICBitmapDitherTypeNone, nullptr, 0,
                                         WICBitmapPaletteTypeFixedWebPalette)))
            return false;
        if (FAILED(frame->WriteSource(converter.get(), nullptr))) return false;
    }
    return SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

bool WriteIcon(const std::string& path, int width, int height, const PixelAt& pixel) {
    const DWORD colourBytes = static_cast<DWORD>(width) * height * 4;
    const DWORD maskStride = ((static_cast<DWORD>(width) + 31) / 32) * 4;
    const DWORD maskBytes = maskStride * height;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height * 2;  // colour and mask
    header.biPlanes = 1;
    header.biBitCount = 32;
    const DWORD imageBytes = sizeof header + colourBytes + maskBytes;

    std::ofstream out(path, std::ios::binary);
    auto put16 = [&](WORD v) { out.write(reinterpret_cast<const char*>(&v), sizeof v); };
    auto put32 = [&](DWORD v) { out.write(reinterpret_cast<const char*>(&v), sizeof v); };
    put16(0);  // reserved
    put16(1);  // icon
    put16(1);  // one image
    out.put(static_cast<char>(width & 0xFF));
    out.put(static_cast<char>(height & 0xFF));
    out.put(0);  // no palette
    out.put(0);
    put16(1);
    put16(32);
    put32(imageBytes);
    put32(6 + 16);  // the image follows the directory
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            Rgb c = pixel(x, y);
            const char bgra[] = {static_cast<char>(c.b), static_cast<char>(c.g), static_cast<char>(c.r),
                                 static_cast<char>(0xFF)};
            out.write(bgra, 4);
        }
    }
    std::string mask(maskBytes, '\0');  // every pixel opaque
    out.write(mask.data(), mask.size());
    return static_cast<bool>(out);
}

bool ReadBitmapFile(const std::string& path, BitmapPixels& out) {
    std::ifstream in(path, std::ios::binary);
    auto bytes = std::make_shared<std::string>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    if (bytes->size() < sizeof file + sizeof info) return false;
    memcpy(&file, bytes->data(), sizeof file);
    memcpy(&info, bytes->data() + sizeof file, sizeof info);
    if (file.bfType != 0x4D42 || file.bfSize != bytes->size() || info.biCompression != BI_RGB) return false;
    if (info.biBitCount != 24 && info.biBitCount != 32) return false;
    const int width = info.biWidth;
    const int height = info.biHeight < 0 ? -info.biHeight : info.biHeight;
    const bool bottomUp = info.biHeight > 0;
    const size_t bpp = info.biBitCount / 8;
    const size_t stride = (width * bpp + 3) & ~size_t{3};
    if (file.bfOffBits + stride * height > bytes->size()) return false;
    out.width = width;
    out.height = height;
    out.bitCount = info.biBitCount;
    const size_t offset = file.bfOffBits;
    out.at = [bytes, offset, stride, bpp, height, bottomUp](int x, int y) {
        const BYTE* p = reinterpret_cast<const BYTE*>(bytes->data()) + offset +
                        stride * (bottomUp ? height - 1 - y : y) + bpp * x;
        return Rgb{p[2], p[1], p[0]};
    };
    return true;
}

}  // namespace testkit
