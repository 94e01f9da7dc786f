// Fuzzes the styler: the input is a list of names (one a line, a leading "+" marks a plug-in)
// up to a zero byte, then the script; the styling end and the text-end flag come from the
// first bytes of the script.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "editor/function_names.h"
#include "editor/script_styler.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    const char* zero = static_cast<const char*>(std::memchr(bytes, 0, size));
    size_t namesLength = zero ? static_cast<size_t>(zero - bytes) : 0;
    FunctionNameTable names;
    std::string list(bytes, namesLength);
    size_t start = 0;
    while (start < list.size()) {
        size_t end = list.find('\n', start);
        if (end == std::string::npos) end = list.size();
        std::string name = list.substr(start, end - start);
        bool plugin = !name.empty() && name[0] == '+';
        names.add(name.c_str() + (plugin ? 1 : 0), plugin);
        start = end + 1;
    }
    names.sort();
    size_t offset = zero ? namesLength + 1 : 0;
    // An exact-size heap copy so that any read past the text is caught.
    std::vector<char> text(bytes + offset, bytes + size);
    size_t to = text.empty() ? 0 : static_cast<unsigned char>(text[0]) * text.size() / 255;
    bool atEnd = text.size() < 2 || (text[1] & 1);
    std::vector<unsigned char> styles(text.size(), 0);
    size_t styled = styleScript(text.data(), text.size(), to, atEnd, names, styles.data());
    if (styled > text.size() || styled < to) std::abort();
    for (size_t i = 0; i < styled; ++i)
        if (styles[i] < 1 || styles[i] > 5) std::abort();
    return 0;
}
