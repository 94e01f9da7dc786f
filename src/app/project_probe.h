#pragma once
// Whether a file is one of our project files, before loading it replaces the scene rows: a
// project holds the line "Frame Editor Data". Binary files, empty files and other texts do not.
bool looksLikeProjectFile(const char* path);
