#pragma once
// Colours a script by the program's own rules: comments, strings (also triple-quoted) and the
// names of AviSynth functions, internal or plug-in.
#include <cstddef>

#include "editor/function_names.h"

// Styles text from its first character, which must begin a line, until at least `to`
// characters are styled; a function-name run that starts before `to` is finished. styles must
// hold length bytes. atTextEnd says that text ends where the document ends (a name there is
// complete). Returns the number of characters styled (at most length).
size_t styleScript(const char* text, size_t length, size_t to, bool atTextEnd,
                   const FunctionNameTable& names, unsigned char* styles);
