#pragma once
// Forms: top-level windows built from a design table in twips, with their
// controls as members, load / resize / unload events, key preview, and
// modal or modeless showing.
#include <windows.h>

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "rt/control.h"

namespace rt {

enum class Border { Sizable, FixedSingle, FixedDialog };

struct FormDesign {
    std::string caption;
    int clientWidth = 0;   // twips
    int clientHeight = 0;  // twips
    Border border = Border::Sizable;
    bool keyPreview = false;
    bool minButton = true;
    bool maxButton = true;
    bool centerOnOwner = false;  // otherwise where the platform places new windows
    bool programIcon = false;    // the program's icon in the title bar
};

// A dialog's design: fixed border, no minimize or maximize button, centred on
// its owner, seeing keys before its controls do.
FormDesign DialogDesign(std::string caption, int clientWidth, int clientHeight, Border border);

// Shift state of key and mouse events: 1 Shift, 2 Ctrl, 4 Alt.
int ShiftState();

class Form {
public:
    explicit Form(FormDesign design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window and its controls, then runs Form_Load. Loading a
    // loaded form does nothing.
    bool Load();
    bool IsLoaded() const { return hwnd_ != nullptr; }
    // Modeless: loads when needed, shows, and raises the first resize.
    void Show();
    // Modal: loads when needed and returns when the form has been unloaded.
    // Every other window of the program takes no input meanwhile. A dialog
    // is centred on owner, or else on the window that was active.
    void ShowModal(const Form* owner = nullptr);
    // Runs Form_Unload, then destroys the window (unless the handler cancels).
    void Unload();
    // Repaints the window at once.
    void Refresh();

    HWND hwnd() const { return hwnd_; }
    // Outer size and position, frame and title bar included, in twips.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void Move(int left, int top, int width, int height);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    void SetFocusTo(Control& c) { c.SetFocus(); }

    // Key preview: the message loop hands keys to the form first.
    static bool PreTranslate(MSG& msg);
    static Form* FromHwnd(HWND hwnd);

    // Command ids for toolbar buttons and menu items, routed to the callback.
    int AllocateCommand(std::function<void()> onCommand, std::string toolTip = "");
    HFONT Font(bool bold) const { return bold ? boldFont_ : font_; }
    HWND ToolTipWindow() const { return tooltip_; }
    // A control whose window is going away: no more events reach it.
    void Forget(HWND control) { byHwnd_.erase(control); }

protected:
    // Called by the derived form's constructor, row by row of its design table.
    void Place(Control& c, const ControlDesign& d);

    virtual void Form_Load() {}
    virtual void Form_Resize() {}
    virtual void Form_Unload(int& cancel) { (void)cancel; }
    virtual void Form_KeyDown(int& keyCode, int shift) {
        (void)keyCode;
        (void)shift;
    }
    virtual void Form_KeyPress(int& keyAscii) { (void)keyAscii; }
    virtual void Form_DblClick() {}

private:
    // Show, centring a dialog on owner (the screen when there is none).
    void ShowOver(HWND owner);
    static BOOL CALLBACK CollectEnabled(HWND w, LPARAM self);
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Proc(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnNotify(NMHDR* hdr);
    void CreateControls();
    void CreateControl(Control& c, const ControlDesign& d, int id);
    // Unloading resets the controls to their design; the destructor must not.
    void Destroy(bool resetControls = true);
    RECT ControlRect(const ControlDesign& d) const;

    FormDesign design_;
    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    HFONT font_ = nullptr;
    HFONT boldFont_ = nullptr;
    bool shown_ = false;
    HWND focusBeforeDeactivation_ = nullptr;
    std::vector<std::pair<Control*, ControlDesign>> placed_;
    std::unordered_map<HWND, Control*> byHwnd_;
    struct Command {
        std::function<void()> onCommand;
        std::string toolTip;
    };
    std::unordered_map<int, Command> commands_;
    int nextCommand_ = 1000;
    std::vector<HWND> disabledByModal_;
};

}  // namespace rt
