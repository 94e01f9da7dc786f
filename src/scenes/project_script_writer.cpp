#include "scenes/project_script_writer.h"

#include <cstdio>
#include <cstring>

#include "base/bounded_text.h"
#include "scenes/row_file.h"
#include "scenes/scene_row.h"
#include "scenes/shown_rows.h"
#include "base/line_file.h"

namespace {
// trim(0,0) means the whole clip; the one-frame scene at frame 0 is trim(0,-1).
long long trimEnd(long long start, long long end) { return start == 0 && end == 0 ? -1 : end; }
}  // namespace

namespace {

// Rows of a file read one line each, with the following row in view. Rows past the end of the
// file are empty, so their words are not numbers and leave the values as they were.
class RowLookahead {
public:
    explicit RowLookahead(FILE* file) : in(file) {
        load(rows[0]);
        load(rows[1]);
    }
    const SceneRow& current() const { return rows[at]; }
    const SceneRow& next() const { return rows[1 - at]; }
    void advance() {
        load(rows[at]);
        at = 1 - at;
    }

private:
    void load(SceneRow& row) {
        char line[rowLineReadSize];
        splitRowLine(readLine(in, line) ? line : "", row);
    }
    FILE* in;
    SceneRow rows[2];
    int at = 0;
};

// The numbers of the intermediate files are worked out from frame numbers and may leave the int
// range a little; they stay far inside this one.
constexpr long long passNumberLimit = 1000000000000000LL;

bool parsePassNumber(const char* word, long long& value) {
    if (!word) return false;
    const char* p = word;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (*p < '0' || *p > '9') return false;
    long long n = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        n = n * 10 + (*p - '0');
        if (n > passNumberLimit) return false;
    }
    value = negative ? -n : n;
    return true;
}

const char* transitionName(const SceneRow& row) { return row.transition[0] ? row.transition : "-"; }

bool isNone(const char* word) { return strcmp(word, "-") == 0; }

bool writePassLine(FILE* out, int number, const char* name, long long frames, long long start,
                   long long end) {
    char line[rowLineReadSize + 96];
    formatText(line, sizeof line, "%02i %s %lli %lli %lli", number, name, frames, start, end);
    return writeLine(out, line);
}

// A pass writes its file under a temporary name that replaces the old file when complete, so
// a run that breaks off never leaves half an intermediate file.
struct PassFiles {
    FILE* in = nullptr;
    FileRewrite rewrite;
    FILE* out = nullptr;
    ~PassFiles() {
        if (in) fclose(in);
    }
    bool close() {
        if (in) fclose(in);
        in = nullptr;
        bool good = out && rewrite.commit();
        out = nullptr;
        return good;
    }
    void abandon() {
        if (in) fclose(in);
        in = out = nullptr;
        rewrite.abandon();
    }
};

bool openPass(PassFiles& files, const char* folder, const char* input, const char* output,
              WindowHandle owner) {
    char inPath[300], outPath[300], tempPath[310];
    if (folderFilePath(inPath, sizeof inPath, folder, input) &&
        folderFilePath(outPath, sizeof outPath, folder, output) &&
        formatText(tempPath, sizeof tempPath, "%s.tmp", outPath) > 0) {
        files.in = openForReading(inPath);
        if (files.in && files.rewrite.open(tempPath, outPath)) files.out = files.rewrite.stream();
    }
    if (files.in && files.out) return true;
    files.abandon();
    showMessageBox(owner, "not open 3", "Project Script File", mbOk);
    return false;
}

}  // namespace

int checkDissolves(const char* programFolder, int rowCount, WindowHandle owner) {
    char path[300];
    FILE* in = folderFilePath(path, sizeof path, programFolder, "rowdat.vlr") ? openForReading(path)
                                                                              : nullptr;
    if (!in) {
        showMessageBox(owner, "not open 3", "Project Script File", mbOk);
        return scriptPassFailed;
    }
    RowLookahead rows(in);
    char text[200];
    text[0] = '\0';
    for (int i = 1; i <= rowCount && !text[0]; ++i, rows.advance()) {
        if (!isDissolve(rows.current())) continue;
        if (i == 1)
            copyText(text, "No Dissolve in fist line");
        else if (i == rowCount)
            formatText(text, sizeof text,
                       "The Dissolve in row %02i is the last row.\nA Dissolve must be followed by a "
                       "scene.\n\nThe project script was not written.",
                       i);
        else if (isDissolve(rows.next()))
            formatText(text, sizeof text,
                       "The Dissolves in rows %02i and %02i stand next to each other.\nA Dissolve "
                       "must stand between two scenes.\n\nThe project script was not written.",
                       i, i + 1);
    }
    fclose(in);
    if (!text[0]) return scriptWritten;
    showMessageBox(owner, text, "Write avs script", mbOk);
    return scriptRefused;
}

int writePassOne(const char* programFolder, int rowCount, WindowHandle owner) {
    PassFiles files;
    if (!openPass(files, programFolder, "rowdat.vlr", "pass1.tdt", owner)) return scriptPassFailed;
    RowLookahead rows(files.in);
    long long frames = 0, start = 0, end = 0, previousEnd = 0, nextStart = 0;
    bool good = true;
    for (int i = 1; i <= rowCount; ++i, rows.advance()) {
        const SceneRow& row = rows.current();
        const char* name = transitionName(row);
        if (i == 1 && isDissolve(name)) {
            files.abandon();
            showMessageBox(owner, "No Dissolve in fist line", "Write avs script", mbOk);
            return scriptRefused;
        }
        if (isNone(name)) frames = 0;
        parseFrameNumber(row.frames, frames);
        if (isNone(row.start)) {
            // A Dissolve reaches back into the scene before it and on into the one after it.
            start = previousEnd - (frames + 10);
            parseFrameNumber(rows.next().start, nextStart);
            end = nextStart + 10 + frames;
        } else {
            parseFrameNumber(row.start, start);
            parseFrameNumber(row.end, end);
        }
        good = writePassLine(files.out, i, name, frames, start, end) && good;
        previousEnd = end;
    }
    if (!files.close() || !good) {
        showMessageBox(owner, "not open 3", "Project Script File", mbOk);
        return scriptPassFailed;
    }
    return scriptWritten;
}

int writePassTwo(const char* programFolder, int rowCount, WindowHandle owner) {
    PassFiles files;
    if (!openPass(files, programFolder, "pass1.tdt", "pass2.tdt", owner)) return scriptPassFailed;
    RowLookahead rows(files.in);
    bool afterDissolve = false;
    long long dissolveFrames = 0, frames = 0, start = 0, end = 0, dissolveStart = 0;
    bool good = true;
    for (int i = 1; i <= rowCount; ++i, rows.advance()) {
        const SceneRow& row = rows.current();
        const char* name = transitionName(row);
        parsePassNumber(row.frames, frames);
        parsePassNumber(row.start, start);
        parsePassNumber(row.end, end);
        if (isDissolve(name)) {
            dissolveFrames = frames;
            afterDissolve = true;
        } else {
            // The frames a Dissolve uses belong to it alone: the scene before ends where it
            // starts, the scene after starts past its own copy of the frames.
            if (isDissolve(rows.next())) {
                parsePassNumber(rows.next().start, dissolveStart);
                end = dissolveStart - 1;
            }
            if (afterDissolve) start = start + 11 + dissolveFrames;
            afterDissolve = false;
            dissolveFrames = 0;
        }
        good = writePassLine(files.out, i, name, frames, start, end) && good;
    }
    if (!files.close() || !good) {
        showMessageBox(owner, "not open 3", "Project Script File", mbOk);
        return scriptPassFailed;
    }
    return scriptWritten;
}

int writePassThree(const char* programFolder, int rowCount, const char* sourceScriptPath,
                   const char* projectScriptPath, int spliceChoice, WindowHandle owner,
                   ChapterPlan* chapters) {
    char passPath[300], tempPath[300];
    FILE* in = nullptr;
    FileRewrite out;
    bool opened = projectScriptPath && projectScriptPath[0] &&
                  folderFilePath(passPath, sizeof passPath, programFolder, "pass2.tdt") &&
                  folderFilePath(tempPath, sizeof tempPath, projectScriptPath, ".tmp") &&
                  (in = openForReading(passPath)) != nullptr && out.open(tempPath, projectScriptPath);
    if (!opened) {
        if (in) fclose(in);
        showMessageBox(owner, "not open 3", "ProjectScriptFile pass three", mbOk);
        return scriptNotWritten;
    }
    char line[rowLineReadSize + 400];
    bool good = out.line("###  Project Script Created by Zandolin  ###") &&
                out.line("#########################################") && out.line("");
    formatText(line, sizeof line, "Import(\"%s\")", sourceScriptPath ? sourceScriptPath : "");
    good = out.line(line) && out.line("") && out.line("") && good;

    RowLookahead rows(in);
    long long frames = 0, start = 0, end = 0;
    for (int i = 1; i <= rowCount; ++i, rows.advance()) {
        const SceneRow& row = rows.current();
        const char* name = transitionName(row);
        parsePassNumber(row.frames, frames);
        parsePassNumber(row.start, start);
        parsePassNumber(row.end, end);
        if (isDissolve(name))
            formatText(line, sizeof line, "t%02i = %s(trim(%lli,%lli),trim(%lli,%lli),%lli)", i, name, start,
                       start + 10 + frames, end - frames - 10, end, frames);
        else if (isNone(name))
            formatText(line, sizeof line, "t%02i = trim(%lli,%lli)", i, start, trimEnd(start, end));
        else
            formatText(line, sizeof line, "t%02i = %s(trim(%lli,%lli),%lli)", i, name, start, trimEnd(start, end),
                       frames);
        good = out.line(line) && good;
        if (chapters) chapters->addPiece(name, frames, start, isDissolve(name) ? end : trimEnd(start, end));
    }
    fclose(in);
    good = out.line("") && good;

    // The join line names every scene, however long it gets; no line end follows it.
    if (rowCount > 0) {
        const char* splice = spliceChoice == 2 ? "++" : "+";
        good = fputs("t01", out.stream()) != EOF && good;
        for (int k = 2; k <= rowCount; ++k) {
            formatText(line, sizeof line, "%st%02i", splice, k);
            good = fputs(line, out.stream()) != EOF && good;
        }
    }
    if (!good || !out.commit()) {
        out.abandon();
        showMessageBox(owner, "not open 3", "ProjectScriptFile pass three", mbOk);
        return scriptNotWritten;
    }
    char path[300];
    if (folderFilePath(path, sizeof path, programFolder, "pass1.tdt")) removeFile(path);
    removeFile(passPath);
    return scriptWritten;
}

int writeProjectScript(SceneListDisplay& list, const char* sourceScriptPath, const char* projectScriptPath) {
    if (list.spliceChoice != 1 && list.spliceChoice != 2) list.spliceChoice = 1;
    recountRows(list);
    int result = checkDissolves(list.programFolder, list.rowCount, list.owner);
    if (result == scriptWritten) result = writePassOne(list.programFolder, list.rowCount, list.owner);
    if (result == scriptWritten) result = writePassTwo(list.programFolder, list.rowCount, list.owner);
    ChapterPlan chapters;
    if (result == scriptWritten)
        result = writePassThree(list.programFolder, list.rowCount, sourceScriptPath, projectScriptPath,
                                list.spliceChoice, list.owner, &chapters);
    if (result == scriptWritten) writeChapterFile(projectScriptPath, chapters, list.framesPerSecond, list.owner);
    return result;
}
