#include "rt/popup_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rt/form.h"

namespace {

// What the open menu shows, read from inside its own loop, then closed.
std::vector<std::string> g_seen;

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
    HWND popup = FindWindowA("#32768", nullptr);
    if (!popup) return;  // not open yet: the next tick looks again
    KillTimer(nullptr, id);
    auto menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        UINT state = GetMenuState(menu, i, MF_BYPOSITION);
        char text[64] = {};
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        g_seen.push_back((state & MF_SEPARATOR) ? "-" : std::string(text) + ((state & MF_GRAYED) ? " (off)" : ""));
    }
    EndMenu();
}

TEST(PopupMenu, ShowsSeparatorsAndDisabledItemsAndRunsNothingWhenClosed) {
    rt::Form owner(rt::FormDesign{});
    owner.Show();
    int clicks = 0;
    rt::PopupMenu menu("Popup", {{"Open", [&] { ++clicks; }},
                                 {"Full Size", [&] { ++clicks; }},
                                 {"-", nullptr},
                                 {"Cancel", nullptr}});
    menu.SetItemEnabled(1, false);
    menu.SetItemEnabled(9, false);  // no such item: ignored
    EXPECT_FALSE(menu.ItemEnabled(1));
    EXPECT_TRUE(menu.ItemEnabled(0));

    g_seen.clear();
    SetTimer(nullptr, 0, 20, &ReadOpenMenu);
    menu.Show(owner.hwnd());
    EXPECT_EQ(g_seen, (std::vector<std::string>{"Open", "Full Size (off)", "-", "Cancel"}));
    EXPECT_EQ(clicks, 0);
}

}  // namespace
