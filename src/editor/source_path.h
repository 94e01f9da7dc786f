#pragma once
// The source script's path with its file title and folder, and the program folder found from
// the process command line.
#include <cstddef>

constexpr size_t sourcePathSize = 260;

struct SourcePath {
    char path[sourcePathSize] = {};
    char title[sourcePathSize] = "untitled";
    char folder[sourcePathSize] = {};  // the path cut before the title; empty when never saved
};

// The name without its folder.
const char* fileTitleOf(const char* path);
// Stores path, its file title and its folder (the full path cut before the title).
void setSourcePath(SourcePath& source, const char* path);

// The program's folder from the full command line and the arguments (its tail): the arguments'
// length plus one is cut from the end, the opening quote skipped, a closing quote in one of the
// last three places cut there, and the program's file title cut off.
void programFolderFromCommandLine(char* out, size_t cap, const char* commandLine, const char* arguments);
