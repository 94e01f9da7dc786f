#include "support/encoder_file_text.h"

#include <cstdio>

std::string encoderFileText(const std::string& defaultNumber,
                            const std::vector<EncoderFileLinesForTest>& entries) {
    std::string text = "#### encoder.ini ####\r\n#####################\r\n\r\n\r\ndefault encoder\r\n" +
                       defaultNumber + "\r\n\r\n\r\n";
    for (const auto& e : entries)
        text += "encoder\r\n" + e.number + "\r\npath\r\n" + e.path + "\r\nfile\r\n" + e.fileLine +
                "\r\ncommand line\r\n" + e.command + "\r\n\r\n\r\n";
    return text + "end encoder.ini\r\n";
}

EncoderFileLinesForTest plainEntry(int k) {
    char number[8], path[64], fileLine[64], command[64];
    snprintf(number, sizeof number, "%02i", k);
    snprintf(path, sizeof path, "C:\\enc\\e%i.exe", k);
    snprintf(fileLine, sizeof fileLine, "enc%i %i N ", k, k % 4);
    snprintf(command, sizeof command, "-i %%filename -o %%ofile.m%02i -k %i", k, k);
    return {number, path, fileLine, command};
}
