#pragma once
// What the encode click keeps between clicks: the output name chosen for the encoder (or the
// marker "No Outfile"), a copy of the last chosen name (the save-wave step of the encode
// names its WAV after it), and the extension and filter the output dialog proposes.

constexpr const char* noOutputFileMarker = "No Outfile";

struct EncodingState {
    char encoderOutputFile[260] = {};
    char lastEncoderOutput[260] = {};
    char outputExtension[4] = {};
    char outputFilter[32] = {};
};
