#include "avisynth/avs_calls.h"

#include "base/bounded_text.h"

namespace {
void note(char* message, size_t messageSize, const char* format, const char* name) {
    if (message && messageSize) formatText(message, messageSize, format, name);
}

// An error value carries AviSynth's message; copy it (cut to fit) before releasing the value.
int takeError(const AvsApi& api, AVS_Value& result, char* message, size_t messageSize) {
    if (message && messageSize) copyText(message, messageSize, result.d.string ? result.d.string : "");
    releaseValue(api, result);
    return avsFailed;
}
}  // namespace

int createEnvironment(const AvsApi& api, int interfaceVersion, AVS_ScriptEnvironment** env,
                      char* message, size_t messageSize) {
    if (!api.createScriptEnvironment) return avsNoEnvironment;
    try {
        AVS_ScriptEnvironment* created = api.createScriptEnvironment(interfaceVersion);
        if (!created) return avsNotFound;
        // AviSynth+ hands back an environment even when creation failed; its error says so.
        const char* failure = api.getError ? api.getError(created) : nullptr;
        if (failure) {
            if (message && messageSize) copyText(message, messageSize, failure);
            destroyEnvironment(api, created);
            return avsNotFound;
        }
        *env = created;
        return avsOk;
    } catch (...) {
        return avsUnexpected;
    }
}

int getVariable(const AvsApi& api, AVS_ScriptEnvironment* env, const char* name, AVS_Value* value,
                char* message, size_t messageSize) {
    if (!env || !api.getVar) return avsNoEnvironment;
    try {
        AVS_Value result = api.getVar(env, name);
        // Classic AviSynth answers an unknown name with a void value, AviSynth+ with type 0.
        if (result.type == 'v' || result.type == 0) {
            note(message, messageSize, "GetVar: Var \"%s\" Not Found.", name);
            return avsNotFound;
        }
        if (result.type == 'e') return takeError(api, result, message, messageSize);
        *value = result;
        return avsOk;
    } catch (...) {
        return avsUnexpected;
    }
}

int invokeFunction(const AvsApi& api, AVS_ScriptEnvironment* env, const char* name, AVS_Value argument,
                   AVS_Value* value, char* message, size_t messageSize) {
    if (!env || !api.invoke || !api.functionExists) return avsNoEnvironment;
    try {
        if (!api.functionExists(env, name)) {
            note(message, messageSize, "Invoke: function\"%s\" Not Found.", name);
            return avsNotFound;
        }
        AVS_Value result = api.invoke(env, name, argument, nullptr);
        if (result.type == 'e') return takeError(api, result, message, messageSize);
        *value = result;
        return avsOk;
    } catch (...) {
        return avsUnexpected;
    }
}

void destroyEnvironment(const AvsApi& api, AVS_ScriptEnvironment*& env) {
    if (env && api.deleteScriptEnvironment) {
        try {
            api.deleteScriptEnvironment(env);
        } catch (...) {
        }
    }
    env = nullptr;
}

void releaseValue(const AvsApi& api, AVS_Value& value) {
    if (value.type != 'v' && api.releaseValue) {
        try {
            api.releaseValue(value);
        } catch (...) {
        }
    }
    value = avsVoid();
}
