#pragma once
// Paints the scene list of the Video Editor from the row file: scroll range, row button
// labels, the four shown rows and the total frames and time.
#include "scenes/scene_list.h"

void paintSceneList(SceneListDisplay& list);
