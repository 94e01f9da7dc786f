// Files dropped on the program from outside, delivered as Wine delivers a desktop drop: an
// X11 drag source (tests/e2e/xdnd) drops Unix paths on the main window.
#include <gtest/gtest.h>

#include "e2e/shell_fixture.h"
#include "support/test_env.h"

using namespace driver;
using namespace shelltest;

namespace {

using UnixName = char* (*)(const WCHAR*);

std::string unixPath(const std::string& windowsPath) {
    auto toUnix = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* name = toUnix ? toUnix(wide.c_str()) : nullptr;
    std::string result = name ? name : "";
    if (name) HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// Starts the drag source; Wine runs it as a Unix process that it does not wait on, so the
// caller polls for the drop's effect.
bool dropFiles(HWND onto, POINT client, std::initializer_list<std::string> files) {
    ClientToScreen(onto, &client);
    std::string line = "\"" + repoFolder() + "build\\native\\xdnd_drop.exe\" " + std::to_string(client.x) + " " +
                       std::to_string(client.y);
    for (const std::string& f : files) line += " \"" + unixPath(f) + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    if (process.hProcess) CloseHandle(process.hProcess);
    if (process.hThread) CloseHandle(process.hThread);
    return true;
}

}  // namespace

TEST(DroppedFiles, AScriptOpensInTheEditorAndTwoFilesAreRefused) {
    Session s;
    s.folder.write("other.avs", "Version()\r\n");
    ASSERT_TRUE(s.start("\"" + s.folder.file("clip.avs") + "\""));
    ASSERT_EQ(editorText(s.editor), script);
    RECT client;
    GetClientRect(s.main, &client);
    const POINT background = {client.right - 25, 12};

    // Two files: only the message, nothing opens.
    ASSERT_TRUE(dropFiles(s.main, background, {s.folder.file("other.avs"), s.folder.file("clip.avs")}));
    EXPECT_EQ(answerBox(s.program, "You dropped a list of files", IDOK), "Sorry, drop olny one file at a time please.");
    EXPECT_EQ(editorText(s.editor), script);

    // One script: it replaces the editor's text and becomes the source.
    ASSERT_TRUE(dropFiles(s.main, background, {s.folder.file("other.avs")}));
    EXPECT_TRUE(waitFor([&] { return editorText(s.editor) == "Version()\r\n"; }));
    EXPECT_TRUE(waitFor([&] { return s.statusPart(3) == " Source:  other.avs"; }));
    ASSERT_TRUE(s.choose(s.main, background, {"Exit"}));
    EXPECT_EQ(s.program.waitForExit(), 0);
}
