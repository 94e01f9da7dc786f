#pragma once
// Filling the scene list display record from the row file, for painting.
#include "scenes/scene_list.h"

// Sets the row count from the file.
void recountRows(SceneListDisplay& list);

// Fills the four display slots with rows firstShownRow .. firstShownRow + 3; slots past the
// last row are left empty.
void loadShownRows(SceneListDisplay& list);

// Sets the total frames from the file.
void computeTotalFrames(SceneListDisplay& list);
