// The file list: adding and removing rows, and list files.
#include <string>

#include "filelist/list_file.h"
#include "filelist/row_cells.h"
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

std::string AttributeLettersOf(unsigned long attrs) {
    std::string letters;
    if (attrs & FILE_ATTRIBUTE_ARCHIVE) letters += 'A';
    if (attrs & FILE_ATTRIBUTE_HIDDEN) letters += 'H';
    if (attrs & FILE_ATTRIBUTE_READONLY) letters += 'R';
    if (attrs & FILE_ATTRIBUTE_SYSTEM) letters += 'S';
    return letters;
}

std::string AttributeLetters(const std::string& path) {
    DWORD attrs = 0;
    return rt::FileAttributes(path, attrs) ? AttributeLettersOf(attrs) : "";
}

void ListWindow::AddToList(const std::string& strFileName, bool bolNoDups) {
    std::string key = rt::UCase(strFileName);
    if (bolNoDups && rowKeys_.count(key)) {
        SetCount();
        return;
    }
    rt::ListView::Row row;
    row.text = strFileName;
    row.subItems.resize(3);
    unsigned long long length = 0;
    if (rt::FileLength(strFileName, length)) row.subItems[0] = rt::FormatZeroPadded(length);
    row.subItems[1] = variant_.thirdCell(strFileName);
    SYSTEMTIME modified{};
    if (rt::FileModified(strFileName, modified)) row.subItems[2] = rt::FormatGeneralDate(modified);
    lv1.Add(std::move(row));
    ++rowKeys_[key];
    SetCount();
}

void ListWindow::RemoveFromList(bool bolAll) {
    if (lv1.Count() == 0) return;
    if (bolAll) {
        lv1.Clear();
        rowKeys_.clear();
    } else {
        for (int i = lv1.Count() - 1; i >= 0; --i) {
            if (!lv1.Selected(i)) continue;
            auto it = rowKeys_.find(rt::UCase(lv1.Text(i)));
            if (it != rowKeys_.end() && --it->second == 0) rowKeys_.erase(it);
        }
        lv1.RemoveSelected();
    }
    tbMain.SetButtonEnabled(2, false);
    if (lv1.Count() == 0) {
        tbMain.SetButtonEnabled(1, false);
        tbMain.SetButtonEnabled(5, false);
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
    // Nothing repaints while the file is read, so the count is shown once,
    // at the end, not after every row.
    loading_ = true;
    rt::Error err = rt::ReadTextLines(strFileName, [&](const std::string& line) {
        if (!IsListFileLine(line)) return;
        AddToList(line, false);
        taken = true;
    });
    loading_ = false;
    SetCount();
    if (err) {
        rt::SetHourglass(false);
        rt::MsgBox("Error loading file, " + err.description, MB_ICONSTOP | MB_OK, rt::AppTitle() + " : Error");
    } else {
        if (!taken) AddToList(strFileName, true);
        rt::SetHourglass(false);
    }
    tbMain.SetButtonEnabled(2, false);
    if (lv1.Count() > 0) {
        tbMain.SetButtonEnabled(1, true);
        tbMain.SetButtonEnabled(5, true);
    }
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
