#pragma once
// DirectShow playback in the video windows: the main graph, and the Alpha and Beta graphs
// that show the neighbour frames in the Video Editor (Alpha alone plays the scene preview).
// The shell and the panels call these operations; only this subsystem touches DirectShow.
#include <windows.h>

#include "app/window_table.h"

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
    MediaPlayer() = default;
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
