#pragma once
// The panels (tool dialogs inside the main window), as the shell sees them: how each kind
// is opened, and the handler the loop runs for the open kind. Each panel's subsystem
// defines its own functions; the shell dispatches by panelKind.
struct AppState;

// Opening: builds the panel on PanelHost and hands it to the loop (panelOpen, panelKind,
// panelWindow). A kind whose panel fails to build leaves panelOpen false.
void openEncoderSetupPanel(AppState& app);            // kind 1
void openScriptOptionsPanel(AppState& app);           // kind 2
void openToolButtonPanel(AppState& app, int button);  // kind 3, button 1..6
void openFilterParameterPanel(AppState& app);         // kind 4
void openOptionsPanel(AppState& app);                 // kind 5
void openSaveWavePanel(AppState& app);                // kind 6
void openFilterListPanel(AppState& app);              // kind 7
void openAboutPanel(AppState& app);                   // kind 8
void openScenePreviewPanel(AppState& app);            // kind 9
void openCompressorPanel(AppState& app);              // kind 10

// The open panel's handler, run by the loop in panel mode (reads ShellEvents).
void handleEncoderSetupPanel(AppState& app);
void handleScriptOptionsPanel(AppState& app);
void handleToolButtonPanel(AppState& app);
void handleFilterParameterPanel(AppState& app);
void handleOptionsPanel(AppState& app);
void handleSaveWavePanel(AppState& app);
void handleFilterListPanel(AppState& app);
void handleAboutPanel(AppState& app);
void handleScenePreviewPanel(AppState& app);
void handleCompressorPanel(AppState& app);

// The panel close of the loop: destroys the frame and resets the panel fields.
void closePanel(AppState& app);
// Run by closePanel for the panels that own a buffer while they are open.
void releaseAboutPanel(AppState& app);         // kind 8
void releaseScenePreviewPanel(AppState& app);  // kind 9
// The loop's phase 1: the open kind's handler.
void runPanelHandler(AppState& app);

// Encoding and tools, requested by control events.
void runEncodeClick(AppState& app);                    // "Encode Source" clicked
void launchToolButton(AppState& app, int button, const char* scriptPath);  // button 1..6
