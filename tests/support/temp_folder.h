#pragma once
// A fresh folder for one test, removed again when the test ends.
#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a trailing separator, as the program keeps its program folder.
    const std::string& path() const { return folder; }
    std::string file(const std::string& name) const { return folder + name; }

    // Whole-file helpers, binary.
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;

private:
    std::string folder;
};

// Joins lines with CR LF after each, the layout of every data file.
std::string crlfLines(std::initializer_list<const char*> lines);
