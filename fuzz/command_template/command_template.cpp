// Feeds arbitrary templates, paths and names to the command-line builders. The input is split
// at zero bytes into template, program path, input script and output file.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "encoding/command_template.h"

namespace {
void checkBounded(const std::vector<char>& buffer, size_t cap) {
    if (strnlen(buffer.data(), cap) >= cap) abort();  // no terminator inside the buffer
    for (size_t i = cap; i < buffer.size(); ++i)
        if (buffer[i] != '#') abort();  // written past the buffer
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string parts[4];
    size_t part = 0;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            if (++part == 4) break;
        } else {
            parts[part] += static_cast<char>(data[i]);
        }
    }
    const char* commandTemplate = parts[0].c_str();
    const char* program = parts[1].c_str();
    const char* input = parts[2].c_str();
    const char* output = parts[3].c_str();
    size_t caps[] = {1, 17, toolCommandCap, encoderCommandCap};
    for (size_t cap : caps) {
        std::vector<char> buffer(cap + 32, '#');
        buildEncoderCommandLine(buffer.data(), cap, program, commandTemplate, input, output);
        checkBounded(buffer, cap);
        std::fill(buffer.begin(), buffer.end(), '#');
        buildPairedAudioCommandLine(buffer.data(), cap, program, commandTemplate, input, output);
        checkBounded(buffer, cap);
        std::fill(buffer.begin(), buffer.end(), '#');
        buildToolCommandLine(buffer.data(), cap, program, commandTemplate, input, input, output);
        checkBounded(buffer, cap);
    }
    TemplateSplit split;
    splitTemplate(commandTemplate, &split);
    char extension[4] = "mpg";
    char filter[32] = "";
    probeTemplateOutputExtension(commandTemplate, extension, filter);
    if (strnlen(extension, sizeof extension) >= sizeof extension) abort();
    return 0;
}
