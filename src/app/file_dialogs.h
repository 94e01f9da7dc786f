#pragma once
// The common dialogs' member of the application state, and the decisions behind them that
// need no platform: filters by key, the starting filter, the stored font description.
#include <cstddef>

// The editor font's description, field for field as the platform's font record holds it.
struct FontDescription {
    int height = 0, width = 0, escapement = 0, orientation = 0, weight = 0;
    unsigned char italic = 0, underline = 0, strikeOut = 0, charSet = 0;
    unsigned char outPrecision = 0, clipPrecision = 0, quality = 0, pitchAndFamily = 0;
    char faceName[32] = {};
};

struct FileDialogs {
    int opened = 0;  // the script dialog opened a file once
    int saved = 0;   // the script dialog saved a file once
    char lastPath[260] = {};
    char generalResult[260] = {};
    char droppedPath[260] = {};
    const char* scriptTitle = "";
    int scriptFilterIndex = 1;
    char* fontDescription = nullptr;  // the settings' text, 64 characters
    char* fontFace = nullptr;         // the settings' face name, 36 characters
    int pointSize = 12;
    FontDescription font;
    void* editorFont = nullptr;  // the font built from the description
};

// Filters in the common-dialog form: pairs of description and pattern, each ended by a zero
// byte, the list ended by one more. `length` counts every byte including the last zero.
struct DialogFilter {
    char text[512] = {};
    size_t length = 0;
};

// The filter of the general dialog for a key ("mpgMedia", "Image", "tool", "Insert", empty)
// or, for anything else, the given text taken as a complete list; a text without zero bytes
// (one entry) gets an empty pattern.
DialogFilter generalDialogFilter(const char* keyOrFilter, size_t length);
// Builds a filter from pairs.
DialogFilter filterFromPairs(const char* const* pairs, int count);
// The general dialog's starting filter for a default extension: "mpg" 1 ... "wav" 6, else 0.
int startingFilterIndex(const char* defaultExtension);

// "%i %i %i %i %i %x %x %x %x %x %x %x %x %s", at most cap - 1 characters.
void formatFontDescription(char* out, size_t cap, const FontDescription& font);
// Reads a stored description back; the face name is then replaced by the separately stored
// one, because "%s" stops at the first blank. False when the text holds too few fields.
bool parseFontDescription(const char* text, const char* face, FontDescription& font);
