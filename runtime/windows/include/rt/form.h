#pragma once
// Forms: top-level windows built from a design table in twips, with their
// controls as members, load / activate / resize / unload, key and mouse
// events, key preview, modal or modeless showing, and a general hook for any
// other message a window wants for itself.
#include <windows.h>

#include <functional>
#include <map>
#include <tuple>
#include <string>
#include <unordered_map>
#include <vector>

#include "rt/control.h"
#include "rt/drawing.h"

namespace rt {

// None: no frame and no title bar. FixedToolWindow: a small title bar, not
// sizable, never a minimize or maximize box.
enum class Border { None, FixedSingle, Sizable, FixedDialog, FixedToolWindow };

// Where a form first appears: where the platform puts new windows, centred on
// its owner (the screen without one), or at its design left and top.
enum class Placement { PlatformDefault, CenterOwner, Design };

enum class WindowState { Normal, Minimized, Maximized };

// The colour the platform gives a window's face.
constexpr COLORREF kSystemFaceColor = CLR_INVALID;

struct FormDesign {
    std::string caption;
    int clientWidth = 0;   // twips
    int clientHeight = 0;  // twips
    Border border = Border::Sizable;
    bool titleBar = true;  // with Border::None there is never one
    bool keyPreview = false;
    bool minButton = true;
    bool maxButton = true;
    Placement placement = Placement::PlatformDefault;
    int left = 0;  // twips, the outer top-left corner with Placement::Design
    int top = 0;
    WindowState windowState = WindowState::Normal;  // as first shown; Maximized covers the screen
    COLORREF backColor = kSystemFaceColor;
    IconPicture icon = nullptr;  // the window icon, drawn by the program
    std::string fontName = "MS Sans Serif";  // the controls' font unless a row names its own
    float fontSize = 8.25f;                  // points
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
    // loaded form does nothing. A loaded form stays hidden until shown.
    bool Load();
    bool IsLoaded() const { return hwnd_ != nullptr; }
    // Modeless: loads when needed, shows, and raises the first resize.
    void Show();
    // Modal: loads when needed and returns when the form has been unloaded.
    // Every other window of the program takes no input meanwhile. The form
    // is owned by owner, or else by the window that was active, and a
    // dialog is centred on it.
    void ShowModal(const Form* owner = nullptr);
    // Hides the window; the form stays loaded with all its state.
    void Hide();
    bool Visible() const;
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
    bool SetWidth(int twips);
    bool SetHeight(int twips);
    // Client area in twips.
    int ScaleWidth() const;
    int ScaleHeight() const;
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    rt::WindowState WindowState() const;
    void SetWindowState(rt::WindowState state);
    COLORREF BackColor() const;
    void SetBackColor(COLORREF color);
    // The window icon of the design (nullptr without one); size 16 or 32.
    HICON Icon(int size = 32) const;

    // Key preview: the message loop hands keys to the form first.
    static bool PreTranslate(MSG& msg);
    static Form* FromHwnd(HWND hwnd);

    // Command ids for toolbar buttons and menu items, routed to the callback.
    int AllocateCommand(std::function<void()> onCommand, std::string toolTip = "");
    // The form's font, or the one a control's design names.
    HFONT Font(bool bold) const { return FontFor(design_.fontName, design_.fontSize, bold); }
    HFONT FontFor(const std::string& name, float points, bool bold) const;
    HWND ToolTipWindow() const { return tooltip_; }
    // Gives a control of this form its tooltip, or a new text for it.
    void SetControlToolTip(HWND control, const std::string& text);
    // A control whose window is going away: no more events reach it.
    void Forget(HWND control) { byHwnd_.erase(control); }

protected:
    // Called by the derived form's constructor, row by row of its design table.
    void Place(Control& c, const ControlDesign& d);

    virtual void Form_Load() {}
    // The window has become the active one (raised after Show has returned).
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}
    virtual void Form_Unload(int& cancel) { (void)cancel; }
    virtual void Form_KeyDown(int& keyCode, int shift) {
        (void)keyCode;
        (void)shift;
    }
    virtual void Form_KeyPress(int& keyAscii) { (void)keyAscii; }
    virtual void Form_DblClick() {}
    // Mouse on the form itself: button 1 left, 2 right, 4 middle (on a move,
    // the buttons held, added up); shift as ShiftState; x, y in twips.
    virtual void Form_MouseDown(int button, int shift, float x, float y) { (void)button, (void)shift, (void)x, (void)y; }
    virtual void Form_MouseUp(int button, int shift, float x, float y) { (void)button, (void)shift, (void)x, (void)y; }
    virtual void Form_MouseMove(int button, int shift, float x, float y) { (void)button, (void)shift, (void)x, (void)y; }
    // Sees every message of the form's window first; returns true, with the
    // result set, for a message it handled itself (a callback of its own).
    virtual bool Form_Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
        (void)msg, (void)wp, (void)lp, (void)result;
        return false;
    }

private:
    // Load, the window owned by owner (none when null).
    bool LoadOwnedBy(HWND owner);
    // Show, centring a dialog on owner (the screen when there is none).
    void ShowOver(HWND owner);
    static BOOL CALLBACK CollectEnabled(HWND w, LPARAM self);
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Proc(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnNotify(NMHDR* hdr);
    bool OnMouse(UINT msg, WPARAM wp, LPARAM lp);
    void CreateControls();
    // Unloading resets the controls to their design; the destructor must not.
    void Destroy(bool resetControls = true);
    RECT ControlRect(const ControlDesign& d) const;
    void ReleaseBackBrush();

    FormDesign design_;
    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    HBRUSH backBrush_ = nullptr;
    mutable std::map<std::tuple<std::string, int, bool>, HFONT> fonts_;
    bool shown_ = false;
    bool stateOnShow_ = true;  // the next show applies design_.windowState
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
