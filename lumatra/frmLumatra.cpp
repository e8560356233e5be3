#include "lumatra/frmLumatra.h"

#include "lumatra/frmSettings.h"
#include "lumatra/frmSlide.h"
#include "lumatra/lumatra_pictures.h"

namespace lumatra {

namespace {
filelist::ListWindowVariant LumatraVariant() {
    filelist::ListWindowVariant v = filelist::TypeListVariant();
    v.actionButtons = {{"Settings", "Settings", "Slide Show Settings", DrawSettings, true},
                       {"Slide Show", "SlideShow", "Begin Slide Show", DrawSlideShow, true}};
    v.patterns = {"*.jpg;*.gif;*.bmp", "*.jpg", "*.gif", "*.bmp", "*.ico;*.cur", "*.wmf;*.emf", "*.*"};
    v.listCaption = "Slide Show Files -";
    v.listCaptionWidth = 1620;
    v.countLeft = 1740;
    return v;
}
}  // namespace

frmLumatra::frmLumatra() : filelist::ListWindow(LumatraVariant()) {}

void frmLumatra::MainToolAction(const std::string& tag) {
    if (tag == "Settings") {
        ShowSettings();
    } else if (tag == "SlideShow") {
        if (ListHasRowsOrSay()) ShowSlides();
    }
}

// A new dialog for each opening, so it reads the store again.
void frmLumatra::ShowSettings() {
    frmSettings dialog;
    dialog.ShowModal(this);
}

// A new show window each time: its load reads the settings of this moment.
void frmLumatra::ShowSlides() {
    frmSlide show(lv1);
    show.ShowModal(this);
}

}  // namespace lumatra
