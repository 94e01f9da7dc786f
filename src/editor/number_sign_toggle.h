#pragma once
// " Toggle NumSign": comments or uncomments the selected lines of the editor.

// Every line from the selection start's line to the selection end's line (the caret's line when
// nothing is selected) gains a "#" at its start, or loses it when it begins with one. The
// caret goes to the start of the next line. One undo step.
void toggleNumberSign();
