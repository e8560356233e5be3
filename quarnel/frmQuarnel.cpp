#include "quarnel/frmQuarnel.h"

#include "filelist/list_pictures.h"
#include "filelist/modFileScan.h"
#include "filelist/row_cells.h"
#include "quarnel/frmSettings.h"
#include "quarnel/quarnel_pictures.h"
#include "rt/convert.h"
#include "rt/events.h"

namespace quarnel {

namespace {
filelist::ListWindowVariant QuarnelVariant() {
    filelist::ListWindowVariant v;
    v.thirdColumn = {"Attrib", "Attrib", 750};
    v.thirdCell = filelist::AttributeLetters;
    v.fileButtons = filelist::AddButtons();
    v.fileButtons.push_back({"Add Recurse", "Recurse", "Recurse Directory and Add Files", filelist::DrawRecurse, true});
    v.actionButtons = {{"Set Attributes", "Attrib", "Set File Attributes", DrawAttrib, true}};
    v.patterns = filelist::StandardPatterns();
    v.listCaption = "File List -";
    v.listCaptionWidth = 885;
    v.countLeft = 1020;
    return v;
}

// The pattern box's text split at ";", each piece as it stands (an empty one
// too); pending events run once per split.
std::vector<std::string> PatternList(const std::string& text) {
    std::vector<std::string> patterns;
    size_t start = 0;
    for (size_t semi; (semi = text.find(';', start)) != std::string::npos; start = semi + 1) {
        patterns.push_back(text.substr(start, semi - start));
        rt::DoEvents();
    }
    patterns.push_back(text.substr(start));
    return patterns;
}
}  // namespace

frmQuarnel::frmQuarnel() : filelist::ListWindow(QuarnelVariant()) {}

void frmQuarnel::AddToListRecurse() {
    // The scan yields, so "Add Recurse" can be pressed again meanwhile; that
    // second run would reset the scan result under this one.
    if (bolScanRunning_) return;
    bolScanRunning_ = true;
    struct Done {
        bool& running;
        ~Done() { running = false; }
    } done{bolScanRunning_};

    std::string text = rt::Trim(cmbFilter.Text());
    if (text.empty()) text = "*.*";
    const std::vector<std::string> patterns = PatternList(text);
    modFileScan::ResetFileScan();
    modFileScan::ScanFiles(strCurrentFilePath, patterns, true);
    const modFileScan::FileScanLists& found = modFileScan::FileScanResult;
    AddingRun run(*this);
    for (size_t i = 0; i < found.colNames.size(); ++i) {
        // A file found by two patterns is kept out the second time.
        AddToList(found.colPaths[i] + found.colNames[i], true, found.colFacts[i]);
        if ((i + 1) % 10 == 0) rt::DoEvents();
    }
}

bool frmQuarnel::FileToolAction(const std::string& tag) {
    if (tag != "Recurse") return false;
    AddToListRecurse();
    return true;
}

void frmQuarnel::MainToolAction(const std::string& tag) {
    if (tag != "Attrib" || !ListHasRowsOrSay()) return;
    frmSettings settings(*this);
    settings.ShowModal(this);
}

}  // namespace quarnel
