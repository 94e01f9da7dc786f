#pragma once
// What a key read straight from the current message does, decided from the message and the
// state around it. The loop performs the actions; this file only chooses them.

// Message codes the key phase looks at.
enum KeyMessage : unsigned {
    keyDownMessage = 256,
    keyUpMessage = 257,
    characterMessage = 258,
    systemKeyDownMessage = 260,
    systemKeyUpMessage = 261,
};

enum KeyAction {
    keyNothing = 0,
    keySeekFrames,       // seek by `frames` (negative: back) when a clip is loaded
    keySeekSeconds,      // seek by `seconds` x frame rate, truncated, when a clip is loaded
    keyDispatch,         // run `command`
    keyDocumentation,    // F1: the documentation lookup
    keyShortenWord,      // Backspace: the typed word loses its last character
    keyClickUpdate,      // F4: click "Update   F4"
    keyCountWord,        // Tab: the typed word's count goes up
    keyFocusEditor,      // Esc in the filter list
    keyHideFilterGraphs, // Esc while the DirectShow filter list is on top
    keyPickFunction,     // Enter on a matched word: open the parameter panel
};

struct KeyContext {
    unsigned message = 0;
    unsigned key = 0;  // wParam
    int view = 1;
    bool panelOpen = false;
    bool focusInEditor = false;
    bool focusInJumpBox = false;
    bool focusInFilterList = false;
    bool clipLoaded = false;
    bool filterGraphListOnTop = false;
    bool characterMatch = false;
    bool shiftHeld = false;
    bool typedWordEmpty = true;
};

struct KeyStep {
    int action = keyNothing;
    unsigned command = 0;
    int frames = 0;
    double seconds = 0.0;
};

// Up to two steps: Esc may both give the editor the focus and hide the filter graph list.
struct KeyDecision {
    KeyStep steps[2];
    int count = 0;
};

KeyDecision decideKey(const KeyContext& context);

// The frame a seek step lands on before the player clamps it.
long long seekTarget(long long currentFrame, const KeyStep& step, double framesPerSecond);
