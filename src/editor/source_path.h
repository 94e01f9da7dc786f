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

