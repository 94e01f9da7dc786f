#include "dialogs/panel_host_win32.h"

#include <commctrl.h>

#include "base/message_box.h"
#include "dialogs/panel_geometry.h"

namespace {

void reportFailure(HWND owner, const char* text) {
    showMessageBox(owner, text, "ERROR", mbOk | mbIconStop);
}

// One visible child of the program's instance; a failure is told in the error box and the
// panel goes on without the control.
HWND makeChild(PanelHost& host, HWND parent, DWORD exStyle, const char* className, const char* text,
               DWORD style, int x, int y, int width, int height, const char* failureText) {
    HWND window = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                  parent, nullptr, host.instance, nullptr);
    if (!window) reportFailure(host.owner, failureText);
    return window;
}

HWND makeFrameChild(PanelHost& host, DWORD exStyle, const char* className, const char* text, DWORD style, int x,
                    int y, int width, int height, const char* failureText) {
    return makeChild(host, host.frame, exStyle, className, text, style, x, y, width, height, failureText);
}

}  // namespace

bool PanelHost::createFrame(HWND ownerWindow, const char* title, double factor) {
    owner = ownerWindow;
    RECT ownerRect = {};
    GetWindowRect(ownerWindow, &ownerRect);
    PanelRect r = panelFrameRect(ownerRect.left, ownerRect.top, ownerRect.right, ownerRect.bottom, baseWidth,
                                 baseHeight, factor);
    frame = CreateWindowExA(WS_EX_DLGMODALFRAME, "TheWinClass", title, WS_CAPTION | WS_VISIBLE, r.x, r.y, r.width,
                            r.height, ownerWindow, nullptr, instance, nullptr);
    if (!frame) {
        reportFailure(owner, "Could not create Dialog Window! ");
        return false;
    }
    return true;
}

HWND PanelHost::createCancelButton(int x, int y, int width, int height) {
    cancelButton = makeFrameChild(*this, 0, "BUTTON", "Cancel", BS_PUSHBUTTON, x, y, width, height,
                                  "Could not create cancel button!");
    return cancelButton;
}

HWND PanelHost::createOkButton(int x, int y, int width, int height) {
    okButton = makeFrameChild(*this, 0, "BUTTON", "OK", BS_PUSHBUTTON, x, y, width, height,
                              "Could not create OK button!");
    return okButton;
}

HWND PanelHost::createIconButton(int x, int y, int width, int height) {
    lastIconButton = makeFrameChild(*this, 0, "BUTTON", "", BS_ICON, x, y, width, height,
                                    "Could not create Icon button!");
    return lastIconButton;
}

HWND PanelHost::createTextButton(const char* text, int x, int y, int width, int height) {
    lastTextButton = makeFrameChild(*this, 0, "BUTTON", text, BS_PUSHBUTTON, x, y, width, height,
                                    "Could not create Text button!");
    return lastTextButton;
}

HWND PanelHost::createTextButton2(const char* text, int x, int y, int width, int height) {
    lastTextButton2 = makeFrameChild(*this, 0, "BUTTON", text, BS_PUSHBUTTON, x, y, width, height,
                                     "Could not create Text button2!");
    return lastTextButton2;
}

HWND PanelHost::createStaticText(const char* text, int x, int y, int width, int height) {
    lastStatic = makeFrameChild(*this, 0, "STATIC", text, 0, x, y, width, height, "Could not create Static Title !");
    return lastStatic;
}

HWND PanelHost::createGroupBox(const char* text, int x, int y, int width, int height) {
    lastGroupBox = makeFrameChild(*this, 0, "BUTTON", text, BS_GROUPBOX, x, y, width, height,
                                  "Could not create Group Box!");
    return lastGroupBox;
}

HWND PanelHost::createCheckBox(HWND parent, const char* text, int x, int y, int width, int height) {
    lastCheckBox = makeChild(*this, parent, 0, "BUTTON", text, BS_AUTOCHECKBOX, x, y, width, height,
                             "Could not create Check Box !");
    return lastCheckBox;
}

HWND PanelHost::createRadioOne(const char* text, int x, int y, int width, int height) {
    radioOne = makeFrameChild(*this, 0, "BUTTON", text, BS_AUTORADIOBUTTON, x, y, width, height,
                              "Could not create RadioButton One !");
    return radioOne;
}

HWND PanelHost::createRadioTwo(const char* text, int x, int y, int width, int height) {
    radioTwo = makeFrameChild(*this, 0, "BUTTON", text, BS_AUTORADIOBUTTON, x, y, width, height,
                              "Could not create RadioButton Two !");
    return radioTwo;
}

int PanelHost::createRadioGroup(HWND parent, int count, int x, int y, int width, int height) {
    if (count > panelRadioButtonSlots) count = panelRadioButtonSlots;
    int made = 0;
    for (int i = 0; i < count; ++i) {
        HWND button = makeChild(*this, parent, 0, "BUTTON", "", BS_AUTORADIOBUTTON | WS_DISABLED, x,
                                radioRowY(y, i, height), width, height, "Could not create radio buttons !");
        if (!button) break;
        radioButtons[i] = button;
        ++made;
    }
    return made;
}

HWND PanelHost::createComboBox(int x, int y, int width, int height) {
    lastComboBox = makeFrameChild(*this, 0, "COMBOBOX", "", CBS_DROPDOWN | WS_VSCROLL, x, y, width, height,
                                  "Could not create ComboBox !");
    return lastComboBox;
}

HWND PanelHost::createSecondComboBox(int x, int y, int width, int height) {
    secondComboBox = makeFrameChild(*this, 0, "COMBOBOX", "", CBS_DROPDOWN | WS_VSCROLL, x, y, width, height,
                                    "Could not create ComboBox !");
    return secondComboBox;
}

HWND PanelHost::createListBox(int x, int y, int width, int height) {
    lastListBox = makeFrameChild(*this, 0, "LISTBOX", "", LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER, x, y,
                                 width, height, "Could not create ListBox !");
    return lastListBox;
}

HWND PanelHost::createEditBox(int x, int y, int width, int height) {
    lastEditBox = makeFrameChild(*this, WS_EX_CLIENTEDGE, "EDIT", "", ES_MULTILINE, x, y, width, height,
                                 "Could not create edit box !");
    return lastEditBox;
}

HWND PanelHost::createEditBox2(const char* text, int x, int y, int width, int height) {
    lastEditBox2 = makeFrameChild(*this, WS_EX_CLIENTEDGE, "EDIT", text, ES_MULTILINE | ES_AUTOVSCROLL, x, y, width,
                                  height, "Could not create edit box !");
    return lastEditBox2;
}

HWND PanelHost::createStaticWindow(const char* text, int x, int y, int width, int height) {
    lastStaticWindow = makeFrameChild(*this, 0, "TheWinClass", text, 0, x, y, width, height,
                                      "Could not create Static Window !");
    return lastStaticWindow;
}

HWND PanelHost::createContainerWindow(int x, int y, int width, int height) {
    containerWindow = makeFrameChild(*this, WS_EX_CLIENTEDGE, "TheWinClass", nullptr, WS_VSCROLL, x, y, width, height,
                                     "Could not create Container Window !");
    return containerWindow;
}

HWND PanelHost::createProgressBar(int x, int y, int width, int height) {
    lastProgressBar = makeFrameChild(*this, 0, PROGRESS_CLASSA, "", 0, x, y, width, height,
                                     "Could not create Progress Bar!");
    return lastProgressBar;
}

HWND PanelHost::createToolTip(HWND parent) {
    return CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 5, 5, 5,
                           5, parent, nullptr, instance, nullptr);
}
