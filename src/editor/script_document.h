#pragma once
// The document behind the script editor: loading and saving the editor's text, the modified
// state and its prompt, and the preview script "windat.avs".
#include <cstddef>

#include "base/message_box.h"

constexpr size_t previewPathSize = 270;

enum PreviewResult { previewReady = 0, previewCancelled = 1, previewSaveFirst = 2 };

class ScriptDocument {
public:
    // The program folder, with its trailing separator: a never-saved script previews there.
    void setProgramFolder(const char* folder);

    void setModified() { modified = 1; }
    void clearModified() { modified = 0; }
    bool isModified() const { return modified != 0; }
    bool saveFailed() const { return lastSaveFailed != 0; }

    // Yes/No/Cancel "Save file" question when modified; 0 at once when not modified.
    int modifiedPrompt(const char* path, WindowHandle owner) const;

    // Replaces the editor's text with the whole file. 0 on success (or when run is not 1), 1 when the
    // file cannot be opened or read.
    int load(const char* path, int run = 1) const;
    // Writes all of the editor's text. Sets saveFailed; clears modified on success.
    void save(const char* path, int run = 1);

    // Decides what the preview opens: the saved script when unmodified, else a fresh
    // "windat.avs" holding the editor's text (in the script's folder, or the program's).
    PreviewResult writePreviewScript(WindowHandle owner, const char* folder, const char* fileName);

    const char* previewTarget() const { return target; }
    const char* previewScriptPath() const { return previewPath; }
    const char* programFolder() const { return program; }

private:
    int modified = 0;
    int lastSaveFailed = 0;
    char target[previewPathSize] = {};
    char previewPath[previewPathSize] = {};
    char program[previewPathSize] = {};
};

// True when text holds "load", "Load" or "LOAD" as a blank-separated word.
bool mentionsLoadWord(const char* text, size_t length);
