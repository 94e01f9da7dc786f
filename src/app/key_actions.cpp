#include "app/key_actions.h"

namespace {

constexpr unsigned vkBack = 8, vkTab = 9, vkReturn = 13, vkEscape = 27, vkSpace = 32;
constexpr unsigned vkPrior = 33, vkNext = 34, vkLeft = 37, vkRight = 39;
constexpr unsigned vkF1 = 112, vkF4 = 115, vkF5 = 116, vkF6 = 117, vkF7 = 118, vkF8 = 119;
constexpr unsigned vkF9 = 120, vkF10 = 121, vkF11 = 122;

void add(KeyDecision& d, int action, unsigned command = 0, int frames = 0, double seconds = 0.0) {
    if (d.count >= 2) return;
    KeyStep& s = d.steps[d.count++];
    s.action = action;
    s.command = command;
    s.frames = frames;
    s.seconds = seconds;
}

void keyDown(const KeyContext& c, bool focusElsewhere, KeyDecision& d) {
    if (c.view == 1 || !focusElsewhere) return;
    if (c.key == vkPrior) add(d, keySeekSeconds, 0, 0, -10.0);
    if (c.key == vkNext) add(d, keySeekSeconds, 0, 0, 10.0);
    if (c.panelOpen) return;
    if (c.key == vkLeft) add(d, keySeekFrames, 0, -1);
    if (c.key == vkRight) add(d, keySeekFrames, 0, 1);
}

void systemKeyDown(const KeyContext& c, KeyDecision& d) {
    if (c.view == 1) return;
    if (c.key == vkPrior) add(d, keySeekSeconds, 0, 0, -100.0);
    if (c.key == vkNext) add(d, keySeekSeconds, 0, 0, 100.0);
    if (c.panelOpen) return;
    if (c.key == vkLeft) add(d, keySeekSeconds, 0, 0, -2.01);
    if (c.key == vkRight) add(d, keySeekSeconds, 0, 0, 2.01);
}

void keyUp(const KeyContext& c, bool focusElsewhere, KeyDecision& d) {
    switch (c.key) {
    case vkSpace:
        if (c.view != 1 && !c.panelOpen && focusElsewhere) add(d, keyDispatch, 22023);
        break;
    case vkF1:
        if (!c.panelOpen && c.view != 3) add(d, keyDocumentation);
        break;
    case vkBack:
        if (!c.panelOpen && c.focusInEditor) add(d, keyShortenWord);
        break;
    case vkF4:
        if (c.view == 2) add(d, keyClickUpdate);
        break;
    case vkF5:
        if (c.view != 3) add(d, keyDispatch, 20011);
        break;
    case vkF6: add(d, keyDispatch, c.view == 1 ? 20021u : 22023u); break;
    case vkF7:
        if (c.view != 2) add(d, keyDispatch, 20014);
        break;
    case vkF8: add(d, keyDispatch, 20009); break;
    case vkF9:
        if (c.view != 1) add(d, keyDispatch, 10007);
        break;
    case vkF11:
        if (c.view != 3) add(d, keyDispatch, 10009);
        break;
    case vkTab:
        if (!c.typedWordEmpty && c.focusInEditor) add(d, keyCountWord);
        break;
    case vkEscape:
        if (c.focusInFilterList) add(d, keyFocusEditor);
        if (c.clipLoaded && c.filterGraphListOnTop) add(d, keyHideFilterGraphs);
        break;
    default: break;
    }
}

}  // namespace

KeyDecision decideKey(const KeyContext& c) {
    KeyDecision d;
    const bool focusElsewhere = !c.focusInEditor && !c.focusInJumpBox;
    switch (c.message) {
    case keyDownMessage: keyDown(c, focusElsewhere, d); break;
    case systemKeyDownMessage: systemKeyDown(c, d); break;
    case keyUpMessage: keyUp(c, focusElsewhere, d); break;
    // F10 is a system key: only its system release switches to the Media Viewer.
    case systemKeyUpMessage:
        if (c.key == vkF10 && c.view != 4) add(d, keyDispatch, 10008);
        break;
    default: break;
    }
    // Enter counts in whatever message carries it (key down, character, key up).
    if (c.message >= keyDownMessage && c.message <= systemKeyUpMessage && c.key == vkReturn && c.characterMatch && !c.shiftHeld && d.count == 0) add(d, keyPickFunction);
    return d;
}

long long seekTarget(long long currentFrame, const KeyStep& step, double framesPerSecond) {
    if (step.action == keySeekFrames) return currentFrame + step.frames;
    if (step.action != keySeekSeconds) return currentFrame;
    double magnitude = step.seconds < 0 ? -step.seconds : step.seconds;
    long long frames = static_cast<long long>(framesPerSecond * magnitude);
    return step.seconds < 0 ? currentFrame - frames : currentFrame + frames;
}
