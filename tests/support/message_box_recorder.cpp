#include "support/message_box_recorder.h"

#include <deque>

namespace {
std::vector<RecordedBox> recorded;
std::deque<int> answers;
}  // namespace

namespace boxes {
void reset() {
    recorded.clear();
    answers.clear();
}
void answer(int id) { answers.push_back(id); }
const std::vector<RecordedBox>& shown() { return recorded; }
}  // namespace boxes

int showMessageBox(WindowHandle owner, const char* text, const char* title, unsigned flags) {
    recorded.push_back({owner, text ? text : "", title ? title : "", flags});
    if (!answers.empty()) {
        int id = answers.front();
        answers.pop_front();
        return id;
    }
    switch (flags & 0xF) {
    case mbYesNo: return answerYes;
    case mbYesNoCancel: return answerCancel;
    case mbOkCancel: return answerOk;
    default: return answerOk;
    }
}
