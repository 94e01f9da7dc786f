#pragma once
// The encoder list file "encoder.ini" in the program folder.
#include "app/message_box.h"

// Writes the layout of a new file: no entries, default encoder "00".
bool createDefaultEncoderFile(const char* programFolder, WindowHandle owner);
// Asks whether to create a new empty file and creates it on Yes; true when it was created.
bool encoderFileMissingPrompt(const char* programFolder, WindowHandle owner);
