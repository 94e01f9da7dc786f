// Start-up timer: startup_timer <starts> <program.exe>... starts the programs in turn, <starts>
// rounds, and measures for each start the time from CreateProcess until the program has a
// visible top-level window and waits idle for input; then closes it. Prints one line per
// program: "<median ms> <min ms> <max ms> <path>".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK visibleWindowOf(HWND window, LPARAM data) {
    Search* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->process || !IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

double seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// Milliseconds to the idle main window, or a negative number when none came within 60 s.
double timeOneStart(const std::string& program) {
    std::string folder = program.substr(0, program.find_last_of("\\/") + 1);
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    // Detached: a console-subsystem yardstick must not pay for a console it never uses.
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process))
        return -1;
    Search search = {process.dwProcessId, nullptr};
    double elapsed = -1;
    for (;;) {
        // Idle first, then the window: a program that is idle before its window shows is not done.
        // A console-subsystem program has no idle event to wait for (the call fails at once).
        DWORD idle = WaitForInputIdle(process.hProcess, 50);
        if (idle == 0 || idle == WAIT_FAILED) {
            search.found = nullptr;
            EnumWindows(visibleWindowOf, reinterpret_cast<LPARAM>(&search));
            if (search.found) {
                QueryPerformanceCounter(&now);
                elapsed = seconds(start, now, frequency) * 1000.0;
                break;
            }
        }
        QueryPerformanceCounter(&now);
        if (seconds(start, now, frequency) > 60 || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
        Sleep(1);
    }
    if (search.found) PostMessageA(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 15000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: startup_timer <starts> <program.exe>...\n");
        return 2;
    }
    int starts = std::max(1, atoi(argv[1]));
    std::vector<std::vector<double>> times(size_t(argc - 2));
    for (int round = 0; round < starts; ++round)
        for (int p = 2; p < argc; ++p) {
            double ms = timeOneStart(argv[p]);
            if (ms < 0) {
                fprintf(stderr, "startup_timer: %s showed no idle window\n", argv[p]);
                return 1;
            }
            times[size_t(p - 2)].push_back(ms);
        }
    for (int p = 2; p < argc; ++p) {
        std::vector<double>& t = times[size_t(p - 2)];
        std::sort(t.begin(), t.end());
        printf("%.0f %.0f %.0f %s\n", t[t.size() / 2], t.front(), t.back(), argv[p]);
    }
    fflush(stdout);
    return 0;
}
