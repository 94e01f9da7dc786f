#include "app/window_builder_win32.h"

#include <commctrl.h>

#include <initializer_list>

#include "base/bounded_text.h"
#include "app/window_table.h"

namespace {

constexpr int useDefault = CW_USEDEFAULT;

struct WindowSpec {
    int index;
    DWORD exStyle;
    const char* className;
    const char* caption;
    int parent;  // index into the window table, -1 for none
    DWORD style;
    int x, y, width, height;
    const char* failure;  // nullptr: not reported
};

const DWORD child = WS_CHILD;
const DWORD groupBox = WS_CHILD | BS_GROUPBOX;
const DWORD frameCentre = WS_CHILD | WS_DLGFRAME | SS_CENTER;
const DWORD tooltip = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX;

// Creation order is identity: the position in this table is the window's index.
const WindowSpec specs[] = {
    {0, WS_EX_APPWINDOW | WS_EX_ACCEPTFILES, "TheWinClass", "Zandolin", -1,
     WS_POPUP | WS_CLIPSIBLINGS | WS_BORDER | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
     useDefault, useDefault, useDefault, useDefault, "Could not create main Window! 0"},
    {1, 0, STATUSCLASSNAMEA, nullptr, 0, child, useDefault, useDefault, useDefault, useDefault,
     "Could not create Status Bar! 1"},
    {2, 0, WC_TABCONTROLA, nullptr, 0, child | TCS_FOCUSNEVER, useDefault, useDefault, useDefault, useDefault,
     "Could not create Tab control! 2"},
    // 3 to 10: the eight icon buttons, one creation step (see build()).
    {11, 0, "Button", "Add", 0, child | BS_PUSHBUTTON, useDefault, useDefault, useDefault, useDefault,
     "Could not create button 11"},
    {12, 0, TRACKBAR_CLASSA, nullptr, 0, child | TBS_AUTOTICKS | TBS_ENABLESELRANGE | TBS_FIXEDLENGTH | TBS_TOOLTIPS,
     0, 0, 0, 0, "Could not create SlideBar 12"},
    {13, 0, "TheVidWinClass", nullptr, 0, child | WS_CLIPCHILDREN, useDefault, useDefault, useDefault, useDefault,
     "Could not create Video Window!13"},
    {14, 0, "Button", "Transition", 0, groupBox, 0, 5, 15, 10, "Could not create Transition group box 14"},
    {15, WS_EX_CLIENTEDGE | WS_EX_TOPMOST, "Combobox", nullptr, 0, child | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT,
     0, 5, 15, 10, "Could not create Transition combo box 15"},
    {16, WS_EX_CLIENTEDGE, "TheWinClass", nullptr, 0, child, 0, 5, 15, 10, "Could not create frame number window 16"},
    {17, 0, "Button", "Scene Frames", 0, groupBox, useDefault, useDefault, useDefault, useDefault,
     "Could not create button 17"},
    {18, WS_EX_CLIENTEDGE, "Edit", "", 14, child | ES_NUMBER | ES_RIGHT, useDefault, useDefault, useDefault,
     useDefault, "Could not create Transition frame edit box 18"},
    {19, 0, "Button", "Encode Source", 0, child | BS_MULTILINE | BS_CENTER, useDefault, useDefault, useDefault,
     useDefault, "Could not create Encode button 19"},
    {20, 0, "Static", nullptr, 0, child | SS_ICON, useDefault, useDefault, useDefault, useDefault,
     "Could not create static icon 20"},
    {21, 0, "Button", "Go", 0, child | BS_PUSHBUTTON, useDefault, useDefault, useDefault, useDefault,
     "Could not create Go Button 21"},
    {22, 0, "Button", "", 0, child | BS_ICON, useDefault, useDefault, useDefault, useDefault,
     "Could not create button 22"},
    {23, WS_EX_CLIENTEDGE, "TheWinClass", nullptr, 0, child, useDefault, useDefault, useDefault, useDefault,
     "Could not create video editor Sub window 23"},
    {24, 0, "Static", "", 23, frameCentre, useDefault, useDefault, useDefault, useDefault,
     "Could not create Static window 24"},
    {25, 0, "Static", "Transition        Frames  ", 23, child | WS_DLGFRAME | SS_RIGHT, useDefault, useDefault,
     useDefault, useDefault, "Could not create Transition header 25"},
    {26, 0, "Static", "Start Frame", 23, frameCentre, useDefault, useDefault, useDefault, useDefault,
     "Could not create Start Frame header 26"},
    {27, 0, "Static", "End Frame", 23, frameCentre, useDefault, useDefault, useDefault, useDefault,
     "Could not create End Frame header! :("},
    {28, 0, "Static", "Frames", 23, frameCentre, useDefault, useDefault, useDefault, useDefault,
     "Could not create Frames header! :("},
    {29, 0, "Static", "Time", 23, frameCentre, useDefault, useDefault, useDefault, useDefault,
     "Could not create Time header! :("},
    {30, WS_EX_CLIENTEDGE, "Edit", nullptr, 0, child | ES_NUMBER | ES_RIGHT, useDefault, useDefault, useDefault,
     useDefault, "Could not create Start frame edit box 30"},
    {31, WS_EX_CLIENTEDGE, "Edit", nullptr, 0, child | ES_NUMBER | ES_RIGHT, useDefault, useDefault, useDefault,
     useDefault, "Could not create End frame edit box 31"},
    {32, 0, "Button", "", 23, child | BS_CENTER, useDefault, useDefault, useDefault, useDefault,
     "Could not create row buttons"},
    {33, 0, "Button", "", 23, child | BS_CENTER, useDefault, useDefault, useDefault, useDefault,
     "Could not create row buttons"},
    {34, 0, "Button", "", 23, child | BS_CENTER, useDefault, useDefault, useDefault, useDefault,
     "Could not create row buttons"},
    {35, 0, "Button", "", 23, child | BS_CENTER, useDefault, useDefault, useDefault, useDefault,
     "Could not create row buttons"},
    {36, 0, "Static", "Duration Frames", 14, child, useDefault, useDefault, useDefault, useDefault,
     "Could not create static text window! 36"},
    {37, 0, "Static", "Start", 17, child, useDefault, useDefault, useDefault, useDefault,
     "Could not create static text window! 37"},
    {38, 0, "Static", "End", 17, child, useDefault, useDefault, useDefault, useDefault,
     "Could not create static text window! 38"},
    {39, 0, "Static", "Select Transitions and frames then click Add or click row number to edit.", 0, child,
     useDefault, useDefault, useDefault, useDefault, "Could not create static info text window! 39"},
    {40, 0, "Button", "Cancel", 0, child | BS_PUSHBUTTON, useDefault, useDefault, useDefault, useDefault,
     "Could not create Cancel Button! 40"},
    {41, 0, "Button", "Total frames", 0, groupBox, useDefault, useDefault, useDefault, useDefault,
     "Could not create total frames groupbox 41!"},
    {42, 0, "Button", "Total time", 0, groupBox, useDefault, useDefault, useDefault, useDefault,
     "Could not create total time groupbox! 42"},
    {43, 0, "Static", "0123456", 41, child | SS_RIGHT, useDefault, useDefault, useDefault, useDefault,
     "Could not create static total frames text box 43!"},
    {44, 0, "Static", "0:00:00.00", 42, child | SS_RIGHT, useDefault, useDefault, useDefault, useDefault,
     "Could not create static total time text box 44!"},
    {45, 0, "Button", "View or Encode", 0, groupBox, useDefault, useDefault, useDefault, useDefault,
     "Could not create group box 45"},
    {46, WS_EX_CLIENTEDGE, "Scintilla", nullptr, 0, child | WS_CLIPCHILDREN, useDefault, useDefault, useDefault,
     useDefault, nullptr},
    {47, 0, "Button", "Preview", 0, child | BS_PUSHBUTTON, useDefault, useDefault, useDefault, useDefault,
     "Could not create static text box 47"},
    {48, 0, "ComboBox", nullptr, 0, WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT, useDefault,
     useDefault, useDefault, useDefault, "Could not create list box 48"},
    {49, WS_EX_CLIENTEDGE, "Edit", "Jump to", 0, child | ES_NUMBER | ES_NOHIDESEL | ES_RIGHT, useDefault,
     useDefault, useDefault, useDefault, "Could not create frame jump box 49"},
    {50, 0, "Button", "Update   F4", 0, child | BS_PUSHBUTTON, useDefault, useDefault, useDefault, useDefault,
     "Could not create update button 50"},
    {51, 0, "Button", "AviSynth Reports", 0, groupBox, useDefault, useDefault, useDefault, useDefault,
     "Could not create gourp box 51"},
    {52, 0, "Static", "", 51, child | SS_RIGHT, useDefault, useDefault, useDefault, useDefault,
     "Could not create static text box 52"},
    {53, 0, "Static", "", 51, child, useDefault, useDefault, useDefault, useDefault,
     "Could not create static text box 53"},
    {54, 0, "Button", "Source", 0, child | BS_AUTORADIOBUTTON, useDefault, useDefault, useDefault, useDefault,
     "Could not create radio button 54"},
    {55, 0, "Button", "Project", 0, child | BS_AUTORADIOBUTTON, useDefault, useDefault, useDefault, useDefault,
     "Could not create radio button -  55"},
    {56, 0, TOOLTIPS_CLASSA, nullptr, 0, tooltip, useDefault, useDefault, useDefault, useDefault,
     "Could not create 1st tooltip 56"},
    {57, WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, 0, tooltip, useDefault, useDefault, useDefault, useDefault,
     "Could not create 2nd tooltip 57"},
    {58, WS_EX_CLIENTEDGE, "ListBox", "Direct Show Filters", 0, child | LBS_NOTIFY | LBS_SORT, useDefault,
     useDefault, useDefault, useDefault, "Could not create list box 58"},
    {59, 0, "TheVidWinClass", "video win al", 0, child | WS_CLIPCHILDREN, useDefault, useDefault, useDefault,
     useDefault, "Could not create video win alpha 59"},
    {60, 0, "TheWinClass", nullptr, 0, child, useDefault, useDefault, useDefault, useDefault,
     "Could not create tool holder 60"},
    {61, 0, TOOLBARCLASSNAMEA, nullptr, 60, child | TBSTYLE_TRANSPARENT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_ADJUSTABLE,
     useDefault, useDefault, useDefault, useDefault, "Could not create toolbar 61"},
    {62, WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, 0, tooltip, useDefault, useDefault, useDefault, useDefault,
     "Could not create 3rd tooltip control 62"},
    {63, 0, "TheVidWinClass", "video win beta", 0, child | WS_CLIPCHILDREN, useDefault, useDefault, useDefault,
     useDefault, "Could not create video win beta 63"},
};

HWND handleAt(int index) { return index < 0 ? nullptr : static_cast<HWND>(windowTable.handle[index]); }

// The first creation steps name the window's index in a short formatted text; the later
// ones show their own text.
void reportFailure(int index, const char* failure) {
    if (!failure) return;
    if (index <= 26) {
        char text[64];
        formatText(text, sizeof text, "Window  %i failed creation.\n\n%s", index, failure);
        MessageBoxA(nullptr, text, "Error:  CreateWindow Falure", MB_OK | MB_ICONSTOP);
    } else {
        MessageBoxA(nullptr, failure, "ERROR", MB_OK | MB_ICONSTOP);
    }
}

}  // namespace

void WindowBuilder::build(HINSTANCE inst, WNDPROC mainProcedure) {
    instance = inst;

    mainClass.cbSize = sizeof mainClass;
    mainClass.style = CS_OWNDC;
    mainClass.lpfnWndProc = mainProcedure;
    mainClass.hInstance = instance;
    mainClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(101));
    mainClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    mainClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    mainClass.lpszClassName = "TheWinClass";
    if (!RegisterClassExA(&mainClass))
        MessageBoxA(nullptr, "Grrr!\nCould not register window class!", "ERROR", MB_OK | MB_ICONSTOP);

    videoClass.cbSize = sizeof videoClass;
    videoClass.lpfnWndProc = DefWindowProcA;
    videoClass.hInstance = instance;
    videoClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    videoClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_MENUTEXT + 1));
    videoClass.lpszClassName = "TheVidWinClass";
    if (!RegisterClassExA(&videoClass))
        MessageBoxA(nullptr, "Grrr!\nCould not register video window class!", "ERROR", MB_OK | MB_ICONSTOP);

    const char* noted = nullptr;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    if (!InitCommonControlsEx(&controls)) noted = "Failed to load Common Controls";
    // The library is never freed: its window class must outlive every editor window.
    if (!LoadLibraryA("SciLexer.dll")) {
        editorLibraryLoaded = false;
        noted = "The Scintilla Library could not be loaded.\n\nStarting with version 0.0.1.8b Zandolin requires "
                "the file \" SciLexer.dll \"\nreside in the Zandolin folder.";
    }
    if (noted) MessageBoxA(nullptr, noted, "Error: Failed to load a library", MB_OK | MB_ICONSTOP);

    const auto create = [&](const WindowSpec& s) {
        ++creationCounter;
        HWND window = CreateWindowExA(s.exStyle, s.className, s.caption, s.style, s.x, s.y, s.width, s.height,
                                      handleAt(s.parent), nullptr, instance, nullptr);
        windowTable.handle[s.index] = window;
        if (!window) reportFailure(s.index, s.failure);
        return window;
    };

    for (const WindowSpec& s : specs) {
        if (s.index == 11) {
            // The eight icon buttons come right before "Add".
            for (int index = 3; index <= 10; ++index) {
                const WindowSpec button = {index, 0, "Button", "", 0, child | BS_ICON, useDefault, useDefault,
                                           useDefault, useDefault, "Could not create button 3-10"};
                create(button);
            }
            // The play button is a push-like check box.
            if (HWND play = handleAt(winPlay))
                SetWindowLongPtrA(play, GWL_STYLE, WS_CHILD | BS_PUSHLIKE | BS_ICON | BS_AUTOCHECKBOX);
        }
        HWND window = create(s);
        if (!window) continue;
        if (s.index == winStatusBar) {
            sharedFont = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
        } else if (s.index == winTrackbar) {
            SendMessageA(window, TBM_SETTIPSIDE, TBTS_TOP, 0);
            SendMessageA(window, TBM_SETTHUMBLENGTH, 18, 0);
        } else if (s.index == winToolbar) {
            if (HWND filters = handleAt(winFilterList)) SetParent(filters, window);
        }
    }

    static const int fontUsers[] = {2,  19, 21, 24, 25, 26, 27, 28, 29, 32, 33, 34, 35, 36, 37, 38, 39,
                                    41, 42, 45, 48, 50, 51, 52, 53, 54, 55};
    for (int index : fontUsers)
        if (HWND window = handleAt(index)) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(sharedFont), FALSE);

    if (HWND endFrame = handleAt(winEndFrame)) SendMessageA(endFrame, EM_SETREADONLY, TRUE, 0);
    for (int index : {winAdd, winCancel, winPreview})
        if (HWND window = handleAt(index)) EnableWindow(window, FALSE);
}
