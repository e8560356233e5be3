#include "rt/picture.h"

#include <cmath>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

#include "picture_header.h"
#include "rt/files.h"
#include "rt/screen.h"
#include "saved_dc.h"

namespace rt {
namespace {

constexpr double kHimetricPerInch = 2540.0;
// Pictures whose bitmap would pass 1 GiB at 32 bits per pixel are refused
// before the decoder tries to allocate it.
constexpr unsigned long long kMostPixels = 1ull << 28;

// The platform's decoders are COM objects; each thread that loads needs COM.
void EnsureCom() {
    thread_local bool done = false;
    if (done) return;
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    done = SUCCEEDED(hr) || hr == RPC_E_CHANGED_MODE;
}

struct HandleCloser {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

struct StreamReleaser {
    void operator()(IStream* s) const { s->Release(); }
};

// The file's bytes in a stream of memory; null for a folder, an empty or
// unreadable file, a picture too large to hold, and bytes whose headers the
// loader could not trust.
std::unique_ptr<IStream, StreamReleaser> ReadFileStream(const std::string& path, LONG& size) {
    if (!NameablePath(path)) return nullptr;
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        return nullptr;
    }
    LARGE_INTEGER length{};
    // The loader takes a 32-bit length; bigger files are no pictures it reads.
    if (!GetFileSizeEx(file.get(), &length) || length.QuadPart <= 0 || length.QuadPart > 0x7fffffff) return nullptr;
    size = static_cast<LONG>(length.QuadPart);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(size));
    if (!memory) return nullptr;
    auto* bytes = static_cast<unsigned char*>(GlobalLock(memory));
    DWORD got = 0;
    BOOL read = bytes && ReadFile(file.get(), bytes, static_cast<DWORD>(size), &got, nullptr);
    const bool sound = read && IsSoundPicture(bytes, got, kMostPixels);
    if (bytes) GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (!read || got != static_cast<DWORD>(size) || !sound ||
        FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return nullptr;
    }
    return std::unique_ptr<IStream, StreamReleaser>(stream);
}

// Pixels across and down of a bitmap or an icon's image.
SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP bm{};
    if (!bitmap || !GetObjectA(bitmap, sizeof bm, &bm)) return {0, 0};
    return {bm.bmWidth, bm.bmHeight};
}

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {0, 0};
    SIZE size = info.hbmColor ? BitmapSize(info.hbmColor) : BitmapSize(info.hbmMask);
    // A monochrome icon's mask holds the AND and XOR images one above the other.
    if (!info.hbmColor) size.cy /= 2;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return size;
}

// OLE hands GDI and USER handles over as 32-bit values; they are sign-extended
// into pointers, as the platform's own handle conversions do.
HANDLE FromOleHandle(OLE_HANDLE h) { return reinterpret_cast<HANDLE>(static_cast<INT_PTR>(static_cast<int>(h))); }

bool WriteAll(HANDLE file, const void* data, DWORD size) {
    DWORD written = 0;
    return WriteFile(file, data, size, &written, nullptr) && written == size;
}

struct Bytes {
    const void* data;
    DWORD size;
};

// Writes beside the target and then puts the new file in its place, so a
// write that fails part-way (a full disk) leaves an existing target whole. A
// target that cannot be written (read-only, locked) is refused first.
bool WriteReplacing(const std::string& path, std::initializer_list<Bytes> parts) {
    if (Error e = PathError(path)) {
        SetLastError(e.number);
        return false;
    }
    HANDLE target = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (target != INVALID_HANDLE_VALUE) {
        CloseHandle(target);
    } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
        return false;
    }
    const size_t slash = path.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    char temporary[MAX_PATH];
    if (!GetTempFileNameA(folder.c_str(), "bmp", 0, temporary)) return false;
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool ok = file != INVALID_HANDLE_VALUE;
    for (const Bytes& part : parts) ok = ok && WriteAll(file, part.data, part.size);
    DWORD error = ok ? 0 : GetLastError();
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (ok && !MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        ok = false;
        error = GetLastError();
    }
    if (!ok) {
        DeleteFileA(temporary);
        SetLastError(error);
    }
    return ok;
}

}  // namespace

Picture::~Picture() { Release(); }

Picture::Picture(Picture&& other) noexcept : picture_(other.picture_) { other.picture_ = nullptr; }

Picture& Picture::operator=(Picture&& other) noexcept {
    if (this != &other) {
        Release();
        picture_ = other.picture_;
        other.picture_ = nullptr;
    }
    return *this;
}

void Picture::Release() {
    if (picture_) picture_->Release();
    picture_ = nullptr;
}

Picture Picture::Load(const std::string& path) {
    EnsureCom();
    LONG size = 0;
    auto stream = ReadFileStream(path, size);
    if (!stream) return Picture();
    IPicture* picture = nullptr;
    HRESULT hr = OleLoadPicture(stream.get(), size, FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
    if (FAILED(hr) || !picture) return Picture();
    Picture result(picture);
    // A decoder may hand back a picture without a handle (no memory for it).
    if (!result.Handle()) return Picture();
    return result;
}

Picture Picture::FromBitmap(HBITMAP bitmap) {
    if (!bitmap) return Picture();
    EnsureCom();
    PICTDESC desc{};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = bitmap;
    IPicture* picture = nullptr;
    if (FAILED(OleCreatePictureIndirect(&desc, IID_IPicture, FALSE, reinterpret_cast<void**>(&picture)))) {
        return Picture();
    }
    return Picture(picture);
}

HANDLE Picture::Handle() const {
    OLE_HANDLE handle = 0;
    if (!picture_ || FAILED(picture_->get_Handle(&handle))) return nullptr;
    return FromOleHandle(handle);
}

PictureType Picture::Type() const {
    SHORT type = PICTYPE_NONE;
    if (!picture_ || FAILED(picture_->get_Type(&type))) return PictureType::None;
    switch (type) {
    case PICTYPE_BITMAP: return PictureType::Bitmap;
    case PICTYPE_METAFILE: return PictureType::Metafile;
    case PICTYPE_ICON: return PictureType::Icon;
    case PICTYPE_ENHMETAFILE: return PictureType::EnhMetafile;
    default: return PictureType::None;
    }
}

SIZE Picture::SizePixels() const {
    switch (Type()) {
    case PictureType::Bitmap: return BitmapSize(static_cast<HBITMAP>(Handle()));
    case PictureType::Icon: return IconSize(static_cast<HICON>(Handle()));
    case PictureType::Metafile:
    case PictureType::EnhMetafile:
        return {static_cast<LONG>(std::lround(WidthTwips() / TwipsPerPixelX())),
                static_cast<LONG>(std::lround(HeightTwips() / TwipsPerPixelY()))};
    case PictureType::None: break;
    }
    return {0, 0};
}

float Picture::WidthTwips() const {
    PictureType type = Type();
    if (type == PictureType::Metafile || type == PictureType::EnhMetafile) {
        OLE_XSIZE_HIMETRIC width = 0;
        picture_->get_Width(&width);
        return static_cast<float>(width * kTwipsPerInch / kHimetricPerInch);
    }
    return static_cast<float>(SizePixels().cx * TwipsPerPixelX());
}

float Picture::HeightTwips() const {
    PictureType type = Type();
    if (type == PictureType::Metafile || type == PictureType::EnhMetafile) {
        OLE_YSIZE_HIMETRIC height = 0;
        picture_->get_Height(&height);
        return static_cast<float>(height * kTwipsPerInch / kHimetricPerInch);
    }
    return static_cast<float>(SizePixels().cy * TwipsPerPixelY());
}

void Picture::Draw(HDC dc, const RECT& dest) const {
    if (!picture_) return;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture_->get_Width(&width);
    picture_->get_Height(&height);
    const LONG across = dest.right - dest.left, down = dest.bottom - dest.top;
    // A bitmap or an icon at its own size is copied pixel for pixel; the
    // bitmaps a metafile holds are scaled at any size.
    const PictureType type = Type();
    const SIZE own = SizePixels();
    // The platform's default mode drops the pixels a shrink leaves out,
    // which speckles photos; the mode and the brush origin it needs hold
    // for this drawing only.
    std::optional<SavedDC> saved;
    if (type == PictureType::Metafile || type == PictureType::EnhMetafile || across != own.cx || down != own.cy) {
        saved.emplace(dc);
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
    }
    // The source rectangle runs bottom-up in HIMETRIC.
    picture_->Render(dc, dest.left, dest.top, across, down, 0, height, width, -height, nullptr);
}

bool Picture::SaveAsBitmap(const std::string& path) const {
    SIZE size = SizePixels();
    if (!picture_ || size.cx <= 0 || size.cy <= 0) {
        SetLastError(ERROR_INVALID_DATA);
        return false;
    }
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = size.cx;
    header.biHeight = size.cy;  // bottom-up, as bitmap files usually are
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD stride = ((static_cast<DWORD>(size.cx) * 3 + 3) / 4) * 4;
    const ULONGLONG imageSize = static_cast<ULONGLONG>(stride) * static_cast<ULONGLONG>(size.cy);
    if (imageSize > 0x7fffffff) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    header.biSizeImage = static_cast<DWORD>(imageSize);

    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HBITMAP dib = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dc || !dib || !bits) {
        DWORD error = GetLastError();
        if (dib) DeleteObject(dib);
        if (dc) DeleteDC(dc);
        SetLastError(error ? error : ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    HGDIOBJ old = SelectObject(dc, dib);
    RECT all{0, 0, size.cx, size.cy};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Draw(dc, all);
    GdiFlush();

    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
    fileHeader.bfSize = fileHeader.bfOffBits + header.biSizeImage;

    const bool ok = WriteReplacing(path, {{&fileHeader, sizeof fileHeader}, {&header, sizeof header},
                                          {bits, header.biSizeImage}});
    const DWORD error = GetLastError();
    SelectObject(dc, old);
    DeleteObject(dib);
    DeleteDC(dc);
    if (!ok) SetLastError(error ? error : ERROR_WRITE_FAULT);
    return ok;
}

}  // namespace rt
