// The options panel: tool-tip levels, line numbers and syntax highlighting.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "app/panels_win32.h"
#include "app/shell_events.h"
#include "app/subsystem_hooks_win32.h"
#include "app/views_layout_win32.h"
#include "base/bounded_text.h"
#include "base/message_box.h"
#include "base/project_addresses.h"
#include "dialogs/about_texts.h"
#include "dialogs/panel_layouts.h"
#include "dialogs/panel_open_win32.h"
#include "dialogs/tips_code.h"
#include "editor/script_editor.h"

namespace {

enum OptionsSlot { beginnerSlot, normalSlot, advancedSlot, lineNumbersSlot, highlightingSlot, helpSlot };
constexpr int optionsDone = 99;
constexpr int optionsHelpDone = 2;
constexpr int optionsCleanUp = 55;

const char* const checkCaptions[optionsCheckCount] = {"Beginner Tips", "Normal Tips", "Advanced Tips", "Line numbers",
                                                      "Syntax Highlighting"};
const char* const checkTips[optionsCheckCount] = {
    " Mostly annoying, everythings has a tooltip, Editor loads \n with newbie instructions",
    " ToolButton tips, toolbar tips, button tips ",
    " These tips will help the user with \n the scene editor, recomended",
    " enables or disables line numbers ",
    " Paints different things different colors ",
};

// The dialog starts from what the settings file holds, not from the running values.
void readStartingStates(AppState& app, int states[optionsCheckCount]) {
    Settings s;
    s.owner = windowAt(winMain);
    copyText(s.programFolder, app.views.programFolder);
    readPresets(s);
    TipLevels tips = decodeTipsCode(s.tipsCode);
    states[beginnerSlot] = tips.beginner ? 1 : 0;
    states[normalSlot] = tips.normal ? 1 : 0;
    states[advancedSlot] = tips.advanced ? 1 : 0;
    states[lineNumbersSlot] = s.lineNumbers != 0 ? 1 : 0;
    states[highlightingSlot] = s.syntaxHighlighting != 0 ? 1 : 0;
}

void addTip(HWND tooltip, HWND control, const char* text) {
    if (!tooltip || !control) return;
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

int optionsCommand(AppState& app) {
    PanelHost& host = app.panelHost;
    if (app.panelStep == optionsCleanUp) {
        for (int i = 0; i < optionsCheckCount; ++i) host.panelControls[i] = nullptr;
        return 0;
    }
    if (panelButtonClicked(host.panelControls[helpSlot])) {
        char path[300];
        formatText(path, sizeof path, "%sdocs\\English\\prefhelp.html", host.programFolder);
        auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(windowAt(winMain), "open", path, nullptr, nullptr,
                                                              SW_SHOWNORMAL));
        // Every failed open is told, not only the two the shell names most often.
        if (result <= 32)
            showMessageBox(windowAt(winMain), helpOpenFailureText(static_cast<int>(result)), "Open dialog help file",
                           mbOk);
        return optionsHelpDone;
    }
    if (panelButtonClicked(host.okButton)) {
        for (int i = 0; i < optionsCheckCount; ++i) {
            HWND box = host.panelControls[i];
            host.checkStates[i] = box && SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
        }
        return optionsDone;
    }
    return 0;
}

// The editor shows the new margin and styles at once; its text is coloured again (or made
// plain) on the next paint.
void refreshEditor(AppState& app) {
    applyEditorOptions(app);
    constexpr unsigned clearDocumentStyle = 2005;  // SCI_CLEARDOCUMENTSTYLE
    scriptEditor.call(clearDocumentStyle);
    InvalidateRect(windowAt(winEditor), nullptr, TRUE);
}

}  // namespace

void openOptionsPanel(AppState& app) {
    int states[optionsCheckCount];
    readStartingStates(app, states);
    int w = 0, h = 0;
    if (!beginPanel(app, panelOptions, "Zandolin Options Dialog", 1.4, w, h)) return;
    PanelHost& host = app.panelHost;
    for (int i = 0; i < optionsCheckCount; ++i) host.checkStates[i] = states[i];
    HWND tooltip = host.createToolTip(host.frame);
    if (tooltip) SendMessageA(tooltip, TTM_SETMAXTIPWIDTH, 0, 300);
    PanelRect cancel = cancelButtonRect(w, h), ok = okButtonRect(w, h), help = helpButtonRect(w, h);
    host.createCancelButton(cancel.x, cancel.y, cancel.width, cancel.height);
    host.createOkButton(ok.x, ok.y, ok.width, ok.height);
    host.panelControls[helpSlot] = host.createTextButton("Help", help.x, help.y, help.width, help.height);

    OptionsLayout l = optionsLayout();
    HWND tipsGroup = host.createGroupBox("Tool Tips", l.tipsGroup.x, l.tipsGroup.y, l.tipsGroup.width,
                                         l.tipsGroup.height);
    useDialogFont(host, tipsGroup);
    HWND editorGroup = host.createGroupBox("Script Editor", l.editorGroup.x, l.editorGroup.y, l.editorGroup.width,
                                           l.editorGroup.height);
    useDialogFont(host, editorGroup);
    for (int i = 0; i < optionsCheckCount; ++i) {
        HWND group = optionsCheckInTipsGroup(i) ? tipsGroup : editorGroup;
        const PanelRect& r = l.checks[i];
        HWND box = group ? host.createCheckBox(group, checkCaptions[i], r.x, r.y, r.width, r.height) : nullptr;
        host.panelControls[i] = box;
        useDialogFont(host, box);
        addTip(tooltip, box, checkTips[i]);
        if (box) SendMessageA(box, BM_SETCHECK, host.checkStates[i] ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    char contact[96];
    formatText(contact, sizeof contact, "\t%s", contactEmailAddress);
    host.createStaticText(contact, l.contact.x, l.contact.y, l.contact.width, l.contact.height);
    showPanel(app);
}

void handleOptionsPanel(AppState& app) {
    PanelHost& host = app.panelHost;
    int step = optionsCommand(app);
    app.panelStep = step;
    if (step != optionsDone) return;
    app.views.beginnerTips = host.checkStates[beginnerSlot] == 1;
    app.views.normalTips = host.checkStates[normalSlot] == 1;
    app.views.advancedTips = host.checkStates[advancedSlot] == 1;
    app.views.lineNumbers = host.checkStates[lineNumbersSlot] == 1 ? 1 : 0;
    app.views.syntaxHighlighting = host.checkStates[highlightingSlot] == 1 ? 1 : 0;
    syntaxHighlightingOn = app.views.syntaxHighlighting;
    app.panelStep = optionsCleanUp;
    optionsCommand(app);
    closePanel(app);
    saveSettingsNow(app);
    refreshEditor(app);
    applyView(app);
}
