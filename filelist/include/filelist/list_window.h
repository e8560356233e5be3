#pragma once
// The list window of the three list programs: drive, folder and file panes
// above, the file list with its toolbars below. One class; each program's
// window is a variant of it (its third column, file-toolbar buttons, action
// buttons, pattern list, captions, what a folder change does).
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "filelist/file_rows.h"
#include "filelist/panes.h"
#include "rt/buttons.h"
#include "rt/combobox.h"
#include "rt/filesystem_lists.h"
#include "rt/form.h"
#include "rt/label.h"
#include "rt/listview.h"
#include "rt/popup_menu.h"
#include "rt/toolbar.h"

namespace filelist {

struct ListWindowVariant {
    rt::ColumnHeader thirdColumn;
    // The third cell of a row (a function of the path alone takes the row as its path).
    FileRows::CellFunction thirdCell;
    std::vector<rt::ToolButton> fileButtons;    // tbfile
    std::vector<rt::ToolButton> actionButtons;  // tbMain from button 8 on
    std::vector<std::string> patterns;          // cmbFilter's items
    std::string listCaption;                    // lblForm(1)
    int listCaptionWidth = 0;                   // twips
    int countLeft = 0;                          // lblFiles' left, twips
    bool emptyListOnFolderChange = false;
};

// The patterns of quarnel's and rename's pattern box.
std::vector<std::string> StandardPatterns();
// The file toolbar's "Add All" and "Add" buttons.
std::vector<rt::ToolButton> AddButtons();
// A list whose third column is each file's "Type", with only the two add
// buttons on its file toolbar; the rest of the variant is the program's.
ListWindowVariant TypeListVariant();

class ListWindow : public rt::Form {
public:
    explicit ListWindow(ListWindowVariant variant);

    // The file list (lv1 shows its rows). AddToList reads the file once.
    void AddToList(const std::string& strFileName, bool bolNoDups);
    void RemoveFromList(bool bolAll);
    void LoadFromFile(std::string strFileName);
    void SaveToFile(std::string strFileName);
    // The folder pane's path, always ending in "\".
    std::string strCurrentFilePath;

    // Controls, reached by the program's own windows and by tests.
    std::array<rt::Label, 2> lblForm;
    rt::DriveListBox Drive1;
    rt::ComboBox cmbFilter;
    rt::CheckBox chkHidden;
    rt::DirListBox Dir1;
    rt::FileListBox File1;
    rt::Toolbar tbDir;
    rt::Toolbar tbfile;
    rt::Frame frameSep;
    rt::Label lblFiles;
    rt::ListView lv1;
    rt::Toolbar tbMain;
    rt::PopupMenu mnuPopupMenu;

    // Handlers; public so that other windows (and tests) can drive them as
    // the user would.
    void Drive1_Change();
    void Dir1_Change();
    void Dir1_MouseUp(int button, int shift, int x, int y);
    void cmbFilter_Click();
    void chkHidden_Click();
    void File1_Click();
    void File1_DblClick();
    void File1_PathChange();
    void tbDir_ButtonClick(const rt::ToolButton& button);
    void lv1_ColumnClick(int column);
    void lv1_MouseDown(int button, int shift, int x, int y);
    void lv1_MouseUp(int button, int shift, int x, int y);
    void lv1_DblClick();
    void tbfile_ButtonClick(const rt::ToolButton& button);
    void tbMain_ButtonClick(const rt::ToolButton& button);
    void mnuitemOpen_Click();
    void mnuitemRemove_Click();
    void mnuitemProperties_Click();
    void mnuitemCancel_Click() {}

    bool bolSortDescending = false;

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_DblClick() override;

    // The program's own file-toolbar tags ("Recurse"); true when handled.
    virtual bool FileToolAction(const std::string& tag) {
        (void)tag;
        return false;
    }
    // The program's own main-toolbar action tags ("Attrib", "Rename", ...).
    virtual void MainToolAction(const std::string& tag) { (void)tag; }
    // Rows added one after another (a list file, "Add All", "Add Recurse"):
    // setting the count label costs far more than adding a row, so while a
    // run lasts the label follows at most ten times a second, and exactly
    // when it ends.
    class AddingRun {
    public:
        explicit AddingRun(ListWindow& window) : window_(window) { ++window_.addingRuns_; }
        ~AddingRun() {
            --window_.addingRuns_;
            window_.SetCount();
        }
        AddingRun(const AddingRun&) = delete;
        AddingRun& operator=(const AddingRun&) = delete;

    private:
        ListWindow& window_;
    };
    // AddToList of a file whose facts a folder listing has just returned.
    void AddToList(const std::string& strFileName, bool bolNoDups, const FileFacts& facts);
    // For an action on the list: true when it holds rows; otherwise the
    // "No files in list" message and the focus to the file pane.
    bool ListHasRowsOrSay();

private:
    void AddRow(const std::string& path, bool noDups, const std::function<FileFacts()>& facts);
    void AddFileButtonsLoop(bool selectedOnly);
    void AfterAdding();
    void ApplyAddButtonRule();
    void SetCount();
    void ShowHelp();

    ListWindowVariant variant_;
    std::array<int, 4> LayoutMargins_{};
    FileRows rows_;
    int addingRuns_ = 0;
    int shownCount_ = 0;       // what lblFiles shows
    DWORD countShownAt_ = 0;   // tick count when it last changed
    FolderPanes panes_;
};

}  // namespace filelist
