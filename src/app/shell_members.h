#pragma once
// The popup menu set and the common dialogs, members of the application state.
#include "app/file_dialogs.h"
#include "app/menu_set.h"
