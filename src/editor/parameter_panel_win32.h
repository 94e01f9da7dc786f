#pragma once
// The filter parameter panel's own record: the model of its fields and the controls that
// show them. Lives in the application state; valid while the panel is open.
#include <windows.h>

#include <string>
#include <vector>

#include "editor/parameter_model.h"

struct ParameterRowControls {
    HWND label = nullptr;
    HWND type = nullptr;
    HWND value = nullptr;
    HWND include = nullptr;
};

struct FilterParameterPanel {
    ParameterModel model;
    std::vector<ParameterRowControls> rows;
    std::string clipNames;  // the names assigned in the script, each followed by ","
    HWND rowArea = nullptr;
    HWND outputEdit = nullptr;
    int firstVisible = 0;
    int focusedRow = 0;
};
