#pragma once
// The settings file "zandolin.ini" in the program folder and the record it is read into.
#include "base/message_box.h"

constexpr int toolButtonCount = 6;

// Built fresh for every read or write and thrown away afterwards.
struct Settings {
    char documentationFolder[260] = {};
    char projectPath[260] = {};  // always written empty; what is read is not used
    char fontFace[36] = {};
    char fontDescription[64] = {};
    int viewCode = 0;
    int previewMode = 0;
    int sidePanel = 0;
    int syntaxHighlighting = 1;
    int tipsCode = 9;  // Beginner 1 + Normal 3 + Advanced 5
    int lineNumbers = 1;
    int aspectCode = 0;  // 0 = 1:1, 1 = 4:3, 2 = 16:9
    int jump = 0;
    int placementMarker = 0;
    int windowLeft = 0, windowTop = 0, windowWidth = 0, windowHeight = 0;
    int spliceChoice = 0;  // 1 "+", 2 "++"
    int spliceExtra = 0;   // read, never written
    int viewerValues[3] = {2, 5, 8};  // "viewer Tech": read, never written
    char toolPath[toolButtonCount][260] = {};
    char toolCommand[toolButtonCount][128] = {};
    char programFolder[260] = {};
    WindowHandle owner = nullptr;
    const char* arguments = nullptr;  // the argument part of the process command line
    const char* commandLine = nullptr;  // the whole process command line
    bool alphaMarker = false;
    // Input of replaceToolButtonLines.
    char keyToReplace[32] = {};
    char newPath[260] = {};
    char newCommandLine[128] = {};
};

enum ReadPresetsResult { presetsRead = 0, presetsFirstRun = 1, presetsDamaged = 2 };

// Derives the program folder from the process command line and the argument text, as the
// folder of the quoted executable path; keeps the trailing backslash.
void deriveProgramFolder(const char* commandLine, const char* arguments, char* folder, int cap);

int readPresets(Settings& settings);
bool writePresets(const Settings& settings);
bool createDefaultSettingsFile(const Settings& settings);
bool replaceToolButtonLines(const Settings& settings);
// Asks whether to replace the settings file; writes the default file on Yes.
bool settingsRepairPrompt(const Settings& settings);
