// The attribute dialog as the user meets it: its design, "Set Attributes" on
// the list window, and every way of leaving it without proceeding.
#include <cstdlib>
#include <string>
#include <vector>

#include "quarnel_window_fixture.h"
#include "rt/app.h"
#include "rt/files.h"
#include "rt/format.h"
#include "rt/screen.h"
#include "testkit/dialog_answerer.h"

using quarnel_test::Attributes;
using quarnel_test::QuarnelWindowTest;
using quarnel_test::WhenDialogOpens;

namespace {

constexpr const char* kSetAttributes = "Attrib";

RECT ClientRectOf(HWND control, HWND form) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(QuarnelWindowTest, TheDialogIsBuiltAsDesigned) {
    quarnel::frmSettings d(window);
    ASSERT_TRUE(d.Load());
    EXPECT_EQ(d.Caption(), "Attribute Parameters");
    RECT client;
    GetClientRect(d.hwnd(), &client);
    EXPECT_EQ(client.right, rt::TwipsToPixelsX(3930));
    EXPECT_EQ(client.bottom, rt::TwipsToPixelsY(4965));
    LONG style = GetWindowLongA(d.hwnd(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

    // Places on the form in twips; the date group's are the frame's plus its own.
    struct Row {
        const char* name;
        const rt::Control& control;
        std::string caption;
        int left, top, width, height;
    } rows[] = {
        {"lblSettings", d.lblSettings,
         "All file properties will be set according to the parameters below, regardless of their current "
         "attributes...",
         180, 180, 3555, 615},
        {"chkArchive", d.chkArchive, "Archive", 360, 960, 1215, 195},
        {"chkHidden", d.chkHidden, "Hidden", 360, 1200, 1215, 195},
        {"chkReadOnly", d.chkReadOnly, "Read Only", 360, 1440, 1215, 195},
        {"chkSystem", d.chkSystem, "System", 360, 1680, 1215, 195},
        {"Frame1", d.Frame1, " ", 180, 2160, 3555, 1815},
        {"chkDate", d.chkDate, "Set Date Only, Skip Attributes", 360, 2160, 2475, 255},
        {"optDate(0)", d.optDate[0], "Sync File Date w/ Master File", 360, 2520, 2655, 195},
        {"lblDate", d.lblDate, "", 660, 2760, 2355, 255},
        {"tbDir", d.tbDir, "", 3120, 2640, 540, 390},
        {"optDate(1)", d.optDate[1], "Set File Date w/ Date Specified", 360, 3180, 3075, 195},
        {"txtDate", d.txtDate, "", 660, 3480, 2355, 285},
        {"frameSep", d.frameSep, "", 0, 4200, 3975, 75},
        {"tbMain", d.tbMain, "", 0, 4365, 3930, 600},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(r.control.Caption(), r.caption);
        RECT got = ClientRectOf(r.control.hwnd(), d.hwnd());
        EXPECT_EQ(got.left, rt::TwipsToPixelsX(r.left));
        EXPECT_EQ(got.top, rt::TwipsToPixelsY(r.top));
        EXPECT_EQ(got.right - got.left, rt::TwipsToPixelsX(r.width));
        EXPECT_EQ(got.bottom - got.top, rt::TwipsToPixelsY(r.height));
    }

    // The tab order is the children's order; of the two options only the
    // selected one is a tab stop, as the platform keeps option groups.
    std::vector<HWND> children;
    for (HWND w = GetWindow(d.hwnd(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) children.push_back(w);
    const std::vector<HWND> tabOrder = {d.chkArchive.hwnd(), d.chkHidden.hwnd(),  d.chkReadOnly.hwnd(),
                                        d.chkSystem.hwnd(),  d.chkDate.hwnd(),    d.optDate[0].hwnd(),
                                        d.optDate[1].hwnd(), d.txtDate.hwnd()};
    ASSERT_GE(children.size(), tabOrder.size());
    EXPECT_EQ(std::vector<HWND>(children.begin(), children.begin() + tabOrder.size()), tabOrder);
    EXPECT_TRUE(GetWindowLongA(d.optDate[1].hwnd(), GWL_STYLE) & WS_TABSTOP);

    for (const rt::CheckBox* box : {&d.chkArchive, &d.chkHidden, &d.chkReadOnly, &d.chkSystem, &d.chkDate}) {
        EXPECT_EQ(box->Value(), 0) << box->Caption();
        EXPECT_TRUE(box->Enabled()) << box->Caption();
    }
    EXPECT_FALSE(d.optDate[0].Value());
    EXPECT_TRUE(d.optDate[1].Value());
    EXPECT_EQ(d.strMasterFile, "");

    ASSERT_EQ(d.tbDir.ButtonCount(), 1);
    EXPECT_EQ(d.tbDir.Button(1).caption, "Browse");
    EXPECT_EQ(d.tbDir.Button(1).toolTip, "Select Master File");
    ASSERT_EQ(d.tbMain.ButtonCount(), 3);
    EXPECT_EQ(d.tbMain.Button(1).caption, "Cancel");
    EXPECT_EQ(d.tbMain.Button(1).tag, "Cancel");
    EXPECT_EQ(d.tbMain.Button(1).toolTip, "Cancel");
    EXPECT_TRUE(d.tbMain.Button(2).separator);
    EXPECT_EQ(d.tbMain.Button(3).caption, "Proceed !");
    EXPECT_EQ(d.tbMain.Button(3).tag, "Apply");
    EXPECT_EQ(d.tbMain.Button(3).toolTip, "Proceed With Set File Attributes");
}

TEST_F(QuarnelWindowTest, DateOnlyDisablesTheFourAttributeBoxes) {
    quarnel::frmSettings d(window);
    ASSERT_TRUE(d.Load());
    const rt::Control* attributeBoxes[] = {&d.chkArchive, &d.chkHidden, &d.chkReadOnly, &d.chkSystem};
    const rt::Control* dateGroup[] = {&d.optDate[0], &d.optDate[1], &d.txtDate, &d.tbDir};
    for (int value : {1, 0, 1}) {
        d.chkDate.SetValue(value);
        for (const rt::Control* c : attributeBoxes) EXPECT_EQ(c->Enabled(), value == 0) << c->Caption();
        for (const rt::Control* c : dateGroup) EXPECT_TRUE(c->Enabled());
    }
}

TEST_F(QuarnelWindowTest, BrowseShowsTheMastersDateAndACancelForgetsIt) {
    const std::string master = MakeFile("master.txt");
    quarnel::frmSettings d(window);
    ASSERT_TRUE(d.Load());
    testkit::DialogAnswerer answers;
    answers.Expect(testkit::TypeFileName(master)).Expect(testkit::Press(IDCANCEL));

    d.tbDir.PressButton("Browse");
    EXPECT_EQ(d.strMasterFile, master);
    SYSTEMTIME modified;
    ASSERT_TRUE(rt::FileModified(master, modified));
    EXPECT_EQ(d.lblDate.Caption(), rt::FormatGeneralDate(modified));
    // Local time: 04:05:06 UTC in a Berlin winter.
    EXPECT_EQ((std::vector<int>{modified.wYear, modified.wMonth, modified.wDay, modified.wHour, modified.wMinute,
                                modified.wSecond}),
              (std::vector<int>{2001, 2, 3, 5, 5, 6}));
    // Choosing a master leaves the option alone.
    EXPECT_TRUE(d.optDate[1].Value());

    d.tbDir.PressButton("Browse");
    EXPECT_EQ(d.strMasterFile, "");
    EXPECT_EQ(d.lblDate.Caption(), "");
    ASSERT_EQ(answers.Seen().size(), 2u);
    EXPECT_EQ(answers.Seen()[0].title, "Select a Master Time Stamp File");
}

TEST_F(QuarnelWindowTest, SetAttributesOnAnEmptyListSaysSoAndFocusesTheFilePane) {
    testkit::DialogAnswerer answers;
    answers.Expect(testkit::Press(IDOK));
    window.tbMain.PressButton(kSetAttributes);
    ASSERT_EQ(answers.Seen().size(), 1u);
    EXPECT_EQ(answers.Seen()[0].text, "No files in list, please add source files.");
    EXPECT_EQ(answers.Seen()[0].title, "File Attributes : File Not Found");
    EXPECT_EQ(answers.Seen()[0].icon, testkit::Icon::Warning);
    EXPECT_EQ(answers.Seen()[0].buttons, std::vector<int>{IDOK});
    EXPECT_TRUE(window.File1.HasFocus());
}

// "Set Attributes" waits in the modal dialog; Cancel, Escape and the close
// box end it with nothing applied and the list kept.
TEST_F(QuarnelWindowTest, LeavingTheDialogWithoutProceedingChangesNothing) {
    const std::string a = ListFile("a.txt", FILE_ATTRIBUTE_HIDDEN);
    const std::string b = ListFile("b.txt", FILE_ATTRIBUTE_READONLY);
    struct Case {
        const char* how;
        std::function<void(quarnel::frmSettings&)> leave;
    } cases[] = {
        {"Cancel", [](quarnel::frmSettings& d) { d.tbMain.PressButton("Cancel"); }},
        {"Escape", [](quarnel::frmSettings& d) { PostMessageA(d.txtDate.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"close box", [](quarnel::frmSettings& d) { PostMessageA(d.hwnd(), WM_CLOSE, 0, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        bool modal = false, owned = false, centred = false, fresh = false;
        WhenDialogOpens inside([&](quarnel::frmSettings& d) {
            modal = !IsWindowEnabled(window.hwnd());
            owned = GetWindow(d.hwnd(), GW_OWNER) == window.hwnd();
            RECT owner, dialog;
            GetWindowRect(window.hwnd(), &owner);
            GetWindowRect(d.hwnd(), &dialog);
            centred = std::abs((owner.left + owner.right) - (dialog.left + dialog.right)) <= 1 &&
                      std::abs((owner.top + owner.bottom) - (dialog.top + dialog.bottom)) <= 1;
            fresh = d.chkSystem.Value() == 0 && d.txtDate.Text().empty() && d.optDate[1].Value();
            d.chkSystem.SetValue(1);
            d.txtDate.SetText("2024-07-15");
            c.leave(d);
        });
        window.tbMain.PressButton(kSetAttributes);
        EXPECT_TRUE(inside.Acted());
        EXPECT_TRUE(modal) << "the list window takes no input meanwhile";
        EXPECT_TRUE(owned) << "it stays above the list window, with no taskbar button";
        EXPECT_TRUE(centred);
        EXPECT_TRUE(fresh) << "every use starts from the design";
        EXPECT_TRUE(IsWindowEnabled(window.hwnd()));
        EXPECT_EQ(window.lv1.Count(), 2);
        EXPECT_EQ(Attributes(a) & ~FILE_ATTRIBUTE_ARCHIVE, DWORD(FILE_ATTRIBUTE_HIDDEN));
        EXPECT_EQ(Attributes(b) & ~FILE_ATTRIBUTE_ARCHIVE, DWORD(FILE_ATTRIBUTE_READONLY));
        EXPECT_EQ(quarnel_test::ReadTimes(a), quarnel_test::kOldTimes);
        EXPECT_EQ(quarnel_test::ReadTimes(b), quarnel_test::kOldTimes);
    }
}

}  // namespace
