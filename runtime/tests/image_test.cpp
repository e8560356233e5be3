#include "rt/image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "rt/events.h"
#include "rt/form.h"
#include "rt/label.h"
#include "rt/picture_box.h"
#include "rt/screen.h"
#include "testkit/sample_pictures.h"
#include "testkit/temp_folder.h"

namespace {

struct ImageForm : rt::Form {
    ImageForm() : rt::Form(rt::FormDesign{.caption = "Images", .clientWidth = 9000, .clientHeight = 6000}) {
        Place(img, {120, 120, 735, 795});
        Place(framed, {3000, 120, 1875, 1815});
        Place(lblOver, {3540, 900, 915, 435, "Over the picture"});
    }
    rt::Image img;
    rt::Label lblOver;
    rt::Image framed{{.stretch = true, .border = true}};
};

RECT RectInParent(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// What the control paints, as the platform's printing asks it to.
testkit::Pixels Painted(HWND w) {
    RECT client;
    GetClientRect(w, &client);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, dib);
    SendMessageA(w, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    testkit::Pixels p{client.right, client.bottom, {}};
    const auto* px = static_cast<const uint32_t*>(bits);
    for (int i = 0; i < p.width * p.height; ++i) p.rgb.push_back(px[i] & 0xffffff);
    SelectObject(dc, old);
    DeleteObject(dib);
    DeleteDC(dc);
    return p;
}

class ImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.Write("pattern.bmp", testkit::BmpBytes(pattern));
        form.Show();
    }
    testkit::TempFolder dir;
    const testkit::Pixels pattern = testkit::BlockPattern(40, 24);
    ImageForm form;
};

TEST_F(ImageTest, WithoutStretchTheControlTakesThePicturesSizeAndBorder) {
    const float tx = static_cast<float>(rt::TwipsPerPixelX()), ty = static_cast<float>(rt::TwipsPerPixelY());
    ASSERT_TRUE(form.img.LoadPicture(dir / "pattern.bmp"));
    EXPECT_FLOAT_EQ(form.img.Width(), 40 * tx);
    EXPECT_FLOAT_EQ(form.img.Height(), 24 * ty);
    RECT r = RectInParent(form.img.hwnd());
    EXPECT_EQ(r.right - r.left, 40);
    EXPECT_EQ(r.bottom - r.top, 24);
    EXPECT_EQ(testkit::MaxChannelDifference(Painted(form.img.hwnd()), pattern), 0);

    // Stretched, it keeps the designed size; turned off, it takes the
    // picture's size and its 2-pixel border on each side.
    ASSERT_TRUE(form.framed.LoadPicture(dir / "pattern.bmp"));
    EXPECT_FLOAT_EQ(form.framed.Width(), 1875);
    form.framed.SetStretch(false);
    EXPECT_FLOAT_EQ(form.framed.Width(), 44 * tx);
    EXPECT_FLOAT_EQ(form.framed.Height(), 28 * ty);
    r = RectInParent(form.framed.hwnd());
    EXPECT_EQ(r.right - r.left, 44);
}

TEST_F(ImageTest, StretchedThePictureFillsTheControl) {
    ASSERT_TRUE(form.img.LoadPicture(dir / "pattern.bmp"));
    form.img.SetStretch(true);
    const float tx = static_cast<float>(rt::TwipsPerPixelX()), ty = static_cast<float>(rt::TwipsPerPixelY());
    ASSERT_TRUE(form.img.Move(0, 0, 80 * tx, 48 * ty));
    testkit::Pixels shown = Painted(form.img.hwnd());
    ASSERT_EQ(shown.width, 80);
    ASSERT_EQ(shown.height, 48);
    // Each 8-pixel block becomes 16 pixels; only its edges blend.
    for (int y = 3; y < 48; y += 16) {
        for (int x = 3; x < 80; x += 5) {
            if (x % 16 < 3 || x % 16 > 12) continue;
            EXPECT_EQ(shown.At(x, y), pattern.At(x / 2, y / 2)) << x << "," << y;
        }
    }
}

// Each pixel of the shrunk picture the mean of the 3 x 3 it stands for.
testkit::Pixels ShrunkByThree(const testkit::Pixels& p) {
    testkit::Pixels out{p.width / 3, p.height / 3, {}};
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            uint32_t c = 0;
            for (int shift = 16; shift >= 0; shift -= 8) {
                int sum = 0;
                for (int dy = 0; dy < 3; ++dy)
                    for (int dx = 0; dx < 3; ++dx) sum += (p.At(3 * x + dx, 3 * y + dy) >> shift) & 0xff;
                c = (c << 8) | static_cast<uint32_t>((sum + 4) / 9);
            }
            out.rgb.push_back(c);
        }
    }
    return out;
}

// A shrunk photo keeps its colours, as a proper resize does (the platform's
// default mode keeps one pixel of each block by ANDing them: dark and
// speckled, over 30 off per channel); at its own size a picture is copied
// exactly, stretched or not.
TEST_F(ImageTest, AShrunkPictureIsScaledSmoothlyAndAtItsOwnSizeCopiedExactly) {
    struct Case {
        const char* name;
        int width, height;
        bool icon;
    } cases[] = {{"photo.bmp", 300, 180, false}, {"photo.ico", 48, 48, true}};
    const float tx = static_cast<float>(rt::TwipsPerPixelX()), ty = static_cast<float>(rt::TwipsPerPixelY());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const testkit::Pixels photo = testkit::PhotoLikePattern(c.width, c.height);
        dir.Write(c.name, c.icon ? testkit::IconBytes(photo, 0x01000000) : testkit::BmpBytes(photo));
        ASSERT_TRUE(form.img.LoadPicture(dir / c.name));
        form.img.SetStretch(true);
        ASSERT_TRUE(form.img.Move(0, 0, c.width / 3 * tx, c.height / 3 * ty));
        const double error = testkit::MeanChannelDifference(Painted(form.img.hwnd()), ShrunkByThree(photo));
        EXPECT_GE(error, 0);
        EXPECT_LT(error, 10);

        ASSERT_TRUE(form.img.Move(0, 0, c.width * tx, c.height * ty));
        EXPECT_EQ(testkit::MaxChannelDifference(Painted(form.img.hwnd()), photo), 0);
        form.img.SetStretch(false);
        EXPECT_EQ(testkit::MaxChannelDifference(Painted(form.img.hwnd()), photo), 0);
    }
}

TEST_F(ImageTest, LiesBeneathTheControlsMadeAfterIt) {
    rt::DoEvents();
    std::vector<HWND> topFirst;
    for (HWND w = GetWindow(form.hwnd(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) topFirst.push_back(w);
    auto label = std::find(topFirst.begin(), topFirst.end(), form.lblOver.hwnd());
    auto image = std::find(topFirst.begin(), topFirst.end(), form.framed.hwnd());
    ASSERT_NE(image, topFirst.end());
    EXPECT_LT(label, image);
    EXPECT_TRUE(GetWindowLongPtrA(form.framed.hwnd(), GWL_STYLE) & WS_CLIPSIBLINGS);
}

// Transparent labels on a black form, one over a picture, one inside a
// picture box: around their letters they show what lies beneath them at
// that moment.
struct SeeThroughForm : rt::Form {
    SeeThroughForm()
        : rt::Form(rt::FormDesign{.caption = "See through", .clientWidth = 6000, .clientHeight = 2000,
                                  .backColor = RGB(0, 0, 0)}) {
        Place(img, {0, 0, 3000, 1500});
        Place(box, {3000, 0, 3000, 1500});
        Place(lblOverPicture, {120, 120, 0, 0, "Over the picture, a long caption"});
        Place(lblOverBox, rt::ControlDesign(120, 120, 0, 0, "In the box").In(box));
    }
    static constexpr rt::LabelOptions kSeeThrough{.autoSize = true, .transparent = true, .foreColor = RGB(255, 255, 255)};
    rt::Image img{{.stretch = true}};
    rt::PictureBox box{{.backColor = RGB(40, 90, 200)}};
    rt::Label lblOverPicture{kSeeThrough};
    rt::Label lblOverBox{kSeeThrough};
};

struct Census {
    int colour = 0, black = 0, other = 0;
};

// Every paint the form and its controls wait for done.
void Settle(const rt::Form& form) { RedrawWindow(form.hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

// Counts the pixels of a window's client area as the screen shows them.
Census Count(HWND w, COLORREF colour, RECT area = {0, 0, -1, -1}) {
    if (area.right < 0) GetClientRect(w, &area);
    Census c;
    HDC dc = GetDC(w);
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF p = GetPixel(dc, x, y);
            if (p == colour) ++c.colour;
            else if (p == RGB(0, 0, 0)) ++c.black;
            else ++c.other;
        }
    }
    ReleaseDC(w, dc);
    return c;
}

TEST(TransparentLabel, ShowsThePictureOrBoxBeneathItAsItIsNow) {
    testkit::TempFolder dir;
    const COLORREF orange = RGB(255, 160, 40), green = RGB(60, 220, 90), red = RGB(230, 30, 30);
    auto plain = [&](const char* name, COLORREF c) {
        testkit::Pixels p{20, 10, std::vector<uint32_t>(200, (uint32_t{GetRValue(c)} << 16) | (GetGValue(c) << 8) | GetBValue(c))};
        dir.Write(name, testkit::BmpBytes(p));
        return dir / name;
    };
    SeeThroughForm form;
    form.Show();
    ASSERT_TRUE(form.img.LoadPicture(plain("orange.bmp", orange)));
    rt::DoEvents();
    // Around its letters (white, and their edges blended) a label shows the
    // colour beneath it, never the form's black.
    auto expectShows = [&](const rt::Label& label, COLORREF colour) {
        SCOPED_TRACE(label.Caption());
        Settle(form);
        Census c = Count(label.hwnd(), colour);
        EXPECT_EQ(c.black, 0);
        EXPECT_GT(c.colour, 2 * c.other);
    };
    expectShows(form.lblOverPicture, orange);
    expectShows(form.lblOverBox, RGB(40, 90, 200));

    // A new picture, a new colour of the box: the labels follow.
    ASSERT_TRUE(form.img.LoadPicture(plain("green.bmp", green)));
    form.box.SetBackColor(red);
    expectShows(form.lblOverPicture, green);
    expectShows(form.lblOverBox, red);

    // A shorter caption: the picture shows again where the text was.
    RECT was;
    GetWindowRect(form.lblOverPicture.hwnd(), &was);
    MapWindowPoints(nullptr, form.img.hwnd(), reinterpret_cast<POINT*>(&was), 2);
    form.lblOverPicture.SetCaption("Over");
    // Nothing flashes in between: the platform paints no box of its own
    // for the new text before the label paints it over the picture.
    EXPECT_EQ(Count(form.lblOverPicture.hwnd(), GetSysColor(COLOR_BTNFACE)).colour, 0);
    RECT now;
    GetWindowRect(form.lblOverPicture.hwnd(), &now);
    MapWindowPoints(nullptr, form.img.hwnd(), reinterpret_cast<POINT*>(&now), 2);
    ASSERT_LT(now.right, was.right);
    Settle(form);
    Census left = Count(form.img.hwnd(), green, {now.right, was.top, was.right, was.bottom});
    EXPECT_EQ(left.other + left.black, 0);
    expectShows(form.lblOverPicture, green);
}

TEST_F(ImageTest, PositionsKeepHalfTwipsAndNegativeSizesAreRefused) {
    const float tx = static_cast<float>(rt::TwipsPerPixelX());
    form.framed.SetLeft(6157.5f);
    form.framed.SetTop(367.5f);
    EXPECT_EQ(form.framed.Left(), 6157.5f);
    EXPECT_EQ(form.framed.Top(), 367.5f);
    EXPECT_EQ(RectInParent(form.framed.hwnd()).left, std::lround(6157.5 / tx));
    EXPECT_TRUE(form.framed.SetWidth(1410.5f));
    EXPECT_EQ(form.framed.Width(), 1410.5f);
    EXPECT_FALSE(form.framed.SetWidth(-1));
    EXPECT_FALSE(form.framed.SetHeight(-0.5f));
    EXPECT_EQ(form.framed.Width(), 1410.5f);
    EXPECT_EQ(form.framed.Height(), 1815.0f);
}

TEST_F(ImageTest, AFailedLoadKeepsThePictureAndEachReplacedPictureIsReleased) {
    ASSERT_TRUE(form.img.LoadPicture(dir / "pattern.bmp"));
    dir.Write("bad.jpg", "not a picture");
    EXPECT_FALSE(form.img.LoadPicture(dir / "bad.jpg"));
    EXPECT_FALSE(form.img.LoadPicture(dir / "missing.bmp"));
    EXPECT_TRUE(form.img.HasPicture());
    EXPECT_EQ(form.img.GetPicture().SizePixels().cx, 40);

    HANDLE first = form.img.GetPicture().Handle();
    ASSERT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BITMAP));
    ASSERT_TRUE(form.img.LoadPicture(dir / "pattern.bmp"));
    EXPECT_EQ(GetObjectType(first), 0u);
    HANDLE second = form.img.GetPicture().Handle();
    form.img.SetPicture(rt::Picture());
    EXPECT_FALSE(form.img.HasPicture());
    EXPECT_EQ(GetObjectType(second), 0u);
}

TEST_F(ImageTest, MouseButtonsComeWithTheirNumbersAndPositionInTwips) {
    struct Press {
        int button;
        float x, y;
    };
    std::vector<Press> presses;
    int clicks = 0, doubleClicks = 0;
    form.img.MouseDown = [&](int button, int, float x, float y) { presses.push_back({button, x, y}); };
    form.img.Click = [&] { ++clicks; };
    form.img.DblClick = [&] { ++doubleClicks; };
    HWND w = form.img.hwnd();
    const LPARAM at = MAKELPARAM(2, 3);
    PostMessageA(w, WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageA(w, WM_RBUTTONDBLCLK, MK_RBUTTON, at);
    PostMessageA(w, WM_MBUTTONDOWN, MK_MBUTTON, at);
    PostMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(w, WM_LBUTTONUP, 0, at);
    PostMessageA(w, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(w, WM_LBUTTONUP, 0, at);
    // A press released outside the control is no click.
    PostMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(500, 3));
    rt::DoEvents();
    std::vector<int> buttons;
    for (const Press& p : presses) buttons.push_back(p.button);
    EXPECT_EQ(buttons, (std::vector<int>{2, 2, 4, 1, 1}));
    EXPECT_FLOAT_EQ(presses[0].x, static_cast<float>(2 * rt::TwipsPerPixelX()));
    EXPECT_FLOAT_EQ(presses[0].y, static_cast<float>(3 * rt::TwipsPerPixelY()));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(ImageTest, ReloadingTheFormStartsFromTheDesign) {
    ASSERT_TRUE(form.framed.LoadPicture(dir / "pattern.bmp"));
    form.framed.SetStretch(false);
    form.framed.SetLeft(10.5f);
    form.Unload();
    form.Show();
    EXPECT_FALSE(form.framed.HasPicture());
    EXPECT_TRUE(form.framed.Stretch());
    EXPECT_EQ(form.framed.Left(), 3000.0f);
    EXPECT_EQ(form.framed.Width(), 1875.0f);
}

}  // namespace
