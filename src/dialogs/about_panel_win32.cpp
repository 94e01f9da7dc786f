// The about box: the versions of the program, of the editing component and of AviSynth, and
// seven buttons that open help pages, folders and web pages.
#include <windows.h>
#include <shellapi.h>

#include "app/panels_win32.h"
#include "base/bounded_text.h"
#include "base/message_box.h"
#include "dialogs/about_texts.h"
#include "dialogs/panel_layouts.h"
#include "dialogs/panel_open_win32.h"

namespace {

constexpr int aboutProgramVersionId = 11100;
constexpr int aboutOpened = 99;

// The version of the editing component actually loaded, from its version resource.
void loadedEditorVersion(char* out, size_t cap) {
    if (cap) out[0] = '\0';
    HMODULE module = GetModuleHandleA("SciLexer.dll");
    if (!module) return;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));  // VS_VERSION_INFO, RT_VERSION
    if (!found) return;
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return;
    versionFromResource(static_cast<const unsigned char*>(bytes), SizeofResource(module, found), out, cap);
}

// A group box with three lines; the line positions are inside the box.
struct GroupLine {
    const char* text;
    int x, y, width;
};

void makeGroup(PanelHost& host, const char* title, int x, int y, const GroupLine (&lines)[3]) {
    host.createGroupBox(title, x, y, 320, 105);
    // The dialog font keeps the longer version lines on one line.
    for (const GroupLine& line : lines)
        useDialogFont(host, host.createStaticText(line.text, x + line.x, y + line.y, line.width, 25));
}

}  // namespace

void openAboutPanel(AppState& app) {
    int w = 0, h = 0;
    if (!beginPanel(app, panelAbout, "  about Zandolin", 1.2, w, h)) return;
    PanelHost& host = app.panelHost;
    PanelRect close = aboutCloseRect(w, h);
    HWND closeButton = host.createCancelButton(close.x, close.y, close.width, close.height);
    if (closeButton) SetWindowTextA(closeButton, "Close / Cancel");

    char programVersion[64] = {};
    LoadStringA(app.instance, aboutProgramVersionId, programVersion, sizeof programVersion);
    char programLine[96];
    formatText(programLine, sizeof programLine, "version:  %s", programVersion);
    const GroupLine programLines[3] = {{programLine, 15, 25, 280},
                                       {"Script editor and scene cutter", 50, 50, 260},
                                       {"Free software, see License and Terms", 20, 75, 290}};
    makeGroup(host, "Zandolin", 15, 10, programLines);

    char editorVersion[32];
    loadedEditorVersion(editorVersion, sizeof editorVersion);
    char editorLine[64];
    editorVersionLine(editorLine, sizeof editorLine, editorVersion);
    const GroupLine editorLines[3] = {{editorLine, 55, 25, 230},
                                      {"Editing component: the Scintilla project", 40, 50, 270},
                                      {"under its own licence (Scintilla-License.txt)", 20, 75, 295}};
    makeGroup(host, "Script Editor for Zandolin", 15, 120, editorLines);

    const char* avsText = app.avisynth.versionString;
    char avsLine[96];
    if (avsText[0]) aviSynthVersionLine(avsLine, sizeof avsLine, avsText);
    else copyText(avsLine, "AviSynth Installation / avsi Error");
    const GroupLine avsLines[3] = {{avsLine, 18, 25, avsText[0] ? 285 : 260},
                                   {"Frame server of the AviSynth project", 18, 50, 285},
                                   {"GNU General Public License", 75, 75, 230}};
    makeGroup(host, "AviSynth", 15, 230, avsLines);

    for (int i = 0; i < aboutLinkCount; ++i) {
        host.panelControls[i] = host.createTextButton(aboutLinks[i].caption, 355, aboutLinks[i].y, 195, 25);
        useDialogFont(host, host.panelControls[i]);
    }
    showPanel(app);
}

void handleAboutPanel(AppState& app) {
    PanelHost& host = app.panelHost;
    int pressed = -1;
    for (int i = 0; i < aboutLinkCount; ++i)
        if (panelButtonClicked(host.panelControls[i])) pressed = i;
    if (pressed < 0) return;
    char target[300];
    aboutLinkTarget(pressed, host.programFolder, app.views.documentationFolder, target, sizeof target);
    auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(windowAt(winMain), "open", target, nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32) {
        app.panelStep = aboutOpened;
        closePanel(app);
        return;
    }
    showMessageBox(windowAt(winMain), aboutOpenFailureText(static_cast<int>(result)), aboutLinks[pressed].failureTitle,
                   mbOk);
    app.panelStep = 0;
}

void releaseAboutPanel(AppState& app) {
    for (HWND& control : app.panelHost.panelControls) control = nullptr;
}
