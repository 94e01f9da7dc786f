#pragma once
// One encoder of the encoder list file, and the text of its "file" line.
#include <cstddef>

struct EncoderEntry {
    char number[12] = "00";     // "%02i" position in the file; "00" while no entry was found
    char path[260] = {};        // the encoder program
    char description[128] = {};  // one word, unique: how dialogs and the launcher name it
    int colourSpace = 0;        // 0 no test, 1 YV12, 2 YUY2, 3 (and 4) DIB (RGB)
    bool saveWave = false;      // save the script's audio as WAV before encoding
    char pairedEncoder[128] = {};  // description of the audio encoder run first; empty for none
    char commandLine[1024] = {};   // template with "%filename", "%ofilename", "%ofile.xyz"
};

// "%s %i %s" or, paired, "%s %i %sAudio %s"; the save-wave word is "Wave " or "N ".
size_t formatEncoderFileLine(char* out, size_t cap, const char* description, int colourSpace,
                             bool saveWave, const char* pairedEncoder);
// Reads description, code, save-wave word, a fourth word and the paired description. The
// paired description is kept only after the word "Audio"; the save-wave flag is set by
// "Wave" and otherwise left as it was, as is the code when it is missing.
void parseEncoderFileLine(const char* line, EncoderEntry* entry);
// The first word of a file line (the description), up to cap - 1 characters.
bool firstWord(const char* line, char* out, size_t cap);
