#include "avisynth/avs_library.h"

namespace {
template <typename Call>
bool resolve(const getlib& library, const char* name, Call& call) {
    call = reinterpret_cast<Call>(library.symbol(name));
    return call != nullptr;
}
}  // namespace

bool resolveAvsApi(const getlib& library, AvsApi& api) {
    AvsApi found;
    bool ok = resolve(library, "avs_create_script_environment", found.createScriptEnvironment);
    ok = resolve(library, "avs_delete_script_environment", found.deleteScriptEnvironment) && ok;
    ok = resolve(library, "avs_function_exists", found.functionExists) && ok;
    ok = resolve(library, "avs_invoke", found.invoke) && ok;
    ok = resolve(library, "avs_get_var", found.getVar) && ok;
    ok = resolve(library, "avs_take_clip", found.takeClip) && ok;
    ok = resolve(library, "avs_get_video_info", found.getVideoInfo) && ok;
    ok = resolve(library, "avs_release_clip", found.releaseClip) && ok;
    ok = resolve(library, "avs_release_value", found.releaseValue) && ok;
    resolve(library, "avs_get_error", found.getError);
    api = ok ? found : AvsApi{};
    return ok;
}
