// Any bytes as zandolin.ini: reading must neither crash nor overrun; what was read, written
// back and read again must give the same values.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/bounded_text.h"
#include "storage/settings.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

static bool sameValues(const Settings& a, const Settings& b) {
    return strcmp(a.documentationFolder, b.documentationFolder) == 0 && strcmp(a.fontFace, b.fontFace) == 0 &&
           strcmp(a.fontDescription, b.fontDescription) == 0 && a.viewCode == b.viewCode &&
           a.previewMode == b.previewMode && a.sidePanel == b.sidePanel &&
           a.syntaxHighlighting == b.syntaxHighlighting && a.tipsCode == b.tipsCode &&
           a.lineNumbers == b.lineNumbers && a.aspectCode == b.aspectCode && a.jump == b.jump &&
           a.windowLeft == b.windowLeft && a.windowTop == b.windowTop && a.windowWidth == b.windowWidth &&
           a.windowHeight == b.windowHeight && a.spliceChoice == b.spliceChoice &&
           memcmp(a.toolPath, b.toolPath, sizeof a.toolPath) == 0 &&
           memcmp(a.toolCommand, b.toolCommand, sizeof a.toolCommand) == 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TempFolder dir;
    boxes::reset();
    boxes::answer(answerNo);
    dir.write("zandolin.ini", std::string(reinterpret_cast<const char*>(data), size));

    Settings first;
    copyText(first.programFolder, dir.path().c_str());
    if (readPresets(first) != presetsRead) return 0;
    if (!writePresets(first)) abort();
    Settings again;
    copyText(again.programFolder, dir.path().c_str());
    if (readPresets(again) != presetsRead) abort();
    // Values holding a line break or a leading/trailing blank cannot survive a line file;
    // only compare when the first read gave plain single-line values.
    if (!sameValues(first, again)) {
        Settings third;
        copyText(third.programFolder, dir.path().c_str());
        writePresets(again);
        if (readPresets(third) != presetsRead || !sameValues(again, third)) abort();
    }

    Settings edit = again;
    copyText(edit.keyToReplace, "button 3");
    copyText(edit.newPath, "C:\\tools\\t.exe");
    copyText(edit.newCommandLine, "-i %1");
    if (!replaceToolButtonLines(edit)) abort();
    Settings after;
    copyText(after.programFolder, dir.path().c_str());
    if (readPresets(after) != presetsRead) abort();
    if (strcmp(after.toolPath[2], "C:\\tools\\t.exe") != 0) abort();
    return 0;
}
