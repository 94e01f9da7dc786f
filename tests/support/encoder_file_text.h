#pragma once
// Builds encoder list files for tests, in the layout the program writes.
#include <string>
#include <vector>

struct EncoderFileLinesForTest {
    std::string number, path, fileLine, command;
};

// The header with the given default number, the entries, and the end line.
std::string encoderFileText(const std::string& defaultNumber,
                            const std::vector<EncoderFileLinesForTest>& entries);
// Entry k (1-based) of a list of plain entries: description "enc<k>", code k % 4, no wave.
EncoderFileLinesForTest plainEntry(int k);
