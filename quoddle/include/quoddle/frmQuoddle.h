#pragma once
// The player window: a black status display, the transport buttons, the
// colour swatches, the play list and track selector, the options and the
// door buttons. UpdateStatus, run every second and after each transport
// button, polls the CD device and sets everything from its answers.
#include <array>

#include "quoddle/status_poll.h"
#include "rt/buttons.h"
#include "rt/combobox.h"
#include "rt/form.h"
#include "rt/image.h"
#include "rt/label.h"
#include "rt/listbox.h"
#include "rt/picture_box.h"
#include "rt/timer.h"

namespace quoddle {

class frmQuoddle : public rt::Form {
public:
    frmQuoddle();
    ~frmQuoddle() override;

    void UpdateStatus();
    void ApplyDisplayColor();

    rt::PictureBox picStatus;
    rt::Label lblStatus;
    rt::Label lblPlay;
    rt::Label lblCDLength;
    rt::Label lblNumTracks;
    rt::Label lblTrackLength;
    rt::Label lblTrack;
    rt::Label lblTime;
    std::array<rt::PictureBox, 4> picColor;
    rt::CommandButton btnPlay;
    rt::CommandButton btnPause;
    rt::CommandButton btnStop;
    rt::CommandButton btnPreviousTrack;
    rt::CommandButton btnRewind;
    rt::CommandButton btnFastForward;
    rt::CommandButton btnNextTrack;
    rt::CommandButton btnVolume;
    rt::CommandButton btnMix;
    rt::Image imgUp;
    rt::Image imgDown;
    rt::Frame frameSep;
    rt::Label lblPlayList;
    rt::ListBox lstPlayList;
    rt::Label lblTrackSelect;
    rt::ComboBox cmbTrackNum;
    rt::CheckBox chkContinuousPlay;
    rt::CheckBox chkStopOnExit;
    rt::CheckBox chkEjectOnExit;
    rt::CheckBox chkTrayIcon;
    rt::CheckBox chkDefaultPlayer;
    rt::CheckBox chkSaveSettings;
    rt::CommandButton btnClose;
    rt::CommandButton btnEject;
    rt::CommandButton btnExit;
    rt::Timer Timer1;

    void Timer1_Timer();
    void picColor_Click(int index);
    void btnPlay_Click();
    void btnPause_Click();
    void btnStop_Click();
    void btnPreviousTrack_Click();
    void btnRewind_Click();
    void btnFastForward_Click();
    void btnNextTrack_Click();
    void cmbTrackNum_Click();
    void btnVolume_Click();
    void btnMix_Click();
    void btnClose_Click();
    void btnEject_Click();
    void btnExit_Click();
    void imgUp_Click();
    void imgDown_Click();
    void chkContinuousPlay_Click();
    void chkStopOnExit_Click();
    void chkEjectOnExit_Click();
    void chkSaveSettings_Click();
    void chkTrayIcon_Click();
    void chkDefaultPlayer_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_DblClick() override;

private:
    void ShowDisplay(const StatusDisplay& display);
    void RebuildPlayList(short tracks);
    Selection PlayListSelection() const;
    void SetOptionTabStops(bool on);
    bool Minimized() const;

    bool bolPaused = false;
    bool rebuilding_ = false;  // the selector's "1" after a rebuild does not seek
    StatusDisplay shownDisplay_;  // what the last poll put on the display
    bool displayShown_ = false;
    HBITMAP arrowUp_ = nullptr;
    HBITMAP arrowDown_ = nullptr;
};

// The program's one player window; while it is not loaded, a new one, so
// that every load starts from the design.
frmQuoddle& ThePlayer();

}  // namespace quoddle
