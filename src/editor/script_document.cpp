#include "editor/script_document.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "base/bounded_text.h"
#include "editor/script_editor.h"
#include "editor/source_path.h"
#include "base/line_file.h"

void ScriptDocument::setProgramFolder(const char* folder) { copyText(program, folder); }

int ScriptDocument::modifiedPrompt(const char* path, WindowHandle owner) const {
    if (!modified) return 0;
    char text[400];
    if (path && *path)
        formatText(text, sizeof text, "The file:\n\n%s \n\nhas been modified.\n\nWould you like to save it now?", path);
    else
        copyText(text, "The work in the editor is not saved.\n\nWould you like to save it now?");
    return showMessageBox(owner, text, "Save file", mbYesNoCancel | mbIconQuestion);
}

int ScriptDocument::load(const char* path, int run) const {
    if (run != 1) return 0;
    FILE* file = openForReading(path);
    if (!file) return 1;
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
    if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0) {
        std::fclose(file);
        return 1;
    }
    std::string buffer(static_cast<size_t>(size) + 1, '\0');
    size_t got = size > 0 ? std::fread(buffer.data(), 1, static_cast<size_t>(size), file) : 0;
    bool failed = got != static_cast<size_t>(size) || std::ferror(file);
    std::fclose(file);
    if (failed) return 1;
    // Set as text, the content would end at its first zero byte; appended with its length it
    // arrives whole, so a later save gives back the same bytes.
    scriptEditor.setText("");
    scriptEditor.call(sciAppendText, static_cast<uintptr_t>(size), reinterpret_cast<intptr_t>(buffer.c_str()));
    return 0;
}

void ScriptDocument::save(const char* path, int run) {
    if (run != 1) return;
    FILE* file = openForWriting(path);
    if (!file) {
        lastSaveFailed = 1;
        return;
    }
    // All the bytes the editor holds: cutting at a zero byte would lose the rest of the text.
    std::string text = scriptEditor.text();
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = (std::fclose(file) == 0) && ok;
    if (!ok) {
        lastSaveFailed = 1;
        return;
    }
    lastSaveFailed = 0;
    modified = 0;
}

namespace {
bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

bool mentionsLoadWord(const char* text, size_t length) {
    size_t i = 0;
    bool found = false;
    while (i < length) {
        while (i < length && blank(text[i])) ++i;
        size_t start = i;
        while (i < length && !blank(text[i])) ++i;
        size_t n = i - start;
        if (n == 4 && (std::memcmp(text + start, "load", 4) == 0 || std::memcmp(text + start, "Load", 4) == 0 ||
                       std::memcmp(text + start, "LOAD", 4) == 0))
            found = true;
    }
    return found;
}

PreviewResult ScriptDocument::writePreviewScript(WindowHandle owner, const char* folder, const char* fileName) {
    if (!modified) {
        formatText(target, sizeof target, "%s%s", folder ? folder : "", fileName ? fileName : "");
        return previewReady;
    }
    std::string text = scriptEditor.text();
    bool hasFolder = folder && *folder;
    if (!hasFolder && mentionsLoadWord(text.data(), text.size())) {
        int answer = showMessageBox(
            owner,
            "Zandolin has detected that you are trying to manually load an external componet.\n\n"
            "You need to save this script so that Zandolin can resolve the\nfile and external componet paths.\n\n"
            "Once the script has been saved, Zandolin will use the current \nfile path to resovle this issue.\n\n"
            "Shall we save the script now?",
            "Preview Script", mbYesNoCancel | mbIconInformation);
        if (answer == answerCancel) return previewCancelled;
        if (answer == answerYes) return previewSaveFirst;
    }
    formatText(previewPath, sizeof previewPath, "%swindat.avs", hasFolder ? folder : program);
    copyText(target, previewPath);
    FILE* file = openForWriting(previewPath);
    if (!file) {
        showMessageBox(owner, "not open", previewPath, mbOk);
        return previewReady;
    }
    char trailer[600];
    formatText(trailer, sizeof trailer,
               "\r\n\r\n### \"windat.avs\"\r\n### preview script  from Zandolin\r\n### edited source file \"%s\"\r\n\r\n",
               fileName ? fileName : "");
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = std::fputs(trailer, file) >= 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (!ok) showMessageBox(owner, "not good", previewPath, mbOk);
    return previewReady;
}
