#pragma once
// The texts of the about box that depend on what is installed: the version lines of the
// editing component and of AviSynth, the targets of the link buttons and the failure texts.
#include <cstddef>

// "version:  2.56  Oct 28, 2005  -  18:43:54" from "AviSynth 2.56, build:Oct 28 2005 [18:43:54]".
// A text of another shape (AviSynth+ says "AviSynth+ 3.7.5 (x86_64)") is shown whole after
// "version:  " rather than as pieces cut at the wrong places.
void aviSynthVersionLine(char* out, size_t cap, const char* versionText);

// "Scintilla   ... version:  " and the component's version, "unknown" when it has none.
void editorVersionLine(char* out, size_t cap, const char* version);

// The file version of a version resource (VS_VERSIONINFO bytes): finds the fixed file info
// by its signature and writes "major.minor.build", with ".private" when that is not 0.
// False when the bytes hold no fixed file info.
bool versionFromResource(const unsigned char* data, size_t size, char* out, size_t cap);

// The seven link buttons, top to bottom.
constexpr int aboutLinkCount = 7;
struct AboutLink {
    int y;
    const char* caption;
    const char* failureTitle;
};
extern const AboutLink aboutLinks[aboutLinkCount];

// What button index opens: local pages under the program folder, the AviSynth documentation
// folder's index and plug-in folder, or a web page.
void aboutLinkTarget(int index, const char* programFolder, const char* documentationFolder, char* out,
                     size_t cap);

// The box text for a failed shell open (results below 33).
const char* aboutOpenFailureText(int result);
// The options panel's Help: its own two texts.
const char* helpOpenFailureText(int result);
