#include "standin_version.h"

#include <cctype>

namespace standin {

std::string versionTextFrom(const std::string& fileContents) {
    std::string line = fileContents.substr(0, fileContents.find_first_of("\r\n"));
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.pop_back();
    if (line.empty()) line = "2.60";
    if (line.size() > 60) line.resize(60);
    if (std::isdigit(static_cast<unsigned char>(line[0])))
        return "AviSynth " + line + ", build:Jan  1 2026 [00:00:00]";
    return line;
}

}  // namespace standin
