// The file list: adding and removing rows, and list files.
#include <string>

#include "filelist/list_file.h"
#include "filelist/list_window.h"
#include "foundation/modDialog32.h"
#include "rt/app.h"
#include "rt/convert.h"
#include "rt/events.h"
#include "rt/files.h"
#include "rt/format.h"
#include "rt/msgbox.h"
#include "rt/screen.h"

using namespace std::string_literals;

namespace filelist {

void ListWindow::AddToList(const std::string& strFileName, bool bolNoDups) {
    AddRow(strFileName, bolNoDups, [&] { return ReadFileFacts(strFileName); });
}

void ListWindow::AddToList(const std::string& strFileName, bool bolNoDups, const FileFacts& facts) {
    AddRow(strFileName, bolNoDups, [&] { return facts; });
}

// One routine fills a row however its facts arrive, so its cells are the same.
void ListWindow::AddRow(const std::string& path, bool noDups, const std::function<FileFacts()>& facts) {
    const FileRows::Key key = rows_.KeyOf(path);
    if (!noDups || !rows_.Contains(key)) {
        FileRow row{path, facts()};
        const int at = lv1.InsertPlace([&](int column) { return rows_.CellOf(row, column); });
        rows_.Insert(at, std::move(row), key);
        lv1.RowInserted(at);
    }
    SetCount();
}

void ListWindow::RemoveFromList(bool bolAll) {
    if (lv1.Count() == 0) return;
    if (bolAll) {
        rows_.Clear();
    } else {
        rows_.Remove(lv1.SelectedIndexes());
    }
    lv1.RowsRemoved();
    tbMain.SetButtonEnabled("Remove", false);
    if (lv1.Count() == 0) {
        tbMain.SetButtonEnabled("RemoveAll", false);
        tbMain.SetButtonEnabled("Save", false);
    }
    SetCount();
}

void ListWindow::LoadFromFile(std::string strFileName) {
    if (strFileName.empty()) {
        strFileName = modDialog32::ShowFileDialog(hwnd(), modDialog32::kOpenDialog, "Select File", "",
                                                  "Text Files (*.txt)\0*.txt\0All Files (*.*)\0*.*"s,
                                                  "", "");
    }
    if (strFileName.empty()) return;
    rt::DoEvents();
    bool taken = false;
    rt::SetHourglass(true);
    rt::Error err;
    {
        AddingRun run(*this);
        err = rt::ReadTextLines(strFileName, [&](const std::string& line) {
            if (!IsListFileLine(line)) return;
            AddToList(line, false);
            taken = true;
        });
    }
    if (err) {
        rt::SetHourglass(false);
        rt::MsgBox("Error loading file, " + err.description, MB_ICONSTOP | MB_OK, rt::AppTitle() + " : Error");
    } else {
        if (!taken) AddToList(strFileName, true);
        rt::SetHourglass(false);
    }
    AfterAdding();
}

void ListWindow::SaveToFile(std::string strFileName) {
    if (strFileName.empty()) {
        strFileName = modDialog32::ShowFileDialog(hwnd(), modDialog32::kSaveDialog, "Save File List As...", "",
                                                  "Text File (*.txt)\0*.txt"s, "", "txt");
    }
    if (strFileName.empty()) return;
    rt::DoEvents();
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(lv1.Count()));
    for (int i = 0; i < lv1.Count(); ++i) lines.push_back(lv1.Text(i));
    rt::HourglassScope hourglass;
    if (rt::Error err = rt::WriteTextLines(strFileName, lines)) {
        rt::SetHourglass(false);
        rt::MsgBox("Error saving file list, " + err.description, MB_ICONSTOP | MB_OK, rt::AppTitle() + " : Error");
    }
}

}  // namespace filelist
