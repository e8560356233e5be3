#include "quarnel/frmQuarnel.h"

#include "filelist/row_cells.h"
#include "quarnel/frmSettings.h"

namespace quarnel {

namespace {
filelist::ListWindowVariant QuarnelVariant() {
    filelist::ListWindowVariant v;
    v.thirdColumn = {"Attrib", "Attrib", 750};
    v.thirdCell = filelist::AttributeLetters;
    v.fileButtons = filelist::AddButtons();
    v.fileButtons.push_back({"Add Recurse", "Recurse", "Recurse Directory and Add Files", rt::Picture::Recurse, true});
    v.actionButtons = {{"Set Attributes", "Attrib", "Set File Attributes", rt::Picture::Attrib, true}};
    v.patterns = filelist::StandardPatterns();
    v.listCaption = "File List -";
    v.listCaptionWidth = 885;
    v.countLeft = 1020;
    return v;
}
}  // namespace

frmQuarnel::frmQuarnel() : filelist::ListWindow(QuarnelVariant()) {}

void frmQuarnel::MainToolAction(const std::string& tag) {
    if (tag != "Attrib" || !ListHasRowsOrSay()) return;
    frmSettings settings(*this);
    settings.ShowModal();
}

}  // namespace quarnel
