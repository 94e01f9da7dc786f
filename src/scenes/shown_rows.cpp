#include "scenes/shown_rows.h"

#include <cstdio>

#include "base/bounded_text.h"
#include "scenes/frame_count.h"
#include "scenes/row_file.h"
#include "base/line_file.h"

void recountRows(SceneListDisplay& list) { list.rowCount = countRows(list.programFolder); }

static void fillSlot(DisplaySlot& slot, const SceneRow& row, float framesPerSecond) {
    formatText(slot.transition, sizeof slot.transition, "%s %s", row.transition, row.frames);
    copyText(slot.start, row.start);
    copyText(slot.end, row.end);
    if (isDissolve(row)) {
        formatText(slot.frames, sizeof slot.frames, "-%s", row.frames);
        slot.time[0] = '\0';
    } else {
        long long frames = rowFrames(row);
        formatText(slot.frames, sizeof slot.frames, "%lli", frames);
        timeText(slot.time, sizeof slot.time, frames, framesPerSecond);
    }
}

void loadShownRows(SceneListDisplay& list) {
    for (DisplaySlot& slot : list.slots) slot = DisplaySlot{};
    char path[300];
    FILE* in = folderFilePath(path, sizeof path, list.programFolder, "rowdat.vlr")
                   ? openForReading(path)
                   : nullptr;
    if (!in) return;
    char line[rowLineReadSize];
    SceneRow row;
    for (int n = 1; readLine(in, line); ++n) {
        int slot = n - list.firstShownRow;
        if (slot >= shownRowSlots) break;
        if (slot < 0) continue;
        splitRowLine(line, row);
        fillSlot(list.slots[slot], row, list.framesPerSecond);
    }
    fclose(in);
}

void computeTotalFrames(SceneListDisplay& list) { list.totalFrames = totalFrames(list.programFolder); }
