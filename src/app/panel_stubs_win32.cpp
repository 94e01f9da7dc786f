#include "app/panels_win32.h"

// Placeholders for panels whose subsystems are not built yet: opening one does nothing
// visible and no panel becomes open. Each subsystem removes its lines here as it lands.
void openEncoderSetupPanel(AppState&) {}
void openToolButtonPanel(AppState&, int) {}
void openFilterParameterPanel(AppState&) {}
void openSaveWavePanel(AppState&) {}
void handleEncoderSetupPanel(AppState&) {}
void handleToolButtonPanel(AppState&) {}
void handleFilterParameterPanel(AppState&) {}
void handleSaveWavePanel(AppState&) {}
void runEncodeClick(AppState&) {}
void launchToolButton(AppState&, int, const char*) {}
