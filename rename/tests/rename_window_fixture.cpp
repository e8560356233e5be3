#include "rename_window_fixture.h"

namespace rename_test {

void RenameWindowTest::SetUp() {
    window.Show();
    ASSERT_TRUE(window.IsLoaded());
}

void RenameWindowTest::ListMissingFiles(int count) {
    for (int k = 0; k < count; ++k) window.AddToList(folder / ("missing" + std::to_string(k) + ".txt"), true);
}

void RenameWindowTest::ShowFolder() {
    ASSERT_FALSE(window.Drive1.SetDrive(folder.Path()));
    ASSERT_FALSE(window.Dir1.SetPath(folder.Path()));
}

std::vector<std::string> RenameWindowTest::FilePane() const {
    std::vector<std::string> names;
    for (int i = 0; i < window.File1.ListCount(); ++i) names.push_back(window.File1.List(i));
    return names;
}

}  // namespace rename_test
