#include "dialogs/about_texts.h"

#include <cstdio>
#include <cstdint>
#include <cstring>

#include "base/bounded_text.h"
#include "base/project_addresses.h"

void aviSynthVersionLine(char* out, size_t cap, const char* versionText) {
    const char* text = versionText ? versionText : "";
    char product[64], separator[64], prefix[8], month[64], day[64], year[64], bracket[2], time[9];
    float number = 0.0f;
    int fields = sscanf(text, "%63s%f%63s%6s%63s%63s%63s%1s%8s", product, &number, separator, prefix, month, day,
                        year, bracket, time);
    if (fields == 9 && strcmp(bracket, "[") == 0) {
        formatText(out, cap, "version:  %.02f  %s %s, %s  -  %s", number, month, day, year, time);
    } else {
        formatText(out, cap, "version:  %s", text);
    }
}

void editorVersionLine(char* out, size_t cap, const char* version) {
    formatText(out, cap, "Scintilla   ... version:  %s", version && version[0] ? version : "unknown");
}

namespace {

uint32_t readWord32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

}  // namespace

bool versionFromResource(const unsigned char* data, size_t size, char* out, size_t cap) {
    // The fixed file info sits on a 4-byte boundary and starts with its signature, followed by
    // the structure version and the file version as two 32-bit halves.
    constexpr uint32_t signature = 0xFEEF04BD;
    for (size_t at = 0; data && at + 16 <= size; at += 4) {
        if (readWord32(data + at) != signature) continue;
        uint32_t high = readWord32(data + at + 8);
        uint32_t low = readWord32(data + at + 12);
        unsigned major = high >> 16, minor = high & 0xFFFF, build = low >> 16, patch = low & 0xFFFF;
        if (patch != 0) formatText(out, cap, "%u.%u.%u.%u", major, minor, build, patch);
        else formatText(out, cap, "%u.%u.%u", major, minor, build);
        return true;
    }
    if (cap) out[0] = '\0';
    return false;
}

const AboutLink aboutLinks[aboutLinkCount] = {
    {20, "A Message of Thank You", "A Message of Thank You"},
    {50, "License and Terms of Use", "Display License and Terms"},
    {80, "Scintilla on the Web", "Scintilla on the Web"},
    {110, aviSynthWebDomain, aviSynthWebDomain},
    {140, "AviSynth's local user documentation", "AviSynth's local user documentation"},
    {170, "Zandolin User's Guide", "Open Zandolin's User's Guide"},
    {200, "Open AviSynth plugins folder", "AviSynth plug-in directory"},
};

void aboutLinkTarget(int index, const char* programFolder, const char* documentationFolder, char* out,
                     size_t cap) {
    const char* program = programFolder ? programFolder : "";
    const char* docs = documentationFolder ? documentationFolder : "";
    switch (index) {
    case 0: formatText(out, cap, "%sdocs\\English\\acknowledgements.html", program); break;
    case 1: formatText(out, cap, "%sdocs\\English\\License_and_Terms.html", program); break;
    case 2: copyText(out, cap, editorComponentWebPage); break;
    case 3: copyText(out, cap, aviSynthWebPage); break;
    case 4: formatText(out, cap, "%s\\index.htm", docs); break;
    case 5: formatText(out, cap, "%sdocs\\English\\UsersGuide.html", program); break;
    case 6: {
        // The documentation folder ends in "\Docs\english" (12 characters after the AviSynth
        // folder's backslash); a shorter one leaves no base at all.
        size_t length = strlen(docs);
        size_t base = length > 12 ? length - 12 : 0;
        copyTextN(out, cap, docs, base);
        appendText(out, cap, "plugins");
        break;
    }
    default: copyText(out, cap, ""); break;
    }
}

const char* aboutOpenFailureText(int result) {
    switch (result) {
    case 2: return "Can not find file.";
    case 3: return "Path to Zandolin documentation invalid.";
    case 8: return "Out of Memory ???";
    default: return "Error type not described. Button not defined ??";
    }
}

const char* helpOpenFailureText(int result) {
    if (result == 0 || result == 8) return "The operating system is out of memory or resources.";
    return "The file could not be opened.";
}
