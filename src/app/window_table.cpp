#include "app/window_table.h"

WindowTable windowTable = {};
