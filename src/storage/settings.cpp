#include "storage/settings.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "base/bounded_text.h"
#include "base/file_attributes.h"
#include "base/line_file.h"

namespace {

const char* const header = "#### zandolin.ini ####";
const char* const endLine = "end zandolin.ini";

void settingsPath(const Settings& s, const char* name, char* out, size_t cap) {
    formatText(out, cap, "%s%s", s.programFolder, name);
}

// Reads up to count integers the way "%i %i ..." does: decimal, 0x hex or 0 octal, each
// after optional blanks. Stops at the first word that is not a number; what was not read
// keeps its value. Out-of-range numbers are clamped rather than left undefined.
int scanInts(const char* text, int* out, int count) {
    int got = 0;
    const char* p = text;
    while (got < count) {
        char* end = nullptr;
        long long v = strtoll(p, &end, 0);
        if (end == p) break;
        if (v > INT_MAX) v = INT_MAX;
        if (v < INT_MIN) v = INT_MIN;
        out[got++] = static_cast<int>(v);
        p = end;
    }
    return got;
}

// Every rewrite of the settings file goes through "temp.ini" in the program folder.
bool openSettingsRewrite(const Settings& s, FileRewrite& file) {
    char temp[300], target[300];
    settingsPath(s, "temp.ini", temp, sizeof temp);
    settingsPath(s, "zandolin.ini", target, sizeof target);
    return file.open(temp, target);
}

bool atEnd(FILE* f) {
    int c = fgetc(f);
    if (c == EOF) return true;
    ungetc(c, f);
    return false;
}

bool writeAll(FILE* out, const char* const* lines, size_t count) {
    bool good = true;
    for (size_t i = 0; i < count; ++i) good = writeLine(out, lines[i]) && good;
    return good;
}

bool writeDefaultLayout(FILE* out) {
    static const char* const head[] = {
        header, "########################", "", "",
        "avisynth path", "string", "",
        "project path", "", "",
        "last font", "", "",
        "last view", "0 0 0 0", "",
        "last ar", "", "",
        "jump", "299", "",
        "main window", "", "",
        "write script", "1", "",
        "viewer Tech", "2 5 8", ""};
    bool good = writeAll(out, head, sizeof head / sizeof head[0]);
    for (int n = 1; n <= toolButtonCount; ++n) {
        char key[16];
        formatText(key, sizeof key, "button %d", n);
        const char* const button[] = {key, "", ""};
        good = writeAll(out, button, 3) && good;
    }
    return writeLine(out, endLine) && good;
}

}  // namespace

void deriveProgramFolder(const char* commandLine, const char* arguments, char* folder, int cap) {
    if (!folder || cap <= 0) return;
    char line[271];
    copyText(line, commandLine);
    long len = static_cast<long>(strlen(line));
    // The arguments and their separating blank; a closing quote cut with them when there
    // are none is found again below.
    long cut = (arguments ? static_cast<long>(strlen(arguments)) : 0) + 1;
    len = len > cut ? len - cut : 0;
    line[len] = '\0';
    const char* path = len > 0 ? line + 1 : line;  // drop the opening quote
    char work[271];
    copyText(work, path);
    long wlen = static_cast<long>(strlen(work));
    for (long back = 1; back <= 3 && back <= wlen; ++back) {
        if (work[wlen - back] == '"') {
            work[wlen - back] = '\0';
            break;
        }
    }
    char* slash = strrchr(work, '\\');
    char* forward = strrchr(work, '/');
    if (forward && (!slash || forward > slash)) slash = forward;
    if (slash) slash[1] = '\0';
    else work[0] = '\0';
    copyText(folder, static_cast<size_t>(cap), work);
}

int readPresets(Settings& s) {
    if (s.programFolder[0] == '\0') deriveProgramFolder(s.commandLine, s.arguments, s.programFolder, sizeof s.programFolder);

    char settingsFile[300], encoderFile[300];
    settingsPath(s, "zandolin.ini", settingsFile, sizeof settingsFile);
    settingsPath(s, "encoder.ini", encoderFile, sizeof encoderFile);
    // By attributes: a settings file that exists but cannot be opened is the user's, not a first run.
    if (!fileAttributesExist(encoderFile) && !fileAttributesExist(settingsFile)) return presetsFirstRun;

    FILE* in = openForReading(settingsFile);
    if (!in) {
        showMessageBox(s.owner, "Could not open zandolin.ini", "readPresets", mbOk);
        settingsRepairPrompt(s);
        return presetsDamaged;
    }

    bool headerSeen = false;
    bool ended = false;
    char key[270];
    char value[256];
    while (readLine(in, key)) {
        if (strcmp(key, endLine) == 0) {
            ended = true;
            break;
        }
        if (strcmp(key, header) == 0) {
            headerSeen = true;
            continue;
        }
        if (!headerSeen || atEnd(in)) {
            fclose(in);
            return presetsDamaged;
        }
        if (strcmp(key, "avisynth path") == 0) {
            readLine(in, value);
            copyText(s.documentationFolder, value);
        } else if (strcmp(key, "project path") == 0) {
            readLine(in, value);
            copyText(s.projectPath, value);
        } else if (strcmp(key, "last font") == 0) {
            readLine(in, value);
            copyText(s.fontFace, value);
            readLine(in, value);
            copyText(s.fontDescription, value);
        } else if (strcmp(key, "last view") == 0) {
            readLine(in, value);
            int v[6] = {s.viewCode, s.previewMode, s.sidePanel, s.syntaxHighlighting, s.tipsCode, s.lineNumbers};
            scanInts(value, v, 6);
            s.viewCode = v[0];
            s.previewMode = v[1];
            s.sidePanel = v[2];
            s.syntaxHighlighting = v[3];
            s.tipsCode = v[4];
            s.lineNumbers = v[5];
        } else if (strcmp(key, "last ar") == 0) {
            readLine(in, value);
            scanInts(value, &s.aspectCode, 1);
        } else if (strcmp(key, "jump") == 0) {
            readLine(in, value);
            scanInts(value, &s.jump, 1);
        } else if (strcmp(key, "main window") == 0) {
            readLine(in, value);
            int v[5] = {s.placementMarker, s.windowLeft, s.windowTop, s.windowWidth, s.windowHeight};
            scanInts(value, v, 5);
            s.placementMarker = v[0];
            s.windowLeft = v[1];
            s.windowTop = v[2];
            s.windowWidth = v[3];
            s.windowHeight = v[4];
        } else if (strcmp(key, "write script") == 0) {
            readLine(in, value);
            int v[2] = {s.spliceChoice, s.spliceExtra};
            scanInts(value, v, 2);
            s.spliceChoice = v[0];
            s.spliceExtra = v[1];
        } else if (strcmp(key, "viewer Tech") == 0) {
            readLine(in, value);
            scanInts(value, s.viewerValues, 3);
        } else if (strncmp(key, "button ", 7) == 0 && key[7] >= '1' && key[7] <= '6' && key[8] == '\0') {
            int n = key[7] - '1';
            readLine(in, value);
            copyText(s.toolPath[n], value);
            readLine(in, value);
            copyText(s.toolCommand[n], value);
        }
        // Anything else (empty lines, the number-sign line) is skipped.
    }
    fclose(in);
    if (!ended) return presetsDamaged;

    char alpha[300];
    settingsPath(s, "alpha.txt", alpha, sizeof alpha);
    s.alphaMarker = fileExists(alpha);
    return presetsRead;
}

bool writePresets(const Settings& s) {
    FileRewrite file;
    if (!openSettingsRewrite(s, file)) {
        showMessageBox(s.owner, "Could not open zandolin.ini", "writePresets", mbOk);
        return false;
    }
    char line[300];
    file.line(header);
    file.line("########################");
    file.line("");
    file.line("");
    const auto entry = [&](const char* key, const char* v1, const char* v2) {
        file.line(key);
        file.line(v1);
        if (v2) file.line(v2);
        file.line("");
        file.line("");
    };
    entry("avisynth path", s.documentationFolder, nullptr);
    entry("project path", "", nullptr);
    entry("last font", s.fontFace, s.fontDescription);
    formatText(line, sizeof line, "%i %i %i %i %i %i", s.viewCode, s.previewMode, s.sidePanel,
               s.syntaxHighlighting, s.tipsCode, s.lineNumbers);
    entry("last view", line, nullptr);
    formatText(line, sizeof line, "%d", s.aspectCode);
    entry("last ar", line, nullptr);
    formatText(line, sizeof line, "%d", s.jump);
    entry("jump", line, nullptr);
    formatText(line, sizeof line, "1 %d %d %d %d", s.windowLeft, s.windowTop, s.windowWidth, s.windowHeight);
    entry("main window", line, nullptr);
    formatText(line, sizeof line, "%d", s.spliceChoice);
    entry("write script", line, nullptr);
    for (int n = 0; n < toolButtonCount; ++n) {
        char key[16];
        formatText(key, sizeof key, "button %d", n + 1);
        entry(key, s.toolPath[n], s.toolCommand[n]);
    }
    file.line(endLine);
    if (!file.commit()) {
        // The old file is still in place; say so the same way as a failed open.
        showMessageBox(s.owner, "Could not open zandolin.ini", "writePresets", mbOk);
        return false;
    }
    return true;
}

bool createDefaultSettingsFile(const Settings& s) {
    FileRewrite file;
    if (!openSettingsRewrite(s, file) || !writeDefaultLayout(file.stream()) || !file.commit()) {
        file.abandon();
        showMessageBox(s.owner, "error zandolin.ini not open", "Zandolin Ini", mbOk);
        return false;
    }
    return true;
}

bool replaceToolButtonLines(const Settings& s) {
    char target[300];
    settingsPath(s, "zandolin.ini", target, sizeof target);
    FILE* in = openForReading(target);
    FileRewrite file;
    if (!in || !openSettingsRewrite(s, file)) {
        if (in) fclose(in);
        showMessageBox(s.owner, "Could not open zandolin.ini", "writePresets", mbOk);
        return false;
    }
    char line[270];
    while (readLine(in, line)) {
        file.line(line);
        if (s.keyToReplace[0] != '\0' && strcmp(line, s.keyToReplace) == 0) {
            readLine(in, line);
            readLine(in, line);
            file.line(s.newPath);
            file.line(s.newCommandLine);
        }
    }
    fclose(in);
    if (!file.commit()) {
        showMessageBox(s.owner, "Could not open zandolin.ini", "writePresets", mbOk);
        return false;
    }
    return true;
}

bool settingsRepairPrompt(const Settings& s) {
    int answer = showMessageBox(s.owner,
                                "The file \" zandolin.ini \" \ncan not be read or is missing\n\n"
                                "Click Yes, to repair or replace file\nif not then click NO\n",
                                "Zandolin", mbYesNo | mbIconQuestion);
    return answer == answerYes && createDefaultSettingsFile(s);
}
