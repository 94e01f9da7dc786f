#pragma once
// The colour-space test of an encoder: the pixel format it wants, compared with the video
// stream's handler code of the script, and how the setup panel shows and reads the choice.
#include <cstdint>

// 1 "YV12", 2 "YUY2", 3 and 4 "DIB " as a little-endian four-character code; 0 otherwise.
uint32_t colourSpaceCode(int colourSpace);
// True when the encoder asks for a test and the script's handler code is another format.
bool colourSpaceMismatch(int colourSpace, uint32_t handlerCode);

constexpr int colourSpaceRadioCount = 3;

// What the test box and the three radios show for a code.
struct ColourSpaceControls {
    bool testChecked = false;
    bool radiosEnabled = false;
    bool radioChecked[colourSpaceRadioCount] = {};
};
ColourSpaceControls showColourSpace(int colourSpace);
// The code the controls stand for: 0 without the test, else the 1-based first checked
// radio (0 when none is).
int readColourSpace(bool testChecked, const bool (&radioChecked)[colourSpaceRadioCount]);
