#pragma once
// The full-screen show: the listed pictures one at a time, centred at their
// own size on black, each for the delay of the settings, with pause, next
// and end on keys and mouse buttons.
#include <cstdint>
#include <optional>

#include "lumatra/slide_show.h"
#include "rt/form.h"
#include "rt/image.h"
#include "rt/label.h"
#include "rt/listview.h"
#include "rt/timer.h"

namespace lumatra {

class frmSlide : public rt::Form {
public:
    // rows: the list window's file list, read as the show goes.
    explicit frmSlide(const rt::ListView& rows);

    rt::Image imgShow;
    rt::Label lblFileName;
    rt::Timer Timer1;

    // Public so that tests can deliver them as the platform does.
    void Timer1_Timer();
    void imgShow_MouseDown(int button, int shift, float x, float y);

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyPress(int& keyAscii) override;
    void Form_MouseDown(int button, int shift, float x, float y) override;
    void Form_Unload(int& cancel) override;
    bool Form_Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void StartShow();
    void GoOn();
    // Runs show steps until one waits for its tick, or the show ends.
    void Proceed();
    // Loads and shows the row's picture; false when it did not load.
    bool ShowStep(int row);
    void ClearStep();
    void MouseButton(int button);

    const rt::ListView& rows_;
    std::int16_t bolNextSlide = 0;
    std::int16_t bolEndShow = 0;
    int screenWidth_ = 0;  // twips, read when the show starts
    int screenHeight_ = 0;
    std::optional<SlideOrder> order_;
    bool started_ = false;
    bool proceeding_ = false;
};

}  // namespace lumatra
