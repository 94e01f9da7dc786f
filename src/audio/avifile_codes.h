#pragma once
// AVIFile's open results that the program tells apart, as the platform defines them, so
// portable code can pick the message for each.
#include <cstdint>

constexpr int32_t aviOk = 0;
constexpr int32_t aviErrBadFormat = int32_t(0x80044066u);
constexpr int32_t aviErrMemory = int32_t(0x80044067u);
constexpr int32_t aviErrFileRead = int32_t(0x8004406Du);
constexpr int32_t aviErrFileOpen = int32_t(0x8004406Fu);
constexpr int32_t regdbErrClassNotReg = int32_t(0x80040154u);

// Stream types as AVIFile reports them ('vids', 'auds').
constexpr uint32_t aviStreamVideo = 0x73646976u;
constexpr uint32_t aviStreamAudio = 0x73647561u;
