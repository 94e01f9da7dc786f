#pragma once
// AviSynth's AVIFile handler for .avs files: avifil32 creates it through the registry
// (HKCR\AVIFile\Extensions\AVS -> this class) and reads the script's output as streams.
#include <windows.h>

#include <atomic>

namespace standin {
// {5A4E4401-7C1B-4E0A-9C55-2B0D6A1F3E71}
constexpr CLSID handlerClsid = {0x5a4e4401, 0x7c1b, 0x4e0a, {0x9c, 0x55, 0x2b, 0x0d, 0x6a, 0x1f, 0x3e, 0x71}};
// The interface ids, spelled out: the import libraries' copies are not all defined alike.
constexpr IID iidUnknown = {0x00000000, 0, 0, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID iidClassFactory = {0x00000001, 0, 0, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID iidPersistFile = {0x0000010b, 0, 0, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID iidPersist = {0x0000010c, 0, 0, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID iidAviFile = {0x00020020, 0, 0, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID iidAviStream = {0x00020021, 0, 0, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};
// Live objects, for DllCanUnloadNow.
extern std::atomic<long> objectCount;
HRESULT createAviFile(REFIID riid, void** out);
}  // namespace standin
