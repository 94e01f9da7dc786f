// Any bytes as a project file: loading must neither crash nor overrun, and saving what was
// loaded and loading it again must give back the same rows, less their blank lines.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/bounded_text.h"
#include "storage/project_file.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

static std::string withoutBlankLines(const std::string& text) {
    std::string kept;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find("\r\n", at);
        if (end == std::string::npos) end = text.size();
        if (end > at) kept += text.substr(at, end - at) + "\r\n";
        at = end + 2;
    }
    return kept;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TempFolder dir;
    const char* folder = dir.path().c_str();
    boxes::reset();
    dir.write("rowdat.vlr", "r01 - - 0 1\r\n");
    dir.write("in.jvl", std::string(reinterpret_cast<const char*>(data), size));

    ProjectNames names{};
    copyText(names.projectFilePath, dir.file("in.jvl").c_str());
    if (!loadProject(folder, names, nullptr)) abort();
    const std::string rows = dir.read("rowdat.vlr");

    // Save under a name of our own: the loaded one may point anywhere.
    copyText(names.projectFilePath, dir.file("out.jvl").c_str());
    if (!saveProject(folder, names, nullptr)) abort();
    ProjectNames again{};
    copyText(again.projectFilePath, dir.file("out.jvl").c_str());
    if (!loadProject(folder, again, nullptr)) abort();
    if (dir.read("rowdat.vlr") != withoutBlankLines(rows)) abort();
    if (std::string(again.sourceScriptPath) != names.sourceScriptPath) abort();
    return 0;
}
