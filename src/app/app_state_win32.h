#pragma once
// The whole application state: the subsystem objects in construction order, then the
// shell's own fields. Lives from the first line of the entry point to its return.
#include <windows.h>

#include "app/shell_members.h"
#include "app/views.h"
#include "app/window_builder_win32.h"
#include "app/window_table.h"
#include "audio/avi_clip.h"
#include "audio/save_wave_panel_win32.h"
#include "avisynth/avs_binding.h"
#include "dialogs/panel_host_win32.h"
#include "editor/parameter_panel_win32.h"
#include "editor/script_document.h"
#include "encoding/encoding_state.h"
#include "scenes/scene_list.h"
#include "storage/project_file.h"
#include "viewer/media_player_win32.h"

enum PanelKind {
    panelNone = 0,
    panelEncoderSetup = 1,
    panelScriptOptions = 2,
    panelToolButtons = 3,
    panelFilterParameters = 4,
    panelOptions = 5,
    panelSaveWave = 6,
    panelFilterGraphList = 7,
    panelAbout = 8,
    panelScenePreview = 9,
    panelCompressors = 10,
};

struct AppState {
    // Members, in construction order; disposed of in reverse.
    WindowBuilder windowBuilder;
    MenuSet menus;
    FileDialogs fileDialogs;
    ScriptDocument document;
    AviClip clip;
    Views views;
    SceneListDisplay sceneList;
    PanelHost panelHost;
    AvsBinding avisynth;
    MediaPlayer player;
    EncodingState encoding;

    // The shell's own fields.
    HINSTANCE instance = nullptr;
    const char* arguments = "";
    MSG currentMessage = {};
    HACCEL accelerators = nullptr;
    bool panelOpen = false;
    int panelKind = panelNone;
    HWND panelWindow = nullptr;
    int panelStep = 0;
    bool scriptModified = false;
    bool encodeProject = false;
    bool repeatPlay = false;
    int currentFrame = 0;
    int lastFrame = 0;
    int rowCount = 0;
    int firstVisibleRow = 1;
    bool saveWaveThenEncode = false;
    bool pendingSaveAs = false;
    bool relayoutRequested = false;
    HWND focusToRestore = nullptr;
    bool keyAskedForCommand = false;
    RECT lastClientRect = {};
    // The project's three names and titles, as the project commands last set them.
    ProjectNames project = {};
    bool previewShown = false;     // the video window shows the preview script (view 2)
    // The records of the panels that keep state while open.
    SaveWavePanel saveWavePanel;
    FilterParameterPanel parameterPanel;
};

inline HWND windowAt(int index) { return static_cast<HWND>(windowTable.handle[index]); }
