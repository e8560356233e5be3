#pragma once
// The full-size viewer: a small tool window at the screen's top-left corner
// that sizes itself around one picture as far as the screen allows, with
// scroll bars beyond that. Opened from the main window for its selected
// file, or by the start procedure for the picture on the command line.
#include <string>

#include "rt/form.h"
#include "rt/image.h"
#include "rt/picture_box.h"
#include "rt/scroll_bar.h"

namespace glimtor {

class frmGlimtor;

class frmMiniGlimtor : public rt::Form {
public:
    // main: the window whose selected file the viewer shows while
    // bolFullSizeFromMain is set; commandLine: the picture otherwise.
    frmMiniGlimtor(const frmGlimtor& main, std::string commandLine);

    void ShowScrollBars();

    rt::PictureBox picMiniPreview;
    rt::Image imgMiniPreview;
    rt::ScrollBar HScroll1{rt::ScrollBarKind::Horizontal};
    rt::ScrollBar VScroll1{rt::ScrollBarKind::Vertical};

    // Handlers; public so that tests can drive them as the user would.
    void HScroll1_Change();
    void VScroll1_Change();
    void imgMiniPreview_MouseDown(int button, int shift, float x, float y);

    bool bolFromCommandLine = false;

protected:
    void Form_Load() override;
    void Form_KeyPress(int& keyAscii) override;
    void Form_Unload(int& cancel) override;

private:
    // The fit test: sizes the viewport and the window around the picture
    // when it fits on the screen (true), else shows the scroll bars.
    bool FitWindowToPicture();
    // The window's outer size for content of this size.
    void SetOuterSize(float width, float height);

    const frmGlimtor& main_;
    std::string commandLine_;
};

}  // namespace glimtor
