#pragma once
// DirectShow playback in the video windows: the main graph, and the Alpha and Beta graphs
// that show the neighbour frames in the Video Editor (Alpha alone plays the scene preview).
// The shell and the panels call these operations; only this subsystem touches DirectShow.
#include <windows.h>

#include "app/window_table.h"

struct IGraphBuilder;
struct IMediaControl;
struct IMediaSeeking;
struct IVideoWindow;
struct IBaseFilter;
struct IEnumFilters;

// One neighbour graph (Alpha or Beta): its own graph and the interfaces it keeps.
struct NeighbourGraph {
    IGraphBuilder* graph = nullptr;
    IMediaControl* control = nullptr;
    IMediaSeeking* seeking = nullptr;
    IVideoWindow* window = nullptr;
    bool built = false;
    bool playing = false;
};

// What the script's clip says, set before openMedia when the file is an AviSynth script.
struct ScriptClip {
    bool hasVideo = false;
    bool hasAudio = false;
    float framesPerSecond = 0.0f;
    int frameCount = 0;
    int width = 0;
    int height = 0;
};

class MediaPlayer {
public:
    MediaPlayer();
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;
    ~MediaPlayer();

    // Script mode for the next openMedia: the clip's properties are at hand.
    void setScriptClip(const ScriptClip& clip);
    // aviSynthErrorLogged: the binding holds an error from start-up (refuses scripts).
    void setAviSynthErrorLogged(bool logged);
    // Builds the main graph for view 3 or 4; any earlier graph is closed first.
    void openMedia(const char* path, int view);
    void closePlayer();
    // "Alpha" toggles the Alpha graph; any other text the main graph.
    void togglePlay(const char* which);
    // -10 only reads the current position. Returns the frame reached.
    long long seekToFrame(long long frame);
    int updatePosition();
    int readCurrentFrame();
    void drawFrameInfo();
    // -1 not playing, 1 the graph reported completion, 0 otherwise.
    int pollEvents();
    void layoutVideo();
    // An empty path means the main graph's file.
    void openAlpha(const char* path, long long frame);
    void closeAlpha();
    void openBeta(const char* path, long long frame);
    void closeBeta();
    void listFilters(const char* name);
    void showFilterProperties();
    // Timer 2225: finds the property frame's window.
    void onPropertyFrameTimer();
    // Writes the frame as a bitmap next to the media file ("%s_F_%li.bmp"), or to
    // bitmapPath when it is given. Returns false when nothing was written.
    bool grabFrame(long long frame, const char* bitmapPath = nullptr);
    // Shows text in a "Direct Show Pointer Error" box and closes the player when result
    // is not zero; returns whether it failed.
    bool reportFailure(long result, const char* text);
    // Alpha's current frame (the scene preview reads it while Alpha plays).
    long long alphaFrame();
    bool alphaPlaying() const { return alpha_.playing; }
    bool alphaBuilt() const { return alpha_.built; }
    long long frameDuration100ns() const { return duration100ns_; }

    // State the shell reads.
    bool graphBuilt() const { return built_; }
    bool isPlaying() const { return playing_; }
    bool hasVideo() const { return hasVideo_; }
    bool hasAudio() const { return hasAudio_; }
    int videoWidth() const { return videoWidth_; }
    int videoHeight() const { return videoHeight_; }
    float framesPerSecond() const { return framesPerSecond_; }
    int lastFrame() const { return lastFrame_; }
    int timerTick() const { return timerTick_; }
    const char* mediaPath() const { return mediaPath_; }
    bool filtersListed() const { return filtersListed_; }

    // Switches the shell sets.
    bool neighbours = false;  // build Alpha and Beta when a file opens in view 3
    bool alphaOnly = false;   // Alpha runs alone for the scene preview
    HWND alphaOwner = nullptr;  // the scene preview's video window in alpha-only mode

private:
    void registerInRunningObjects();
    void revokeRunningObjects();
    void drawNoVideoText();
    bool openNeighbour(NeighbourGraph& n, const char* path, long long frame, bool alpha);
    void closeNeighbour(NeighbourGraph& n);
    void seekNeighbour(NeighbourGraph& n, long long position);
    void setPowerFeatures(bool on);
    void mainPositions();
    void restartAt(long long position);

    IGraphBuilder* graph_ = nullptr;
    NeighbourGraph alpha_;
    NeighbourGraph beta_;
    wchar_t widePath_[540] = {};
    int view_ = 0;
    bool scriptMode_ = false;
    ScriptClip scriptClip_;
    bool aviSynthErrorLogged_ = false;
    bool videoShown_ = false;
    double frameSeconds_ = 1.0 / 29;
    long long duration100ns_ = 333667;
    long long current_ = 0;
    long long stop_ = 0;
    bool formatMediaTime_ = false;
    bool formatFrame_ = false, formatSample_ = false, formatField_ = false, formatByte_ = false;
    unsigned long capabilities_ = 0;
    bool registerRunning_ = true;
    unsigned long rotCookie_ = 0;
    bool comStarted_ = false;
    IEnumFilters* filterEnum_ = nullptr;
    int filterCount_ = 0;
    HWND* propertyFrames_ = nullptr;
    int propertyIndex_ = 0;
    int framesOpened_ = 0;
    IBaseFilter* selectedFilter_ = nullptr;
    char propertyTitle_[270] = {};
    int screenSaver_ = 0, lowPower_ = 0, powerOff_ = 0;
    bool built_ = false;
    bool playing_ = false;
    bool hasVideo_ = false;
    bool hasAudio_ = false;
    int videoWidth_ = 0;
    int videoHeight_ = 0;
    float framesPerSecond_ = 1.0f;
    int lastFrame_ = 0;
    int timerTick_ = 363;
    bool filtersListed_ = false;
    char mediaPath_[270] = {};
};
