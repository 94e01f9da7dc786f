#include "editor/editor_startup.h"

#include <cstring>

#include "base/bounded_text.h"
#include "editor/script_editor.h"

void loadStartupTexts(const ScriptDocument& document, bool beginnerTips, bool alpha) {
    if (beginnerTips || alpha) document.load("btip.txt");
    if (alpha) document.load("alpha.txt");
    scriptEditor.setSavePoint();
    scriptEditor.call(sciEmptyUndoBuffer);
}

void commandLineExtension(char* out, size_t cap, const char* arguments) {
    size_t n = arguments ? std::strlen(arguments) : 0;
    if (n >= 6 && arguments[n - 6] == '.') copyTextN(out, cap, arguments + n - 5, 4);
    else if (n >= 4) copyTextN(out, cap, arguments + n - 4, 3);
    else copyText(out, cap, "");
}

CommandLineScript openCommandLineScript(const ScriptDocument& document, const char* arguments,
                                        SourcePath& source, WindowHandle owner) {
    char extension[8];
    commandLineExtension(extension, sizeof extension, arguments);
    if (std::strcmp(extension, "avs") != 0 && std::strcmp(extension, "avsi") != 0) return commandLineIgnored;
    char path[sourcePathSize];
    copyTextN(path, sizeof path, arguments + 1, std::strlen(arguments) - 2);
    if (document.load(path) != 0) {
        showMessageBox(owner, "Unknow error while opening file", "Open file", mbOk);
        return commandLineFailed;
    }
    scriptEditor.setSavePoint();
    setSourcePath(source, path);
    return commandLineLoaded;
}
