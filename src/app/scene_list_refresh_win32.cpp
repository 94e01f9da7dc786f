#include "app/scene_list_refresh_win32.h"

#include "app/control_events_win32.h"

void refreshSceneListDisplay(AppState& app) { refreshSceneList(app); }
