#include "app/session_recovery.h"

#include <cstring>

#include "base/bounded_text.h"
#include "base/line_file.h"
#include "scenes/row_file.h"
#include "scenes/scene_row.h"

namespace {
const char* const markerName = "zandolin.run";
const char* const markerHead = "Zandolin session";
}  // namespace

SessionMarker readSessionMarker(const char* programFolder) {
    SessionMarker marker;
    char path[300];
    if (!folderFilePath(path, sizeof path, programFolder, markerName)) return marker;
    FILE* in = openForReading(path);
    if (!in) return marker;
    marker.found = true;
    char line[300];
    if (readLine(in, line) && strcmp(line, markerHead) == 0 && readLine(in, line))
        copyText(marker.sourceScriptPath, line);
    fclose(in);
    return marker;
}

bool writeSessionMarker(const char* programFolder, const char* sourceScriptPath) {
    char path[300], temp[300];
    if (!folderFilePath(path, sizeof path, programFolder, markerName) ||
        !folderFilePath(temp, sizeof temp, programFolder, "zandolin.run.tmp"))
        return false;
    FileRewrite file;
    if (!file.open(temp, path)) return false;
    bool good = file.line(markerHead) && file.line(sourceScriptPath ? sourceScriptPath : "");
    if (good && file.commit()) return true;
    file.abandon();
    return false;
}

void removeSessionMarker(const char* programFolder) {
    char path[300];
    if (folderFilePath(path, sizeof path, programFolder, markerName)) removeFile(path);
}

RowTally tallyRows(const char* programFolder) {
    RowTally tally;
    char path[300];
    FILE* in = folderFilePath(path, sizeof path, programFolder, "rowdat.vlr") ? openForReading(path) : nullptr;
    if (!in) return tally;
    char line[rowLineReadSize];
    SceneRow row;
    while (readLine(in, line)) {
        splitRowLine(line, row);
        if (!row.number[0]) continue;
        ++tally.rows;
        if (!isDissolve(row)) ++tally.scenes;
    }
    fclose(in);
    return tally;
}

int askToRestoreScenes(const char* programFolder, const SessionMarker& marker, WindowHandle owner) {
    if (!marker.found) return recoveryNone;
    RowTally tally = tallyRows(programFolder);
    if (tally.rows == 0) return recoveryNone;
    char text[700];
    formatText(text, sizeof text,
               "Zandolin did not close properly last time.\n\n"
               "The scene list still holds %d %s (%d %s) cut from\n%s\n\n"
               "Do you want to restore them?\n\nClick No to start with an empty scene list.",
               tally.scenes, tally.scenes == 1 ? "scene" : "scenes", tally.rows, tally.rows == 1 ? "row" : "rows",
               marker.sourceScriptPath[0] ? marker.sourceScriptPath : "(no source script)");
    int answer = showMessageBox(owner, text, "Restore scenes", mbYesNo | mbIconQuestion);
    return answer == answerYes ? recoveryRestore : recoveryDiscard;
}
