// The help documents and web pages of the Help menu and Ctrl+F1.
#include "app/command_groups_win32.h"

#include <shellapi.h>

#include "app/command_helpers_win32.h"
#include "base/bounded_text.h"
#include "base/project_addresses.h"

void openHelpLink(AppState& app, unsigned id) {
    char target[128];
    if (id == 10014)
        formatText(target, sizeof target, "%sdocs\\English\\UsersGuide.html", app.views.programFolder);
    else if (id == 10015)
        copyText(target, projectWebPage);
    else
        formatText(target, sizeof target, "%s\\index.htm", app.views.documentationFolder);
    auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(windowAt(winMain), "open", target, nullptr, nullptr, SW_SHOWNORMAL));
    if (result == 0 || result == SE_ERR_OOM)
        showBox("The operating system is out of memory or resources.", "Open dialog help file", MB_OK);
    else if (result == SE_ERR_FNF || result == SE_ERR_PNF)
        showBox("The file could not be opened.", "Open dialog help file", MB_OK);
}
