// A stand-in for an encoder or a tool: appends the exact command line it was given and its
// arguments to the file named by ZANDOLIN_CMDRECORDER_LOG. Arguments it understands:
// "sleep=<ms>" waits between the first and the last line of its record (so a caller that does
// not wait for it would interleave), "exit=<code>" is its exit code. It also notes the title of
// the test's main window (class "ZandolinChildTest") and whether it was minimized. When
// ZANDOLIN_CMDRECORDER_HOLD names a file, it waits after its first line until that file
// exists (at most a minute), so a test can look at the caller while it runs.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
void appendRecord(const char* logPath, const char* text) {
    FILE* log = fopen(logPath, "ab");
    if (!log) return;
    fputs(text, log);
    fclose(log);
}
}  // namespace

int main(int argc, char** argv) {
    char logPath[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("ZANDOLIN_CMDRECORDER_LOG", logPath, sizeof logPath)) return 120;
    int sleepMs = 0;
    int exitCode = 0;
    for (int i = 1; i < argc; ++i) {
        if (strncmp(argv[i], "sleep=", 6) == 0) sleepMs = atoi(argv[i] + 6);
        if (strncmp(argv[i], "exit=", 5) == 0) exitCode = atoi(argv[i] + 5);
    }
    appendRecord(logPath, "begin\n");
    char holdPath[MAX_PATH] = {};
    if (GetEnvironmentVariableA("ZANDOLIN_CMDRECORDER_HOLD", holdPath, sizeof holdPath) && holdPath[0]) {
        const DWORD start = GetTickCount();
        while (GetFileAttributesA(holdPath) == INVALID_FILE_ATTRIBUTES && GetTickCount() - start < 60000) Sleep(20);
    }
    if (sleepMs > 0) Sleep(static_cast<DWORD>(sleepMs));
    static char record[65536];
    size_t used = snprintf(record, sizeof record, "command line: %s\nargc: %d\n", GetCommandLineA(), argc);
    for (int i = 0; i < argc && used < sizeof record; ++i)
        used += snprintf(record + used, sizeof record - used, "argv[%d]: %s\n", i, argv[i]);
    HWND mainWindow = FindWindowA("ZandolinChildTest", nullptr);
    if (mainWindow && used < sizeof record) {
        char title[256] = {};
        GetWindowTextA(mainWindow, title, sizeof title);
        used += snprintf(record + used, sizeof record - used, "window: %s iconic %d\n", title,
                         IsIconic(mainWindow) ? 1 : 0);
    }
    if (used < sizeof record) snprintf(record + used, sizeof record - used, "end\n");
    appendRecord(logPath, record);
    return exitCode;
}
