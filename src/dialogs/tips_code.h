#pragma once
// The three tool-tip levels are stored as one number: the sum of 1 (Beginner), 3 (Normal)
// and 5 (Advanced). Every subset gives a distinct sum, so the code reads back unambiguously.

struct TipLevels {
    bool beginner = true;
    bool normal = true;
    bool advanced = true;
};

// Codes that are no sum of the three (2, 7, 10, ...) keep all levels on, like 9.
TipLevels decodeTipsCode(int code);
int encodeTipsCode(const TipLevels& levels);
