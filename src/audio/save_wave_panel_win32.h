#pragma once
// The save-wave panel's own record: what it shows and the controls it drives. Lives in the
// application state; valid while the panel is open.
#include <windows.h>

#include "audio/save_wave_panel.h"

enum SaveWaveState {
    saveWaveIdle = 0,
    saveWaveButtonsBack = 1,
    saveWaveShowName = 2,
    saveWaveNameFromScript = 20,
    saveWaveStartByItself = 222,
};

struct SaveWavePanel {
    char scriptPath[260] = {};
    char outputName[saveWaveNameSize] = {};
    int state = saveWaveIdle;
    HWND saveButton = nullptr;
    HWND changeButton = nullptr;
    HWND closeButton = nullptr;
    HWND pauseButton = nullptr;
    HWND eachChannelBox = nullptr;
    HWND outputLabel = nullptr;
    HWND progressBar = nullptr;
};
