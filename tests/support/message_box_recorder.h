#pragma once
// Test side of the message box seam: records every box and answers from a script.
#include <string>
#include <vector>

#include "base/message_box.h"

struct RecordedBox {
    WindowHandle owner;
    std::string text;
    std::string title;
    unsigned flags;
};

namespace boxes {
// Clears the record and the scripted answers.
void reset();
// Answers given to the next boxes, in order; when they run out, boxes are answered with
// OK (for OK boxes), Yes (Yes/No) or Cancel (Yes/No/Cancel).
void answer(int id);
const std::vector<RecordedBox>& shown();
}  // namespace boxes
