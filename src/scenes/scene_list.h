#pragma once
// The scene list display record: what the Video Editor knows about the rows between repaints.
// The rows themselves live only in the row data file.
#include "base/message_box.h"

enum EntryMode { entryAdding = 0, entryEditing = 1, entryInserting = 2 };

// The four rows on screen.
constexpr int shownRowSlots = 4;
struct DisplaySlot {
    char transition[25];  // transition and its frames, "FadeIn 60" or "- -"
    char start[8];
    char end[8];
    char frames[8];  // frame count of the row, or "-60" for a Dissolve of 60
    char time[13];   // running time of the row; empty for a Dissolve
};

struct SceneListDisplay {
    const char* programFolder = "";  // AppState's, with its trailing separator
    WindowHandle owner = nullptr;    // owner of the message boxes
    int rowCount = 0;
    int firstShownRow = 1;
    int entryMode = entryAdding;
    int insertPosition = 0;
    int editedRow = 0;
    int currentFrame = 0;
    int savedFrame = 0;
    int startEndToggle = 0;  // 0: the next set-frame press fills the start; 1: the end; 2: both set
    int totalFrames = 0;
    float framesPerSecond = 29.97f;
    int spliceChoice = 2;  // 1 joins with "+", 2 with "++"
    char rowLine[64] = {};
    DisplaySlot slots[shownRowSlots] = {};
};
