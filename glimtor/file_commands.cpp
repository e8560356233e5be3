// The commands on the selected file: open, full size, rename, delete and
// save as bitmap.
#include "foundation/modDialog32.h"
#include "foundation/modWin32Api.h"
#include "glimtor/file_names.h"
#include "glimtor/frmGlimtor.h"
#include "glimtor/frmMiniGlimtor.h"
#include "glimtor/program_state.h"
#include "rt/app.h"
#include "rt/convert.h"
#include "rt/events.h"
#include "rt/files.h"
#include "rt/msgbox.h"
#include "rt/screen.h"

namespace glimtor {

void frmGlimtor::OpenSelectedFile() {
    // The preview's double-click may come with nothing selected: nothing opens.
    std::string path = SelectedPath();
    if (!path.empty()) modWin32Api::ShellOpen(path, "", 1);
}

void frmGlimtor::ShowFullSize() {
    if (!imgPreview.HasPicture()) return;
    bolFullSizeFromMain = true;
    {
        frmMiniGlimtor viewer(*this, "");
        viewer.ShowModal(this);
    }
    rt::DoEvents();
    bolFullSizeFromMain = false;
}

void frmGlimtor::RenameSelectedFile() {
    const std::string path = SelectedPath();
    if (path.empty()) return;
    std::string answer = rt::InputBox("Enter the new name for this file...\n\n" + path, "Rename", path);
    auto target = RenameTarget(answer, strCurrentFilePath);
    if (!target) return;
    rt::HourglassScope hourglass;
    rt::DoEvents();
    // A name that is taken or invalid, or the old name itself, changes nothing, silently.
    (void)rt::RenameFile(path, *target);
    ClearPreview();
}

void frmGlimtor::DeleteSelectedFile() {
    const int index = File1.ListIndex();
    if (index < 0) return;
    if (rt::MsgBox("Are you sure you wish to delete this file : " + File1.List(index), MB_ICONQUESTION | MB_YESNO,
                   rt::AppTitle() + " : Confirm Delete") != IDYES)
        return;
    if (rt::Error err = rt::DeleteFileAt(SelectedPath())) {
        rt::MsgBox("Cannot delete file, " + err.description, MB_ICONSTOP | MB_OK, rt::AppTitle() + " : Error");
        return;
    }
    rt::HourglassScope hourglass;
    rt::DoEvents();
    ClearPreview();
}

void frmGlimtor::SaveSelectedAsBmp() {
    const int index = File1.ListIndex();
    if (index < 0) return;
    const std::string entry = File1.List(index);
    std::string file = modDialog32::ShowFileDialog(hwnd(), modDialog32::kSaveDialog, "Save As BMP",
                                                   BitmapNameFor(entry), std::string("Bitmap (*.BMP)\0*.bmp", 20),
                                                   strCurrentFilePath, "bmp");
    if (rt::Trim(file).empty()) return;
    rt::HourglassScope hourglass;
    rt::DoEvents();
    // Failures are silent; a target that cannot be written stays as it was.
    if (IsBitmapEntry(entry))
        (void)rt::CopyFileTo(strCurrentFilePath + entry, file);
    else
        imgPreview.GetPicture().SaveAsBitmap(file);
    ClearPreview();
}

}  // namespace glimtor
