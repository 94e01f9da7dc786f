#include "editor/parameter_panel.h"

#include "editor/parameter_model.h"

namespace {
constexpr int rowStep = parameterRowHeight + parameterRowGap;

int lastFirstRow(size_t fieldCount) {
    int last = int(fieldCount) - parameterRowsVisible;
    return last > 0 ? last : 0;
}

int clampFirstRow(int first, size_t fieldCount) {
    if (first > lastFirstRow(fieldCount)) first = lastFirstRow(fieldCount);
    return first < 0 ? 0 : first;
}
}  // namespace

ParameterAreaPlace parameterRowArea(int frameWidth) {
    const int rowWidth = parameterLabelWidth + parameterTypeWidth + parameterValueWidth + parameterIncludeWidth +
                         5 * parameterRowGap;
    ParameterAreaPlace area;
    area.x = parameterRowAreaX;
    area.y = parameterRowAreaY;
    area.width = frameWidth - parameterRowAreaMargin;
    // The scroll bar takes its own width besides the rows.
    if (area.width < rowWidth + 20) area.width = rowWidth + 20;
    area.height = parameterRowsVisible * rowStep + parameterRowGap;
    return area;
}

ParameterRowPlace parameterRowPlace(int row, int firstVisible) {
    ParameterRowPlace p;
    p.y = (row - firstVisible) * rowStep + parameterRowGap;
    p.labelX = parameterRowGap;
    p.typeX = p.labelX + parameterLabelWidth + parameterRowGap;
    p.valueX = p.typeX + parameterTypeWidth + parameterRowGap;
    p.includeX = p.valueX + parameterValueWidth + parameterRowGap;
    return p;
}

int scrolledFirstRow(int first, int event, int thumbPosition, size_t fieldCount) {
    switch (event) {
    case scrollLineDown: first += 1; break;
    case scrollLineUp: first -= 1; break;
    case scrollPageDown: first += parameterRowsVisible; break;
    case scrollPageUp: first -= parameterRowsVisible; break;
    case scrollDrag: first = thumbPosition; break;
    default: break;
    }
    return clampFirstRow(first, fieldCount);
}

int nextFocusRow(int focused, size_t fieldCount) {
    if (fieldCount == 0) return -1;
    int next = focused + 1;
    return (next < 0 || next >= int(fieldCount)) ? 0 : next;
}

int firstRowShowing(int row, int first, size_t fieldCount) {
    if (row < first) first = row;
    else if (row >= first + parameterRowsVisible) first = row - parameterRowsVisible + 1;
    return clampFirstRow(first, fieldCount);
}
