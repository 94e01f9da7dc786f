#pragma once
// The views and settings member of the application state: the view shown, the layout
// switches and every value the settings file keeps while the program runs.
#include "storage/settings.h"

enum ViewCode { viewScriptEditor = 1, viewScriptPreview = 2, viewVideoEditor = 3, viewMediaViewer = 4 };
enum AspectChoice { aspectNone = -1, aspectSquare = 0, aspectFourThree = 1, aspectSixteenNine = 2 };

struct WindowRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct Views {
    int currentView = viewScriptEditor;
    char titleMark = ' ';
    char sourceScriptPath[260] = {};
    char sourceTitle[260] = "untitled";
    char sourceFolder[260] = {};
    char projectFilePath[260] = {};
    bool viewingProject = false;
    bool hasProjectFile = false;
    double aspectRatio = 1.3333334f;
    int aspectChoice = aspectFourThree;
    int previewMode = 1;
    bool sidePanel = false;
    bool lockedToActualSize = false;
    bool playing = false;
    bool filterListActive = false;
    int frameJump = 300;
    int spliceChoice = 2;
    int syntaxHighlighting = 1;
    bool beginnerTips = true;
    bool normalTips = true;
    bool advancedTips = true;
    unsigned char lineNumbers = 1;
    char documentationFolder[260] = "C:\\Program Files\\AviSynth 2.5\\Docs\\english";
    char fontFace[36] = {};
    char fontDescription[64] = {};
    char programFolder[260] = {};
    char toolPath[toolButtonCount][260] = {};
    char toolCommand[toolButtonCount][128] = {};
    // Window placement from the settings and whether start-up applies it.
    int windowLeft = 0, windowTop = 0, windowWidth = 0, windowHeight = 0;
    bool applySavedPlacement = false;
    bool alphaFlag = false;  // "alpha.txt" exists: start in the editor with its text
    bool userSettingsLoaded = false;
    bool launchMarker = false;  // a tool was launched from the Script Editor
    bool windowWasMaximized = false;
    WindowRect normalRect;  // valid while windowWasMaximized
    WindowRect currentRect;  // the main window's screen rectangle, filled before saving

    // Layout state.
    char projectScriptPath[260] = {};
    bool hasProjectScript = false;
    bool tabsExist = false;
    int tipsView = 0;            // the view whose tooltip texts are in place; 0 none
    bool allHidden = false;      // every control but the main window is hidden
    bool layoutRefresh = true;   // reload icons and the encoder tip before the next layout
    int effectivePreviewMode = 0;  // previewMode as taken when a preview starts
    bool sourceAspect = false;      // the aspect follows the clip ("SourceAR")
    int clipWidth = 1, clipHeight = 1;  // from the script's properties
    bool multiFrameEditor = false;
    int rowEditMode = 0;  // the Video Editor's entry mode as the layout last took it
    void* toolIcons[toolButtonCount] = {};
    void* navigationIcons[6] = {};  // resource icons 101, 109, 104, 103, 105, 110
};

// Start-up: reads the settings file into views (with the first-run welcome box and the
// repair of a damaged file). commandLine and arguments derive the program folder unless
// programFolder is given. Returns the result of readPresets.
int loadUserSettings(Views& views, WindowHandle owner, const char* commandLine, const char* arguments,
                     const char* programFolder);
// Shutdown and after the options panel: writes the values in effect.
bool saveUserSettings(Views& views, WindowHandle owner);
