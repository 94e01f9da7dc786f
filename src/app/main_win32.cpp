// The entry point: builds every window and subsystem, runs the loop, tears everything down.
#include <windows.h>

#include "app/app_state_win32.h"
#include "base/bounded_text.h"
#include "base/project_addresses.h"
#include "app/message_loop_win32.h"
#include "app/session_recovery_win32.h"
#include "app/shell_events.h"
#include "app/shell_start_win32.h"
#include "app/subsystem_hooks_win32.h"
#include "app/views_layout_win32.h"
#include "editor/editor_events_win32.h"
#include "editor/editor_toolbar_win32.h"
#include "scenes/row_file.h"

namespace {

const char* const missingEditorText =
    "Sorry but Zandolin cannot run without the the file \"SciLexer.dll\".\n\n Please find a complete package "
    "for download @ ";

// The folder of the running executable. The command line gives the same folder when it
// starts with the quoted full path, as it does when the program is started normally; this
// also holds when it was started with a relative or unquoted path.
void executableFolder(char* folder, size_t cap) {
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path) {
        folder[0] = '\0';
        return;
    }
    char* slash = strrchr(path, '\\');
    if (slash) slash[1] = '\0';
    copyText(folder, cap, path);
}

HACCEL buildAccelerators() {
    const BYTE letterO = LOBYTE(VkKeyScanA('o'));
    ACCEL entries[5] = {
        {FVIRTKEY | FCONTROL, VK_TAB, 1550},
        {FVIRTKEY | FCONTROL | FSHIFT, letterO, 1580},
        {FVIRTKEY | FSHIFT, VK_RETURN, 1582},
        {FVIRTKEY | FCONTROL, VK_F1, 1584},
        {FVIRTKEY | FCONTROL | FSHIFT, '3', 1586},
    };
    return CreateAcceleratorTableA(entries, 5);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
    static AppState app;  // large: keep it off the stack
    app.instance = instance;
    app.arguments = arguments ? arguments : "";

    // avisynth.dll loads while the windows are built.
    startLoadingAvisynth();
    // 1. Windows.
    windowTable.handle[winEditor] = nullptr;
    app.windowBuilder.build(instance, mainWindowProcedure);
    // 2. Without the editing component there is nothing to run.
    if (!app.windowBuilder.editorLibraryLoaded) {
        char text[256];
        formatText(text, sizeof text, "%s%s", missingEditorText, projectDownloadPage);
        MessageBoxA(nullptr, text, "Zandolin Error", MB_OK);
        app.windowBuilder.dispose();
        return 0;
    }
    HWND main = windowAt(winMain);

    // 3. Members, in order.
    app.menus = MenuSet{};
    app.fileDialogs = FileDialogs{};
    char folder[260];
    executableFolder(folder, sizeof folder);
    app.document.setProgramFolder(folder);
    loadUserSettings(app.views, main, GetCommandLineA(), app.arguments, folder[0] ? folder : nullptr);
    setUpEditorToolbar(windowAt(winToolbar), instance);
    registerStartupTooltips(instance);
    app.sceneList.programFolder = app.views.programFolder;
    app.sceneList.owner = main;
    app.sceneList.spliceChoice = app.views.spliceChoice;
    // A new session starts with an empty scene list, unless the last run broke off and the
    // user restores its scenes.
    const bool restoringScenes = beginSession(app);
    app.panelHost.instance = instance;
    app.avisynth.start(windowTable, instance);
    loadFunctionNames(windowAt(winFilterList));

    // 4. Menus.
    loadPopupMenus(app);
    app.menus.viewCopy = app.views.currentView;
    // 5. From now on the window procedure records events.
    shellEvents.active = &windowTable;
    // 6, 7, 8. The editor.
    bindEditor(app);
    buildEditorFont(app);
    DragAcceptFiles(windowAt(winEditor), TRUE);
    // 9. Menu marks in line with the settings.
    syntaxHighlightingOn = app.views.syntaxHighlighting;
    applyStartupMenuMarks(app);
    app.menus.pendingCommand = 0;
    // 10. Scene list controls and the layout.
    prepareSceneList(app);
    initialPlacement(app);
    // 11. Accelerators.
    app.accelerators = buildAccelerators();
    // 12, 13. Editor options and start-up texts.
    applyEditorOptions(app);
    loadStartupTexts(app);
    shellEvents.editChanged = 0;
    app.views.titleMark = ' ';
    const int startView = app.views.currentView;
    app.views.currentView = viewScriptEditor;
    applyView(app);
    // 14. A script named on the command line.
    // Without a script on the command line the program shows the view it was closed in.
    const bool scriptFromCommandLine = openCommandLineScript(app);
    if (!scriptFromCommandLine) app.views.currentView = startView;
    applyView(app);
    if (restoringScenes && !scriptFromCommandLine) reopenRecoveredSource(app);
    // 15. Into the loop.
    SetFocus(main);
    app.pendingSaveAs = false;
    app.saveWaveThenEncode = false;
    app.panelOpen = false;
    app.panelStep = 0;
    app.relayoutRequested = false;
    int exitCode = runMessageLoop(app);

    // Disposal in reverse order of construction.
    app.avisynth.release();
    app.windowBuilder.dispose();
    return exitCode;
}
