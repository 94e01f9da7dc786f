#include "base/bounded_text.h"
#include "base/project_addresses.h"
#include "app/views.h"
#include "storage/encoder_list.h"

namespace {

const char* const welcomeText =
    "Welcome!\n\nThe first time Zandolin runs it will create three files (zandolin.ini, encoder.ini and "
    "row.dat).\n\nZandolin needs these files to store user defined settings, as it does not write info to "
    "your registry.\n\nIf you are not running Zandolin for the first time the files have been moved from "
    "Zandolins directory, have been deleted or are badly damaged.\n\nZandolin will now create these small "
    "files in Zandolin's directory.\n\n"
    "Thanks for tying Zandolin.  send mail to: ";

void applyTipsCode(Views& v, int code) {
    switch (code) {
    case 0: v.beginnerTips = v.normalTips = v.advancedTips = false; break;
    case 1: v.normalTips = v.advancedTips = false; break;
    case 3: v.beginnerTips = v.advancedTips = false; break;
    case 4: v.advancedTips = false; break;
    case 5: v.beginnerTips = v.normalTips = false; break;
    case 6: v.normalTips = false; break;
    case 8: v.beginnerTips = false; break;
    default: break;  // 9 and anything else keep all three as they are
    }
}

void copyFromSettings(Views& v, const Settings& s) {
    copyText(v.fontFace, s.fontFace);
    copyText(v.fontDescription, s.fontDescription);
    applyTipsCode(v, s.tipsCode);
    v.lineNumbers = static_cast<unsigned char>(s.lineNumbers);
    int view = s.viewCode;
    if (s.alphaMarker) {
        view = viewScriptEditor;
        v.alphaFlag = true;
    }
    if (view == viewScriptEditor || view == viewVideoEditor || view == viewMediaViewer) {
        v.currentView = view;
        v.applySavedPlacement = true;
    } else {
        v.currentView = viewScriptEditor;
        v.applySavedPlacement = false;
    }
    if (s.placementMarker != 1) v.applySavedPlacement = false;
    v.previewMode = (s.previewMode < 1 || s.previewMode > 2) ? 1 : s.previewMode;
    v.sidePanel = s.sidePanel != 0;
    switch (s.aspectCode) {
    case 0: v.aspectRatio = 1.0; v.aspectChoice = aspectSquare; break;
    case 1: v.aspectRatio = 1.3333334f; v.aspectChoice = aspectFourThree; break;
    case 2: v.aspectRatio = 1.7777778f; v.aspectChoice = aspectSixteenNine; break;
    default: break;
    }
    v.syntaxHighlighting = s.syntaxHighlighting;
    v.windowLeft = s.windowLeft;
    v.windowTop = s.windowTop;
    v.windowWidth = s.windowWidth;
    v.windowHeight = s.windowHeight;
    v.spliceChoice = s.spliceChoice;
    if (s.documentationFolder[0] != '\0') copyText(v.documentationFolder, s.documentationFolder);
    // The command lines are kept as well: shutdown writes the buttons back from here, and
    // a button left without its command line would lose it at the next close.
    for (int n = 0; n < toolButtonCount; ++n) {
        copyText(v.toolPath[n], s.toolPath[n]);
        copyText(v.toolCommand[n], s.toolCommand[n]);
    }
    v.frameJump = s.jump;
}

}  // namespace

int loadUserSettings(Views& v, WindowHandle owner, const char* commandLine, const char* arguments,
                     const char* programFolder) {
    Settings s;
    s.owner = owner;
    s.commandLine = commandLine;
    s.arguments = arguments;
    if (programFolder) copyText(s.programFolder, programFolder);
    int result = readPresets(s);
    if (result == presetsFirstRun) {
        char welcome[1024];
        formatText(welcome, sizeof welcome, "%s%s", welcomeText, contactEmailAddress);
        int answer = showMessageBox(owner, welcome, "Zandolin loading user settings",
                                    mbYesNo | mbIconInformation | mbTaskModal);
        if (answer == answerYes) {
            createDefaultEncoderFile(s.programFolder, owner);
            createDefaultSettingsFile(s);
            copyText(v.programFolder, s.programFolder);
        }
    } else if (result == presetsDamaged) {
        copyText(v.programFolder, s.programFolder);
        createDefaultSettingsFile(s);
    } else {
        copyText(v.programFolder, s.programFolder);
        copyFromSettings(v, s);
        v.userSettingsLoaded = true;
    }
    // The running program never uses a zero jump or splice choice.
    if (v.frameJump == 0) v.frameJump = 300;
    if (v.spliceChoice == 0) v.spliceChoice = 2;
    return result;
}

bool saveUserSettings(Views& v, WindowHandle owner) {
    // Without a program folder (the user declined the files on the first run) there is no
    // place that the user agreed to: write nothing rather than into the current folder.
    if (v.programFolder[0] == '\0') return false;
    Settings s;
    s.owner = owner;
    copyText(s.programFolder, v.programFolder);
    copyText(s.documentationFolder, v.documentationFolder);
    copyText(s.fontFace, v.fontFace);
    copyText(s.fontDescription, v.fontDescription);
    for (int n = 0; n < toolButtonCount; ++n) {
        copyText(s.toolPath[n], v.toolPath[n]);
        copyText(s.toolCommand[n], v.toolCommand[n]);
    }
    s.viewCode = v.launchMarker ? viewScriptEditor : v.currentView;
    s.previewMode = v.previewMode;
    s.sidePanel = v.sidePanel ? 1 : 0;
    s.syntaxHighlighting = v.syntaxHighlighting;
    s.lineNumbers = v.lineNumbers;
    s.tipsCode = (v.beginnerTips ? 1 : 0) + (v.normalTips ? 3 : 0) + (v.advancedTips ? 5 : 0);
    s.aspectCode = v.aspectChoice == aspectFourThree ? 1 : v.aspectChoice == aspectSixteenNine ? 2 : 0;
    const WindowRect& r = v.windowWasMaximized ? v.normalRect : v.currentRect;
    s.windowLeft = r.left;
    s.windowTop = r.top;
    s.windowWidth = r.right - r.left;
    s.windowHeight = r.bottom - r.top;
    s.jump = v.frameJump;
    s.spliceChoice = v.spliceChoice;
    bool written = writePresets(s);
    v.userSettingsLoaded = true;
    return written;
}
