#pragma once
// The data files are text with CR LF line ends, written without newline translation.
// Readers drop the last character of each line (the CR).
#include <cstddef>
#include <cstdio>

// Opens in binary mode so that no newline translation happens on any platform.
FILE* openForReading(const char* path);
FILE* openForWriting(const char* path);
FILE* openForUpdate(const char* path);  // read and write an existing file in place

// Reads one line into buf (capacity cap) and drops its last character. A line longer than
// the buffer is cut; the rest of it is skipped, so the next call starts at the next line.
// Returns false at the end of the file when nothing was read.
bool readLine(FILE* file, char* buf, size_t cap);
template <size_t N>
bool readLine(FILE* file, char (&buf)[N]) { return readLine(file, buf, N); }

// Writes text followed by CR LF; returns false when the stream reports an error.
bool writeLine(FILE* file, const char* text);

bool fileExists(const char* path);
bool removeFile(const char* path);

// Replaces target with the completely written file at source in one step, so a crash
// leaves either the old file or the new one, never half of it. Platform-specific.
bool replaceFile(const char* source, const char* target);

// A rewrite of a data file: everything goes to a temporary file beside the target, which
// replaces the target only when it was written completely.
class FileRewrite {
public:
    FileRewrite() = default;
    FileRewrite(const FileRewrite&) = delete;
    FileRewrite& operator=(const FileRewrite&) = delete;
    ~FileRewrite();

    bool open(const char* tempPath, const char* targetPath);
    FILE* stream() const { return out; }
    bool line(const char* text) { return out && writeLine(out, text); }
    // Closes the temporary file and, when it was written without error, moves it over the
    // target. On failure the target is left as it was and the temporary file is removed.
    bool commit();
    void abandon();

private:
    FILE* out = nullptr;
    char temp[300] = {};
    char target[300] = {};
};
