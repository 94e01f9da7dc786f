#include "avisynth/avs_error_report.h"

#include "base/bounded_text.h"
#include "avisynth/avs_calls.h"
#include "avisynth/avs_string_table.h"

int errorStringId(int level) { return 11200 + level; }

const char* errorTitle(int level) {
    switch (level) {
    case 1: return "No avisynth.dll";
    case 5: return "Error:  Reading internal function keywords";
    case 6: return "Error:  Reading plugin function keywords";
    case 11: return "Error:  AviSynth Reports an Error";
    default: return "Error:  Zandolin detected an Error";
    }
}

const char* errorDetail(int level, int code, const char* avsMessage) {
    const char* message = avsMessage ? avsMessage : "";
    if (level == 9 || level == 10) return message;
    switch (code) {
    case avsFailed: return message;
    case avsMessageCorrupted: return "AvisynthError err.msg corrupted.";
    case avsNoEnvironment:
        return level == 3 ? "Your computer is so screwed, loadFunction(CreateScriptEnvironment) failed\n"
                            "and you got here anyway, prior error should prevent this call."
                          : "There is no script environment.";
    case avsUnexpected: return "Serious fatal error.";
    default: break;
    }
    if (code < 0) return " Unknown Error ";
    if (level == 7 || (level == 3 && code == 1)) return "Cannot get a pointer to a script environment.";
    if (code != 1) return " Unknown Error ";
    switch (level) {
    case 4: return "This version of AviSynth does not have a version string.";
    case 5: return "GetVar: Var \"InternalFunctions\" Not Found.";
    case 6: return "GetVar: Var \"PluginFunctions\" Not Found.";
    case 8: return "GetVar: Var \"$Plugin!%s!Param$\" Not Found.";
    case 11: return "Invoke: The funcition Import was not found.";
    default: return "An error was detected when testing for a varible.";
    }
}

size_t composeErrorReport(void* instance, int level, int code, const char* avsMessage, char* dst, size_t cap) {
    if (!dst || cap == 0) return 0;
    dst[0] = 0;
    loadAvsText(instance, errorStringId(level), dst, cap);
    if (level < 3) return appendText(dst, cap, "");
    appendText(dst, cap, errorDetail(level, code, avsMessage));
    char tail[96];
    formatText(tail, sizeof tail, "\n\nAVSERR_%02i\nConsult the Zandolin documentation for details.", level);
    return appendText(dst, cap, tail);
}

bool errorIsFatal(int level, int code) {
    if (level <= 4 || level == 10) return true;
    return code < -2;
}

int errorLevelAfterReport(int level) {
    switch (level) {
    case 8:
    case 9:
    case 11:
    case 12: return 0;
    case 10: return 11;
    default: return level;
    }
}
