#include "app/keys_win32.h"

#include <commctrl.h>

#include <cstring>

#include "app/command_helpers_win32.h"
#include "app/commands_win32.h"
#include "app/key_actions.h"
#include "app/panels_win32.h"
#include "app/scene_list_refresh_win32.h"
#include "app/shell_events.h"
#include "app/subsystem_hooks_win32.h"
#include "app/views_layout_win32.h"
#include "editor/editor_assist.h"
#include "editor/editor_events_win32.h"
#include "editor/script_editor.h"

namespace {

constexpr unsigned callTipSetBack = 2205;
constexpr int cursorNormal = -1, cursorArrow = 2;
constexpr int filterListTipColour = 51200;
const char* const filterListTip =
    " use arrows or mouse to\n select - press enter or\n left mouse button to\n insert function name or\n press tab to "
    "open parameter \n dialog ";

// Ctrl+Tab dropped the list down itself; its close-up must not end the mode it began.
bool ctrlTabJustPressed = false;

// The filter picker's word: the one the last typed character matched.
const char* typedWord() { return shellEvents.characterMatch ? editorAssist.tip.word : ""; }

void neutralise(AppState& app) {
    app.currentMessage.message = 0;
    app.currentMessage.wParam = 0;
}

void setStatusPart(int part, const char* text) {
    if (HWND status = windowAt(winStatusBar)) SendMessageA(status, SB_SETTEXTA, part, reinterpret_cast<LPARAM>(text));
}

void emptyTypedWord() {
    editorAssist.tip.word[0] = '\0';
    shellEvents.characterMatch = 0;
}

void selectTypedWordInEditor() {
    scriptEditor.call(sciSetSel, editorAssist.tip.wordStart, static_cast<intptr_t>(scriptEditor.caret()));
}

void leaveFilterListMode(AppState& app, bool focusEditor) {
    app.views.filterListActive = false;
    scriptEditor.call(sciSetCursor, static_cast<uintptr_t>(cursorNormal));
    if (focusEditor) SetFocus(windowAt(winEditor));
}

void enterFilterListMode(AppState& app) {
    SetCursorPos(100, 100);
    scriptEditor.call(sciSetCursor, cursorArrow);
    if (strlen(typedWord()) > 1) selectTypedWordInEditor();
    app.views.filterListActive = true;
    emptyTypedWord();
    HWND list = windowAt(winFilterList);
    SetFocus(list);
    SendMessageA(list, CB_SHOWDROPDOWN, TRUE, 0);
    if (app.views.beginnerTips) {
        scriptEditor.call(callTipSetBack, filterListTipColour);
        scriptEditor.callText(sciCallTipShow, 0, filterListTip);
    }
}

void toggleFilterListMode(AppState& app) {
    const int view = app.views.currentView;
    if (view == viewVideoEditor || view == viewMediaViewer) return;
    if (app.avisynth.status.functionListState == 0) return;
    if (!app.views.filterListActive) {
        if (app.panelOpen) return;
        ctrlTabJustPressed = true;
        enterFilterListMode(app);
    } else {
        leaveFilterListMode(app, true);
        updateStatusBar(app);
    }
}

// Inserts the picked function and gives the editor back.
void insertPickedFunction(AppState& app) {
    insertSelectedFilter();
    leaveFilterListMode(app, true);
    updateStatusBar(app);
    cancelTip();
}

void openParametersForPicked(AppState& app) {
    cancelTip();
    if (!readSelectedFilter()) return;
    app.avisynth.lookUpParameters(editorAssist.selectedFilter, editorAssist.selectedPlugin);
    openFilterParameterPanel(app);
}

void handleAccelerators(AppState& app) {
    ShellEvents& e = shellEvents;
    if (e.accelerator1550) toggleFilterListMode(app);
    if (e.accelerator1580) {
        // Inside the filter parameter panel the name goes into the box being edited.
        HWND focus = GetFocus();
        char kind[16] = {};
        if (focus) GetClassNameA(focus, kind, sizeof kind);
        if (!app.panelOpen) requestCommandFromKey(app, 20020);
        else if (app.panelKind == panelFilterParameters && _stricmp(kind, "Edit") == 0) insertFileNameInto(app, focus);
    }
    if (e.accelerator1582) {
        insertPickedFunction(app);
        KillTimer(windowAt(winMain), timerFunctionTip);
    }
    if (e.accelerator1584) requestCommandFromKey(app, 10021);
    if (e.accelerator1586 && (app.views.currentView == viewScriptEditor || app.views.currentView == viewScriptPreview))
        requestCommandFromKey(app, 5001);
    e.accelerator1550 = e.accelerator1580 = e.accelerator1582 = e.accelerator1584 = e.accelerator1586 = 0;
}

// A character typed while the filter list has the keyboard.
void filterListCharacter(AppState& app) {
    MSG& m = app.currentMessage;
    if (m.message != WM_CHAR || GetFocus() != windowAt(winFilterList)) return;
    char name[32] = {};
    GetKeyNameTextA(static_cast<LONG>(m.lParam), name, sizeof name);
    if (strcmp(name, "Esc") == 0) {
        toggleFilterListMode(app);
        cancelTip();
    } else if (strcmp(name, "Enter") == 0 || strcmp(name, "Num Enter") == 0) {
        insertPickedFunction(app);
    } else if (strcmp(name, "Tab") == 0) {
        openParametersForPicked(app);
    } else if (app.views.filterListActive) {
        onFilterSearchKey(name);
        neutralise(app);
    }
}

void seek(AppState& app, const KeyStep& step) {
    if (!clipLoaded(app)) return;
    app.player.seekToFrame(seekTarget(app.currentFrame, step, app.player.framesPerSecond()));
    readFrameBack(app);
    releasePlayButton(app);
}

void shortenTypedWord(AppState& app) {
    char* word = editorAssist.tip.word;
    size_t n = strlen(word);
    if (n > 0) word[n - 1] = '\0';
    if (!word[0]) shellEvents.characterMatch = 0;
    setStatusPart(2, word);
    if (!word[0]) updateStatusBar(app);
}

void pickTypedFunction(AppState& app) {
    KillTimer(windowAt(winMain), timerFunctionTip);
    cancelTip();
    neutralise(app);
    leaveFilterListMode(app, false);
    selectTypedWordInEditor();
    if (readSelectedFilter())
        app.avisynth.lookUpParameters(editorAssist.selectedFilter, editorAssist.selectedPlugin);
    emptyTypedWord();
    openFilterParameterPanel(app);
}

void perform(AppState& app, const KeyStep& step) {
    switch (step.action) {
    case keySeekFrames:
    case keySeekSeconds: seek(app, step); break;
    case keyDispatch: requestCommandFromKey(app, step.command); break;
    case keyDocumentation: documentationLookup(app); break;
    case keyShortenWord: shortenTypedWord(app); break;
    case keyClickUpdate: SendMessageA(windowAt(winUpdate), BM_CLICK, 0, 0); break;
    case keyFocusEditor: SetFocus(windowAt(winEditor)); break;
    case keyHideFilterGraphs: ShowWindow(windowAt(winFilterGraphList), SW_HIDE); break;
    case keyPickFunction: pickTypedFunction(app); break;
    default: break;  // the typed word keeps no count of its own
    }
}

}  // namespace

void handleFilterListEvents(AppState& app) {
    ShellEvents& e = shellEvents;
    handleAccelerators(app);
    const bool fromList = reinterpret_cast<HWND>(e.eventSender) == windowAt(winFilterList);
    if (e.closeUp && fromList) {
        if (!ctrlTabJustPressed) leaveFilterListMode(app, false);
        ctrlTabJustPressed = false;
        e.closeUp = 0;
    }
    if (e.selectEndOk && fromList) {
        insertSelectedFilter();
        updateStatusBar(app);
        neutralise(app);
        leaveFilterListMode(app, true);
        cancelTip();
        e.selectEndOk = 0;
    }
}

void handleKeys(AppState& app) {
    // Save Audio as Wave asked on the last pass for the script to be saved first.
    if (app.pendingSaveAs) {
        app.pendingSaveAs = false;
        requestCommandFromKey(app, 20003);
    }
    if (!shellEvents.selectEndOk) filterListCharacter(app);
    const MSG& m = app.currentMessage;
    HWND focus = GetFocus();
    HWND graphList = windowAt(winFilterGraphList);
    KeyContext c;
    c.message = m.message;
    c.key = static_cast<unsigned>(m.wParam);
    c.view = app.views.currentView;
    c.panelOpen = app.panelOpen;
    c.focusInEditor = focus && focus == windowAt(winEditor);
    c.focusInJumpBox = focus && focus == windowAt(winJumpTo);
    c.focusInFilterList = focus && focus == windowAt(winFilterList);
    c.clipLoaded = clipLoaded(app);
    c.filterGraphListOnTop = graphList && GetWindow(windowAt(winMain), GW_CHILD) == graphList;
    c.characterMatch = shellEvents.characterMatch != 0;
    c.shiftHeld = GetKeyState(VK_SHIFT) < 0;
    c.typedWordEmpty = typedWord()[0] == '\0';
    KeyDecision d = decideKey(c);
    for (int i = 0; i < d.count; ++i) perform(app, d.steps[i]);
}

void moveFilterListOnArrow(AppState& app) {
    MSG& m = app.currentMessage;
    if (m.message != WM_KEYDOWN || (m.wParam != VK_DOWN && m.wParam != VK_UP)) return;
    if (strlen(typedWord()) < 2) return;
    HWND list = windowAt(winFilterList);
    LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
    LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    index += m.wParam == VK_DOWN ? 1 : -1;
    if (count > 0 && index >= 0 && index < count) SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    neutralise(app);
}
