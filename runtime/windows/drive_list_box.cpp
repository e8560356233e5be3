#include "rt/filesystem_lists.h"

#include <algorithm>
#include <cctype>

#include "rt/convert.h"
#include "rt/drives.h"
#include "rt/paths.h"

namespace rt {

DriveListBox::DriveListBox() {
    std::string cur = CurrentFolder();
    char letter = DriveLetterOf(cur);
    if (letter) drive_ = DriveDisplayText(letter);
}

HWND DriveListBox::Create(HWND parent, const RECT& rect, int id) {
    RECT r = rect;
    r.bottom = r.top + 300;
    return CreateChild("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0, parent, r, id);
}

void DriveListBox::OnCreated() { Fill(); }

void DriveListBox::Fill() {
    letters_ = DriveLetters();
    if (!hwnd_) return;
    SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
    for (char l : letters_) {
        std::string text = l == DriveLetterOf(drive_) ? drive_ : DriveDisplayText(l);
        SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageA(hwnd_, CB_SETCURSEL, IndexOf(DriveLetterOf(drive_)), 0);
}

int DriveListBox::IndexOf(char letter) const {
    auto it = std::find(letters_.begin(), letters_.end(), letter);
    return it == letters_.end() ? -1 : static_cast<int>(it - letters_.begin());
}

Error DriveListBox::SetDrive(const std::string& text) {
    std::string t = Trim(text);
    if (t.empty() || !std::isalpha(static_cast<unsigned char>(t[0])))
        return Error{ERROR_INVALID_DRIVE, ErrorText(ERROR_INVALID_DRIVE)};
    char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(t[0])));
    if (IndexOf(letter) < 0) Fill();  // a drive that came since the list was filled
    if (IndexOf(letter) < 0) return Error{ERROR_INVALID_DRIVE, ErrorText(ERROR_INVALID_DRIVE)};
    if (letter == DriveLetterOf(drive_)) return {};
    drive_ = DriveDisplayText(letter);
    if (hwnd_) {
        int index = IndexOf(letter);
        SendMessageA(hwnd_, CB_DELETESTRING, index, 0);
        SendMessageA(hwnd_, CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(drive_.c_str()));
        SendMessageA(hwnd_, CB_SETCURSEL, index, 0);
    }
    if (Change) Change();
    return {};
}

void DriveListBox::OnCommand(int code) {
    if (code != CBN_SELCHANGE) return;
    int sel = static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0));
    if (sel < 0 || sel >= static_cast<int>(letters_.size())) return;
    if (letters_[sel] == DriveLetterOf(drive_)) return;
    drive_ = DriveDisplayText(letters_[sel]);
    if (Change) Change();
}

}  // namespace rt
