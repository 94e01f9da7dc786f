#pragma once
// One row of the scene list as it stands in the row data file "rowdat.vlr":
//   r01 - - 0 1499            a plain scene
//   r02 FadeIn 60 1500 2999   a faded scene
//   r03 Dissolve 60 - -       a dissolve joining the scenes on either side
#include <cstddef>

// Lines are read up to this many characters (with the terminating zero); a word can never be
// longer than its line, so a word buffer of the same size never cuts a word.
constexpr size_t rowLineReadSize = 256;
// The row line built from the entry controls.
constexpr size_t rowLineSize = 64;

// The words of one line, in the order number, transition, frames, start, end. A missing word
// is empty; any field may also be "-".
struct SceneRow {
    char number[rowLineReadSize];
    char transition[rowLineReadSize];
    char frames[rowLineReadSize];
    char start[rowLineReadSize];
    char end[rowLineReadSize];
};

// Takes a line apart at blanks and tabs; words after the fifth are ignored.
void splitRowLine(const char* line, SceneRow& row);

bool isDissolve(const char* transition);
inline bool isDissolve(const SceneRow& row) { return isDissolve(row.transition); }

// Reads a decimal frame number at the start of word, the way "%i" would but without octal or
// hexadecimal ("0100" is 100). A word that is not a number, or one outside the int range,
// leaves value as it was and returns false.
bool parseFrameNumber(const char* word, long long& value);

// Builds the row line "r%02i <transition> <frames> <start> <end>" from the texts of the entry
// controls. An empty transition gives "- -". Start and end are cut to 7 characters as their
// boxes are. Each text counts up to its first blank and an empty text is written as "-", so
// the line always has its five words. Returns the length.
size_t buildRowLine(char* out, size_t cap, int number, const char* transition, const char* frames,
                    const char* start, const char* end);
