// The encoder setup panel: adds, shows, edits, pairs and deletes the encoders of the encoder
// list, and makes the shown one the default encoder of the encode button.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/panels_win32.h"
#include "app/shell_events.h"
#include "app/views_layout_win32.h"
#include "base/bounded_text.h"
#include "editor/source_path.h"
#include "encoding/colour_space.h"
#include "encoding/file_pick_win32.h"
#include "encoding/panel_layouts.h"
#include "storage/encoder_list.h"

namespace {

enum SetupState { setupIdle = 0, setupAdd = 1, setupSave = 2, setupDelete = 4 };

struct EncoderSetupPanel {
    HWND description = nullptr, paired = nullptr, commandLine = nullptr, descriptionLabel = nullptr;
    HWND deleteButton = nullptr, iconButton = nullptr, helpButton = nullptr, saveButton = nullptr;
    HWND testBox = nullptr, waveBox = nullptr;
    HWND radios[colourSpaceRadioCount] = {};
    HICON icon = nullptr;
    int state = setupIdle;
    bool newEncoder = false;
    char chosenPath[260] = {};
};
EncoderSetupPanel panel;

const char removedText[] =
    "You have removed an encoder from the list.  You may delete another or select an encoder.  "
    "Click OK to select no encoder.";
const char uniquePrompt[] =
    "Please provide a unique description of this encoder.  Example \"audio_ac3\".";

const char* folderOf(const AppState& app) { return app.views.programFolder; }

void place(HWND window, const ControlPlace& p) {
    if (window) MoveWindow(window, p.x, p.y, p.width, p.height, TRUE);
}

bool checked(HWND box) { return box && SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void setChecked(HWND box, bool on) {
    if (box) SendMessageA(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

void showIcon(AppState& app, const char* path) {
    if (panel.icon) DestroyIcon(panel.icon);
    panel.icon = path && path[0] ? ExtractIconA(app.instance, path, 0) : nullptr;
    // ExtractIcon answers 1 for a file that holds no icon.
    if (panel.icon == reinterpret_cast<HICON>(1)) panel.icon = nullptr;
    if (panel.iconButton) SendMessageA(panel.iconButton, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(panel.icon));
}

void setTitle(AppState& app, const char* format, const char* path) {
    char title[300];
    formatText(title, sizeof title, format, path);
    SetWindowTextA(app.panelHost.frame, title);
}

void enableRadios(bool on) {
    for (HWND radio : panel.radios)
        if (radio) EnableWindow(radio, on ? TRUE : FALSE);
}

void showColourSpaceCode(int code) {
    const ColourSpaceControls c = showColourSpace(code);
    for (int i = 0; i < colourSpaceRadioCount; ++i) setChecked(panel.radios[i], c.radioChecked[i]);
    setChecked(panel.testBox, c.testChecked);
    enableRadios(c.radiosEnabled);
}

int shownColourSpaceCode() {
    bool radios[colourSpaceRadioCount] = {};
    for (int i = 0; i < colourSpaceRadioCount; ++i) radios[i] = checked(panel.radios[i]);
    return readColourSpace(checked(panel.testBox), radios);
}

// Refills both combo boxes from the file (the paired list starts with an empty item) and
// returns the default entry.
EncoderEntry refillLists(AppState& app) {
    std::vector<std::string> names, pairedNames;
    EncoderEntry entry;
    readEncoder(folderOf(app), windowAt(winMain), &entry, 0, &names, &pairedNames);
    SendMessageA(panel.description, CB_RESETCONTENT, 0, 0);
    SendMessageA(panel.paired, CB_RESETCONTENT, 0, 0);
    SendMessageA(panel.paired, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(""));
    for (const std::string& name : names) SendMessageA(panel.description, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    for (const std::string& name : pairedNames) SendMessageA(panel.paired, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    return entry;
}

void showEntry(AppState& app, const EncoderEntry& entry, const char* titleFormat) {
    showIcon(app, entry.path);
    setTitle(app, titleFormat, entry.path);
    SetWindowTextA(panel.description, entry.description);
    SetWindowTextA(panel.paired, entry.pairedEncoder);
    SetWindowTextA(panel.commandLine, entry.commandLine);
    setChecked(panel.waveBox, entry.saveWave);
    showColourSpaceCode(entry.colourSpace);
}

// A combo box's text during its selection change is still the old one; the list has the new.
void selectedText(HWND combo, char* out, size_t cap) {
    out[0] = '\0';
    const LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return;
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR || size_t(length) >= cap) return;
    SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(out));
}

void showChosenDescription(AppState& app) {
    char description[128];
    selectedText(panel.description, description, sizeof description);
    HWND main = windowAt(winMain);
    EncoderEntry entry;
    const int number = findEncoder(folderOf(app), main, &entry, description, findNumber);
    if (number == 0) return;
    entry = EncoderEntry{};
    readEncoder(folderOf(app), main, &entry, number);
    showEntry(app, entry, "Encoder Setup - %s");
}

void beginNewEncoder(AppState& app) {
    showIcon(app, panel.chosenPath);
    const char* title = fileTitleOf(panel.chosenPath);
    SendMessageA(panel.description, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title));
    SetWindowTextA(panel.description, title);
    SetWindowTextA(panel.paired, "");
    SetWindowTextA(panel.commandLine, "%filename");
    panel.newEncoder = true;
    setTitle(app, "Encoder Setup - %s", panel.chosenPath);
    place(panel.descriptionLabel, encoderSetupLayout(0, 0).descriptionLabelPrompt);
    SetWindowTextA(panel.descriptionLabel, uniquePrompt);
}

void saveShown(AppState& app) {
    HWND main = windowAt(winMain);
    char description[128] = {}, paired[128] = {}, command[1024] = {};
    GetWindowTextA(panel.description, description, sizeof description);
    GetWindowTextA(panel.paired, paired, sizeof paired);
    GetWindowTextA(panel.commandLine, command, sizeof command);
    EncoderEntry entry;
    const int number = findEncoder(folderOf(app), main, &entry, description, findNumber);
    entry.colourSpace = shownColourSpaceCode();
    entry.saveWave = checked(panel.waveBox);
    if (panel.newEncoder) {
        const bool edited = SendMessageA(panel.commandLine, EM_GETMODIFY, 0, 0) != 0;
        addEncoder(folderOf(app), main, entry, description, paired, edited ? command : nullptr, panel.chosenPath);
        panel.newEncoder = false;
    } else if (number != 0) {
        editEncoder(folderOf(app), main, entry, paired, command, number);
    }
    findEncoder(folderOf(app), main, nullptr, description, findAndMakeDefault);
    showEntry(app, refillLists(app), "Encoder Setup  -  %s");
    place(panel.descriptionLabel, encoderSetupLayout(0, 0).descriptionLabel);
    SetWindowTextA(panel.descriptionLabel, "Encoder Description");
}

void deleteShown(AppState& app) {
    HWND main = windowAt(winMain);
    char description[256] = {};
    GetWindowTextA(panel.description, description, sizeof description);
    deleteEncoder(folderOf(app), main, description);
    refillLists(app);
    SetWindowTextA(panel.description, "");
    SetWindowTextA(panel.paired, "");
    setDefaultEncoder(folderOf(app), main, 0);
    showIcon(app, nullptr);
    if (app.panelHost.cancelButton) EnableWindow(app.panelHost.cancelButton, FALSE);
    SetWindowTextA(panel.commandLine, removedText);
}

void openHelp(AppState& app) {
    char page[300];
    formatText(page, sizeof page, "%sdocs\\English\\Encoder.html", folderOf(app));
    const INT_PTR result = reinterpret_cast<INT_PTR>(ShellExecuteA(windowAt(winMain), "open", page, nullptr, nullptr, SW_SHOWNORMAL));
    const char* text = nullptr;
    if (result == 0 || result == SE_ERR_OOM) text = "The operating system is out of memory or resources.";
    if (result == ERROR_FILE_NOT_FOUND || result == ERROR_PATH_NOT_FOUND) text = "The file could not be opened.";
    if (text) showMessageBox(windowAt(winMain), text, "Open dialog help file", mbOk);
}

// One click or selection change in the panel (control), or the follow-up call without a
// control once the loop has done what the last result asked. Returns the panel's result.
int handle(AppState& app, HWND control, bool selectionChanged) {
    if (control) {
        if (control == panel.testBox) {
            enableRadios(checked(panel.testBox));
            return setupIdle;
        }
        if (control == panel.description && selectionChanged) {
            showChosenDescription(app);
            return setupIdle;
        }
        if (control == panel.iconButton) return panel.state = setupAdd;
        if (control == app.panelHost.okButton) return panel.state = setupSave;
        if (control == panel.deleteButton) return panel.state = setupDelete;
        if (control == panel.helpButton) openHelp(app);
        if (control != panel.saveButton) return setupIdle;
        panel.state = setupSave;
    } else if (panel.state == setupAdd) {
        beginNewEncoder(app);
        panel.state = setupIdle;
    } else if (panel.state == setupDelete) {
        deleteShown(app);
        panel.state = setupIdle;
    }
    if (panel.state == setupSave) {
        saveShown(app);
        panel.state = setupIdle;
    }
    return setupIdle;
}

}  // namespace

void openEncoderSetupPanel(AppState& app) {
    HWND main = windowAt(winMain);
    PanelHost& host = app.panelHost;
    if (!host.createFrame(main, "Encoder Setup", 1.3)) return;
    if (panel.icon) DestroyIcon(panel.icon);
    panel = EncoderSetupPanel{};
    RECT client = {};
    GetClientRect(host.frame, &client);
    const EncoderSetupLayout l = encoderSetupLayout(client.right, client.bottom);
    host.createCancelButton(l.cancel.x, l.cancel.y, l.cancel.width, l.cancel.height);
    host.createOkButton(l.ok.x, l.ok.y, l.ok.width, l.ok.height);
    panel.saveButton = host.createTextButton("Save", l.save.x, l.save.y, l.save.width, l.save.height);
    panel.descriptionLabel = host.createStaticText("Encoder Description", l.descriptionLabel.x, l.descriptionLabel.y,
                                                   l.descriptionLabel.width, l.descriptionLabel.height);
    panel.description = host.createComboBox(l.description.x, l.description.y, l.description.width, l.description.height);
    host.createStaticText("Select an Encoder to pair with above", l.pairedLabel.x, l.pairedLabel.y,
                          l.pairedLabel.width, l.pairedLabel.height);
    panel.paired = host.createSecondComboBox(l.paired.x, l.paired.y, l.paired.width, l.paired.height);
    host.createStaticText("Command line", l.commandLabel.x, l.commandLabel.y, l.commandLabel.width, l.commandLabel.height);
    panel.commandLine = host.createEditBox(l.commandLine.x, l.commandLine.y, l.commandLine.width, l.commandLine.height);
    if (panel.commandLine) SendMessageA(panel.commandLine, EM_LIMITTEXT, 1023, 0);
    panel.deleteButton = host.createTextButton("Delete", l.deleteButton.x, l.deleteButton.y, l.deleteButton.width,
                                               l.deleteButton.height);
    panel.iconButton = host.createIconButton(l.iconButton.x, l.iconButton.y, l.iconButton.width, l.iconButton.height);
    host.createStaticText("Click Button\nto add encoder", l.iconLabel.x, l.iconLabel.y, l.iconLabel.width,
                          l.iconLabel.height);
    panel.helpButton = host.createTextButton("Help", l.helpButton.x, l.helpButton.y, l.helpButton.width,
                                             l.helpButton.height);
    panel.testBox = host.createCheckBox(host.frame, "Test Output colorspace before encoding", l.testBox.x,
                                        l.testBox.y, l.testBox.width, l.testBox.height);
    panel.waveBox = host.createCheckBox(host.frame, "Save Audio as Wave before encoding", l.waveBox.x, l.waveBox.y,
                                        l.waveBox.width, l.waveBox.height);
    const int radios = host.createRadioGroup(host.frame, colourSpaceRadioCount, l.radios.x, l.radios.y,
                                             l.radios.width, l.radios.height);
    static const char* const radioTexts[colourSpaceRadioCount] = {"YV12", "YUY2", "DIB (RGB)"};
    for (int i = 0; i < radios && i < colourSpaceRadioCount; ++i) {
        panel.radios[i] = host.radioButtons[i];
        SetWindowTextA(panel.radios[i], radioTexts[i]);
    }
    showEntry(app, refillLists(app), "Encoder Setup  -  %s");
    app.panelWindow = host.frame;
    app.panelOpen = true;
    app.panelKind = panelEncoderSetup;
    app.panelStep = 0;
}

void handleEncoderSetupPanel(AppState& app) {
    ShellEvents& e = shellEvents;
    const bool selectionChanged = e.selectionChange != 0;
    if (!e.buttonClicked && !selectionChanged) return;
    HWND control = reinterpret_cast<HWND>(e.eventSender);
    e.buttonClicked = 0;
    e.selectionChange = 0;
    const int result = handle(app, control, selectionChanged);
    if (result == setupAdd) {
        if (pickFile(windowAt(winMain), "Add Encoder", "exe", encoderProgramFilter, 0, "", false, panel.chosenPath,
                     sizeof panel.chosenPath))
            handle(app, nullptr, false);
        else
            panel.state = setupIdle;
    } else if (result == setupSave) {
        handle(app, nullptr, false);
        if (panel.icon) DestroyIcon(panel.icon);
        panel.icon = nullptr;
        closePanel(app);
        layoutRefresh(app);  // the encode tip and the button icons follow the new settings
    } else if (result == setupDelete) {
        handle(app, nullptr, false);
    }
}
