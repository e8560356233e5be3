// A folder of 20,000 files, as a camera card or a download folder holds:
// the file pane filled for it ("panes") and "Add All" and "Add" of its files
// ("addall"), each beside its floor measured in the same run. Best of three
// rounds for every figure.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "bench.h"
#include "quarnel/frmQuarnel.h"
#include "rt/events.h"
#include "testkit/temp_folder.h"

namespace {

constexpr int kFiles = 20000;
constexpr int kHiddenFiles = 200;  // beside the 20,000, shown only with "Show Hidden Files"
constexpr int kRounds = 3;

// Names in no particular order and of mixed case, so the sort has work to do.
std::string NameOf(int i) {
    static const char* const kStems[] = {"IMG_", "Photo ", "dsc", "Holiday-", "scan_"};
    static const char* const kEndings[] = {".jpg", ".gif", ".JPG"};
    return kStems[i % 5] + std::to_string((i * 7919) % 100003) + kEndings[i % 3];
}

struct BigFolder {
    testkit::TempFolder scratch;
    std::string path = scratch.Path() + "\\big";
    std::string empty = scratch.MakeFolder("empty");

    BigFolder() {
        CreateDirectoryA(path.c_str(), nullptr);
        bench::Stopwatch making;
        for (int i = 0; i < kFiles; ++i) testkit::WriteFileBytes(path + "\\" + NameOf(i), "x");
        for (int h = 0; h < kHiddenFiles; ++h) {
            const std::string hidden = path + "\\" + NameOf(kFiles + h);
            testkit::WriteFileBytes(hidden, "x");
            SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
        }
        std::printf("a folder of %d files (and %d hidden ones) made in %.1f s\n", kFiles, kHiddenFiles,
                    making.Seconds());
    }
};

// The least seconds of kRounds runs of timed, each after an untimed prepare.
template <class Prepare, class Timed>
double BestOf(Prepare prepare, Timed timed) {
    double best = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        prepare();
        bench::Stopwatch watch;
        timed();
        best = std::min(best, watch.Seconds());
    }
    return best;
}

void NoPreparation() {}

// Lets every pending event run, so a measurement starts with an idle queue.
void Settle() {
    for (int i = 0; i < 20; ++i) rt::DoEvents();
}

std::vector<std::string> ListingOf(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN))) names.push_back(data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}

// The platform's own sorted list box beside the file pane, filled with the names.
void FillSortedListBox(HWND parent, const std::vector<std::string>& names) {
    HWND box = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_SORT | LBS_NOTIFY | LBS_EXTENDEDSEL, 0, 0,
                               200, 200, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    SendMessageA(box, LB_INITSTORAGE, names.size(), names.size() * 16);
    for (const std::string& n : names) SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(n.c_str()));
    SendMessageA(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
    UpdateWindow(box);
    DestroyWindow(box);
}

void Line(const char* what, double seconds, double floor) {
    bench::Report(what, seconds, kFiles, "files");
    std::printf("  %.2fx of the floor\n", seconds / floor);
}

// The start of the window minus its start in an empty folder: the pane's share.
double StartShare(const BigFolder& folder) {
    auto start = [](const std::string& in) {
        SetCurrentDirectoryA(in.c_str());
        return BestOf(NoPreparation, [] {
            quarnel::frmQuarnel window;
            window.Show();
            UpdateWindow(window.hwnd());
        });
    };
    const double empty = start(folder.empty), big = start(folder.path);
    std::printf("window start: %.3f s in an empty folder, %.3f s in the big one\n", empty, big);
    return big - empty;
}

const bool panes = bench::AddSection("panes", [] {
    BigFolder folder;
    quarnel::frmQuarnel window;
    window.Show();
    Settle();

    std::vector<std::string> names;
    const double listing = BestOf(NoPreparation, [&] { names = ListingOf(folder.path); });
    bench::Report("floor: FindFirstFileA/FindNextFileA listing", listing, kFiles, "files");
    const double fill = BestOf(Settle, [&] { FillSortedListBox(window.hwnd(), names); });
    bench::Report("floor: sorted LISTBOX filled with the names", fill, kFiles, "files");
    const double floor = listing + fill;
    bench::Report("floor: both", floor, kFiles, "files");

    std::vector<double> figures;
    auto measure = [&](const char* what, double seconds) {
        Line(what, seconds, floor);
        figures.push_back(seconds);
    };
    measure("file pane at the window's start", StartShare(folder));
    // Each change from the state the first step sets, timed in the second.
    // The second pattern is "*.jpg;*.gif;*.bmp": three listings.
    auto folderIn = [&](const std::string& f) { return [&window, f] { window.Dir1.SetPath(f); }; };
    auto pattern = [&](int index) { return [&window, index] { window.cmbFilter.SetListIndex(index); }; };
    auto hidden = [&](int value) { return [&window, value] { window.chkHidden.SetValue(value); }; };
    const struct {
        const char* what;
        std::function<void()> from, to;
    } changes[] = {
        {"file pane on a folder change", folderIn(folder.empty), folderIn(folder.path)},
        {"file pane on a pattern change to three patterns", pattern(0), pattern(1)},
        {"file pane on a pattern change back to *.*", pattern(1), pattern(0)},
        {"file pane on ticking \"Show Hidden Files\"", hidden(0), hidden(1)},
        {"file pane on clearing \"Show Hidden Files\"", hidden(1), hidden(0)},
    };
    for (const auto& change : changes) {
        measure(change.what, BestOf(
                                 [&] {
                                     change.from();
                                     Settle();
                                 },
                                 [&] {
                                     change.to();
                                     UpdateWindow(window.hwnd());
                                 }));
    }
    std::printf("panes: %.1fx of the floor\n", *std::max_element(figures.begin(), figures.end()) / floor);
});

// The platform's report list view with the window's four columns.
HWND BareListView(HWND parent) {
    HWND view = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 400,
                                200, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    for (int i = 0; i < 4; ++i) {
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        col.cx = 80;
        col.pszText = const_cast<char*>("column");
        col.iSubItem = i;
        SendMessageA(view, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&col));
    }
    return view;
}

// Rows of the path and three cells appended to a bare list view, redraw off.
void InsertRows(HWND parent, const std::vector<std::string>& paths) {
    HWND view = BareListView(parent);
    SendMessageA(view, WM_SETREDRAW, FALSE, 0);
    SendMessageA(view, LVM_SETITEMCOUNT, paths.size(), 0);
    char size[] = "0000000001", date[] = "12/11/2026 10:30:00 AM", attributes[] = "A";
    char* cells[] = {size, date, attributes};
    for (size_t i = 0; i < paths.size(); ++i) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<char*>(paths[i].c_str());
        const int at = static_cast<int>(SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        for (int c = 0; c < 3; ++c) {
            LVITEMA cell{};
            cell.iSubItem = c + 1;
            cell.pszText = cells[c];
            SendMessageA(view, LVM_SETITEMTEXTA, at, reinterpret_cast<LPARAM>(&cell));
        }
    }
    SendMessageA(view, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(view, nullptr, TRUE);
    UpdateWindow(view);
    DestroyWindow(view);
}

const bool addall = bench::AddSection("addall", [] {
    BigFolder folder;
    SetCurrentDirectoryA(folder.path.c_str());
    quarnel::frmQuarnel window;
    window.Show();
    Settle();
    const int listed = window.File1.ListCount();
    std::vector<std::string> paths;
    for (int i = 0; i < listed; ++i) paths.push_back(window.strCurrentFilePath + window.File1.List(i));

    const double queries = BestOf(NoPreparation, [&] {
        WIN32_FILE_ATTRIBUTE_DATA data;
        for (const std::string& p : paths) GetFileAttributesExA(p.c_str(), GetFileExInfoStandard, &data);
    });
    bench::Report("floor: GetFileAttributesExA per file", queries, listed, "files");
    const double inserts = BestOf(Settle, [&] { InsertRows(window.hwnd(), paths); });
    bench::Report("floor: rows inserted into a bare list view", inserts, listed, "rows");
    const int yieldCount = (listed + 9) / 10;
    const double yields = BestOf(Settle, [&] {
        for (int i = 0; i < yieldCount; ++i) rt::DoEvents();
    });
    bench::Report("floor: empty yields, one per tenth file", yields, yieldCount, "yields");
    const double floor = queries + inserts + yields;
    bench::Report("floor: all three", floor, listed, "files");

    auto press = [&](const char* tag) {
        for (int b = 1; b <= window.tbfile.ButtonCount(); ++b)
            if (window.tbfile.Button(b).tag == tag) window.tbfile_ButtonClick(window.tbfile.Button(b));
        UpdateWindow(window.hwnd());
    };
    auto emptyList = [&] {
        window.RemoveFromList(true);
        Settle();
    };
    const double all = BestOf(emptyList, [&] { press("AddAll"); });
    Line("\"Add All\" through the file toolbar", all, floor);
    std::printf("  %d rows, count label \"%s\"\n", window.lv1.Count(), window.lblFiles.Caption().c_str());
    const double selected = BestOf(
        [&] {
            emptyList();
            SendMessageA(window.File1.hwnd(), LB_SETSEL, TRUE, -1);
        },
        [&] { press("Add"); });
    Line("\"Add\" with every file selected", selected, floor);
    std::printf("addall: %.1fx of the floor\n", std::max(all, selected) / floor);
});

}  // namespace
