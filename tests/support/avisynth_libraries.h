#pragma once
// Windows tests only: the two avisynth.dll a test can run against, our stand-in and a real
// AviSynth+ (its folder in $ZANDOLIN_AVISYNTH_PLUS), and which of them serves .avs files
// through AVIFile (scripts/register-standin.sh registers both classes).
#include <windows.h>

#include <string>

#include "support/test_env.h"

enum class AvsLibrary { standIn, avisynthPlus };

inline const char* avsLibraryName(AvsLibrary l) { return l == AvsLibrary::standIn ? "StandIn" : "AviSynthPlus"; }

// Full path of the library's avisynth.dll; empty when the run names no AviSynth+.
inline std::string avsLibraryPath(AvsLibrary l) {
    if (l == AvsLibrary::standIn) return testBinFolder() + "..\\standins\\avisynth.dll";
    std::string folder = testFolderFromEnv("ZANDOLIN_AVISYNTH_PLUS");
    return folder.empty() ? folder : folder + "avisynth.dll";
}

inline bool avsLibraryPresent(AvsLibrary l) {
    return !avsLibraryPath(l).empty() && GetFileAttributesA(avsLibraryPath(l).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Hands .avs files to one library's AVIFile handler while it lives, then puts back the class
// registered before, so that the test prefix is left as it was found.
class AvsHandlerChoice {
public:
    explicit AvsHandlerChoice(AvsLibrary l) {
        if (RegCreateKeyExA(HKEY_CLASSES_ROOT, "AVIFile\\Extensions\\AVS", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                            &key, nullptr) != ERROR_SUCCESS)
            return;
        DWORD size = sizeof previous;
        RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(previous), &size);
        set(l == AvsLibrary::standIn ? "{5A4E4401-7C1B-4E0A-9C55-2B0D6A1F3E71}" : "{E6D6B700-124D-11D4-86F3-DB80AFD98778}");
    }
    ~AvsHandlerChoice() {
        if (!key) return;
        set(previous);
        RegCloseKey(key);
    }
    AvsHandlerChoice(const AvsHandlerChoice&) = delete;
    AvsHandlerChoice& operator=(const AvsHandlerChoice&) = delete;

private:
    void set(const char* clsid) {
        RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(clsid), DWORD(lstrlenA(clsid) + 1));
    }
    HKEY key = nullptr;
    char previous[64] = {};
};
