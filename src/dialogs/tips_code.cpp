#include "dialogs/tips_code.h"

TipLevels decodeTipsCode(int code) {
    TipLevels t;
    switch (code) {
    case 0: t.beginner = t.normal = t.advanced = false; break;
    case 1: t.normal = t.advanced = false; break;
    case 3: t.beginner = t.advanced = false; break;
    case 4: t.advanced = false; break;
    case 5: t.beginner = t.normal = false; break;
    case 6: t.normal = false; break;
    case 8: t.beginner = false; break;
    default: break;
    }
    return t;
}

int encodeTipsCode(const TipLevels& t) {
    return (t.beginner ? 1 : 0) + (t.normal ? 3 : 0) + (t.advanced ? 5 : 0);
}
