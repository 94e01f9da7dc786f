#pragma once
// The three wrappers through which every AviSynth call goes. Each turns what happened into
// a small result code and writes its out-value only on success:
//   0 success; 1 no environment created (the message buffer receives AviSynth's reason when
//   it gives one), or the function or variable does not exist (the message buffer, if given,
//   receives the not-found note); -1 AviSynth returned an error,
//   its text is in the message buffer; -3 no environment, nothing was called; -4 anything else.
#include <cstddef>

#include "avisynth/avs_library.h"

enum AvsCallResult : int {
    avsOk = 0,
    avsNotFound = 1,
    avsFailed = -1,
    avsMessageCorrupted = -2,
    avsNoEnvironment = -3,
    avsUnexpected = -4,
};

int createEnvironment(const AvsApi& api, int interfaceVersion, AVS_ScriptEnvironment** env,
                      char* message, size_t messageSize);
int getVariable(const AvsApi& api, AVS_ScriptEnvironment* env, const char* name, AVS_Value* value,
                char* message, size_t messageSize);
int invokeFunction(const AvsApi& api, AVS_ScriptEnvironment* env, const char* name, AVS_Value argument,
                   AVS_Value* value, char* message, size_t messageSize);
// Destroys an environment (null is ignored).
void destroyEnvironment(const AvsApi& api, AVS_ScriptEnvironment*& env);
// Releases a value obtained from a wrapper and leaves it void.
void releaseValue(const AvsApi& api, AVS_Value& value);
