#pragma once
// The AviSynth version number read from its version text, and the support level it gives.

// Reads "%s%f" from the version text: the first word is skipped, the number after it is the
// version ("AviSynth 2.56, build:..." gives 2.56). 0 when there is no number.
float parseVersionNumber(const char* versionText);

// 0 below 2.52, 1 up to and including 2.56, 2 above. The single-precision number is compared
// with double-precision limits, so 2.52 itself stays at 0 and 2.57 reaches 2.
int supportLevelFor(float versionNumber);

// The thresholds the binding uses elsewhere, compared the same way.
bool readsInternalNames(float versionNumber);   // above 2.54
bool readsPluginNames(float versionNumber);     // above 2.51
bool hasParameterData(float versionNumber);     // at least 2.549
// "2.57 and later" for the float-audio checks: compared in single precision, so that 2.57
// itself counts (2.57 stored as a float lies just below the double 2.57).
bool knowsFloatAudioOption(float versionNumber);
