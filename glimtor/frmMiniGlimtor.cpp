#include "glimtor/frmMiniGlimtor.h"

#include <cmath>

#include "glimtor/frmGlimtor.h"
#include "glimtor/picture_fit.h"
#include "glimtor/program_state.h"
#include "rt/events.h"
#include "rt/screen.h"

namespace glimtor {

namespace {

rt::FormDesign WindowDesign() {
    rt::FormDesign d;
    d.caption = "Preview  [Lmouse=close, Rmouse=2x]";
    d.clientWidth = 3045;
    d.clientHeight = 2895;
    d.border = rt::Border::FixedToolWindow;
    d.minButton = false;
    d.maxButton = false;
    d.keyPreview = true;
    d.placement = rt::Placement::Design;  // the outer corner on the screen's corner
    d.left = 0;
    d.top = 0;
    return d;
}

int Whole(float twips) { return static_cast<int>(std::lround(twips)); }

}  // namespace

frmMiniGlimtor::frmMiniGlimtor(const frmGlimtor& main, std::string commandLine)
    : rt::Form(WindowDesign()), main_(main), commandLine_(std::move(commandLine)) {
    // left, top, width, height
    Place(picMiniPreview, {0, 0, 2235, 2115});
    Place(imgMiniPreview, rt::ControlDesign(0, 0, 1575, 1575).In(picMiniPreview));
    Place(HScroll1, {0, 2220, 2295, 255});
    Place(VScroll1, {2340, 0, 255, 2175});

    HScroll1.Change = [this] { HScroll1_Change(); };
    VScroll1.Change = [this] { VScroll1_Change(); };
    imgMiniPreview.MouseDown = [this](int b, int s, float x, float y) { imgMiniPreview_MouseDown(b, s, x, y); };
}

void frmMiniGlimtor::Form_Load() {
    const long side = std::lround(imgMiniPreview.Width());
    rt::HourglassScope hourglass;
    if (bolFullSizeFromMain) {
        imgMiniPreview.SetStretch(false);
        imgMiniPreview.LoadPicture(main_.SelectedPath());
        rt::DoEvents();
    } else {
        bolFromCommandLine = true;
        bool loaded = imgMiniPreview.LoadPicture(commandLine_);
        rt::DoEvents();
        if (loaded) {
            FittedSize f = FitIntoSquare(imgMiniPreview.Width(), imgMiniPreview.Height(), side);
            if (f.stretched) {
                imgMiniPreview.SetHeight(f.height);
                imgMiniPreview.SetWidth(f.width);
                imgMiniPreview.SetStretch(true);
            }
        }
    }
    if (FitWindowToPicture()) {
        HScroll1.SetVisible(false);
        VScroll1.SetVisible(false);
    }
}

bool frmMiniGlimtor::FitWindowToPicture() {
    const float w = imgMiniPreview.Width(), h = imgMiniPreview.Height();
    if (!FitsOnScreen(w, h, static_cast<float>(rt::ScreenWidth()), static_cast<float>(rt::ScreenHeight()))) {
        ShowScrollBars();
        return false;
    }
    picMiniPreview.SetWidth(Whole(w));
    picMiniPreview.SetHeight(Whole(h));
    SetOuterSize(w + kViewerFrameWidth, h + kViewerFrameHeight);
    return true;
}

void frmMiniGlimtor::SetOuterSize(float width, float height) {
    SetWidth(Whole(width));
    SetHeight(Whole(height));
}

void frmMiniGlimtor::ShowScrollBars() {
    const float w = imgMiniPreview.Width(), h = imgMiniPreview.Height();
    ScrollLayout l = LayOutScrollBars(w, h, static_cast<float>(rt::ScreenWidth()),
                                      static_cast<float>(rt::ScreenHeight()), static_cast<float>(VScroll1.Width()),
                                      static_cast<float>(HScroll1.Height()));
    picMiniPreview.SetWidth(Whole(l.viewportWidth));
    picMiniPreview.SetHeight(Whole(l.viewportHeight));
    HScroll1.SetEnabled(l.hEnabled);
    VScroll1.SetEnabled(l.vEnabled);

    HScroll1.SetVisible(true);
    HScroll1.Move(HScroll1.Left(), Whole(l.viewportHeight), Whole(l.viewportWidth), HScroll1.Height());
    ScrollRange across = RangeForOverhang({HScroll1.Max(), HScroll1.SmallChange(), HScroll1.LargeChange()},
                                          w - l.viewportWidth);
    HScroll1.SetMax(across.max);
    HScroll1.SetSmallChange(across.smallChange);
    HScroll1.SetLargeChange(across.largeChange);

    VScroll1.SetVisible(true);
    VScroll1.Move(Whole(l.viewportWidth), VScroll1.Top(), VScroll1.Width(), Whole(l.viewportHeight));
    ScrollRange down = RangeForOverhang({VScroll1.Max(), VScroll1.SmallChange(), VScroll1.LargeChange()},
                                        h - l.viewportHeight);
    VScroll1.SetMax(down.max);
    VScroll1.SetSmallChange(down.smallChange);
    VScroll1.SetLargeChange(down.largeChange);

    SetOuterSize(l.windowWidth, l.windowHeight);
}

void frmMiniGlimtor::HScroll1_Change() {
    const float overhang = imgMiniPreview.Width() - static_cast<float>(picMiniPreview.Width());
    imgMiniPreview.SetLeft(OffsetForScrollValue(HScroll1.Value(), HScroll1.Max(), overhang));
}

void frmMiniGlimtor::VScroll1_Change() {
    const float overhang = imgMiniPreview.Height() - static_cast<float>(picMiniPreview.Height());
    imgMiniPreview.SetTop(OffsetForScrollValue(VScroll1.Value(), VScroll1.Max(), overhang));
}

void frmMiniGlimtor::imgMiniPreview_MouseDown(int button, int shift, float x, float y) {
    (void)shift;
    (void)x;
    (void)y;
    if (button == 1) {
        Unload();
        return;
    }
    if (bolFromCommandLine) {
        // The command-line picture stays; without stretching it takes its
        // natural size again, and this press does not double it.
        bolFromCommandLine = false;
        imgMiniPreview.SetStretch(false);
        rt::DoEvents();
    } else {
        imgMiniPreview.SetStretch(true);
        imgMiniPreview.SetWidth(imgMiniPreview.Width() * 2);
        imgMiniPreview.SetHeight(imgMiniPreview.Height() * 2);
    }
    FitWindowToPicture();
}

void frmMiniGlimtor::Form_KeyPress(int& keyAscii) {
    if (keyAscii == 27) Unload();
}

void frmMiniGlimtor::Form_Unload(int& cancel) {
    (void)cancel;
    // From the command line the viewer is the program's only window.
    if (imgMiniPreview.HasPicture() && !bolFullSizeFromMain) rt::EndProgram();
}

}  // namespace glimtor
