#pragma once
// What glimtor's windows share across the program.
#include <string>

namespace glimtor {

// The folder pane's path, always ending in "\"; the main window keeps it.
extern std::string strCurrentFilePath;
// True only while ShowFullSize has the viewer open.
extern bool bolFullSizeFromMain;

}  // namespace glimtor
