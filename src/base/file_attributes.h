#pragma once
// Whether a file is there at all, by its attributes: a file that exists but cannot be opened
// (locked, no permission) still counts as existing.
bool fileAttributesExist(const char* path);
