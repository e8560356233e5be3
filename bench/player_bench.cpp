// quoddle's one-second poll against the virtual drive: the cost of one
// UpdateStatus and the MCI commands it sends, then the player's CPU use over
// a minute of playing with its window shown.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench.h"
#include "quoddle/frmQuoddle.h"
#include "quoddle/mci_send.h"
#include "quoddle/modCommand.h"
#include "quoddle/modMCI32Api.h"
#include "quoddle/status_poll.h"
#include "rt/events.h"

namespace {

modMCI32Api::MciSendStringFunction g_platform = nullptr;
unsigned long g_commands = 0;

MCIERROR WINAPI CountingSend(LPCSTR command, LPSTR reply, UINT length, HWND callback) {
    ++g_commands;
    return g_platform(command, reply, length, callback);
}

double Milliseconds(const FILETIME& t) {
    ULARGE_INTEGER v;
    v.LowPart = t.dwLowDateTime;
    v.HighPart = t.dwHighDateTime;
    return v.QuadPart / 10000.0;
}

double ThreadCpuMs() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    return Milliseconds(kernel) + Milliseconds(user);
}

double ProcessCpuMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return Milliseconds(kernel) + Milliseconds(user);
}

void Polls() {
    quoddle::modCommand::SetEndFunction([] {});
    quoddle::frmQuoddle& player = quoddle::ThePlayer();
    player.Show();
    player.btnPlay_Click();
    player.Timer1.SetEnabled(false);
    g_platform = modMCI32Api::SetMciSendString(CountingSend);

    const int n = 1000;
    std::vector<double> wall(n), cpu(n);
    LARGE_INTEGER frequency, before, after;
    QueryPerformanceFrequency(&frequency);
    g_commands = 0;
    for (int i = 0; i < n; ++i) {
        const double cpuBefore = ThreadCpuMs();
        QueryPerformanceCounter(&before);
        player.UpdateStatus();
        QueryPerformanceCounter(&after);
        cpu[i] = ThreadCpuMs() - cpuBefore;
        wall[i] = (after.QuadPart - before.QuadPart) * 1000.0 / frequency.QuadPart;
    }
    const unsigned long commands = g_commands;
    // The device's part alone: the same queries without the window.
    const double deviceBefore = ThreadCpuMs();
    for (int i = 0; i < n; ++i) quoddle::PollDevice();
    const double deviceCpu = (ThreadCpuMs() - deviceBefore) / n;
    modMCI32Api::SetMciSendString(nullptr);
    std::vector<double> sorted = wall;
    std::sort(sorted.begin(), sorted.end());
    double cpuTotal = 0;
    for (double c : cpu) cpuTotal += c;
    std::printf("UpdateStatus, 1,000 polls of a playing disc: median %.3f ms, max %.3f ms (wall)\n", sorted[n / 2],
                sorted[n - 1]);
    std::printf("  CPU %.3f ms a poll on average, of which the device's queries %.3f ms; %.1f MCI commands a poll\n",
                cpuTotal / n, deviceCpu, static_cast<double>(commands) / n);

    player.Timer1.SetEnabled(true);
    const double processBefore = ProcessCpuMs();
    bench::Stopwatch minute;
    // Sleeps until a message comes, as the program's own loop does.
    while (minute.Seconds() < 60) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        rt::DoEvents();
    }
    const double used = ProcessCpuMs() - processBefore;
    std::printf("One minute of playing with the window shown: CPU %.0f ms (%.2f %% of one core)\n", used,
                used / 600.0);
    std::fflush(stdout);
    modMCI32Api::ExitCD(true, false);
    player.Unload();
}

const bool registered = bench::AddSection("player", [] { Polls(); });

}  // namespace
