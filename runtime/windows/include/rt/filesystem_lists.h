#pragma once
// The drive, folder and file list boxes. Setting a value from code raises
// the same event as the user's action, synchronously, and only when the
// value really changes; a value that cannot be taken is refused with an
// Error and nothing changes.
#include <functional>
#include <string>
#include <vector>

#include "rt/control.h"
#include "rt/error.h"

namespace rt {

// Lists the drives; Drive is the current drive's text as the list shows it.
class DriveListBox : public Control {
public:
    DriveListBox();
    const std::string& Drive() const { return drive_; }
    // Takes the drive at the text's start ("d", "D:\x"...); Change when it
    // is another drive than the current one.
    Error SetDrive(const std::string& text);
    std::function<void()> Change;

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;
    void OnCommand(int code) override;

private:
    void Fill();
    int IndexOf(char letter) const;
    std::vector<char> letters_;
    std::string drive_;
};

// Shows a folder's path from its root and the folder's subfolders.
class DirListBox : public Control {
public:
    DirListBox();
    // The folder shown: "C:\" for a root, "C:\Photos" for any other folder.
    const std::string& Path() const { return path_; }
    // A drive alone ("d:", or the drive list's "d: [label]") goes to that
    // drive's current folder. Fails, with nothing changed, for a drive that
    // is not ready or a folder that does not exist.
    Error SetPath(const std::string& path);
    void Refresh();
    std::function<void()> Change;
    std::function<void(int button, int shift, int x, int y)> MouseUp;

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;
    void OnCommand(int code) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    LRESULT OnSubclassedMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Fill();
    struct Entry {
        std::string name;
        std::string fullPath;
        int level;
    };
    std::vector<Entry> entries_;
    int currentIndex_ = 0;
    std::string path_;
};

// Lists the files of a folder that match a pattern ("*.jpg;*.gif" holds
// several); hidden files only when asked for; extended multiple selection
// unless made for a single selection.
class FileListBox : public Control {
public:
    enum class Selection { Extended, Single };
    explicit FileListBox(Selection selection = Selection::Extended);
    const std::string& Path() const { return path_; }
    Error SetPath(const std::string& path);  // PathChange on a real change
    const std::string& Pattern() const { return pattern_; }
    void SetPattern(const std::string& pattern);  // PatternChange on a real change
    bool Hidden() const { return hidden_; }
    void SetHidden(bool on);
    void Refresh();

    int ListCount() const { return static_cast<int>(names_.size()); }
    const std::string& List(int index) const { return names_.at(index); }
    bool Selected(int index) const;
    void SetSelected(int index, bool on);
    // The entry with the focus (the selected one in a single selection), -1 when none.
    int ListIndex() const;
    void SetListIndex(int index);

    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void()> PathChange;
    std::function<void()> PatternChange;
    std::function<void(int button, int shift, int x, int y)> MouseUp;

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;
    void OnCommand(int code) override;
    LRESULT OnSubclassedMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Fill();
    void Show();
    std::string path_;
    std::string pattern_ = "*.*";
    bool hidden_ = false;
    std::vector<std::string> names_;
    Selection selection_;
};

}  // namespace rt
