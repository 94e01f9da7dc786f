#include "app/panels_win32.h"

// Placeholders for panels whose subsystems are not built yet: opening one does nothing
// visible and no panel becomes open. Each subsystem removes its lines here as it lands.
void openEncoderSetupPanel(AppState&) {}
void openScriptOptionsPanel(AppState&) {}
void openToolButtonPanel(AppState&, int) {}
void openOptionsPanel(AppState&) {}
void openFilterListPanel(AppState&) {}
void openAboutPanel(AppState&) {}
void openScenePreviewPanel(AppState&) {}
void openCompressorPanel(AppState&) {}
void handleEncoderSetupPanel(AppState&) {}
void handleScriptOptionsPanel(AppState&) {}
void handleToolButtonPanel(AppState&) {}
void handleOptionsPanel(AppState&) {}
void handleFilterListPanel(AppState&) {}
void handleAboutPanel(AppState&) {}
void handleScenePreviewPanel(AppState&) {}
void handleCompressorPanel(AppState&) {}
void runEncodeClick(AppState&) {}
void launchToolButton(AppState&, int, const char*) {}
