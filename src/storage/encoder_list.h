#pragma once
// The encoder list file "encoder.ini" in the program folder. Every operation opens and closes
// the file itself and reports failures in OK boxes owned by owner.
#include <cstddef>
#include <string>
#include <vector>

#include "base/message_box.h"
#include "storage/encoder_entry.h"

// Writes the layout of a new file: no entries, default encoder "00".
bool createDefaultEncoderFile(const char* programFolder, WindowHandle owner);
// Asks whether to create a new empty file and creates it on Yes; true when it was created.
bool encoderFileMissingPrompt(const char* programFolder, WindowHandle owner);

// Fills entry with the encoder of the given number, or of the default encoder when number
// is 0. With number 0, the description of every entry is then appended, in file order, to
// each list given (the encoder setup panel turns them into its two combo boxes).
// Returns 1 when a list was filled or a number was given, 0 otherwise and on failure.
int readEncoder(const char* programFolder, WindowHandle owner, EncoderEntry* entry, int number,
                std::vector<std::string>* encoderList = nullptr,
                std::vector<std::string>* pairedList = nullptr);

enum FindEncoderMode { findNumber = 0, findAndMakeDefault = 1 };
// The number of the entry whose description is description (up to 126 characters), 0 when
// none. findNumber also leaves the entry's colour-space code in entry (when entry is given);
// findAndMakeDefault writes that number as the default encoder ("00" when none matched).
int findEncoder(const char* programFolder, WindowHandle owner, EncoderEntry* entry,
                const char* description, int mode);
// Writes "%02i" of number as the default encoder. Two digits over two digits are written in
// place, keeping the file's length; anything else rewrites the file.
bool setDefaultEncoder(const char* programFolder, WindowHandle owner, int number);

// Rewrites entry number: its file line from entry's colour-space code and save-wave flag, the
// stored description and pairedEncoder; its command line from commandLine. The path stays.
bool editEncoder(const char* programFolder, WindowHandle owner, const EncoderEntry& entry,
                 const char* pairedEncoder, const char* commandLine, int number);
// Appends an entry numbered one more than the entries there are. commandLine is the command
// line box text, or null when the box was not modified (the entry then gets "%filename").
bool addEncoder(const char* programFolder, WindowHandle owner, const EncoderEntry& entry,
                const char* description, const char* pairedEncoder, const char* commandLine,
                const char* path);
// Removes the entry with this description and numbers the rest on without a gap. The default
// encoder keeps naming the same encoder: "00" when it was the one removed, one less when it
// came after it.
bool deleteEncoder(const char* programFolder, WindowHandle owner, const char* description);
// Copies path and command line (up to 254 characters each) of the entry with this
// description into entry; false when there is none or the file cannot be read.
bool getEncoderPathAndCommand(const char* programFolder, WindowHandle owner, EncoderEntry* entry,
                              const char* description);
