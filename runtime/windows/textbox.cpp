#include "rt/textbox.h"

namespace rt {

HWND TextBox::Create(HWND parent, const RECT& rect, int id) {
    DWORD style = style_.multiLine ? (ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL) : ES_AUTOHSCROLL;
    if (style_.verticalScroll) style |= WS_VSCROLL;
    return CreateChild("EDIT", style, WS_EX_CLIENTEDGE, parent, rect, id, design_.caption);
}

void TextBox::OnCreated() {
    // Without a limit of our own the platform's default (32767) would cut long text.
    SendMessageA(hwnd_, EM_SETLIMITTEXT, style_.maxLength > 0 ? style_.maxLength : 0x7FFFFFFE, 0);
}

}  // namespace rt
