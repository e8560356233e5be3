#include "bench.h"

#include <vector>

namespace bench {
namespace {

std::vector<Section>& Sections() {
    static std::vector<Section> sections;
    return sections;
}

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fd.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

bool AddSection(const char* name, std::function<void()> run) {
    Sections().push_back({name, std::move(run)});
    return true;
}

double PeakMemoryMiB() {
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    return pmc.PeakWorkingSetSize / (1024.0 * 1024.0);
}

Scratch::Scratch(const std::string& name) {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    path_ = std::string(base) + "ftbench_" + name;
    RemoveTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
}

Scratch::~Scratch() { RemoveTree(path_); }

void WriteFile(const std::string& path, const std::string& bytes) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    if (!bytes.empty()) ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

void Report(const char* what, double seconds, double items, const char* unit) {
    std::printf("%-58s %9.2f s %11.0f %s/s  peak %.0f MiB\n", what, seconds, seconds > 0 ? items / seconds : 0.0,
                unit, PeakMemoryMiB());
    std::fflush(stdout);
}

}  // namespace bench

int main(int argc, char** argv) {
    std::vector<std::string> wanted(argv + 1, argv + argc);
    for (const bench::Section& s : bench::Sections()) {
        bool run = wanted.empty();
        for (const std::string& w : wanted) run = run || w == s.name;
        if (!run) continue;
        std::printf("== %s\n", s.name);
        s.run();
    }
    return 0;
}
