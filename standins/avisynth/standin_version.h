#pragma once
// The version the stand-in claims, configurable for tests: a file "avisynth-version.txt"
// beside the DLL holds either a number ("2.57") or a whole version text. Without the file
// the stand-in is 2.60.
#include <string>

namespace standin {
// Builds the version text from the file's contents (empty: the default).
std::string versionTextFrom(const std::string& fileContents);
// Reads the file beside the loaded DLL.
std::string currentVersionText();
}  // namespace standin
