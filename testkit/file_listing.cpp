#include "testkit/file_listing.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace testkit {
namespace {

void Collect(const std::string& folder, const std::string& relative, std::map<std::string, std::string>& files) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\" + relative + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            Collect(folder, relative + name + "\\", files);
        } else {
            std::ifstream in(folder + "\\" + relative + name, std::ios::binary);
            files[relative + name].assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

}  // namespace

std::map<std::string, std::string> FilesBelow(const std::string& folder) {
    std::map<std::string, std::string> files;
    Collect(folder, "", files);
    return files;
}

}  // namespace testkit
