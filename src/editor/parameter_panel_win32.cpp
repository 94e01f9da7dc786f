#include "editor/parameter_panel_win32.h"

#include <commdlg.h>

#include <cstring>

#include "app/app_state_win32.h"
#include "app/panels_win32.h"
#include "app/shell_events.h"
#include "app/views_layout_win32.h"
#include "base/bounded_text.h"
#include "dialogs/panel_open_win32.h"
#include "editor/editor_assist.h"
#include "editor/editor_events_win32.h"
#include "editor/parameter_panel.h"
#include "editor/script_editor.h"

namespace {

constexpr unsigned insertFileNameCommand = 24001;
constexpr int valueTextSize = 2048;  // longer than any value the composition accepts
constexpr int parameterStringScrollLength = 320;

const char* const hintText =
    "Press tab to move down use Ctrl+Shift+O to insert filename or \"right click\" the data windows to insert "
    "filename";

HWND createControl(AppState& app, HWND parent, DWORD exStyle, const char* windowClass, const char* text,
                   DWORD style, int x, int y, int width, int height) {
    HWND w = CreateWindowExA(exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                             nullptr, app.panelHost.instance, nullptr);
    if (!w) MessageBoxA(app.panelHost.owner, "Could not create static window!", "ERROR", MB_OK | MB_ICONSTOP);
    else if (app.panelHost.dialogFont) SendMessageA(w, WM_SETFONT, WPARAM(app.panelHost.dialogFont), TRUE);
    return w;
}

HWND createValueControl(AppState& app, HWND parent, char type, const std::string& clipNames) {
    const int w = parameterValueWidth, h = parameterRowHeight;
    switch (type) {
    case 'b': {
        HWND box = createControl(app, parent, 0, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 0, w,
                                 h + 80);
        SendMessageA(box, CB_ADDSTRING, 0, LPARAM("TRUE"));
        SendMessageA(box, CB_ADDSTRING, 0, LPARAM("FALSE"));
        return box;
    }
    case 'c': {
        HWND box = createControl(app, parent, 0, "COMBOBOX", "", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
                                 0, 0, w, h + 120);
        // A name counts only when a comma follows it.
        size_t start = 0, comma;
        while ((comma = clipNames.find(',', start)) != std::string::npos) {
            std::string name = clipNames.substr(start, comma - start);
            SendMessageA(box, CB_ADDSTRING, 0, LPARAM(name.c_str()));
            start = comma + 1;
        }
        return box;
    }
    default:
        return createControl(app, parent, WS_EX_CLIENTEDGE, "EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, 0, 0, w, h);
    }
}

// The row whose value control is window (or holds it, as a combo box holds its edit); -1.
int rowOfValue(const FilterParameterPanel& p, HWND window) {
    if (!window) return -1;
    for (size_t i = 0; i < p.rows.size(); ++i)
        if (p.rows[i].value && (p.rows[i].value == window || GetParent(window) == p.rows[i].value)) return int(i);
    return -1;
}

int rowOfInclude(const FilterParameterPanel& p, HWND window) {
    for (size_t i = 0; i < p.rows.size(); ++i)
        if (window && p.rows[i].include == window) return int(i);
    return -1;
}

// The row any of whose controls is window; -1.
int rowOfControl(const FilterParameterPanel& p, HWND window) {
    int row = rowOfValue(p, window);
    return row >= 0 ? row : rowOfInclude(p, window);
}

void placeRows(FilterParameterPanel& p) {
    for (size_t i = 0; i < p.rows.size(); ++i) {
        const ParameterRowControls& r = p.rows[i];
        ParameterRowPlace at = parameterRowPlace(int(i), p.firstVisible);
        const int h = parameterRowHeight;
        SetWindowPos(r.label, nullptr, at.labelX, at.y, parameterLabelWidth, h, SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(r.type, nullptr, at.typeX, at.y, parameterTypeWidth, h, SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(r.value, nullptr, at.valueX, at.y, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
        SetWindowPos(r.include, nullptr, at.includeX, at.y, parameterIncludeWidth, h, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetScrollPos(p.rowArea, SB_VERT, p.firstVisible, TRUE);
    InvalidateRect(p.rowArea, nullptr, TRUE);
}

void readControls(FilterParameterPanel& p) {
    char text[valueTextSize];
    for (size_t i = 0; i < p.rows.size(); ++i) {
        text[0] = '\0';
        if (p.rows[i].value) GetWindowTextA(p.rows[i].value, text, sizeof text);
        p.model.field(i).value = text;
        p.model.field(i).include = SendMessageA(p.rows[i].include, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
}

bool compose(AppState& app, FilterParameterPanel& p) {
    readControls(p);
    if (p.model.compose(app.panelHost.frame) != composeDone) return false;
    SetWindowTextA(p.outputEdit, p.model.callText().c_str());
    return true;
}

// Puts the model's read-back values into the controls.
void showValues(FilterParameterPanel& p) {
    for (size_t i = 0; i < p.rows.size(); ++i) {
        const ParameterField& f = p.model.field(i);
        if (!f.include) continue;
        HWND value = p.rows[i].value;
        if (f.type == 'b' || f.type == 'c') {
            LRESULT at = SendMessageA(value, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(f.value.c_str()));
            if (at != CB_ERR) SendMessageA(value, CB_SETCURSEL, WPARAM(at), 0);
            else if (f.type == 'c') SetWindowTextA(value, f.value.c_str());
        } else {
            SetWindowTextA(value, f.value.c_str());
        }
        SendMessageA(p.rows[i].include, BM_SETCHECK, BST_CHECKED, 0);
    }
}

void focusRow(FilterParameterPanel& p, int row) {
    if (row < 0 || row >= int(p.rows.size())) return;
    p.focusedRow = row;
    int first = firstRowShowing(row, p.firstVisible, p.rows.size());
    if (first != p.firstVisible) {
        p.firstVisible = first;
        placeRows(p);
    }
    SetFocus(p.rows[row].value);
}

void userChanged(AppState& app, FilterParameterPanel& p, int row) {
    SendMessageA(p.rows[row].include, BM_SETCHECK, BST_CHECKED, 0);
    compose(app, p);
}

void insertFileName(AppState& app, FilterParameterPanel& p, int row) {
    if (row < 0 || row >= int(p.rows.size())) return;
    HWND value = p.rows[row].value;
    // A drop-down combo box edits its text in a child edit; a plain list has nowhere to put it.
    HWND edit = p.model.field(row).type == 'c' ? GetWindow(value, GW_CHILD) : value;
    if (p.model.field(row).type == 'b' || !edit) return;
    char chosen[260] = {};
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = app.panelHost.owner;
    dialog.lpstrFilter =
        "Source files (avi, avs, d2v, mpa, ac3, wav)\0*.avi;*.avs;*.d2v;*.mpa;*.ac3;*.wav\0All Files (*.*)\0*.*\0";
    dialog.lpstrFile = chosen;
    dialog.nMaxFile = sizeof chosen;
    dialog.lpstrTitle = "Look up file name";
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&dialog) || !chosen[0]) return;
    SendMessageA(edit, EM_REPLACESEL, TRUE, LPARAM(chosen));
    SetFocus(value);
    userChanged(app, p, row);
}

// Keys and mouse buttons the panel takes from the message before the loop dispatches it.
// A taken message is made empty so that its window never sees it.
bool takeInput(AppState& app, FilterParameterPanel& p) {
    MSG& m = app.currentMessage;
    if (!m.hwnd || !IsChild(app.panelHost.frame, m.hwnd)) return false;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    if (m.message == WM_KEYDOWN && m.wParam == VK_TAB && !ctrl) {
        // From a row's include box Tab goes on to the next row, as from its value.
        int row = rowOfControl(p, m.hwnd);
        focusRow(p, nextFocusRow(row >= 0 ? row : p.focusedRow - 1, p.rows.size()));
    } else if (m.message == WM_KEYDOWN && ctrl && shift && m.wParam == WPARAM(VkKeyScanA('o') & 0xFF)) {
        int row = rowOfValue(p, m.hwnd);
        insertFileName(app, p, row >= 0 ? row : p.focusedRow);
    } else if (m.message == WM_RBUTTONUP && rowOfValue(p, m.hwnd) >= 0) {
        int row = rowOfValue(p, m.hwnd);
        HMENU menu = CreatePopupMenu();
        AppendMenuA(menu, MF_STRING, insertFileNameCommand, "Insert File Name");
        UINT chosen = UINT(TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, m.pt.x, m.pt.y,
                                            app.panelHost.frame, nullptr));
        DestroyMenu(menu);
        if (chosen == insertFileNameCommand) insertFileName(app, p, row);
    } else if (m.message == WM_RBUTTONDOWN && rowOfValue(p, m.hwnd) >= 0) {
        // The value control's own menu would open on the release.
    } else {
        return false;
    }
    m.message = WM_NULL;
    return true;
}

void insertCall(AppState& app, FilterParameterPanel& p) {
    // A value too long to use keeps the panel open: the box said why, and the editor must not
    // get an outdated call.
    if (!compose(app, p)) return;
    std::string call = p.model.callText();
    scriptEditor.replaceSelection(call.c_str());
    closePanel(app);
    p.rows.clear();
    app.avisynth.clearParameterString();
    applyView(app);
    SetFocus(windowAt(winEditor));
}

bool scrollEvent(ShellEvents& e, int& event, int& thumb) {
    event = 0;
    if (e.lineDown) event = scrollLineDown;
    else if (e.lineUp) event = scrollLineUp;
    else if (e.pageDown) event = scrollPageDown;
    else if (e.pageUp) event = scrollPageUp;
    else if (e.thumbTrack) {
        event = scrollDrag;
        thumb = int(e.eventSender);
    }
    e.lineDown = e.lineUp = e.pageDown = e.pageUp = e.thumbTrack = e.thumbPosition = 0;
    return event != 0;
}

void buildRows(AppState& app, FilterParameterPanel& p) {
    const size_t n = p.model.fieldCount();
    p.rows.assign(n, ParameterRowControls{});
    for (size_t i = 0; i < n; ++i) {
        const ParameterField& f = p.model.field(i);
        p.rows[i].label = createControl(app, p.rowArea, 0, "STATIC", f.label, 0, 0, 0, parameterLabelWidth,
                                        parameterRowHeight);
        p.rows[i].include = createControl(app, p.rowArea, 0, "BUTTON", "include", BS_AUTOCHECKBOX, 0, 0,
                                          parameterIncludeWidth, parameterRowHeight);
        p.rows[i].type = createControl(app, p.rowArea, 0, "STATIC", parameterTypeName(f.type), 0, 0, 0,
                                       parameterTypeWidth, parameterRowHeight);
    }
    for (size_t i = 0; i < n; ++i) p.rows[i].value = createValueControl(app, p.rowArea, p.model.field(i).type, p.clipNames);
    placeRows(p);
}

}  // namespace

void openFilterParameterPanel(AppState& app) {
    FilterParameterPanel& p = app.parameterPanel;
    // The key that asked for the panel must not reach it: its Enter would click OK at once.
    MSG& m = app.currentMessage;
    if (m.message == WM_KEYDOWN || m.message == WM_CHAR) m.message = WM_NULL;

    // An F1 on a call in the script opens the panel on that call; it is used once.
    SelectedCall call = editorAssist.selectedCall;
    editorAssist.selectedCall.name[0] = '\0';
    const bool onCall = call.name[0] != '\0';
    char name[260];
    bool plugin;
    if (onCall) {
        copyText(name, call.name);
        plugin = call.plugin;
    } else {
        if (!readSelectedFilter() || !editorAssist.selectedFilter[0]) return;
        copyText(name, editorAssist.selectedFilter);
        plugin = editorAssist.selectedPlugin;
    }
    app.avisynth.lookUpParameters(name, plugin);
    p = FilterParameterPanel{};
    p.clipNames = collectAssignedNames(scriptEditor.text());
    p.model.open(app.avisynth.parameterText(), name);

    PanelHost& host = app.panelHost;
    int w = 0, h = 0;
    if (!beginPanel(app, panelFilterParameters, "Zandolin Filter / Function Parameter help", 1.35, w, h)) return;
    RECT frameRect = {};
    GetWindowRect(host.frame, &frameRect);
    host.createOkButton(w - 180, h - 40, 80, 30);
    host.createCancelButton(w - 90, h - 40, 80, 30);
    host.createStaticText(name, 10, 6, 300, 20);

    const ParameterAreaPlace area = parameterRowArea(frameRect.right - frameRect.left);
    const int rightX = area.x + area.width + 10, rightWidth = w - rightX - 10;
    char header[300];
    if (onCall) formatText(header, sizeof header, "Parameter string from \"%s\"", app.views.sourceTitle);
    else copyText(header, "Parameter string from avisynth.dll");
    host.createStaticText(header, rightX, area.y, rightWidth, 20);
    const char* shown = onCall ? call.arguments.c_str() : p.model.parameterString();
    DWORD scroll = strlen(shown) > parameterStringScrollLength ? WS_VSCROLL : 0;
    createControl(app, host.frame, WS_EX_CLIENTEDGE, "EDIT", shown, ES_MULTILINE | ES_READONLY | scroll, rightX,
                  area.y + 22, rightWidth, 100);
    host.createStaticText(p.model.note(), rightX, area.y + 130, rightWidth, 36);
    host.createStaticText(hintText, rightX, area.y + 170, rightWidth, 64);
    p.outputEdit = createControl(app, host.frame, WS_EX_CLIENTEDGE, "EDIT", "",
                                 ES_MULTILINE | ES_READONLY | WS_VSCROLL, area.x, area.y + area.height + 8, w - 20,
                                 h - 48 - (area.y + area.height + 8));

    p.rowArea = host.createContainerWindow(area.x, area.y, area.width, area.height);
    SetScrollRange(p.rowArea, SB_VERT, 0, p.model.scrollMaximum(), TRUE);
    for (HWND c = GetWindow(host.frame, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) useDialogFont(host, c);
    buildRows(app, p);
    showPanel(app);
    if (!p.rows.empty()) SetFocus(p.rows[0].value);
    if (onCall) {
        p.model.readBack(call.arguments, p.clipNames, host.frame);
        showValues(p);
    }
    compose(app, p);
}

void handleFilterParameterPanel(AppState& app) {
    FilterParameterPanel& p = app.parameterPanel;
    ShellEvents& e = shellEvents;
    if (takeInput(app, p)) return;
    HWND sender = reinterpret_cast<HWND>(e.eventSender);
    if (e.buttonClicked) {
        e.buttonClicked = 0;
        if (sender == app.panelHost.okButton) {
            insertCall(app, p);
            return;
        }
        if (rowOfInclude(p, sender) >= 0) compose(app, p);
    }
    int event = 0, thumb = 0;
    if (scrollEvent(e, event, thumb)) {
        p.firstVisible = scrolledFirstRow(p.firstVisible, event, thumb, p.rows.size());
        placeRows(p);
    }
    if (e.notification3) {
        e.notification3 = 0;
        int row = rowOfValue(p, sender);
        if (row >= 0) p.focusedRow = row;
    }
    if (e.editChanged || e.selectionChange || e.notification6 || e.selectEndOk) {
        e.editChanged = e.selectionChange = e.notification6 = e.selectEndOk = 0;
        int row = rowOfValue(p, sender);
        if (row >= 0) userChanged(app, p, row);
    }
}
