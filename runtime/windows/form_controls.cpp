#include "rt/form.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <unordered_map>

#include "rt/screen.h"

namespace rt {
namespace {

constexpr int kFirstControlId = 100;

// A font of the given face and size at the screen's resolution; a face the
// machine lacks gets the platform's substitute at that size.
HFONT MakeFont(const std::string& name, int hundredthPoints, bool bold) {
    HDC dc = GetDC(nullptr);
    int ppi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    LOGFONTA lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(hundredthPoints / 100.0 * ppi / 72.0));
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, name.c_str(), LF_FACESIZE);
    return CreateFontIndirectA(&lf);
}

// The controls a picture box holds are children of its window, so the box is
// made right before them; the rest keep their order.
using Placed = std::vector<std::pair<Control*, ControlDesign>>;

Placed HostsFirst(const Placed& order) {
    std::unordered_map<const Control*, std::vector<size_t>> hosted;
    std::vector<size_t> onForm;
    for (size_t i = 0; i < order.size(); ++i) {
        if (const Control* host = Control::Host(order[i].second)) {
            hosted[host].push_back(i);
        } else {
            onForm.push_back(i);
        }
    }
    Placed result;
    result.reserve(order.size());
    std::function<void(size_t)> take = [&](size_t i) {
        result.push_back(order[i]);
        auto it = hosted.find(order[i].first);
        if (it == hosted.end()) return;
        for (size_t child : it->second) take(child);
    };
    for (size_t i : onForm) take(i);
    return result;
}

}  // namespace

HFONT Form::FontFor(const std::string& name, float points, bool bold) const {
    auto key = std::make_tuple(name, static_cast<int>(std::lround(points * 100)), bold);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second;
    HFONT font = MakeFont(name, std::get<1>(key), bold);
    if (font) fonts_.emplace(key, font);
    return font;
}

void Form::Place(Control& c, const ControlDesign& d) {
    c.design_ = d;
    c.form_ = this;
    placed_.emplace_back(&c, d);
}

RECT Form::ControlRect(const ControlDesign& d) const {
    POINT origin = Control::OriginInParent(d);
    RECT r{TwipsToPixelsX(origin.x), TwipsToPixelsY(origin.y), 0, 0};
    r.right = r.left + TwipsToPixelsX(d.width);
    r.bottom = r.top + TwipsToPixelsY(d.height);
    return r;
}

void Form::CreateControls() {
    // Tab stops first, in tab order, so the platform's tab order (the
    // z-order) follows the design; then the rest as declared.
    std::vector<std::pair<Control*, ControlDesign>> order = placed_;
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
        int ta = a.second.tabIndex < 0 ? 1 << 30 : a.second.tabIndex;
        int tb = b.second.tabIndex < 0 ? 1 << 30 : b.second.tabIndex;
        return ta < tb;
    });
    order = HostsFirst(order);
    int id = kFirstControlId;
    for (auto& [c, d] : order) {
        c->design_ = d;
        const Control* host = Control::Host(d);
        c->hwnd_ = c->Create(host ? host->hwnd() : hwnd_, ControlRect(d), id++);
        if (!c->hwnd_) continue;
        byHwnd_[c->hwnd_] = c;
        HFONT font = d.fontName.empty() ? Font(d.bold) : FontFor(d.fontName, d.fontSize, d.bold);
        SendMessageA(c->hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (!d.toolTip.empty()) SetControlToolTip(c->hwnd_, d.toolTip);
        c->OnCreated();
    }
}

void Form::SetControlToolTip(HWND control, const std::string& text) {
    if (!tooltip_ || !control) return;
    TOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = hwnd_;
    ti.uId = reinterpret_cast<UINT_PTR>(control);
    ti.lpszText = const_cast<char*>(text.c_str());
    // Deleting a tool the control does not have yet is harmless.
    SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

int Form::AllocateCommand(std::function<void()> onCommand, std::string toolTip) {
    int id = nextCommand_++;
    commands_[id] = Command{std::move(onCommand), std::move(toolTip)};
    return id;
}

}  // namespace rt
