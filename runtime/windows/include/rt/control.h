#pragma once
// The base of every control: a child window of a form, placed in twips,
// with caption, tab stop, tooltip, font, enabled and visible state.
#include <windows.h>

#include <string>

namespace rt {

class Form;
class Control;

// One row of a form's design table: position and size in twips, caption,
// tab index and tooltip; Bold(), Hidden(), WithFont() and In() for the rest.
struct ControlDesign {
    ControlDesign() = default;
    ControlDesign(int left, int top, int width, int height, std::string caption = "", int tabIndex = -1,
                  std::string toolTip = "")
        : left(left), top(top), width(width), height(height), caption(std::move(caption)), tabIndex(tabIndex),
          toolTip(std::move(toolTip)) {}

    ControlDesign Bold() const {
        ControlDesign d = *this;
        d.bold = true;
        return d;
    }
    ControlDesign Hidden() const {
        ControlDesign d = *this;
        d.visible = false;
        return d;
    }
    // In a font of its own (points), not the form's.
    ControlDesign WithFont(std::string name, float points) const {
        ControlDesign d = *this;
        d.fontName = std::move(name);
        d.fontSize = points;
        return d;
    }
    // Positioned inside a frame.
    ControlDesign In(const Control& frame) const {
        ControlDesign d = *this;
        d.container = &frame;
        return d;
    }

    int left = 0;    // twips, from the form's client area (or the container's)
    int top = 0;
    int width = 0;
    int height = 0;
    std::string caption;
    int tabIndex = -1;  // -1: not a tab stop
    std::string toolTip;
    bool enabled = true;
    bool visible = true;
    bool bold = false;
    std::string fontName;  // "": the form's font
    float fontSize = 0;
    const Control* container = nullptr;
};

class Control {
public:
    Control() = default;
    // Destroys the control's own window; the form's window may outlive it.
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND hwnd() const { return hwnd_; }
    Form* form() const { return form_; }

    bool Enabled() const;
    void SetEnabled(bool on);
    bool Visible() const;
    void SetVisible(bool on);
    void SetFocus();
    bool HasFocus() const;

    // Position and size in twips, as designed or as last set.
    int Left() const { return design_.left; }
    int Top() const { return design_.top; }
    int Width() const { return design_.width; }
    int Height() const { return design_.height; }
    // A negative size is refused (false) and the control keeps its size.
    bool SetWidth(int twips);
    bool SetHeight(int twips);
    bool Move(int left, int top, int width, int height);
    // Where a design's rectangle starts in its parent window, in twips: the
    // offsets of the frames around it added, up to the hosting container.
    static POINT OriginInParent(const ControlDesign& d);
    // The container whose window holds a design's control, or null when the
    // form's window does.
    static const Control* Host(const ControlDesign& d);

    std::string Caption() const;
    void SetCaption(const std::string& text);

    // Whether Tab stops at the control (at first: designed with a tab index).
    bool TabStop() const;
    void SetTabStop(bool on);
    std::string ToolTip() const { return design_.toolTip; }
    void SetToolTip(const std::string& text);

protected:
    friend class Form;
    // Creates the child window inside rect (pixels, parent's client area).
    virtual HWND Create(HWND parent, const RECT& rect, int id) = 0;
    // After creation: fonts, items, state.
    virtual void OnCreated() {}
    virtual void OnCommand(int code) { (void)code; }
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& item) {
        (void)item;
        return false;
    }
    virtual LRESULT OnNotify(NMHDR* hdr) {
        (void)hdr;
        return 0;
    }
    // A scroll request (SB_LINEUP ...) this control sent to its parent.
    virtual void OnScroll(int request) { (void)request; }
    // A container whose window is the parent of the controls placed in it
    // (a picture box), rather than one merely drawn behind them (a frame).
    virtual bool HostsChildren() const { return false; }

    // Puts the runtime's own procedure in front of the control's window
    // procedure: it hands every message to OnSubclassedMessage through the
    // guard of callbacks (rt/callback_guard.h), which hands on with CallBase.
    void Subclass();
    virtual LRESULT OnSubclassedMessage(UINT msg, WPARAM wp, LPARAM lp) { return CallBase(msg, wp, lp); }
    LRESULT CallBase(UINT msg, WPARAM wp, LPARAM lp) { return CallWindowProcA(baseProc_, hwnd_, msg, wp, lp); }

    HWND CreateChild(const char* className, DWORD style, DWORD exStyle, HWND parent, const RECT& rect,
                     int id, const std::string& text = "");
    void ApplyGeometry();

    ControlDesign design_;
    HWND hwnd_ = nullptr;
    Form* form_ = nullptr;

private:
    static Control* Subclassed(HWND hwnd);
    static LRESULT CALLBACK GuardedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void Unsubclass();
    WNDPROC baseProc_ = nullptr;
};

// Text of a window (GetWindowTextA).
std::string WindowText(HWND hwnd);

}  // namespace rt
