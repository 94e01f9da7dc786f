#pragma once
// Where the panels put their controls, from the frame's client size (W x H). The buttons of
// the bottom right corner and the compressor lists follow the size; the rest is fixed.
#include "dialogs/panel_geometry.h"

PanelRect cancelButtonRect(int clientWidth, int clientHeight);  // 64 x 32, 10 px from the corner
PanelRect okButtonRect(int clientWidth, int clientHeight);      // left of Cancel
PanelRect helpButtonRect(int clientWidth, int clientHeight);    // above Cancel
PanelRect aboutCloseRect(int clientWidth, int clientHeight);    // the wider "Close / Cancel"

struct CompressorLayout {
    PanelRect videoLabel, videoList, audioLabel, audioList;
};
// Two lists side by side, the audio one starting at the middle of the client area.
CompressorLayout compressorLayout(int clientWidth, int clientHeight);

// The options panel: two group boxes of check boxes, positions inside their group box.
constexpr int optionsCheckCount = 5;
struct OptionsLayout {
    PanelRect tipsGroup, editorGroup, contact;
    PanelRect checks[optionsCheckCount];  // relative to the group box that holds them
};
OptionsLayout optionsLayout();
// True when the i-th check box sits in the "Tool Tips" group (the first three).
inline bool optionsCheckInTipsGroup(int index) { return index < 3; }
