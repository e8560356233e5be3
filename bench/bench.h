#pragma once
// The benchmark driver: each file adds named sections; `filetools_bench
// [section...]` runs the named ones, or all of them.
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

namespace bench {

struct Section {
    const char* name;
    std::function<void()> run;
};

// Registers a section at start-up; returns true so it can initialise a static.
bool AddSection(const char* name, std::function<void()> run);

// Seconds since the call, for timing one step.
class Stopwatch {
public:
    Stopwatch() : start_(std::chrono::steady_clock::now()) {}
    double Seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

private:
    std::chrono::steady_clock::time_point start_;
};

// The process's peak working set in MiB.
double PeakMemoryMiB();

void Report(const char* what, double seconds, double items, const char* unit);

}  // namespace bench
