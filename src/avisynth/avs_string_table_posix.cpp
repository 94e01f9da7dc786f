#include "base/bounded_text.h"
#include "avisynth/avs_string_table.h"
#include "avisynth/avs_strings.h"

// Natively there are no resources; the same texts come straight from the shared header.
size_t loadAvsText(void*, int id, char* dst, size_t cap) {
    const char* text = nullptr;
    switch (id) {
    case 11201: text = AVS_TEXT_11201; break;
    case 11202: text = AVS_TEXT_11202; break;
    case 11203: text = AVS_TEXT_11203; break;
    case 11204: text = AVS_TEXT_11204; break;
    case 11205: text = AVS_TEXT_11205; break;
    case 11206: text = AVS_TEXT_11206; break;
    case 11207: text = AVS_TEXT_11207; break;
    case 11208: text = AVS_TEXT_11208; break;
    case 11209: text = AVS_TEXT_11209; break;
    case 11210: text = AVS_TEXT_11210; break;
    case 11211: text = AVS_TEXT_11211; break;
    case 11212: text = AVS_TEXT_11212; break;
    default: break;
    }
    if (!text) {
        if (dst && cap) dst[0] = 0;
        return 0;
    }
    return copyText(dst, cap, text);
}
