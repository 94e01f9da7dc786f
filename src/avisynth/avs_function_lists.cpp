// Function and keyword lookup: the name lists at start-up, parameter strings on demand and
// the whole listing for the editor.
#include <cctype>
#include <sstream>
#include <string>
#include <unordered_set>

#include "base/bounded_text.h"
#include "avisynth/avs_binding.h"
#include "avisynth/avs_calls.h"
#include "avisynth/avs_version.h"
#include "avisynth/list_controls.h"

namespace {
constexpr const char* internalPlaceholder = "a_No_Internal_Lookup";
constexpr const char* pluginPlaceholder = "a_No_Plug-in_Lookup";

// Adds every blank-separated word; words are read whole, however long. AviSynth+ lists a
// function once per overload, so a name already in the box is not added again (names are
// compared without regard to case, as AviSynth does).
void addWords(WindowHandle combo, const std::string& list, bool internal, std::unordered_set<std::string>& seen) {
    std::istringstream words(list);
    std::string word;
    while (words >> word) {
        std::string key = word;
        for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (!seen.insert(key).second) continue;
        int index = comboAddItem(combo, word.c_str());
        if (internal && index >= 0) comboSetItemData(combo, index, 0);
    }
}
}  // namespace

bool AvsBinding::readLists(AVS_ScriptEnvironment* env) {
    AVS_Value internalList = avsVoid();
    AVS_Value pluginList = avsVoid();
    if (readsInternalNames(versionNumber)) {
        int result = getVariable(api, env, "$InternalFunctions$", &internalList, avsMessage, sizeof avsMessage);
        if (result != avsOk) {
            errorLevel = 5;
            if (reportError(result)) return false;
        }
    }
    if (readsPluginNames(versionNumber)) {
        int result = getVariable(api, env, "$PluginFunctions$", &pluginList, avsMessage, sizeof avsMessage);
        if (result != avsOk) {
            errorLevel = 6;
            if (reportError(result)) {
                releaseValue(api, internalList);
                return false;
            }
        }
    }

    std::string pluginText = pluginPlaceholder;
    if (pluginList.type == 's') {
        pluginText = pluginList.d.string ? pluginList.d.string : "";
        status.functionListState = 1;
    }
    std::string internalText = internalPlaceholder;
    if (internalList.type == 's') {
        internalText = internalList.d.string ? internalList.d.string : "";
        status.functionListState = 2;
    }
    releaseValue(api, pluginList);
    releaseValue(api, internalList);

    WindowHandle combo = windows ? windows->handle[winFilterList] : nullptr;
    std::unordered_set<std::string> seen;
    comboHoldRedraw(combo, true);
    addWords(combo, pluginText, false, seen);
    int count = comboItemCount(combo);
    for (int i = 0; i < count; ++i) comboSetItemData(combo, i, 1);
    addWords(combo, internalText, true, seen);
    comboHoldRedraw(combo, false);
    status.errorLevelAtReport = 0;
    return true;
}

void AvsBinding::lookUpParameters(const char* name, bool plugIn) {
    if (!name) name = "";
    if (!hasParameterData(versionNumber)) {
        setParameterString("No parameter data before AviSynth 2.55\n\nFull support with 2.57");
        return;
    }
    if (errorLevel != 0) {
        if (showMessageBox(owner(), promptText, "Get Function Parameter String", mbYesNoCancel | mbIconStop) ==
            answerYes)
            showMessageBox(owner(), lastErrorText.c_str(), "Error:  AviSynth", mbOk);
        return;
    }
    setParameterString("");
    if (plugIn && supportLevel < 2) {
        setParameterString("Not Available Until 2.57");
        char version[256];
        copyText(version, versionString);
        char text[512];
        formatText(text, sizeof text,
                   "This version:\n\n\t%s\n\nDoes not support external or plug-in function parameter string lookup, "
                   "please use \nversion2.57 or later.",
                   version);
        showMessageBox(owner(), text, "AviSynth version earlier than 2.57", mbOk);
        return;
    }

    char function[257];
    copyText(function, name);
    char variable[300];
    formatText(variable, sizeof variable, "$Plugin!%s!Param$", function);

    AVS_ScriptEnvironment* env = nullptr;
    int result = createEnvironment(api, interfaceVersion, &env, avsMessage, sizeof avsMessage);
    if (result != avsOk) {
        errorLevel = 7;
        supportLevel = 0;
        reportError(result);
        destroyEnvironment(api, env);
        return;
    }
    AVS_Value value = avsVoid();
    result = getVariable(api, env, variable, &value, nullptr, 0);
    if (result != avsOk) {
        errorLevel = 8;
        reportError(result);
    } else if (value.type == 's') {
        setParameterString(value.d.string ? value.d.string : "");
    } else {
        errorLevel = 9;
        reportError(0);
    }
    // The string belongs to the environment: it was copied above, before the environment goes.
    releaseValue(api, value);
    destroyEnvironment(api, env);
}

void AvsBinding::listAll(WindowHandle editor, WindowHandle combo) {
    int count = comboItemCount(combo);
    for (int i = 0; i < count; ++i) {
        char name[261];
        comboItemText(combo, i, name, sizeof name);
        long data = comboItemData(combo, i);
        lookUpParameters(name, data != 0);
        editorAppendText(editor, name);
        editorAppendText(editor, data != 0 ? " Ex  -{ " : " In  -{ ");
        editorAppendText(editor, parameterText());
        editorAppendText(editor, " }-\r\n");
    }
}
