#pragma once
// Every tool dialog is a panel inside the main window, built on this one record: a frame
// window centred on the main window, then controls from a family of small factory
// operations. Each operation stores its handle in a fixed field (the next creation of the
// same kind overwrites it, so panels copy what they keep) and reports a failure in a box.
#include <windows.h>

constexpr int panelRadioButtonSlots = 32;

struct PanelHost {
    HINSTANCE instance = nullptr;
    HWND owner = nullptr;  // the main window
    HWND frame = nullptr;  // the open panel's own window
    HWND cancelButton = nullptr;
    HWND okButton = nullptr;
    HWND lastStatic = nullptr;
    HWND lastComboBox = nullptr;
    HWND lastListBox = nullptr;
    HWND lastEditBox = nullptr;
    HWND lastIconButton = nullptr;
    HWND lastTextButton = nullptr;
    HWND lastTextButton2 = nullptr;
    HWND lastGroupBox = nullptr;
    HWND radioOne = nullptr;
    HWND radioTwo = nullptr;
    HWND lastStaticWindow = nullptr;
    HWND containerWindow = nullptr;
    HWND lastEditBox2 = nullptr;
    HWND lastCheckBox = nullptr;
    HWND lastProgressBar = nullptr;
    HWND secondComboBox = nullptr;
    HWND radioButtons[panelRadioButtonSlots] = {};
    int panelKind = 0;
    int panelStep = 0;
    int baseWidth = 500;
    int baseHeight = 320;
    const char* programFolder = "";
    HFONT dialogFont = nullptr;
    // What the open panel keeps of its own: control handles copied right after creation,
    // check states, and the script writing options' working copy of the splice choice.
    static constexpr int panelControlSlots = 8;
    HWND panelControls[panelControlSlots] = {};
    int checkStates[panelControlSlots] = {};
    int spliceChoice = 0;

    // The frame: centred on the owner, trunc(base x factor) in size. False on failure.
    bool createFrame(HWND ownerWindow, const char* title, double factor);
    // Factory operations: x, y, width, height relative to the frame's client area.
    HWND createCancelButton(int x, int y, int width, int height);
    HWND createOkButton(int x, int y, int width, int height);
    HWND createIconButton(int x, int y, int width, int height);
    HWND createTextButton(const char* text, int x, int y, int width, int height);
    HWND createTextButton2(const char* text, int x, int y, int width, int height);
    HWND createStaticText(const char* text, int x, int y, int width, int height);
    HWND createGroupBox(const char* text, int x, int y, int width, int height);
    HWND createCheckBox(HWND parent, const char* text, int x, int y, int width, int height);
    HWND createRadioOne(const char* text, int x, int y, int width, int height);
    HWND createRadioTwo(const char* text, int x, int y, int width, int height);
    // count radio buttons, created disabled, the i-th at y + i x height. Returns how many.
    int createRadioGroup(HWND parent, int count, int x, int y, int width, int height);
    HWND createComboBox(int x, int y, int width, int height);
    HWND createSecondComboBox(int x, int y, int width, int height);
    HWND createListBox(int x, int y, int width, int height);
    HWND createEditBox(int x, int y, int width, int height);
    HWND createEditBox2(const char* text, int x, int y, int width, int height);
    HWND createStaticWindow(const char* text, int x, int y, int width, int height);
    HWND createContainerWindow(int x, int y, int width, int height);
    HWND createProgressBar(int x, int y, int width, int height);
    HWND createToolTip(HWND parent);
};
