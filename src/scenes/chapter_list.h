#pragma once
// Chapters of the cut for muxers and players: one per scene of the project script, in the
// chapter text format ("CHAPTER01=00:00:00.000", "CHAPTER01NAME=Scene 01"), written beside the
// project script as "<script name without .avs>_chapters.txt".
//
// A scene's chapter starts where the scene begins to show in the script's output: at the first
// frame of its piece (the black frame of a FadeIn included), or, after a Dissolve, at the first
// frame of the cross-fade into it.
#include <vector>

#include "base/message_box.h"

class ChapterPlan {
public:
    // One piece of the project script as it is written: transition name ("-" for none), its
    // frames, and the trim range.
    void addPiece(const char* transition, long long frames, long long start, long long end);
    // Output frames where the scenes start, in order. A piece whose length the script alone
    // does not fix (a trim to the end of the source) ends the list there.
    const std::vector<long long>& sceneStarts() const { return starts; }

private:
    std::vector<long long> starts;
    long long position = 0;
    bool afterDissolve = false;
    bool lengthUnknown = false;
};

// The output frame count of trim(start, end), or -1 when it depends on the source's length.
long long trimFrameCount(long long start, long long end);

// "HH:MM:SS.mmm" of an output frame at framesPerSecond, rounded to the nearest millisecond.
void chapterTime(char* out, unsigned long cap, long long frame, double framesPerSecond);

// The chapter file's path for a project script path; false when it does not fit.
bool chapterFilePath(char* out, unsigned long cap, const char* projectScriptPath);

// Writes the chapter file for the plan (replacing an older one in one step). With no scenes no
// file is written and an older one is removed, so it never describes another cut. Shows a box
// and returns false when the file cannot be written.
bool writeChapterFile(const char* projectScriptPath, const ChapterPlan& plan, float framesPerSecond,
                      WindowHandle owner);
