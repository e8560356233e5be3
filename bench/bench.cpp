#include "bench.h"

#include <string>
#include <vector>

namespace bench {
namespace {

std::vector<Section>& Sections() {
    static std::vector<Section> sections;
    return sections;
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

void Report(const char* what, double seconds, double items, const char* unit) {
    std::printf("%-58s %9.2f s %11.0f %s/s  peak %.0f MiB\n", what, seconds, seconds > 0 ? items / seconds : 0.0,
                unit, PeakMemoryMiB());
    std::fflush(stdout);
}

}  // namespace bench

namespace {

// Runs one section in a process of its own, so that its peak memory is its
// own; false when that process cannot start.
bool RunInChild(const char* name) {
    char exe[MAX_PATH] = {};
    if (!GetModuleFileNameA(nullptr, exe, MAX_PATH)) return false;
    std::string commandLine = "\"" + std::string(exe) + "\" " + name;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::fflush(stdout);
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi))
        return false;
    WaitForSingleObject(pi.hProcess, INFINITE);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> wanted(argv + 1, argv + argc);
    std::vector<const bench::Section*> chosen;
    for (const bench::Section& s : bench::Sections()) {
        bool run = wanted.empty();
        for (const std::string& w : wanted) run = run || w == s.name;
        if (run) chosen.push_back(&s);
    }
    for (const bench::Section* s : chosen) {
        if (chosen.size() > 1 && RunInChild(s->name)) continue;
        std::printf("== %s\n", s->name);
        s->run();
    }
    return 0;
}
