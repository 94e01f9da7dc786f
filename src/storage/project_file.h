#pragma once
// The project file (*.jvl): the names of the project, its source script and its project
// script, and a copy of the row data file. Every line ends in CR LF:
//   Project File Name / <path> / (empty)
//   Script Source File / <path> / (empty)
//   Project Script File / <path> / (empty)
//   Frame Editor Data / <every non-empty row line>
//   End Project File
#include <cstddef>

#include "base/message_box.h"

// The project's names as the shell keeps them: each path with its file title.
struct ProjectNames {
    char projectFilePath[260];
    char projectFileTitle[260];  // the name without folder and extension
    char sourceScriptPath[260];
    char sourceScriptTitle[260];  // the name without folder
    char projectScriptPath[260];
    char projectScriptTitle[260];
};

// The project script of a project file: the path less its last four characters (the ".jvl",
// whatever they are) followed by "_vlprj.avs".
size_t projectScriptPathFor(char* out, size_t cap, const char* projectFilePath);
// The name after the last folder separator.
size_t fileTitleOf(char* out, size_t cap, const char* path);

// Writes the project file names.projectFilePath with names.sourceScriptPath, the derived
// project script path and the rows of the program folder's row file; the file is replaced only
// when it was written completely. Then sets names.projectScriptPath and its title and the
// project file title. When the file cannot be written: the box "not open 3" titled "Api Create
// Project File", an empty project script path, and false.
bool saveProject(const char* programFolder, ProjectNames& names, WindowHandle owner);

// Reads names.projectFilePath: replaces the row file with the rows it holds and sets the three
// paths (the project file path only when the file names one) and their titles from it. When it
// cannot be read: the box "not open 3" titled "Api Read Project File", an empty row file, and false.
// Also false when the row file could not be replaced (it is then left as it was).
bool loadProject(const char* programFolder, ProjectNames& names, WindowHandle owner);
