#pragma once
// The scene list on screen follows the shell's frame and rows (the rows, the total frames and
// time, the frame number box). Commands and keys call it after every seek and load.
struct AppState;
void refreshSceneListDisplay(AppState& app);
