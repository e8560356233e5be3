// The player window: its design, its life (load, activate, resize, unload)
// and the one-second poll.
#include "quoddle/frmQuoddle.h"

#include <memory>

#include "foundation/main_window.h"
#include "quoddle/default_player.h"
#include "quoddle/modCommand.h"
#include "quoddle/modMCI32Api.h"
#include "quoddle/player_pictures.h"
#include "rt/app.h"
#include "rt/settings.h"

namespace quoddle {

using namespace modCommand;
using namespace modMCI32Api;

namespace {

rt::FormDesign PlayerDesign() {
    rt::FormDesign d;
    d.clientWidth = 4545;
    d.clientHeight = 3660;
    d.border = rt::Border::FixedSingle;
    d.keyPreview = true;
    d.minButton = true;
    d.maxButton = false;
    d.icon = DrawDisc;
    d.fontName = "Small Fonts";
    d.fontSize = 6.75f;
    return d;
}

constexpr rt::LabelOptions kDisplayLabel{.transparent = true};
constexpr int kArrowPixels = 10;

// Green, white, red and cyan.
constexpr COLORREF kSwatches[4] = {0x00FF00, 0xFFFFFF, 0x0000FF, 0xFFFF00};

}  // namespace

frmQuoddle& ThePlayer() {
    // Each creation starts from the design, as a window made afresh should.
    static std::unique_ptr<frmQuoddle> player;
    if (!player || !player->IsLoaded()) player = std::make_unique<frmQuoddle>();
    return *player;
}

frmQuoddle::frmQuoddle()
    : rt::Form(PlayerDesign()),
      picStatus(rt::PictureBoxStyle{.backColor = RGB(0, 0, 0)}),
      lblStatus(kDisplayLabel),
      lblPlay(kDisplayLabel),
      lblCDLength(kDisplayLabel),
      lblNumTracks(kDisplayLabel),
      lblTrackLength(kDisplayLabel),
      lblTrack(kDisplayLabel),
      lblTime(kDisplayLabel),
      picColor{rt::PictureBox({.backColor = kSwatches[0]}), rt::PictureBox({.backColor = kSwatches[1]}),
               rt::PictureBox({.backColor = kSwatches[2]}), rt::PictureBox({.backColor = kSwatches[3]})},
      btnPlay(rt::IconFor(DrawPlay, 32)),
      btnPause(rt::IconFor(DrawPause, 32)),
      btnStop(rt::IconFor(DrawStop, 32)),
      lstPlayList(rt::ListSelection::MultiToggle),
      cmbTrackNum({}, rt::ComboStyle::DropDownList),
      chkContinuousPlay(1),
      chkStopOnExit(1),
      chkTrayIcon(1),
      Timer1(rt::TimerDesign{.interval = 1000, .enabled = true}) {
    // left, top, width, height, caption, tab index, tooltip; the display's labels inside picStatus
    Place(picStatus, {60, 60, 1605, 1545});
    const auto inDisplay = [this](rt::ControlDesign d) { return d.In(picStatus); };
    const auto large = [this](rt::ControlDesign d) { return d.WithFont("MS Sans Serif", 13.5f).In(picStatus); };
    Place(lblStatus, inDisplay({60, 60, 1395, 165, "Status:"}));
    Place(lblPlay, inDisplay({60, 270, 1395, 165, "Action:"}));
    Place(lblCDLength, inDisplay({60, 480, 1395, 165, "CD Time: 000:00"}));
    Place(lblNumTracks, inDisplay({60, 690, 1395, 165, "Tracks: 000"}));
    Place(lblTrackLength, inDisplay({60, 900, 1395, 165, "Track Time: 00:00"}));
    Place(lblTrack, large({60, 1080, 600, 360, "[000]"}));
    Place(lblTime, large({750, 1080, 735, 360, "00:00"}));
    for (int i = 0; i < 4; ++i) {
        Place(picColor[i], {90 + 390 * i, 1620, 375, 165});
        picColor[i].Click = [this, i] { picColor_Click(i); };
    }
    Place(btnPlay, {1740, 60, 915, 915, "&Play", 0, "Play"});
    Place(btnPause, {2670, 60, 885, 915, "Pa&use", 1, "Pause"});
    Place(btnStop, {3570, 60, 915, 915, "&Stop", 2, "Stop"});
    Place(btnPreviousTrack, {1740, 1080, 675, 315, "|<", 3, "Previous Track"});
    Place(btnRewind, {2430, 1080, 675, 315, "<<", 4, "Rewind"});
    Place(btnFastForward, {3120, 1080, 675, 315, ">>", 5, "Fast Forward"});
    Place(btnNextTrack, {3810, 1080, 675, 315, ">|", 6, "Next Track"});
    Place(btnVolume, {1740, 1470, 675, 315, "&Volume", 7, "CD Volume"});
    Place(btnMix, {2430, 1470, 675, 315, "&Mix", 8, "Sound Mixer"});
    Place(imgUp, {3390, 1560, 150, 150, "", -1, "Shrink Player"});
    Place(imgDown, {4080, 1560, 150, 150, "", -1, "Enlarge Player"});
    Place(frameSep, {0, 1770, 4545, 135});
    Place(lblPlayList, {1740, 1950, 1395, 195, "Play List"});
    Place(lstPlayList, {1740, 2160, 1395, 1425, "", 15});
    Place(lblTrackSelect, {3240, 1950, 1215, 195, "Track Select"});
    Place(cmbTrackNum, {3240, 2160, 1215, 0, "", 16});
    Place(chkContinuousPlay, {60, 2190, 1605, 195, "Continuous Play", 9});
    Place(chkStopOnExit, {60, 2430, 1605, 195, "Stop Upon Exit", 10});
    Place(chkEjectOnExit, {60, 2670, 1605, 195, "Eject Upon Exit", 11});
    Place(chkTrayIcon, {60, 2910, 1605, 195, "Show Tray Icon", 12});
    Place(chkDefaultPlayer, {60, 3150, 1605, 195, "Default CD Player", 13});
    Place(chkSaveSettings, {60, 3390, 1605, 195, "Save Settings", 14});
    Place(btnClose, {3270, 2610, 1215, 315, "&Close CD", 17, "Close CD Tray"});
    Place(btnEject, {3270, 2940, 1215, 315, "&Eject CD", 18, "Eject CD Tray"});
    Place(btnExit, {3270, 3270, 1215, 315, "E&xit", 19, "Back To Tray"});
    Place(Timer1, {});

    Timer1.Tick = [this] { Timer1_Timer(); };
    btnPlay.Click = [this] { btnPlay_Click(); };
    btnPause.Click = [this] { btnPause_Click(); };
    btnStop.Click = [this] { btnStop_Click(); };
    btnPreviousTrack.Click = [this] { btnPreviousTrack_Click(); };
    btnRewind.Click = [this] { btnRewind_Click(); };
    btnFastForward.Click = [this] { btnFastForward_Click(); };
    btnNextTrack.Click = [this] { btnNextTrack_Click(); };
    btnVolume.Click = [this] { btnVolume_Click(); };
    btnMix.Click = [this] { btnMix_Click(); };
    imgUp.Click = [this] { imgUp_Click(); };
    imgDown.Click = [this] { imgDown_Click(); };
    cmbTrackNum.Click = [this] { cmbTrackNum_Click(); };
    chkContinuousPlay.Click = [this] { chkContinuousPlay_Click(); };
    chkStopOnExit.Click = [this] { chkStopOnExit_Click(); };
    chkEjectOnExit.Click = [this] { chkEjectOnExit_Click(); };
    chkTrayIcon.Click = [this] { chkTrayIcon_Click(); };
    chkDefaultPlayer.Click = [this] { chkDefaultPlayer_Click(); };
    chkSaveSettings.Click = [this] { chkSaveSettings_Click(); };
    btnClose.Click = [this] { btnClose_Click(); };
    btnEject.Click = [this] { btnEject_Click(); };
    btnExit.Click = [this] { btnExit_Click(); };
}

frmQuoddle::~frmQuoddle() {
    if (arrowUp_) DeleteObject(arrowUp_);
    if (arrowDown_) DeleteObject(arrowDown_);
}

void frmQuoddle::Form_Load() {
    SetCaption(rt::AppTitleWithVersion());
    lngFormHeight = Height();
    // The arrows are made once and kept for every later load.
    if (!arrowUp_) arrowUp_ = MakeArrowPicture(true, kArrowPixels);
    if (!arrowDown_) arrowDown_ = MakeArrowPicture(false, kArrowPixels);
    imgUp.SetPicture(arrowUp_);
    imgDown.SetPicture(arrowDown_);

    for (int i = 0; i < 4; ++i)
        if (picColor[i].BackColor() == static_cast<COLORREF>(lngColorCode)) picColor_Click(i);
    chkContinuousPlay.SetValue(intContinuousPlay);
    chkStopOnExit.SetValue(intStopOnExit);
    chkEjectOnExit.SetValue(intEjectOnExit);
    chkTrayIcon.SetValue(intTrayIcon);
    chkSaveSettings.SetValue(intSaveSettings);
    chkDefaultPlayer.SetValue(defaultPlayer::IsDefaultPlayer() ? 1 : 0);
    InitCD();
    UpdateStatus();
}

void frmQuoddle::Form_Activate() { bolMainOpen = true; }

void frmQuoddle::Form_Resize() {
    if (!Minimized()) SetCaption(rt::AppTitleWithVersion());
}

void frmQuoddle::Form_Unload(int& cancel) {
    (void)cancel;
    bolMainOpen = false;
    if (TrayMode()) {
        // The program lives on in the tray; a playing disc plays on unless told.
        if (!IsPlaying())
            CloseAll();
        else if (IsPlaying() && (intStopOnExit == 1 || intEjectOnExit == 1))
            ExitCD(intStopOnExit != 0, intEjectOnExit != 0);
        return;
    }
    ExitCD(intStopOnExit != 0, intEjectOnExit != 0);
    if (intSaveSettings == 1)
        SaveSettings();
    else
        rt::DeleteSetting(rt::AppTitle(), kSettingsSection);
    EndProgram();
}

void frmQuoddle::Form_KeyDown(int& keyCode, int shift) { foundation::MainWindow_KeyDown(*this, keyCode, shift); }

void frmQuoddle::Form_DblClick() { foundation::MainWindow_DblClick(*this); }

void frmQuoddle::Timer1_Timer() { UpdateStatus(); }

bool frmQuoddle::Minimized() const { return WindowState() == rt::WindowState::Minimized; }

void frmQuoddle::UpdateStatus() {
    const DeviceStatus device = PollDevice();
    if (device.state == DiscState::Ready && device.playing) bolPaused = false;
    const StatusDisplay display = DisplayFor(device, bolPaused);
    ShowDisplay(display);
    // The device is opened again on every poll until a disc answers.
    if (device.state == DiscState::Missing) InitCD();
    if (Minimized()) SetCaption(rt::AppTitle() + display.minimizedSuffix);
    if (device.state != DiscState::Ready) return;

    if (cmbTrackNum.ListCount() != device.tracks) RebuildPlayList(device.tracks);
    if (device.playing && lstPlayList.SelCount() == 0 && lstPlayList.ListCount() > 0) lstPlayList.SetSelected(0, true);
    if (SkipsCurrentTrack(device, PlayListSelection())) btnNextTrack_Click();
    if (RestartsDisc(device, intContinuousPlay, bolPaused)) PlayTrack(1);
}

// Most polls find the display as it is: only what changed since the last
// one goes to the window system.
void frmQuoddle::ShowDisplay(const StatusDisplay& d) {
    const bool all = !displayShown_;
    const StatusDisplay& was = shownDisplay_;
    const std::pair<rt::Label*, std::string StatusDisplay::*> texts[] = {
        {&lblStatus, &StatusDisplay::status},           {&lblPlay, &StatusDisplay::action},
        {&lblCDLength, &StatusDisplay::cdLength},       {&lblNumTracks, &StatusDisplay::numTracks},
        {&lblTrackLength, &StatusDisplay::trackLength}, {&lblTrack, &StatusDisplay::track},
        {&lblTime, &StatusDisplay::time}};
    for (const auto& [label, text] : texts)
        if (all || d.*text != was.*text) label->SetCaption(d.*text);
    if (all || d.playEnabled != was.playEnabled) btnPlay.SetEnabled(d.playEnabled);
    if (all || d.transportEnabled != was.transportEnabled)
        for (rt::CommandButton* b : {&btnStop, &btnPause, &btnPreviousTrack, &btnRewind, &btnFastForward, &btnNextTrack})
            b->SetEnabled(d.transportEnabled);
    if (!d.listsEnabled) {
        if (lstPlayList.ListCount() > 0) lstPlayList.Clear();
        if (cmbTrackNum.ListCount() > 0) cmbTrackNum.Clear();
    }
    if (all || d.listsEnabled != was.listsEnabled)
        for (rt::Control* c : std::initializer_list<rt::Control*>{&lstPlayList, &cmbTrackNum, &btnVolume, &btnMix})
            c->SetEnabled(d.listsEnabled);
    shownDisplay_ = d;
    displayShown_ = true;
}

void frmQuoddle::RebuildPlayList(short tracks) {
    lstPlayList.Clear();
    cmbTrackNum.Clear();
    for (short i = 1; i <= tracks; ++i) {
        lstPlayList.AddItem(PlayListEntry(i, GetTrackLength(i, true)));
        lstPlayList.SetSelected(i - 1, true);
        cmbTrackNum.AddItem(std::to_string(i));
    }
    if (cmbTrackNum.ListCount() == 0) return;
    lstPlayList.SetListIndex(0);
    rebuilding_ = true;
    cmbTrackNum.SetListIndex(0);
    rebuilding_ = false;
}

Selection frmQuoddle::PlayListSelection() const {
    Selection selected(lstPlayList.ListCount());
    for (int i = 0; i < lstPlayList.ListCount(); ++i) selected[i] = lstPlayList.Selected(i);
    return selected;
}

void frmQuoddle::ApplyDisplayColor() {
    for (rt::Label* l : {&lblStatus, &lblPlay, &lblCDLength, &lblNumTracks, &lblTrackLength, &lblTrack, &lblTime})
        l->SetForeColor(static_cast<COLORREF>(lngColorCode));
}

void frmQuoddle::picColor_Click(int index) {
    lngColorCode = static_cast<long>(picColor[index].BackColor());
    ApplyDisplayColor();
}

}  // namespace quoddle
