#pragma once
// Pictures read through the platform's picture loader (bitmaps, JPEG, GIF,
// PNG, icons, cursors, placeable WMF and EMF metafiles), their natural size,
// drawing, and saving as a Windows bitmap file.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <string>

namespace rt {

enum class PictureType { None, Bitmap, Metafile, Icon, EnhMetafile };

// Owns one loaded picture and releases it when replaced or destroyed.
class Picture {
public:
    Picture() = default;
    ~Picture();
    Picture(Picture&& other) noexcept;
    Picture& operator=(Picture&& other) noexcept;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // The picture in the file, or an empty picture when the file cannot be
    // read or is no picture the platform knows.
    static Picture Load(const std::string& path);
    // A picture over a bitmap that stays the caller's.
    static Picture FromBitmap(HBITMAP bitmap);

    // Loaded: its handle is not 0.
    bool IsLoaded() const { return picture_ != nullptr; }
    // The bitmap, icon or metafile handle; null when empty.
    HANDLE Handle() const;
    PictureType Type() const;
    // Natural size: pixels times the screen's twips per pixel; a metafile's
    // own physical size. 0 when empty.
    float WidthTwips() const;
    float HeightTwips() const;
    // The size it is drawn with at natural size, in screen pixels.
    SIZE SizePixels() const;

    // Draws the whole picture into dest: at its own size pixel for pixel,
    // at any other size scaled smoothly.
    void Draw(HDC dc, const RECT& dest) const;
    // Writes a 24-bit Windows bitmap of the picture at its natural size (an
    // icon, cursor or metafile drawn on white first). False when empty or
    // when the file cannot be written (the last error says why).
    bool SaveAsBitmap(const std::string& path) const;

private:
    explicit Picture(IPicture* picture) : picture_(picture) {}
    void Release();
    IPicture* picture_ = nullptr;
};

}  // namespace rt
