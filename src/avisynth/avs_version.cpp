#include "avisynth/avs_version.h"

#include <cstdio>

float parseVersionNumber(const char* versionText) {
    if (!versionText) return 0.0f;
    char word[65];
    float number = 0.0f;
    if (std::sscanf(versionText, "%64s%f", word, &number) != 2) return 0.0f;
    return number;
}

int supportLevelFor(float versionNumber) {
    if (versionNumber < 2.52) return 0;
    if (versionNumber <= 2.56) return 1;
    return 2;
}

bool readsInternalNames(float versionNumber) { return versionNumber > 2.54; }
bool readsPluginNames(float versionNumber) { return versionNumber > 2.51; }
bool hasParameterData(float versionNumber) { return versionNumber >= 2.549; }
bool knowsFloatAudioOption(float versionNumber) { return versionNumber >= 2.57f; }
