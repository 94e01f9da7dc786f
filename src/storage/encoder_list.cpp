#include "storage/encoder_list.h"

#include "base/bounded_text.h"
#include "base/line_file.h"
#include "storage/encoder_list_lines.h"

#include <cstdlib>

bool createDefaultEncoderFile(const char* programFolder, WindowHandle owner) {
    char path[300], temp[300];
    formatText(path, sizeof path, "%sencoder.ini", programFolder ? programFolder : "");
    formatText(temp, sizeof temp, "%sencodertemp.ini", programFolder ? programFolder : "");
    // Written beside and renamed when complete: a half-written list would read as damaged.
    FileRewrite out;
    if (!out.open(temp, path)) {
        showMessageBox(owner, "error encoder.ini not open", "Create Encoder Ini", mbOk);
        return false;
    }
    static const char* const lines[] = {"#### encoder.ini ####", "#####################", "", "",
                                        "default encoder", "00", "", "", "end encoder.ini"};
    bool good = true;
    for (const char* line : lines) good = out.line(line) && good;
    if (good && out.commit()) return true;
    out.abandon();
    showMessageBox(owner, "error encoder.ini not open", "Create Encoder Ini", mbOk);
    return false;
}

bool encoderFileMissingPrompt(const char* programFolder, WindowHandle owner) {
    int answer = showMessageBox(owner,
                                "The file \" encoder.ini \" can not be read or is missing.\n\n"
                                "Click Yes, and Zandolin will make a new empty \" encoder.ini \" file.",
                                "Zandolin", mbYesNo | mbIconQuestion);
    return answer == answerYes && createDefaultEncoderFile(programFolder, owner);
}

namespace {
void encoderFilePath(char (&path)[300], const char* programFolder) {
    formatText(path, sizeof path, "%sencoder.ini", programFolder ? programFolder : "");
}

void appendDescriptions(const EncoderFileLines& file, std::vector<std::string>* list) {
    if (!list) return;
    for (const auto& entry : file.entries) {
        if (entry.fileLine < 0) continue;
        char word[128];
        if (firstWord(file.lines[entry.fileLine].c_str(), word, sizeof word)) list->emplace_back(word);
    }
}
}  // namespace

int readEncoder(const char* programFolder, WindowHandle owner, EncoderEntry* entry, int number,
                std::vector<std::string>* encoderList, std::vector<std::string>* pairedList) {
    if (!entry) return 0;
    char path[300];
    encoderFilePath(path, programFolder);
    EncoderFileLines file;
    bool opened = false;
    bool good = loadEncoderFile(path, &file, &opened);
    if (!opened) {
        showMessageBox(owner,
                       "Not able to open file! \n\" encoder.ini \"\nmust reside in the same folder as "
                       "Zandolin.",
                       "Reading encoder.ini", mbOk);
        encoderFileMissingPrompt(programFolder, owner);
        return 0;
    }
    if (!good) {
        showMessageBox(owner, "Something wrong with encoder.ini ", "Reading encoder.ini", mbOk);
        return 0;
    }
    char wanted[12];
    if (number != 0)
        formatText(wanted, sizeof wanted, "%02i", number);
    else if (file.defaultLine >= 0)
        formatText(wanted, sizeof wanted, "%02i", atoi(file.lines[file.defaultLine].c_str()));
    else
        copyText(wanted, "00");
    for (const auto& found : file.entries) {
        if (found.numberLine < 0 || file.lines[found.numberLine] != wanted) continue;
        copyText(entry->number, wanted);
        if (found.pathLine >= 0) copyText(entry->path, file.lines[found.pathLine].c_str());
        if (found.fileLine >= 0) parseEncoderFileLine(file.lines[found.fileLine].c_str(), entry);
        if (found.commandLine >= 0) copyText(entry->commandLine, file.lines[found.commandLine].c_str());
        break;
    }
    if (number != 0) return 1;
    if (!encoderList && !pairedList) return 0;
    appendDescriptions(file, encoderList);
    appendDescriptions(file, pairedList);
    return 1;
}

bool getEncoderPathAndCommand(const char* programFolder, WindowHandle owner, EncoderEntry* entry,
                              const char* description) {
    if (!entry) return false;
    char path[300];
    encoderFilePath(path, programFolder);
    EncoderFileLines file;
    bool opened = false;
    loadEncoderFile(path, &file, &opened);
    if (!opened) {
        showMessageBox(owner, "Could not open encoder.ini file", "api  Get Path Com", mbOk);
        return false;
    }
    int k = findEntryByDescription(file, description, 254);
    if (k < 0) return false;
    const EncoderFileEntry& found = file.entries[k];
    if (found.pathLine >= 0) copyText(entry->path, 255, file.lines[found.pathLine].c_str());
    if (found.commandLine >= 0)
        copyText(entry->commandLine, 255, file.lines[found.commandLine].c_str());
    return true;
}
