#include "scenes/row_entry.h"

#include <cstring>

#include "base/bounded_text.h"
#include "scenes/row_file.h"
#include "scenes/scene_row.h"
#include "scenes/shown_rows.h"

bool isTransAllFunction(const char* functionName) {
    static const char prefix[] = "transall_";
    if (!functionName) return false;
    for (size_t i = 0; prefix[i]; ++i) {
        char c = functionName[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

int transitionItems(bool transAllFound, const char* items[5]) {
    static const char* const names[] = {"Dissolve", "FadeIn", "FadeOut", "FadeIO", "TransAll"};
    int count = transAllFound ? 5 : 4;
    for (int i = 0; i < count; ++i) items[i] = names[i];
    return count;
}

int chooseTransition(const SceneListDisplay& list, const char* transition) {
    if (!transition) return choiceOther;
    if (strcmp(transition, "TransAll") == 0) {
        showMessageBox(list.owner, "TranAll Plug-in found, not supported yet, sorry.", "Sorry", mbOk);
        return choiceIgnored;
    }
    if (strcmp(transition, "Dissolve") == 0) {
        if (list.rowCount > 0) return choiceDissolve;
        showMessageBox(list.owner,
                       "Dissolve must be proceeded by at least as many frames\nas the selected "
                       "duration in frames\n\nDissolve must also be followed by at least that many "
                       "frames.",
                       "Transition Selection", mbOk);
        return choiceRefused;
    }
    if (strcmp(transition, "FadeIn") == 0 || strcmp(transition, "FadeOut") == 0 ||
        strcmp(transition, "FadeIO") == 0)
        return choiceFade;
    return choiceOther;
}

int pressSetFrame(SceneListDisplay& list) {
    if (list.startEndToggle == 0) {
        list.startEndToggle = 1;
        return setStartAndEnd;
    }
    list.startEndToggle = 2;
    return setEnd;
}

void typedIntoFrameBox(SceneListDisplay& list, bool endBox) { list.startEndToggle = endBox ? 1 : 0; }

int commitRow(SceneListDisplay& list, const char* transition, const char* frames, const char* start,
              const char* end) {
    int result = 0;
    if (list.entryMode == entryInserting && list.insertPosition >= 1) {
        list.rowCount += 1;
        buildRowLine(list.rowLine, sizeof list.rowLine, list.insertPosition, transition, frames, start, end);
        result = rewriteRowFile(list.programFolder, list.insertPosition, rewriteInsert, list.rowLine,
                                list.owner);
        if (list.insertPosition - list.firstShownRow > 3) list.firstShownRow += 1;
    } else if (list.entryMode == entryEditing && list.editedRow >= 1) {
        buildRowLine(list.rowLine, sizeof list.rowLine, list.editedRow, transition, frames, start, end);
        result = rewriteRowFile(list.programFolder, list.editedRow, rewriteReplace, list.rowLine,
                                list.owner);
        list.currentFrame = list.savedFrame;
    } else {
        list.rowCount += 1;
        if (list.rowCount >= 4) list.firstShownRow = list.rowCount - 3;
        buildRowLine(list.rowLine, sizeof list.rowLine, list.rowCount, transition, frames, start, end);
        result = appendRow(list.programFolder, list.rowLine, list.owner) ? 0 : 2;
    }
    if (result != 0) recountRows(list);
    resetEntry(list);
    return result;
}

void resetEntry(SceneListDisplay& list) {
    if (list.savedFrame > 0) list.currentFrame = list.savedFrame;
    if (list.currentFrame < 0) list.currentFrame = 0;
    list.startEndToggle = 0;
    list.savedFrame = 0;
    list.entryMode = entryAdding;
}

size_t addButtonCaption(const SceneListDisplay& list, char* out, size_t cap) {
    if (list.entryMode == entryInserting)
        return formatText(out, cap, "Insert new row %02i", list.insertPosition);
    if (list.entryMode == entryEditing) return formatText(out, cap, "Save edited row %02i", list.editedRow);
    return copyText(out, cap, "Add");
}

const char* entryInfoText(const SceneListDisplay& list) {
    if (list.entryMode == entryInserting)
        return "Select Transitions and frames then click - Insert new row ##";
    if (list.entryMode == entryEditing) return "Edit Transitions and frames then click - Save edited row ##";
    return "Select Transitions and frames then click Add.";
}

bool beginInsert(SceneListDisplay& list, int slot, bool below) {
    int position = list.firstShownRow + slot + (below ? 1 : 0);
    if (slot < 0 || slot >= shownRowSlots || position > list.rowCount || position < 1) {
        list.entryMode = entryAdding;
        showMessageBox(list.owner, "Why the hell do you want to insert at the end, use - Add!",
                       "Insert new row has been Canceled", mbOk);
        return false;
    }
    list.insertPosition = position;
    list.entryMode = entryInserting;
    return true;
}

int beginEdit(SceneListDisplay& list, int slot, bool viewingProject, RowEditLoad& load) {
    load = RowEditLoad{};
    int row = list.firstShownRow + slot;
    if (slot < 0 || slot >= shownRowSlots || list.rowCount <= slot || row > list.rowCount || row < 1)
        return editNothing;
    if (viewingProject) {
        showMessageBox(list.owner,
                       "Can not edit row when viewing your projects output script.  Select Source "
                       "Radio Button",
                       "Edit Row", mbOk);
        return editRefused;
    }
    list.savedFrame = list.currentFrame;
    list.entryMode = entryEditing;
    list.editedRow = row;
    SceneRow words;
    readRow(list.programFolder, row, words);
    if (strcmp(words.transition, "-") != 0) {
        copyText(load.transition, words.transition);
        copyText(load.frames, words.frames);
    }
    copyText(load.start, words.start);
    copyText(load.end, words.end);
    long long start = list.currentFrame;
    if (strcmp(words.start, "-") != 0 && parseFrameNumber(words.start, start))
        list.currentFrame = static_cast<int>(start);
    load.previewEnabled = strcmp(words.start, "-") != 0;
    return editStarted;
}

int deleteShownRow(SceneListDisplay& list, int slot) {
    int row = list.firstShownRow + slot;
    int result = 4;
    if (slot >= 0 && slot < shownRowSlots && row >= 1 && row <= list.rowCount)
        result = rewriteRowFile(list.programFolder, row, rewriteDelete, nullptr, list.owner);
    if (result == 0)
        list.rowCount -= 1;  // one pass over the file is enough
    else
        recountRows(list);
    return result;
}
