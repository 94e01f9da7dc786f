#include "scenes/row_file.h"

#include <cstdio>
#include <cstring>

#include "base/bounded_text.h"
#include "base/line_file.h"

bool folderFilePath(char* out, size_t cap, const char* folder, const char* name) {
    if (!out || cap == 0) return false;
    size_t folderLength = folder ? strlen(folder) : 0;
    size_t nameLength = name ? strlen(name) : 0;
    if (folderLength + nameLength + 1 > cap) {
        out[0] = '\0';
        return false;
    }
    copyText(out, cap, folder);
    appendText(out, cap, name);
    return true;
}

bool emptyRowFile(const char* programFolder, WindowHandle owner) {
    char path[300];
    FILE* file = folderFilePath(path, sizeof path, programFolder, "rowdat.vlr") ? openForWriting(path)
                                                                                : nullptr;
    if (!file) {
        showMessageBox(owner, path, "Could not open display file", mbOk);
        return false;
    }
    return fclose(file) == 0;
}

bool appendRow(const char* programFolder, const char* rowLine, WindowHandle owner) {
    char path[300];
    FILE* file = folderFilePath(path, sizeof path, programFolder, "rowdat.vlr") ? fopen(path, "ab")
                                                                                : nullptr;
    if (!file) {
        showMessageBox(owner, "not open", path, mbOk);
        return false;
    }
    bool good = writeLine(file, rowLine);
    return fclose(file) == 0 && good;
}

// "r" and the new number, then the line as it was after its first word.
static bool writeRenumbered(FileRewrite& out, const char* line, int number) {
    const char* rest = line;
    while (*rest == ' ' || *rest == '\t') ++rest;
    while (*rest && *rest != ' ' && *rest != '\t') ++rest;
    char renumbered[rowLineReadSize + 16];
    formatText(renumbered, sizeof renumbered, "r%02i%s", number, rest);
    return out.line(renumbered);
}

int rewriteRowFile(const char* programFolder, int rowNumber, RowRewriteMode mode, const char* rowLine,
                   WindowHandle owner) {
    if (rowNumber < 1) return 3;
    char rowPath[300], tempPath[300];
    bool named = folderFilePath(rowPath, sizeof rowPath, programFolder, "rowdat.vlr") &&
                 folderFilePath(tempPath, sizeof tempPath, programFolder, "rowtemp.vlr");
    FILE* in = named ? openForReading(rowPath) : nullptr;
    if (!in) {
        showMessageBox(owner, "Cannot open rowdat.vlr!\nThis is not goodfile must be corrupt",
                       "Video Frame Editor", mbOk);
        return 1;
    }
    FileRewrite out;
    if (!out.open(tempPath, rowPath)) {
        fclose(in);
        return 2;
    }
    char line[rowLineReadSize];
    bool good = true;
    int lineNumber = 0;
    bool more = true;
    while (lineNumber + 1 < rowNumber && (more = readLine(in, line))) {
        ++lineNumber;
        good = out.line(line) && good;
    }
    // Row n itself: the new line goes in its place or before it.
    if (mode != rewriteDelete) good = out.line(rowLine ? rowLine : "") && good;
    int next = mode == rewriteDelete ? rowNumber : rowNumber + 1;
    if (more && mode != rewriteInsert) readLine(in, line);  // drop line n
    while (more && readLine(in, line)) good = writeRenumbered(out, line, next++) && good;
    fclose(in);
    if (!good) {
        out.abandon();
        return 2;
    }
    return out.commit() ? 0 : 2;
}

int countRows(const char* programFolder) {
    char path[300];
    FILE* in = folderFilePath(path, sizeof path, programFolder, "rowdat.vlr") ? openForReading(path)
                                                                              : nullptr;
    if (!in) return 0;
    int lines = 0;
    char block[8192];
    size_t got;
    char last = '\n';
    while ((got = fread(block, 1, sizeof block, in)) > 0) {
        for (size_t i = 0; i < got; ++i)
            if (block[i] == '\n') ++lines;
        last = block[got - 1];
    }
    fclose(in);
    if (last != '\n') ++lines;  // a last line without its line end still counts
    return lines;
}

bool readRow(const char* programFolder, int rowNumber, SceneRow& row) {
    splitRowLine("", row);
    char path[300];
    FILE* in = rowNumber >= 1 && folderFilePath(path, sizeof path, programFolder, "rowdat.vlr")
                   ? openForReading(path)
                   : nullptr;
    if (!in) return false;
    char line[rowLineReadSize];
    bool found = false;
    for (int n = 1; readLine(in, line); ++n) {
        if (n == rowNumber) {
            splitRowLine(line, row);
            found = true;
            break;
        }
    }
    fclose(in);
    return found;
}
