#include "app/panels_win32.h"

// Placeholders for panels whose subsystems are not built yet: opening one does nothing
// visible and no panel becomes open. Each subsystem removes its lines here as it lands.
void openScriptOptionsPanel(AppState&) {}
void openFilterParameterPanel(AppState&) {}
void openOptionsPanel(AppState&) {}
void openSaveWavePanel(AppState&) {}
void openFilterListPanel(AppState&) {}
void openAboutPanel(AppState&) {}
void openScenePreviewPanel(AppState&) {}
void openCompressorPanel(AppState&) {}
void handleScriptOptionsPanel(AppState&) {}
void handleFilterParameterPanel(AppState&) {}
void handleOptionsPanel(AppState&) {}
void handleSaveWavePanel(AppState&) {}
void handleFilterListPanel(AppState&) {}
void handleAboutPanel(AppState&) {}
void handleScenePreviewPanel(AppState&) {}
void handleCompressorPanel(AppState&) {}
