#pragma once
// The about box: program name and version, its description, a disclaimer.
#include "rt/buttons.h"
#include "rt/form.h"
#include "rt/image.h"
#include "rt/label.h"
#include "rt/textbox.h"

namespace foundation {

// The disclaimer, line by line as it is shown (CR LF between lines).
extern const char* const kDisclaimer;

class frmAbout : public rt::Form {
public:
    frmAbout();
    ~frmAbout() override;

    rt::Image imgAboutIcon;
    rt::Label lblAboutName;
    rt::Label lblAboutProduct;
    rt::TextBox txtAboutDisclaimer;
    rt::Frame fraAboutSep;
    rt::CommandButton btnAboutClose;

    void btnAboutClose_Click() { Unload(); }
    void imgAboutIcon_DblClick() { Unload(); }

protected:
    void Form_Load() override;
    void Form_KeyPress(int& keyAscii) override;

private:
    HBITMAP picture_ = nullptr;
};

}  // namespace foundation
