#include "avisynth/avs_binding.h"

#include <cstring>

#include "base/bounded_text.h"
#include "avisynth/avs_calls.h"
#include "avisynth/avs_error_report.h"
#include "avisynth/avs_version.h"

AvsBinding::~AvsBinding() { release(); }

WindowHandle AvsBinding::owner() const { return windows ? windows->handle[winMain] : nullptr; }

void AvsBinding::start(WindowTable& windowTable, void* programInstance) {
    windows = &windowTable;
    instance = programInstance;
    errorLevel = 0;
    interfaceVersion = 1;
    versionString[0] = 0;
    avsMessage[0] = 0;
    lastErrorText = "None detected";
    versionNumber = 0.0f;
    supportLevel = 3;
    setParameterString("");
    video = {};
    audio = {};
    status = {};

    library = std::make_unique<getlib>(&windowTable.handle[winMain]);
    if (library->loadFailed) {
        errorLevel = 1;
        reportError(1);
        library.reset();
        return;
    }
    factory = library->symbol("CreateScriptEnvironment");
    if (!factory || !resolveAvsApi(*library, api)) {
        // Without the factory or any call of the C interface the binding cannot work at all.
        factory = nullptr;
        errorLevel = 2;
        reportError(1);
        library.reset();
        return;
    }
    initialise();
}

void AvsBinding::initialise() {
    AVS_ScriptEnvironment* env = nullptr;
    int result = createEnvironment(api, interfaceVersion, &env, avsMessage, sizeof avsMessage);
    if (result != avsOk) {
        errorLevel = 3;
        supportLevel = 0;
        if (reportError(result)) {
            errorLevel = 3;
            destroyEnvironment(api, env);
            return;
        }
        if (!env) return;
    }

    AVS_Value version = avsVoid();
    result = invokeFunction(api, env, "VersionString", avsArray(nullptr, 0), &version, avsMessage, sizeof avsMessage);
    if (result != avsOk) {
        errorLevel = 4;
        supportLevel = 0;
        if (reportError(result)) {
            destroyEnvironment(api, env);
            return;
        }
    }
    copyText(versionString, version.type == 's' ? version.d.string : "");
    releaseValue(api, version);
    versionNumber = parseVersionNumber(versionString);
    supportLevel = supportLevelFor(versionNumber);

    if (!readLists(env)) {
        destroyEnvironment(api, env);
        return;
    }
    destroyEnvironment(api, env);
    status.errorLevelAtReport = 0;
}

void AvsBinding::release() {
    library.reset();
    factory = nullptr;
    api = AvsApi{};
    parameterString.reset();
}

bool AvsBinding::reportError(int code) {
    if (errorLevel == 0) return false;
    lastReportedLevel = errorLevel;
    status.errorLevelAtReport = errorLevel;
    char text[avsReportSize];
    composeErrorReport(instance, errorLevel, code, avsMessage, text, sizeof text);
    if (text[0]) lastErrorText = text;
    showMessageBox(owner(), lastErrorText.c_str(), errorTitle(errorLevel), mbOk);
    bool fatal = errorIsFatal(errorLevel, code);
    errorLevel = errorLevelAfterReport(errorLevel);
    return fatal;
}

void AvsBinding::showVersionDetails() {
    char first[256];
    formatText(first, sizeof first, "%s\n\nSupport level = %i\n\nError level:  %i\n\nLast error reported:\n",
               versionString, supportLevel, errorLevel);
    char text[256 + avsReportSize];
    copyText(text, first);
    appendText(text, lastErrorText.c_str());
    showMessageBox(owner(), text, "AviSynth version details", mbOk);
}

void AvsBinding::clearParameterString() { parameterString.reset(); }

void AvsBinding::setParameterString(const char* text) {
    size_t length = text ? std::strlen(text) : 0;
    parameterString = std::make_unique<char[]>(length + 1);
    copyText(parameterString.get(), length + 1, text);
}
