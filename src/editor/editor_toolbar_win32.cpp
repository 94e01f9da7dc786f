#include "editor/editor_toolbar_win32.h"

#include <commctrl.h>

#include <initializer_list>

#include "app/window_table.h"

const ToolbarButtonEntry toolbarButtons[toolbarButtonCount] = {
    {6, 10013, " New Project, Clears all Data"},
    {7, 20002, " Open avs Script or Text File"},
    {8, 20029, " Save File"},
    {-1, 0, nullptr},
    {4, 20030, " Restore Last Undo"},
    {3, 20019, " Undo last edit"},
    {-1, 0, nullptr},
    {0, 20012, " Cut"},
    {1, 20013, " Copy"},
    {2, 20016, " Paste"},
    {5, 20031, " Delete / Clear"},
    {-1, 0, nullptr},
    {17, 5001, " Toggle NumSign"},
    {10, 20009, " Display Script Output Properties"},
    {12, 10005, "Help"},
    {-1, 0, nullptr},
    {13, 20011, "View Script in video viewer"},
    {14, 20021, "Play Script in video viewer"},
    {-1, 0, nullptr},
    {15, 20004, "Switch to Media Viewer"},
    {16, 20008, "Switch to Video / Scene Editor"},
};

const char clipDataLabelsText[] =
    "Video Info\nWidth:\nHeight:\nPixtel type:\nFrame Rate: fps\nTotal frames:\n\nFrame or\nField based:\n"
    "Field Parity:\n\nAudio\nChannels:\nSample Rate:\nSample bits:\n";

void setUpEditorToolbar(HWND toolbar, HINSTANCE instance) {
    if (!toolbar) return;
    // The structure's size on this platform (20 bytes only on 32-bit systems).
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBADDBITMAP bitmap = {instance, static_cast<UINT_PTR>(toolbarBitmapId)};
    SendMessageA(toolbar, TB_ADDBITMAP, toolbarImageCount, reinterpret_cast<LPARAM>(&bitmap));
    TBBUTTON buttons[toolbarButtonCount] = {};
    int count = 0;
    for (const ToolbarButtonEntry& entry : toolbarButtons) {
        TBBUTTON& b = buttons[count++];
        if (entry.image < 0) {
            b.fsStyle = BTNS_SEP;
            continue;
        }
        b.iBitmap = entry.image;
        b.idCommand = entry.command;
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = BTNS_BUTTON;
        b.iString = reinterpret_cast<INT_PTR>(entry.tip);
    }
    SendMessageA(toolbar, TB_ADDBUTTONSA, count, reinterpret_cast<LPARAM>(buttons));
    // No text rows: the strings serve as tooltips.
    SendMessageA(toolbar, TB_SETMAXTEXTROWS, 0, 0);
    SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
}

namespace {

void addTool(int tooltip, int window, const char* text) {
    HWND tipWindow = static_cast<HWND>(windowTable.handle[tooltip]);
    HWND target = static_cast<HWND>(windowTable.handle[window]);
    if (!tipWindow || !target) return;
    TOOLINFOA info = {};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = target;
    info.uId = reinterpret_cast<UINT_PTR>(target);
    info.lpszText = const_cast<char*>(text);
    SendMessageA(tipWindow, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace

void registerStartupTooltips(HINSTANCE instance) {
    static char editorText[128], toolText[128], listText[128];
    LoadStringA(instance, 11102, editorText, sizeof editorText);
    LoadStringA(instance, 11103, toolText, sizeof toolText);
    LoadStringA(instance, 11101, listText, sizeof listText);
    for (int tip : {winTooltip1, winTooltip2, winTooltip3})
        if (windowTable.handle[tip]) SendMessageA(static_cast<HWND>(windowTable.handle[tip]), TTM_SETMAXTIPWIDTH, 0, 300);

    addTool(winTooltip1, winMain, " Main Window\n Right Click for main menu\n Hold Left Mouse Button Down to drag window around ");
    addTool(winTooltip1, winVideo, " Video Window\n\n Right click for video menu");
    addTool(winTooltip1, winEditor, editorText);
    addTool(winTooltip1, winToolbar, "\n\n Toolbar \n Has one click buttons for many things ");
    addTool(winTooltip1, winStatusBar, " Status Bar\n Provides Information ");

    for (int button : {3, 5, 6, 8, 9}) addTool(winTooltip2, button, toolText);
    addTool(winTooltip2, winPlay, " Play / Stop ");
    addTool(winTooltip2, winToolButton6, "Open External Viewer\n right click to configure");
    addTool(winTooltip2, winFilterList, listText);
    addTool(winTooltip2, winJumpTo, " Jump to Frame \n enter frame number into window then enter or click Go ");

    addTool(winTooltip3, winRowList, " Scene list  \n right click for more ");
    for (int row = 32; row <= 35; ++row) addTool(winTooltip3, row, " Click to edit row data \n right click for more ");
    addTool(winTooltip3, winEncode, " E ");
    addTool(winTooltip3, winSourceRadio, " Click to view or encode source ");
    addTool(winTooltip3, winProjectRadio, " Click to view or encode project output ");
    addTool(winTooltip3, winStartFrame, " Click to edit start frame number ");
    addTool(winTooltip3, winEndFrame, " Click to edit end frame number ");

    if (windowTable.handle[winClipDataLabels])
        SetWindowTextA(static_cast<HWND>(windowTable.handle[winClipDataLabels]), clipDataLabelsText);
}
