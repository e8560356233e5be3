#include "rename/frmRename.h"

#include "rename/frmSettings.h"
#include "rename/rename_pictures.h"

namespace renamer {

namespace {
filelist::ListWindowVariant RenameVariant() {
    filelist::ListWindowVariant v = filelist::TypeListVariant();
    v.actionButtons = {{"Rename", "Rename", "Rename Files", DrawRename, true}};
    v.patterns = filelist::StandardPatterns();
    v.listCaption = "Files To Rename -";
    v.listCaptionWidth = 1650;
    v.countLeft = 1740;
    // The run renames into the folder shown, so the list holds that folder's files.
    v.emptyListOnFolderChange = true;
    return v;
}
}  // namespace

frmRename::frmRename() : filelist::ListWindow(RenameVariant()) {}

void frmRename::MainToolAction(const std::string& tag) {
    if (tag != "Rename") return;
    if (!ListHasRowsOrSay()) return;
    // A new dialog each time, so every opening shows the design values.
    frmSettings dialog(*this);
    dialog.ShowModal(this);
}

}  // namespace renamer
