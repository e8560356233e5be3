#pragma once
// glimtor's main window: drive, folder and file panes on the left, a square
// preview of the selected picture on the right with its file size and pixel
// size, two toolbars and a popup menu for the file commands.
#include <string>

#include "filelist/panes.h"
#include "rt/buttons.h"
#include "rt/combobox.h"
#include "rt/filesystem_lists.h"
#include "rt/form.h"
#include "rt/image.h"
#include "rt/label.h"
#include "rt/popup_menu.h"
#include "rt/toolbar.h"

namespace glimtor {

class frmGlimtor : public rt::Form {
public:
    frmGlimtor();

    void PreviewSelectedFile();
    void ClearPreview();
    void OpenSelectedFile();
    void ShowFullSize();
    void RenameSelectedFile();
    void DeleteSelectedFile();
    void SaveSelectedAsBmp();

    // The selected entry's full path; "" when nothing is selected.
    std::string SelectedPath() const;

    rt::DriveListBox Drive1;
    rt::DirListBox Dir1;
    rt::ComboBox cmbFilter;
    rt::CheckBox chkHidden;
    rt::FileListBox File1;
    rt::Toolbar tbDir;
    rt::Toolbar tbMain;
    rt::Image imgPreview;
    rt::Label lblNotImage;
    rt::Label lblPixSize;
    rt::Label lblFileSize;
    rt::PopupMenu mnuFileListPopup;
    // mnuFileListPopup's items that follow the preview, by index.
    static constexpr size_t kMenuFullSize = 1;
    static constexpr size_t kMenuSaveBMP = 5;

    // Handlers; public so that tests can drive them as the user would.
    void Drive1_Change();
    void Dir1_Change();
    void Dir1_MouseUp(int button, int shift, int x, int y);
    void tbDir_ButtonClick(const rt::ToolButton& button);
    void cmbFilter_Click();
    void chkHidden_Click();
    void File1_Click();
    void File1_DblClick();
    void File1_MouseUp(int button, int shift, int x, int y);
    void imgPreview_DblClick();
    void imgPreview_MouseDown(int button, int shift, float x, float y);
    void tbMain_ButtonClick(const rt::ToolButton& button);
    void mnuitemOpen_Click();
    void mnuitemFullSize_Click();
    void mnuitemRename_Click();
    void mnuitemDelete_Click();
    void mnuitemSaveBMP_Click();
    void mnuitemProperties_Click();

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_DblClick() override;

private:
    void ShowNotAnImage();
    // No picture, and the box back on the preview square.
    void EmptyPreviewSquare();

    filelist::FolderPanes panes_;
    // The preview square, from the design of imgPreview.
    long lngPreviewSide = 0;
    long lngPreviewLeft = 0;
    long lngPreviewTop = 0;
};

}  // namespace glimtor
