#include "app/subsystem_hooks_win32.h"

#include <cstdio>
#include <vector>

#include "app/shell_events.h"

// Editor messages the shell uses before the editor subsystem takes over.
namespace {
constexpr UINT editorSetText = 2181;       // SCI_SETTEXT
}

int editorCharacterAdded(int, char* matchedWord, int cap) {
    if (matchedWord && cap > 0) matchedWord[0] = '\0';
    return 0;
}

void editorStyleNeeded(intptr_t) {}

void loadPopupMenus(AppState&) {}
void applyMenuState(AppState& app) { app.menus.pendingCommand = 0; }
void bindEditor(AppState&) {}
void buildEditorFont(AppState&) {}
void prepareSceneList(AppState&) {}
void applyEditorOptions(AppState&) {}
void loadStartupTexts(AppState&) {}

bool loadScriptIntoEditor(AppState&, const char* path) {
    FILE* in = fopen(path, "rb");
    if (!in) return false;
    std::vector<char> text;
    char block[4096];
    size_t n;
    while ((n = fread(block, 1, sizeof block, in)) > 0) text.insert(text.end(), block, block + n);
    fclose(in);
    text.push_back('\0');
    SendMessageA(windowAt(winEditor), editorSetText, 0, reinterpret_cast<LPARAM>(text.data()));
    return true;
}

void runPanelHandler(AppState&) {}

void handleControlEvents(AppState&) {
    // No control handler consumes these yet; clear them so they do not pile up.
    ShellEvents& e = shellEvents;
    e.buttonClicked = e.selectionChange = e.doubleClick = 0;
    e.notification3 = e.notification6 = e.closeUp = e.selectEndOk = e.editChanged = 0;
    e.horizontalScroll = e.lineUp = e.lineDown = e.pageUp = e.pageDown = e.thumbPosition = e.thumbTrack = 0;
    e.timer86522 = e.timer12522 = e.timer222 = e.timer2225 = e.timer25552 = 0;
    e.fileDropped = e.tabChanged = e.toolbarCommand = e.statusRefresh = 0;
    e.accelerator1550 = e.accelerator1580 = e.accelerator1582 = e.accelerator1584 = e.accelerator1586 = 0;
}

void handleKeys(AppState&) {}
void handleRightClickAndCommand(AppState&) {}
void showFilterTip(AppState&) {}

int offerToSaveScript(AppState&) { return answerNo; }
void closePlayer(AppState&) {}
