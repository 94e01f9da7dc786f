#include "encoding/colour_space.h"

namespace {
constexpr uint32_t fourCC(char a, char b, char c, char d) {
    return uint32_t(uint8_t(a)) | uint32_t(uint8_t(b)) << 8 | uint32_t(uint8_t(c)) << 16 |
           uint32_t(uint8_t(d)) << 24;
}
}  // namespace

uint32_t colourSpaceCode(int colourSpace) {
    switch (colourSpace) {
    case 1: return fourCC('Y', 'V', '1', '2');
    case 2: return fourCC('Y', 'U', 'Y', '2');
    case 3:
    case 4: return fourCC('D', 'I', 'B', ' ');
    default: return 0;
    }
}

bool colourSpaceMismatch(int colourSpace, uint32_t handlerCode) {
    return colourSpace != 0 && colourSpaceCode(colourSpace) != handlerCode;
}

ColourSpaceControls showColourSpace(int colourSpace) {
    ColourSpaceControls c;
    if (colourSpace == 0) return c;
    c.testChecked = true;
    c.radiosEnabled = true;
    // Code 4 is stored by older lists for the same format as 3.
    const int radio = colourSpace == 4 ? 3 : colourSpace;
    if (radio >= 1 && radio <= colourSpaceRadioCount) c.radioChecked[radio - 1] = true;
    return c;
}

int readColourSpace(bool testChecked, const bool (&radioChecked)[colourSpaceRadioCount]) {
    if (!testChecked) return 0;
    for (int i = 0; i < colourSpaceRadioCount; ++i)
        if (radioChecked[i]) return i + 1;
    return 0;
}
