// Any bytes as the row data file: the display, the row operations and the project script
// writer must neither crash nor overrun, and a rewrite must change the row count by exactly
// the row it adds or drops.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "scenes/project_script_writer.h"
#include "scenes/row_entry.h"
#include "scenes/row_file.h"
#include "scenes/shown_rows.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TempFolder dir;
    if (size < 2) return 0;
    const int row = data[0] % 8;  // a row near the start, 0 included
    const int choice = data[1];
    const std::string rows(reinterpret_cast<const char*>(data + 2), size - 2);
    const char* folder = dir.path().c_str();
    boxes::reset();
    dir.write("rowdat.vlr", rows);

    SceneListDisplay list;
    list.programFolder = folder;
    list.spliceChoice = choice % 4;
    list.framesPerSecond = choice & 1 ? 29.97f : 25.0f;
    recountRows(list);
    const int count = list.rowCount;
    list.firstShownRow = 1 + choice % 5;
    loadShownRows(list);
    computeTotalFrames(list);
    RowEditLoad load;
    beginEdit(list, choice % 4, false, load);

    writeProjectScript(list, "C:\\source.avs", dir.file("project.avs").c_str());
    if (list.spliceChoice != 1 && list.spliceChoice != 2) abort();

    dir.write("rowdat.vlr", rows);
    const RowRewriteMode mode = static_cast<RowRewriteMode>(choice % 3);
    if (rewriteRowFile(folder, row, mode, "r01 FadeIn 60 1 2", nullptr) == 0) {
        int after = countRows(folder);
        int expected = row > count && mode != rewriteDelete ? count + 1
                       : mode == rewriteDelete              ? (row <= count ? count - 1 : count)
                       : mode == rewriteInsert              ? count + 1
                                                            : count;
        if (after != expected) abort();
    }
    appendRow(folder, "r02 - - 3 4", nullptr);
    return 0;
}
