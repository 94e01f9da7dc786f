#include <windows.h>

#include <vector>

#include "encoding/child_process.h"

bool runAndWait(WindowHandle mainWindow, const char* commandLine) {
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    const char* text = commandLine ? commandLine : "";
    std::vector<char> command(text, text + lstrlenA(text) + 1);
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    ZeroMemory(&process, sizeof process);
    bool started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &process) != 0;
    if (!started) {
        showMessageBox(mainWindow, "Create External Process failed.", "Launch Paired Encoder", mbOk);
        return false;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return true;
}
