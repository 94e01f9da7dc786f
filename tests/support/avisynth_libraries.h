#pragma once
// Windows tests only: the two avisynth.dll a test can run against, our stand-in and a real
// AviSynth+ (its folder in $ZANDOLIN_AVISYNTH_PLUS), and the choice of which of them serves
// .avs files through AVIFile.
#include <windows.h>

#include <string>

#include "support/test_env.h"

enum class AvsLibrary { standIn, avisynthPlus };

inline const char* avsLibraryName(AvsLibrary library) {
    return library == AvsLibrary::standIn ? "StandIn" : "AviSynthPlus";
}

// Full path of the library's avisynth.dll; empty when the test run names no AviSynth+.
inline std::string avsLibraryPath(AvsLibrary library) {
    if (library == AvsLibrary::standIn) return testBinFolder() + "..\\standins\\avisynth.dll";
    std::string folder = testFolderFromEnv("ZANDOLIN_AVISYNTH_PLUS");
    return folder.empty() ? folder : folder + "avisynth.dll";
}

inline bool avsLibraryPresent(AvsLibrary library) {
    std::string path = avsLibraryPath(library);
    return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The class ids under which scripts/register-standin.sh registers the two handlers.
inline const char* avsHandlerClass(AvsLibrary library) {
    return library == AvsLibrary::standIn ? "{5A4E4401-7C1B-4E0A-9C55-2B0D6A1F3E71}"
                                          : "{E6D6B700-124D-11D4-86F3-DB80AFD98778}";
}

// Hands .avs files to one library's AVIFile handler while it lives, then puts back the class
// that was registered before, so the test prefix is left as it was found.
class AvsHandlerChoice {
public:
    explicit AvsHandlerChoice(AvsLibrary library) {
        if (RegCreateKeyExA(HKEY_CLASSES_ROOT, "AVIFile\\Extensions\\AVS", 0, nullptr, 0, KEY_READ | KEY_WRITE,
                            nullptr, &key, nullptr) != ERROR_SUCCESS)
            return;
        DWORD size = sizeof previous;
        hadPrevious = RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(previous), &size) ==
                      ERROR_SUCCESS;
        set(avsHandlerClass(library));
    }
    ~AvsHandlerChoice() {
        if (!key) return;
        if (hadPrevious) set(previous);
        else RegDeleteValueA(key, nullptr);
        RegCloseKey(key);
    }
    AvsHandlerChoice(const AvsHandlerChoice&) = delete;
    AvsHandlerChoice& operator=(const AvsHandlerChoice&) = delete;

private:
    void set(const char* clsid) {
        RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(clsid),
                       static_cast<DWORD>(lstrlenA(clsid) + 1));
    }
    HKEY key = nullptr;
    char previous[64] = {};
    bool hadPrevious = false;
};
