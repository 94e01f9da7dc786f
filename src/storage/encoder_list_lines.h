#pragma once
// The encoder list file as lines, with the places of the default number and of each entry.
// Entries are found by their key lines, and the value after a key is never taken for a key,
// so a command line that reads "encoder" or "file" does not start a new entry.
#include <string>
#include <vector>

struct EncoderFileEntry {
    int keyLine = -1;      // the "encoder" line
    int numberLine = -1;
    int pathLine = -1;     // the value lines, -1 when their key line is missing
    int fileLine = -1;
    int commandLine = -1;
    int afterLine = -1;    // first line after the entry's values
};

struct EncoderFileLines {
    std::vector<std::string> lines;   // as read, the last character (CR) dropped
    std::vector<long> offsets;        // byte offset where each line starts
    int defaultLine = -1;             // the number after "default encoder"
    int endLine = -1;                 // "end encoder.ini"
    std::vector<EncoderFileEntry> entries;
};

// Longest line kept; longer lines are cut (a command line holds up to 1023 characters).
constexpr size_t encoderLineCap = 1024;

// Reads the whole file; false when it cannot be opened or a read error occurred.
// opened tells the two apart.
bool loadEncoderFile(const char* path, EncoderFileLines* file, bool* opened);
// Writes lines (CR LF each) to a temporary file that then replaces target.
bool rewriteEncoderFile(const char* tempPath, const char* targetPath,
                        const std::vector<std::string>& lines);
// The entry whose file line starts with description (compared up to limit characters);
// -1 when none.
int findEntryByDescription(const EncoderFileLines& file, const char* description, size_t limit);
