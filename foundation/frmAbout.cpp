#include "foundation/frmAbout.h"

#include "rt/app.h"

namespace foundation {

const char* const kDisclaimer =
    "Disclaimer:\r\n"
    "\r\n"
    "The Author, or anyone associated in \r\n"
    "partnership, is not liable for any financial or \r\n"
    "resource burden that may occur due to \r\n"
    "software malfunctions or data loss during \r\n"
    "use of this application.  This application \r\n"
    "provides no warranty and must not be used \r\n"
    "under business critical circumstances.\r\n"
    "";

namespace {

// Our own picture: a tall panel of blue bands with a folder and a page.
HBITMAP MakeAboutPicture() {
    const int w = 80, h = 161;
    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bmp);
    for (int y = 0; y < h; ++y) {
        RECT band{0, y, w, y + 1};
        HBRUSH br = CreateSolidBrush(RGB(20 + y / 3, 40 + y / 2, 120 + y / 2));
        FillRect(dc, &band, br);
        DeleteObject(br);
    }
    HBRUSH folder = CreateSolidBrush(RGB(240, 200, 90));
    RECT tab{14, 40, 36, 48}, body{14, 46, 66, 86};
    FillRect(dc, &tab, folder);
    FillRect(dc, &body, folder);
    DeleteObject(folder);
    RECT page{30, 96, 56, 132};
    FillRect(dc, &page, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    for (int y = 104; y < 128; y += 6) {
        RECT line{34, y, 52, y + 2};
        FillRect(dc, &line, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return bmp;
}

}  // namespace

frmAbout::frmAbout()
    : rt::Form(rt::DialogDesign("", 5250, 3450, rt::Border::FixedDialog)),
      imgAboutIcon({.border = true}),
      lblAboutName({.autoSize = true}),
      lblAboutProduct({.autoSize = true}),
      txtAboutDisclaimer({true, true, 0}) {
    Place(imgAboutIcon, {120, 120, 1260, 2475});
    Place(lblAboutName, {1590, 120, 0, 0, "Title", -1, "Product Title"});
    Place(lblAboutProduct, {1590, 420, 0, 0, "Comment", -1, "Product Description"});
    Place(txtAboutDisclaimer, {1560, 1320, 3555, 1275, kDisclaimer, 1});
    Place(fraAboutSep, {0, 2700, 5295, 75});
    Place(btnAboutClose, {3840, 2940, 1275, 375, "&Close", 0, "Close"});
    btnAboutClose.Click = [this] { btnAboutClose_Click(); };
    imgAboutIcon.DblClick = [this] { imgAboutIcon_DblClick(); };
    picture_ = MakeAboutPicture();
}

frmAbout::~frmAbout() {
    Unload();
    if (picture_) DeleteObject(picture_);
}

void frmAbout::Form_Load() {
    imgAboutIcon.SetPicture(picture_);
    SetCaption("About " + rt::AppTitle());
    lblAboutName.SetCaption(rt::AppTitleWithVersion());
    lblAboutProduct.SetCaption(rt::AppDescription());
}

void frmAbout::Form_KeyPress(int& keyAscii) {
    if (keyAscii == 27) Unload();
}

}  // namespace foundation
