#include "base/line_file.h"

#include "base/bounded_text.h"

FILE* openForReading(const char* path) { return path ? fopen(path, "rb") : nullptr; }
FILE* openForWriting(const char* path) { return path ? fopen(path, "wb") : nullptr; }
FILE* openForUpdate(const char* path) { return path ? fopen(path, "r+b") : nullptr; }

bool readLine(FILE* file, char* buf, size_t cap) {
    if (!file || !buf || cap == 0) return false;
    size_t n = 0;
    bool any = false;
    int c;
    while ((c = fgetc(file)) != EOF) {
        any = true;
        if (c == '\n') break;
        if (n + 1 < cap) buf[n] = static_cast<char>(c);
        ++n;
    }
    if (!any) {
        buf[0] = '\0';
        return false;
    }
    // Drop the last character of the line as read (the CR of CR LF); a cut line keeps
    // what fitted.
    size_t kept = n > 0 ? n - 1 : 0;
    if (kept > cap - 1) kept = cap - 1;
    buf[kept] = '\0';
    return true;
}

bool writeLine(FILE* file, const char* text) {
    if (!file) return false;
    if (text && *text && fputs(text, file) == EOF) return false;
    return fputs("\r\n", file) != EOF;
}

bool fileExists(const char* path) {
    FILE* f = openForReading(path);
    if (!f) return false;
    fclose(f);
    return true;
}

bool removeFile(const char* path) { return path && remove(path) == 0; }

FileRewrite::~FileRewrite() { abandon(); }

bool FileRewrite::open(const char* tempPath, const char* targetPath) {
    abandon();
    copyText(temp, tempPath);
    copyText(target, targetPath);
    out = openForWriting(temp);
    return out != nullptr;
}

bool FileRewrite::commit() {
    if (!out) return false;
    bool good = fflush(out) == 0 && !ferror(out);
    good = fclose(out) == 0 && good;
    out = nullptr;
    if (good && replaceFile(temp, target)) return true;
    removeFile(temp);
    return false;
}

void FileRewrite::abandon() {
    if (!out) return;
    fclose(out);
    out = nullptr;
    removeFile(temp);
}
