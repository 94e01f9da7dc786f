#include "dialogs/panel_layouts.h"

PanelRect cancelButtonRect(int w, int h) { return {w - 74, h - 42, 64, 32}; }
PanelRect okButtonRect(int w, int h) { return {w - 114, h - 42, 36, 32}; }
PanelRect helpButtonRect(int w, int h) { return {w - 74, h - 78, 64, 32}; }
PanelRect aboutCloseRect(int w, int h) { return {w - 120, h - 42, 110, 32}; }

CompressorLayout compressorLayout(int w, int h) {
    CompressorLayout l;
    l.videoLabel = {16, 10, 150, 18};
    l.videoList = {10, 28, 250, h - 80};
    l.audioLabel = {w / 2 + 16, 10, 150, 18};
    l.audioList = {w / 2 + 10, 28, 250, h - 80};
    return l;
}

OptionsLayout optionsLayout() {
    OptionsLayout l;
    l.tipsGroup = {10, 10, 115, 80};
    l.editorGroup = {10, 100, 135, 80};
    l.contact = {300, 25, 380, 300};
    l.checks[0] = {15, 15, 90, 20};
    l.checks[1] = {15, 35, 90, 20};
    l.checks[2] = {15, 55, 90, 20};
    l.checks[3] = {15, 15, 90, 20};
    l.checks[4] = {15, 35, 110, 20};
    return l;
}
