#include "dialogs/panel_host_win32.h"

// Placeholder until the panel frame is built: creates nothing.
bool PanelHost::createFrame(HWND, const char*, double) { return false; }
HWND PanelHost::createCancelButton(int, int, int, int) { return nullptr; }
HWND PanelHost::createOkButton(int, int, int, int) { return nullptr; }
HWND PanelHost::createIconButton(int, int, int, int) { return nullptr; }
HWND PanelHost::createTextButton(const char*, int, int, int, int) { return nullptr; }
HWND PanelHost::createTextButton2(const char*, int, int, int, int) { return nullptr; }
HWND PanelHost::createStaticText(const char*, int, int, int, int) { return nullptr; }
HWND PanelHost::createGroupBox(const char*, int, int, int, int) { return nullptr; }
HWND PanelHost::createCheckBox(HWND, const char*, int, int, int, int) { return nullptr; }
HWND PanelHost::createRadioOne(const char*, int, int, int, int) { return nullptr; }
HWND PanelHost::createRadioTwo(const char*, int, int, int, int) { return nullptr; }
int PanelHost::createRadioGroup(HWND, int, int, int, int, int) { return 0; }
HWND PanelHost::createComboBox(int, int, int, int) { return nullptr; }
HWND PanelHost::createSecondComboBox(int, int, int, int) { return nullptr; }
HWND PanelHost::createListBox(int, int, int, int) { return nullptr; }
HWND PanelHost::createEditBox(int, int, int, int) { return nullptr; }
HWND PanelHost::createEditBox2(const char*, int, int, int, int) { return nullptr; }
HWND PanelHost::createStaticWindow(const char*, int, int, int, int) { return nullptr; }
HWND PanelHost::createContainerWindow(int, int, int, int) { return nullptr; }
HWND PanelHost::createProgressBar(int, int, int, int) { return nullptr; }
HWND PanelHost::createToolTip(HWND) { return nullptr; }
