#include "storage/encoder_list.h"

#include "app/bounded_text.h"
#include "storage/line_file.h"

bool createDefaultEncoderFile(const char* programFolder, WindowHandle owner) {
    char path[300];
    formatText(path, sizeof path, "%sencoder.ini", programFolder ? programFolder : "");
    FILE* out = openForWriting(path);
    if (!out) {
        showMessageBox(owner, "error encoder.ini not open", "Create Encoder Ini", mbOk);
        return false;
    }
    static const char* const lines[] = {"#### encoder.ini ####", "#####################", "", "",
                                        "default encoder", "00", "", "", "end encoder.ini"};
    bool good = true;
    for (const char* line : lines) good = writeLine(out, line) && good;
    return fclose(out) == 0 && good;
}

bool encoderFileMissingPrompt(const char* programFolder, WindowHandle owner) {
    int answer = showMessageBox(owner,
                                "The file \" encoder.ini \" can not be read or is missing.\n\n"
                                "Click Yes, and Zandolin will make a new empty \" encoder.ini \" file.",
                                "Zandolin", mbYesNo | mbIconQuestion);
    return answer == answerYes && createDefaultEncoderFile(programFolder, owner);
}
