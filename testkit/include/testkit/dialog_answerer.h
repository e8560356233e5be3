#pragma once
// Answers, from the test's own thread, the modal dialogs that the code under
// test shows: message boxes, the common open/save dialogs, the folder picker
// and input boxes. Each dialog takes the next scripted answer, in order. A
// dialog that finds the script empty is cancelled and reported as a failure,
// and one that stays open after its answer is closed once the timeout has
// passed, so a test fails clearly instead of hanging.
//
// A modal dialog, to the kit, is a visible, enabled top-level window of the
// thread that is a "#32770" dialog, or has a title bar while its owner or
// another of the thread's windows is disabled.
#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace testkit {

namespace detail {
struct AnswererState;
}

// The file name box of the common open/save dialog (an edit inside a combo box).
constexpr int kFileNameControl = 0x47c;

struct Answer {
    int button = IDOK;                  // pressed last; it must be an enabled push button
    std::string toolButton;             // or else: the toolbar button with this caption, clicked with the mouse
    bool closeBox = false;              // or else: the title bar's close box
    std::optional<std::string> text;    // typed into an edit box first
    int editControl = 0;                // that box, or the control holding it; 0: the first edit box
    std::optional<std::string> folder;  // the folder picker selects this folder first
    std::function<void(HWND)> inspect;  // sees the dialog before anything is typed or pressed
};

Answer Press(int button);
// Open/save dialog: types the name into the file name box and presses OK.
Answer TypeFileName(const std::string& name);
// Input box: types into its edit box and presses the button.
Answer TypeText(const std::string& text, int button = IDOK);
// Folder picker: selects the folder and presses OK.
Answer ChooseFolder(const std::string& path);
// A window whose buttons are on a toolbar: inspect (fills it in), then the
// toolbar button with this caption is clicked.
Answer ClickToolButton(const std::string& caption, std::function<void(HWND)> inspect = nullptr);
// A window without buttons of its own: inspect, then its close box.
Answer CloseBox(std::function<void(HWND)> inspect = nullptr);

enum class Icon { None, Error, Question, Warning, Information };

struct SeenDialog {
    std::string title;
    std::string text;       // a message box's message (its static 0xFFFF), else ""
    std::string className;
    Icon icon = Icon::None;
    std::vector<int> buttons;  // ids of its visible push buttons, as laid out
    int pressed = 0;           // the button the kit pressed (a toolbar's: its command id); 0 when it had to close it
    bool expected = true;      // false: no answer was scripted for it
};

class DialogAnswerer {
public:
    // timeout: how long a dialog may stay open after its answer.
    explicit DialogAnswerer(std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // Reports scripted answers that no dialog took.
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Queues the answer for the next dialog that shows.
    DialogAnswerer& Expect(Answer answer);
    // Every dialog answered so far, in order.
    const std::vector<SeenDialog>& Seen() const;
    size_t Pending() const;

private:
    std::unique_ptr<detail::AnswererState> state_;
};

}  // namespace testkit
