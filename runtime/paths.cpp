#include "rt/paths.h"

#include <cctype>

namespace rt {

std::string WithBackslash(const std::string& folder) {
    return !folder.empty() && folder.back() == '\\' ? folder : folder + "\\";
}

std::string WithoutBackslash(std::string folder) {
    while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
    return folder;
}

char DriveLetterOf(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0])))
        return static_cast<char>(std::tolower(static_cast<unsigned char>(path[0])));
    return 0;
}

}  // namespace rt
