#include "glimtor/frmGlimtor.h"

#include <cmath>

#include "filelist/panes.h"
#include "foundation/main_window.h"
#include "foundation/modDialog32.h"
#include "glimtor/glimtor_pictures.h"
#include "glimtor/picture_fit.h"
#include "glimtor/program_state.h"
#include "rt/app.h"
#include "rt/events.h"
#include "rt/files.h"
#include "rt/format.h"
#include "rt/paths.h"
#include "rt/screen.h"

namespace glimtor {

namespace {

rt::FormDesign WindowDesign() {
    rt::FormDesign d;
    d.clientWidth = 7935;
    d.clientHeight = 2610;
    d.border = rt::Border::FixedSingle;
    d.maxButton = false;
    d.keyPreview = true;
    d.icon = DrawPreviewIcon;
    return d;
}

std::vector<std::string> Patterns() {
    return {"*.jpg;*.gif;*.bmp", "*.jpg", "*.gif", "*.bmp", "*.ico;*.cur", "*.wmf;*.emf", "*.*"};
}

std::vector<rt::ToolButton> MainButtons() {
    return {
        {"Open", "Open", "Open Image", DrawOpen, false},
        {"Full Size", "Full", "Show Full Size", DrawFullSize, false},
        {"Rename", "Rename", "Rename File", DrawRename, false},
        {"Delete", "Delete", "Delete File", DrawDelete, false},
    };
}

}  // namespace

frmGlimtor::frmGlimtor()
    : rt::Form(WindowDesign()),
      cmbFilter(Patterns()),
      File1(rt::FileListBox::Selection::Single),
      tbDir(filelist::FolderButtons()),
      tbMain(MainButtons()),
      imgPreview({.stretch = true, .border = true}),
      mnuFileListPopup("FileListPopup", {{"Open", [this] { mnuitemOpen_Click(); }},
                                         {"Full Size", [this] { mnuitemFullSize_Click(); }},
                                         {"Rename...", [this] { mnuitemRename_Click(); }},
                                         {"Delete", [this] { mnuitemDelete_Click(); }},
                                         {"-", nullptr},
                                         {"Save As BMP...", [this] { mnuitemSaveBMP_Click(); }},
                                         {"-", nullptr},
                                         {"Properties...", [this] { mnuitemProperties_Click(); }},
                                         {"-", nullptr},
                                         {"Cancel", nullptr}}),
      panes_(*this, Drive1, Dir1) {
    // left, top, width, height, caption, tab index
    Place(Drive1, {60, 60, 2895, 315, "", 0});
    Place(Dir1, {60, 480, 2895, 1440, "", 1});
    Place(cmbFilter, {3000, 60, 1275, 315, "", 2});
    Place(chkHidden, {4440, 120, 1335, 195, "Hidden Files", 3});
    Place(File1, {3000, 480, 2895, 1455, "", 4});
    Place(tbDir, {60, 1980, 2880, 600, "", 5});
    Place(tbMain, {3000, 1980, 2895, 600, "", 6});
    // The label lies on the preview square, so it is placed first to stay on top.
    Place(lblNotImage, rt::ControlDesign(6540, 840, 915, 435, "Not a Valid Image").Hidden());
    Place(imgPreview, {6000, 60, 1875, 1815});
    Place(lblPixSize, {6000, 1980, 1875, 255, "Pixel Size"});
    Place(lblFileSize, {6000, 2280, 1875, 255, "File Size"});

    Drive1.Change = [this] { Drive1_Change(); };
    Dir1.Change = [this] { Dir1_Change(); };
    Dir1.MouseUp = [this](int b, int s, int x, int y) { Dir1_MouseUp(b, s, x, y); };
    cmbFilter.Click = [this] { cmbFilter_Click(); };
    chkHidden.Click = [this] { chkHidden_Click(); };
    File1.Click = [this] { File1_Click(); };
    File1.DblClick = [this] { File1_DblClick(); };
    File1.MouseUp = [this](int b, int s, int x, int y) { File1_MouseUp(b, s, x, y); };
    tbDir.ButtonClick = [this](const rt::ToolButton& b) { tbDir_ButtonClick(b); };
    tbMain.ButtonClick = [this](const rt::ToolButton& b) { tbMain_ButtonClick(b); };
    imgPreview.DblClick = [this] { imgPreview_DblClick(); };
    imgPreview.MouseDown = [this](int b, int s, float x, float y) { imgPreview_MouseDown(b, s, x, y); };
}

void frmGlimtor::Form_Load() {
    SetCaption(rt::AppTitleWithVersion());
    lngPreviewSide = std::lround(imgPreview.Width());
    lngPreviewLeft = std::lround(imgPreview.Left());
    lngPreviewTop = std::lround(imgPreview.Top());
    cmbFilter.SetListIndex(0);
    strCurrentFilePath = rt::WithBackslash(Dir1.Path());
}

void frmGlimtor::Form_Unload(int& cancel) {
    (void)cancel;
    filelist::EndOnClose();
}

void frmGlimtor::Form_KeyDown(int& keyCode, int shift) { foundation::MainWindow_KeyDown(*this, keyCode, shift); }

void frmGlimtor::Form_DblClick() { foundation::MainWindow_DblClick(*this); }

std::string frmGlimtor::SelectedPath() const {
    int index = File1.ListIndex();
    return index >= 0 ? strCurrentFilePath + File1.List(index) : std::string();
}

// ---- panes ----

void frmGlimtor::Drive1_Change() { panes_.Drive1_Change(); }

void frmGlimtor::Dir1_MouseUp(int button, int shift, int x, int y) { panes_.Dir1_MouseUp(button, shift, x, y); }

void frmGlimtor::tbDir_ButtonClick(const rt::ToolButton& button) { panes_.tbDir_ButtonClick(button); }

void frmGlimtor::Dir1_Change() {
    File1.SetPattern(cmbFilter.Text());
    if (File1.SetPath(Dir1.Path())) {
        // The folder vanished under us: the folder pane follows the file pane back.
        Dir1.SetPath(File1.Path());
        return;
    }
    ClearPreview();
    strCurrentFilePath = rt::WithBackslash(Dir1.Path());
}

void frmGlimtor::cmbFilter_Click() {
    File1.SetPattern(cmbFilter.Text());
    ClearPreview();
}

void frmGlimtor::chkHidden_Click() {
    File1.SetHidden(chkHidden.Value() == 1);
    ClearPreview();
}

void frmGlimtor::File1_Click() {
    if (File1.ListCount() == 0) return;
    tbMain.SetButtonEnabled("Open", true);
    tbMain.SetButtonEnabled("Rename", true);
    tbMain.SetButtonEnabled("Delete", true);
    PreviewSelectedFile();
}

void frmGlimtor::File1_DblClick() {
    if (File1.ListCount() > 0) OpenSelectedFile();
}

void frmGlimtor::File1_MouseUp(int button, int shift, int x, int y) {
    (void)shift;
    (void)x;
    (void)y;
    if (tbMain.ButtonEnabled("Open") && button == 2) mnuFileListPopup.Show(hwnd());
}

// ---- preview ----

void frmGlimtor::PreviewSelectedFile() {
    rt::HourglassScope hourglass;
    const std::string path = SelectedPath();
    unsigned long long length = 0;
    if (!rt::FileLength(path, length)) {
        ShowNotAnImage();
        return;
    }
    lblFileSize.SetCaption(rt::FormatCount(static_cast<long long>(length)) + " bytes");
    UpdateWindow(lblFileSize.hwnd());  // shown before the picture is read
    imgPreview.SetVisible(false);
    imgPreview.SetStretch(false);
    // The previous picture goes first, so two large ones never share the memory.
    imgPreview.SetPicture(rt::Picture());
    if (!imgPreview.LoadPicture(path)) {
        ShowNotAnImage();
        return;
    }
    rt::DoEvents();
    const float w = imgPreview.Width(), h = imgPreview.Height();
    const PixelSize pixels = PictureInBox(w, h, rt::TwipsPerPixelX(), rt::TwipsPerPixelY());
    const FittedSize fitted = FitIntoSquare(w, h, lngPreviewSide);
    if (fitted.stretched) {
        imgPreview.SetHeight(fitted.height);
        imgPreview.SetWidth(fitted.width);
        imgPreview.SetStretch(true);
    }
    const Position at = CentreInSquare(imgPreview.Width(), imgPreview.Height(), lngPreviewSide, lngPreviewLeft,
                                       lngPreviewTop);
    imgPreview.SetLeft(at.left);
    imgPreview.SetTop(at.top);
    lblPixSize.SetCaption(std::to_string(pixels.width) + " x " + std::to_string(pixels.height) + " pixels");
    lblNotImage.SetVisible(false);
    imgPreview.SetVisible(true);
    mnuFileListPopup.SetItemEnabled(kMenuFullSize, true);
    mnuFileListPopup.SetItemEnabled(kMenuSaveBMP, true);
    tbMain.SetButtonEnabled("Full", true);
}

void frmGlimtor::EmptyPreviewSquare() {
    imgPreview.SetPicture(rt::Picture());
    rt::DoEvents();
    imgPreview.Move(static_cast<float>(lngPreviewLeft), static_cast<float>(lngPreviewTop),
                    static_cast<float>(lngPreviewSide), static_cast<float>(lngPreviewSide));
}

void frmGlimtor::ClearPreview() {
    EmptyPreviewSquare();
    lblNotImage.SetVisible(false);
    imgPreview.SetVisible(true);
    lblPixSize.SetCaption("");
    lblFileSize.SetCaption("");
    for (const char* key : {"Open", "Full", "Rename", "Delete"}) tbMain.SetButtonEnabled(key, false);
    File1.Refresh();
}

// The failure display; the file size stays, whatever it showed.
void frmGlimtor::ShowNotAnImage() {
    EmptyPreviewSquare();
    lblNotImage.SetVisible(true);
    imgPreview.SetVisible(true);
    lblPixSize.SetCaption("0 x 0 pixels");
    mnuFileListPopup.SetItemEnabled(kMenuFullSize, false);
    mnuFileListPopup.SetItemEnabled(kMenuSaveBMP, false);
    tbMain.SetButtonEnabled("Full", false);
}

void frmGlimtor::imgPreview_DblClick() { OpenSelectedFile(); }

void frmGlimtor::imgPreview_MouseDown(int button, int shift, float x, float y) {
    (void)shift;
    (void)x;
    (void)y;
    if (button != 1) ShowFullSize();
}

void frmGlimtor::tbMain_ButtonClick(const rt::ToolButton& button) {
    if (button.tag == "Open")
        OpenSelectedFile();
    else if (button.tag == "Full")
        ShowFullSize();
    else if (button.tag == "Rename")
        RenameSelectedFile();
    else if (button.tag == "Delete")
        DeleteSelectedFile();
}

void frmGlimtor::mnuitemOpen_Click() { OpenSelectedFile(); }
void frmGlimtor::mnuitemFullSize_Click() { ShowFullSize(); }
void frmGlimtor::mnuitemRename_Click() { RenameSelectedFile(); }
void frmGlimtor::mnuitemDelete_Click() { DeleteSelectedFile(); }
void frmGlimtor::mnuitemSaveBMP_Click() { SaveSelectedAsBmp(); }

void frmGlimtor::mnuitemProperties_Click() { modDialog32::ShowFileProperties(hwnd(), SelectedPath()); }

}  // namespace glimtor
