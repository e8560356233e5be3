#include <gtest/gtest.h>

#include <string>

#include "rt/combobox.h"
#include "rt/form.h"
#include "rt/listbox.h"

namespace {

class ListForm : public rt::Form {
public:
    ListForm()
        : rt::Form(Design()), lstSingle(rt::ListSelection::Single), lstMulti(rt::ListSelection::MultiToggle),
          cmbEdit({"a", "b"}), cmbList({}, rt::ComboStyle::DropDownList) {
        Place(lstSingle, {60, 60, 1500, 1200, "", 0});
        Place(lstMulti, {1620, 60, 1500, 1200, "", 1});
        Place(cmbEdit, {60, 1320, 1500, 315, "", 2});
        Place(cmbList, {1620, 1320, 1500, 315, "", 3});
        lstSingle.Click = [this] { ++singleClicks; };
        lstMulti.Click = [this] { ++multiClicks; };
        cmbEdit.Click = [this] { ++editClicks; };
        cmbList.Click = [this] { ++listClicks; };
    }
    static rt::FormDesign Design() {
        rt::FormDesign d;
        d.clientWidth = 3200;
        d.clientHeight = 1800;
        return d;
    }
    rt::ListBox lstSingle;
    rt::ListBox lstMulti;
    rt::ComboBox cmbEdit;
    rt::ComboBox cmbList;
    int singleClicks = 0, multiClicks = 0, editClicks = 0, listClicks = 0;
};

class ListControls : public ::testing::Test {
protected:
    void SetUp() override {
        f.Show();
        for (const char* item : {"1", "2", "3"}) {
            f.lstSingle.AddItem(item);
            f.lstMulti.AddItem(item);
        }
    }
    // A click by the user on the list's item at index.
    static void ClickItem(rt::ListBox& list, int index) {
        RECT r;
        SendMessageA(list.hwnd(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        LPARAM at = MAKELPARAM(r.left + 2, r.top + 2);
        SendMessageA(list.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(list.hwnd(), WM_LBUTTONUP, 0, at);
    }
    ListForm f;
};

// Each step: what code does, and how many Click events the list has raised
// in all afterwards.
TEST_F(ListControls, SingleSelectionRaisesClickOnlyOnARealChange) {
    rt::ListBox& l = f.lstSingle;
    EXPECT_TRUE(l.SetListIndex(1));
    EXPECT_EQ(f.singleClicks, 1);
    EXPECT_TRUE(l.SetListIndex(1));
    EXPECT_TRUE(l.SetSelected(1, true));
    EXPECT_EQ(f.singleClicks, 1);
    EXPECT_TRUE(l.SetSelected(2, true));  // selects and moves the current item
    EXPECT_EQ(f.singleClicks, 2);
    EXPECT_FALSE(l.Selected(1));
    EXPECT_EQ(l.Text(), "3");
    EXPECT_FALSE(l.SetListIndex(3));
    EXPECT_FALSE(l.SetListIndex(-2));
    EXPECT_EQ(l.ListIndex(), 2);
    EXPECT_EQ(f.singleClicks, 2);
    EXPECT_EQ(SendMessageA(l.hwnd(), LB_GETCURSEL, 0, 0), 2);

    ClickItem(l, 0);
    EXPECT_EQ(f.singleClicks, 3);
    EXPECT_EQ(l.ListIndex(), 0);
    EXPECT_TRUE(l.Selected(0));
}

TEST_F(ListControls, MultipleSelectionTogglesAndRaisesClickOnlyOnARealChange) {
    rt::ListBox& l = f.lstMulti;
    EXPECT_TRUE(l.SetSelected(0, true));
    EXPECT_TRUE(l.SetSelected(2, true));
    EXPECT_TRUE(l.SetSelected(2, true));
    EXPECT_TRUE(l.SetSelected(1, false));
    EXPECT_EQ(f.multiClicks, 2);
    EXPECT_EQ(l.SelCount(), 2);
    EXPECT_EQ(SendMessageA(l.hwnd(), LB_GETSELCOUNT, 0, 0), 2);

    ClickItem(l, 0);  // the user's click takes item 0 out
    EXPECT_EQ(f.multiClicks, 3);
    EXPECT_FALSE(l.Selected(0));
    EXPECT_TRUE(l.Selected(2));
    ClickItem(l, 1);  // and item 1 in
    EXPECT_TRUE(l.Selected(1));
    EXPECT_EQ(l.ListIndex(), 1);
    EXPECT_EQ(f.multiClicks, 4);
}

TEST_F(ListControls, RemovingAndClearingKeepTheCurrentItemOnItsRow) {
    rt::ListBox& l = f.lstMulti;
    l.SetSelected(2, true);
    EXPECT_TRUE(l.RemoveItem(0));
    EXPECT_EQ(l.ListIndex(), 1);
    EXPECT_EQ(l.Text(), "3");
    EXPECT_TRUE(l.Selected(1));
    EXPECT_FALSE(l.RemoveItem(5));
    EXPECT_TRUE(l.RemoveItem(1));
    EXPECT_EQ(l.ListIndex(), -1);
    l.Clear();
    EXPECT_EQ(l.ListCount(), 0);
    EXPECT_EQ(SendMessageA(l.hwnd(), LB_GETCOUNT, 0, 0), 0);
    EXPECT_FALSE(l.SetSelected(0, true));
}

TEST_F(ListControls, ComboIndexOrTextFromCodeRaisesClickOnlyOnARealChange) {
    rt::ComboBox& c = f.cmbList;
    for (const char* item : {"1", "2", "3"}) c.AddItem(item);
    EXPECT_EQ(SendMessageA(c.hwnd(), CB_GETCOUNT, 0, 0), 3);
    EXPECT_TRUE(c.SetText("1"));
    EXPECT_EQ(c.ListIndex(), 0);
    EXPECT_EQ(c.Text(), "1");
    EXPECT_EQ(f.listClicks, 1);
    EXPECT_TRUE(c.SetText("1"));
    EXPECT_TRUE(c.SetListIndex(0));
    EXPECT_EQ(f.listClicks, 1);
    EXPECT_FALSE(c.SetText("4"));  // no such item: refused, kept
    EXPECT_FALSE(c.SetListIndex(3));
    EXPECT_EQ(c.ListIndex(), 0);
    EXPECT_TRUE(c.SetListIndex(2));
    EXPECT_EQ(f.listClicks, 2);
    EXPECT_EQ(c.Text(), "3");

    c.Clear();  // emptying is no choice: no Click
    EXPECT_EQ(c.ListIndex(), -1);
    EXPECT_EQ(c.ListCount(), 0);
    EXPECT_EQ(f.listClicks, 2);
    c.AddItem("1");
    EXPECT_TRUE(c.SetText("1"));
    EXPECT_EQ(f.listClicks, 3);

    // The user's choice: Click sees the chosen item as the text already.
    c.AddItem("2");
    std::string seen;
    c.Click = [&] { seen = c.Text(); };
    SendMessageA(c.hwnd(), CB_SETCURSEL, 1, 0);
    SendMessageA(f.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c.hwnd()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(c.hwnd()));
    EXPECT_EQ(seen, "2");
    EXPECT_EQ(c.ListIndex(), 1);
}

TEST_F(ListControls, AnEditableComboTakesAnyTextWithoutClick) {
    rt::ComboBox& c = f.cmbEdit;
    EXPECT_TRUE(c.SetListIndex(1));
    EXPECT_EQ(f.editClicks, 1);
    EXPECT_TRUE(c.SetText("*.txt"));
    EXPECT_EQ(c.Text(), "*.txt");
    EXPECT_EQ(f.editClicks, 1);
    EXPECT_EQ(GetWindowLongPtrA(f.cmbList.hwnd(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    EXPECT_EQ(GetWindowLongPtrA(c.hwnd(), GWL_STYLE) & 3, CBS_DROPDOWN);
}

}  // namespace
