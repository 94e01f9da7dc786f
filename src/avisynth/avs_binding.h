#pragma once
// The program's one binding to AviSynth: loads avisynth.dll at start-up, learns its version
// and support level, fills the filter list, looks up parameter strings, examines scripts and
// reports every AviSynth failure with its numbered text. Each operation creates its own
// script environment and destroys it again.
#include <cstdint>
#include <memory>
#include <string>

#include "app/window_table.h"
#include "avisynth/avs_library.h"
#include "avisynth/clip_texts.h"

struct AvsVideoProperties {
    int width = 0;
    int height = 0;
    float aspectRatio = 0.0f;
    float frameRate = 0.0f;
    int frameCount = 0;
};

struct AvsAudioProperties {
    int channelCount = 0;
    int sampleRate = 0;
    int64_t sampleCount = 0;
    int sampleType = 0;
};

struct AvsStatus {
    int errorLevelAtReport = 0;
    int functionListState = 0;  // 0 none, 1 plug-in list read, 2 internal list read
    bool notAClip = false;
    bool hasAudio = false;
    bool hasVideo = false;
};

class AvsBinding {
public:
    AvsBinding() = default;
    ~AvsBinding();
    AvsBinding(const AvsBinding&) = delete;
    AvsBinding& operator=(const AvsBinding&) = delete;

    // Start-up, once the windows exist: loads the library, reads the version, fills the
    // filter combo box (windows.handle[winFilterList]). Boxes are owned by windows.handle[winMain].
    void start(WindowTable& windows, void* instance);
    // Shutdown: frees the library (a box when that fails) and the parameter string.
    void release();

    // Shows the report of the current error level for a call result; true when fatal.
    bool reportError(int code);
    // "Display AviSynth Version".
    void showVersionDetails();
    // The parameter dialog closed.
    void clearParameterString();
    const char* parameterText() const { return parameterString ? parameterString.get() : ""; }

    // Function lists: fills the parameter string for a function.
    void lookUpParameters(const char* name, bool plugIn);
    // "Display Filter List": one line per combo item, appended to the editor.
    void listAll(WindowHandle editor, WindowHandle combo);

    // Script output properties; false when nothing was read.
    bool examineScript(const char* path);

    // Fields, in the order of the record.
    std::unique_ptr<getlib> library;
    void* factory = nullptr;  // CreateScriptEnvironment
    AvsVideoProperties video;
    AvsAudioProperties audio;
    AvsStatus status;
    void* instance = nullptr;
    std::unique_ptr<char[]> parameterString;
    const char* promptText =
        "It is likely that AviSynth has a corrupted installation or\nan error in an avsi file or plug-in problem in "
        "the plug-in folder.\n\nIf you would like to see the last AviSynth error logged by Zandolin\nclick \"YES\", "
        "click \"NO\" to continue or \"CANCEL\"";
    char versionString[64] = {};
    char clipData[clipDataSize] = {};
    char clipReport[clipReportSize] = {};
    float versionNumber = 0.0f;
    float viewerFrameRate = 0.0f;
    int supportLevel = 3;
    int viewerHeight = 0;
    int viewerWidth = 0;
    int interfaceVersion = 1;
    int errorLevel = 0;
    int lastReportedLevel = 0;
    char avsMessage[1024] = {};
    std::string lastErrorText = "None detected";
    WindowTable* windows = nullptr;
    WindowHandle listingTarget = nullptr;

    // The C interface calls resolved from the library (all null without a library).
    AvsApi api;

private:
    void initialise();
    // Returns false when a fatal report ended the reading.
    bool readLists(AVS_ScriptEnvironment* env);
    void setParameterString(const char* text);
    WindowHandle owner() const;
};
