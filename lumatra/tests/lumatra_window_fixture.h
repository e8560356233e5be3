#pragma once
// lumatra's list window, shown, with a fresh folder and no stored settings.
#include <gtest/gtest.h>

#include "lumatra/frmLumatra.h"
#include "lumatra/modCommand.h"
#include "rt/app.h"
#include "rt/settings.h"
#include "testkit/temp_folder.h"

namespace lumatra_test {

class LumatraWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        rt::DeleteSetting(rt::AppTitle());
        lumatra::modCommand::SetSlideDefaults();
        window.Show();
        ASSERT_TRUE(window.IsLoaded());
    }
    void TearDown() override { rt::DeleteSetting(rt::AppTitle()); }

    testkit::TempFolder folder;
    lumatra::frmLumatra window;
};

}  // namespace lumatra_test
