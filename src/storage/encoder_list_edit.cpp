// The operations of the encoder list that change the file.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/bounded_text.h"
#include "storage/encoder_list.h"
#include "storage/encoder_list_lines.h"
#include "base/line_file.h"

namespace {
struct FolderPaths {
    char list[300];
    char temp[300];
};

FolderPaths pathsFor(const char* programFolder, const char* tempName) {
    FolderPaths paths;
    const char* folder = programFolder ? programFolder : "";
    formatText(paths.list, sizeof paths.list, "%sencoder.ini", folder);
    formatText(paths.temp, sizeof paths.temp, "%s%s", folder, tempName);
    return paths;
}

std::string twoDigits(int number) {
    char text[16];
    formatText(text, sizeof text, "%02i", number);
    return text;
}

// Writes the default number line: two digits over two digits in place, so the file keeps its
// length; any other length would shift the rest of the file, so the file is rewritten.
bool writeDefaultNumber(const EncoderFileLines& file, const FolderPaths& paths, WindowHandle owner,
                        int number) {
    std::string text = twoDigits(number);
    if (file.defaultLine < 0) {
        showMessageBox(owner, "not good 2", paths.list, mbOk);
        return false;
    }
    if (file.lines[file.defaultLine].size() == 2 && text.size() == 2) {
        FILE* io = openForUpdate(paths.list);
        if (!io) {
            showMessageBox(owner, "not open 2", paths.list, mbOk);
            return false;
        }
        bool good = fseek(io, file.offsets[file.defaultLine], SEEK_SET) == 0 &&
                    fwrite(text.data(), 1, 2, io) == 2;
        good = fclose(io) == 0 && good;
        if (!good) showMessageBox(owner, "not good 2", paths.list, mbOk);
        return good;
    }
    std::vector<std::string> lines = file.lines;
    lines[file.defaultLine] = text;
    if (!rewriteEncoderFile(paths.temp, paths.list, lines)) {
        showMessageBox(owner, "not good 2", paths.list, mbOk);
        return false;
    }
    return true;
}
}  // namespace

int findEncoder(const char* programFolder, WindowHandle owner, EncoderEntry* entry,
                const char* description, int mode) {
    FolderPaths paths = pathsFor(programFolder, "temp.ini");
    EncoderFileLines file;
    bool opened = false;
    bool good = loadEncoderFile(paths.list, &file, &opened);
    if (!opened) {
        showMessageBox(owner, "not open", paths.list, mbOk);
        return 0;
    }
    if (!good) {
        showMessageBox(owner, "not good", paths.list, mbOk);
        return 0;
    }
    int k = findEntryByDescription(file, description, 126);
    int number = k + 1;
    if (mode == findAndMakeDefault) {
        writeDefaultNumber(file, paths, owner, number);
    } else if (entry && k >= 0) {
        int code = 0;
        if (sscanf(file.lines[file.entries[k].fileLine].c_str(), "%*s%i", &code) == 1)
            entry->colourSpace = code;
    }
    return number;
}

bool setDefaultEncoder(const char* programFolder, WindowHandle owner, int number) {
    FolderPaths paths = pathsFor(programFolder, "temp.ini");
    EncoderFileLines file;
    bool opened = false;
    bool good = loadEncoderFile(paths.list, &file, &opened);
    if (!opened || !good) {
        showMessageBox(owner, opened ? "not good 2" : "not open 2", paths.list, mbOk);
        return false;
    }
    return writeDefaultNumber(file, paths, owner, number);
}

bool editEncoder(const char* programFolder, WindowHandle owner, const EncoderEntry& entry,
                 const char* pairedEncoder, const char* commandLine, int number) {
    if (number == 0) {
        showMessageBox(owner, "Something wrong with encoder.ini ", "Reading encoder.ini", mbOk);
        return false;
    }
    FolderPaths paths = pathsFor(programFolder, "temp.ini");
    EncoderFileLines file;
    bool opened = false;
    bool good = loadEncoderFile(paths.list, &file, &opened);
    if (!opened || !good) {
        showMessageBox(owner, opened ? "not good 3" : "not open 3", paths.list, mbOk);
        return false;
    }
    std::string wanted = twoDigits(number);
    for (const auto& found : file.entries) {
        if (found.numberLine < 0 || file.lines[found.numberLine] != wanted) continue;
        if (found.fileLine < 0 || found.commandLine < 0) break;
        char description[128];
        firstWord(file.lines[found.fileLine].c_str(), description, sizeof description);
        char fileLine[encoderLineCap];
        formatEncoderFileLine(fileLine, sizeof fileLine, description, entry.colourSpace,
                              entry.saveWave, pairedEncoder);
        char command[sizeof entry.commandLine];
        copyText(command, commandLine);
        std::vector<std::string> lines = file.lines;
        lines[found.fileLine] = fileLine;
        lines[found.commandLine] = command;
        if (rewriteEncoderFile(paths.temp, paths.list, lines)) return true;
        showMessageBox(owner, "not good 3", paths.temp, mbOk);
        return false;
    }
    return false;
}

bool addEncoder(const char* programFolder, WindowHandle owner, const EncoderEntry& entry,
                const char* description, const char* pairedEncoder, const char* commandLine,
                const char* path) {
    FolderPaths paths = pathsFor(programFolder, "temp.ini");
    EncoderFileLines file;
    bool opened = false;
    bool good = loadEncoderFile(paths.list, &file, &opened);
    if (!opened || !good) {
        showMessageBox(owner, opened ? "not good 3" : "not open 3", "New Encoder", mbOk);
        return false;
    }
    size_t keep = file.endLine >= 0 ? static_cast<size_t>(file.endLine) : file.lines.size();
    std::vector<std::string> lines(file.lines.begin(), file.lines.begin() + keep);
    int count = static_cast<int>(file.entries.size());
    char fileLine[encoderLineCap];
    formatEncoderFileLine(fileLine, sizeof fileLine, description, entry.colourSpace, entry.saveWave,
                          pairedEncoder);
    char programPath[sizeof entry.path];
    copyText(programPath, path);
    char command[sizeof entry.commandLine];
    copyText(command, commandLine ? commandLine : "%filename");
    for (const std::string& line : {std::string("encoder"), twoDigits(count + 1), std::string("path"),
                                    std::string(programPath), std::string("file"), std::string(fileLine),
                                    std::string("command line"), std::string(command), std::string(),
                                    std::string(), std::string("end encoder.ini")})
        lines.push_back(line);
    if (rewriteEncoderFile(paths.temp, paths.list, lines)) return true;
    showMessageBox(owner, "bad 3", "New Encoder", mbOk);
    return false;
}

bool deleteEncoder(const char* programFolder, WindowHandle owner, const char* description) {
    FolderPaths paths = pathsFor(programFolder, "encodertemp.ini");
    EncoderFileLines file;
    bool opened = false;
    bool good = loadEncoderFile(paths.list, &file, &opened);
    if (!opened || !good) {
        showMessageBox(owner, "Could not open encoder.ini file", "Api Delete Encoder file Error", mbOk);
        return false;
    }
    int deleted = findEntryByDescription(file, description, 254);
    if (deleted < 0) return false;
    std::vector<std::string> lines = file.lines;
    int position = 0;
    for (int k = 0; k < static_cast<int>(file.entries.size()); ++k) {
        if (k == deleted || file.entries[k].numberLine < 0) continue;
        lines[file.entries[k].numberLine] = twoDigits(++position);
    }
    if (file.defaultLine >= 0) {
        int current = atoi(file.lines[file.defaultLine].c_str());
        if (current == deleted + 1)
            lines[file.defaultLine] = "00";
        else if (current > deleted + 1)
            lines[file.defaultLine] = twoDigits(current - 1);
    }
    // The "encoder" line and the seven lines of its values go.
    const EncoderFileEntry& gone = file.entries[deleted];
    lines.erase(lines.begin() + gone.keyLine, lines.begin() + gone.afterLine);
    if (rewriteEncoderFile(paths.temp, paths.list, lines)) return true;
    showMessageBox(owner, "Could not open encoder.ini file", "Api Delete Encoder file Error", mbOk);
    return false;
}
