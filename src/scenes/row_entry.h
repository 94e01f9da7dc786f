#pragma once
// What the Video Editor's entry controls do to the scene list: choosing a transition, setting
// frames, adding, inserting, editing and deleting rows. The window layer reads its controls,
// calls these with their texts, and sets its controls from the record and the results.
#include <cstddef>

#include "scenes/scene_list.h"

// The frames box text a transition starts with.
constexpr const char* defaultTransitionFrames = "60";

// A plug-in function of this name offers the "TransAll" transition.
bool isTransAllFunction(const char* functionName);
// The transition combo box items in order; returns their count (4, or 5 with "TransAll").
int transitionItems(bool transAllFound, const char* items[5]);

enum TransitionChoice {
    choiceIgnored = 0,   // "TransAll": only the sorry box was shown
    choiceRefused = 1,   // Dissolve with no rows yet: box shown, clear the selection
    choiceDissolve = 2,  // frames "60", both frame boxes "-" and disabled, set-frame disabled,
                         // Add and Cancel enabled, row display disabled
    choiceFade = 3,      // frames "60"
    choiceOther = 4,     // anything else: nothing changes
};
int chooseTransition(const SceneListDisplay& list, const char* transition);

enum SetFrameResult {
    setStartAndEnd = 1,  // both boxes get the current frame; start read-only, end editable
    setEnd = 2,          // the end box gets the current frame and becomes read-only; Add, Cancel
                         // and Preview enabled; set-frame, row display and the radios disabled
};
int pressSetFrame(SceneListDisplay& list);
// Typing into a frame box makes it the box the next press fills.
void typedIntoFrameBox(SceneListDisplay& list, bool endBox);

// The Add button: adds, inserts or replaces the row according to the entry mode, with the
// combo box text, the frames box text and the two frame box texts; then resets the entry state
// (resetEntry). Returns 0, or the failing file operation's code (the rows are then recounted).
int commitRow(SceneListDisplay& list, const char* transition, const char* frames, const char* start,
              const char* end);

// After a commit and on Cancel: the current frame returns to the saved one when there is one,
// and the toggle, saved frame and entry mode return to 0. The controls then show "Add",
// entryInfoText and the current frame in the start box.
void resetEntry(SceneListDisplay& list);

// Caption of the Add button for the entry mode: "Add", "Insert new row %02i", "Save edited row %02i".
size_t addButtonCaption(const SceneListDisplay& list, char* out, size_t cap);
// The information text for the entry mode.
const char* entryInfoText(const SceneListDisplay& list);

// "Insert Row Above" / "Insert Row Below" on the row button in slot 0..3. Returns true when
// insert mode began (Cancel enabled, row display disabled); false, with the box, when the
// position lies past the last row.
bool beginInsert(SceneListDisplay& list, int slot, bool below);

// What editing a row puts into the entry controls.
struct RowEditLoad {
    char transition[32];  // to select in the combo box; empty clears it
    char frames[8];
    char start[8];
    char end[8];
    bool previewEnabled;
};
enum EditStart { editNothing = 0, editRefused = 1, editStarted = 2 };
// A click on the row button in slot 0..3. editStarted: mode 1, current frame saved and moved to
// the row's start, row buttons and set-frame disabled, Add and Cancel enabled, row display
// disabled. editRefused: the "Edit Row" box was shown because the project script is on view.
int beginEdit(SceneListDisplay& list, int slot, bool viewingProject, RowEditLoad& load);

// "Delete" on the row button in slot 0..3. Returns 0 when the row was deleted (the row count
// goes down by one), 4 when the slot shows no row, else the rewrite's code (the rows are then
// recounted).
int deleteShownRow(SceneListDisplay& list, int slot);
