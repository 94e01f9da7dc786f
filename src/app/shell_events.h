#pragma once
// What the window procedure saw since the loop last looked: flags set to 1 by the window
// procedure and cleared by the loop when it has handled them.
#include <cstdint>

#include "app/window_table.h"

struct ShellEvents {
    int mainResized = 0;
    int closeRequested = 0;
    int paint = 0;
    int buttonClicked = 0;
    int selectionChange = 0;
    int doubleClick = 0;
    int notification3 = 0;
    int notification6 = 0;
    int closeUp = 0;      // notification 8
    int selectEndOk = 0;  // notification 9
    int editChanged = 0;
    int accelerator1550 = 0;
    int accelerator1580 = 0;
    int accelerator1582 = 0;
    int accelerator1584 = 0;
    int accelerator1586 = 0;
    int toolbarCommand = 0;
    unsigned toolbarCommandId = 0;
    int horizontalScroll = 0;
    int lineUp = 0;
    int lineDown = 0;
    int pageUp = 0;
    int pageDown = 0;
    int thumbPosition = 0;
    int thumbTrack = 0;
    int timer86522 = 0;
    int timer12522 = 0;
    int timer222 = 0;
    int timer2225 = 0;
    int timer25552 = 0;
    int timer25555 = 0;
    int fileDropped = 0;
    int tabChanged = 0;
    int characterMatch = 0;
    int statusRefresh = 0;
    int styleNeeded = 0;
    intptr_t styleNeededPosition = 0;
    // The last WM_NOTIFY's header.
    WindowHandle notifySender = nullptr;
    uintptr_t notifyId = 0;
    int notifyCode = 0;
    // The control (or value) that caused the last recorded event.
    intptr_t eventSender = 0;
    int panelBeingDestroyed = 0;
    // Set once start-up is far enough; until then every message goes to default handling.
    WindowTable* active = nullptr;
};

// Global because the window procedure writes it.
extern ShellEvents shellEvents;
// Read by the window procedure: style the editor text only while syntax highlighting is on.
extern int syntaxHighlightingOn;

// Timer ids of the main window.
enum TimerId : unsigned {
    timerPlayer = 12522,
    timerScenePreview = 13556,
    timerSaveWaveContinue = 222,
    timerPropertyPage = 2225,
    timerFunctionTip = 25555,
    timer86522Id = 86522,
    timer25552Id = 25552,
};
