// Fuzzes the parameter model: the input is a parameter string, a zero byte, the argument text
// of a call, a zero byte and a script whose assigned names serve as clip names.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editor/parameter_model.h"
#include "support/message_box_recorder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    size_t first = input.find('\0');
    std::string parameters = input.substr(0, first);
    std::string rest = first == std::string::npos ? "" : input.substr(first + 1);
    size_t second = rest.find('\0');
    std::string arguments = rest.substr(0, second);
    std::string script = second == std::string::npos ? "" : rest.substr(second + 1);

    boxes::reset();
    ParameterModel model;
    model.open(parameters.c_str(), "F");
    if (model.fieldCount() != countParameterFields(model.parameterString())) std::abort();
    std::string clips = collectAssignedNames(script);
    if (!clips.empty() && clips.back() != ',') std::abort();
    model.readBack(arguments, clips, nullptr);
    for (size_t i = 0; i < model.fieldCount(); ++i) {
        const ParameterField& f = model.field(i);
        if (f.value.size() > parameterValueSize - 1) std::abort();
        if (f.type == 's' && f.value.find('"') != std::string::npos) std::abort();
        model.field(i).include = true;
    }
    model.compose(nullptr);
    const std::string& call = model.callText();
    if (!call.empty() && (call.compare(0, 2, "F(") != 0 || call.back() != ')')) std::abort();
    return 0;
}
