#include "glimtor/program_state.h"

namespace glimtor {

std::string strCurrentFilePath;
bool bolFullSizeFromMain = false;

}  // namespace glimtor
