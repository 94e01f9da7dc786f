// The DirectShow filter list panel: the graph's filters by name; a double click opens the
// chosen filter's property pages and closes the list.
#include <windows.h>

#include "app/panels_win32.h"
#include "app/shell_events.h"
#include "dialogs/panel_layouts.h"
#include "dialogs/panel_open_win32.h"

namespace {

HWND closeButton = nullptr;

// The list box belongs to the main window between uses.
void giveListBack() {
    HWND list = windowAt(winFilterGraphList);
    ShowWindow(list, SW_HIDE);
    SetParent(list, windowAt(winMain));
}

}  // namespace

void openFilterListPanel(AppState& app) {
    if (!app.player.graphBuilt()) return;
    if (!app.player.filtersListed()) app.player.listFilters("");
    int w = 0, h = 0;
    if (!beginPanel(app, panelFilterGraphList, "Direct Show Filters In Use - Double Click Item to View", 1.2, w, h))
        return;
    PanelRect close = aboutCloseRect(w, h);
    closeButton = app.panelHost.createCancelButton(close.x, close.y, close.width, close.height);
    if (closeButton) SetWindowTextA(closeButton, "Close / Cancel");
    HWND list = windowAt(winFilterGraphList);
    SetParent(list, app.panelHost.frame);
    MoveWindow(list, 10, 10, w - 20, h - 48, TRUE);
    ShowWindow(list, SW_SHOW);
    showPanel(app);
}

void handleFilterListPanel(AppState& app) {
    ShellEvents& e = shellEvents;
    HWND list = windowAt(winFilterGraphList);
    if (e.doubleClick && reinterpret_cast<HWND>(e.eventSender) == list) {
        e.doubleClick = 0;
        char name[256] = {};
        LRESULT item = SendMessageA(list, LB_GETCURSEL, 0, 0);
        if (item == LB_ERR || SendMessageA(list, LB_GETTEXTLEN, item, 0) >= LRESULT(sizeof name)) return;
        SendMessageA(list, LB_GETTEXT, item, reinterpret_cast<LPARAM>(name));
        app.player.listFilters(name);
        giveListBack();
        app.player.showFilterProperties();
        closePanel(app);
        app.player.layoutVideo();
        return;
    }
    if (panelButtonClicked(closeButton)) {
        e.buttonClicked = 0;
        closePanel(app);
        app.player.layoutVideo();
    }
}
