#pragma once
// The encoder run of an encode click: the paired audio encoder first, then the encoder, with
// the main window minimized and titled "Encoding" meanwhile.
#include "encoding/encode_plan.h"

// Returns an EncodeResult: encodeDone (launched and ended, or nothing to launch),
// encodeNoEncoder (no default encoder), encodeSaveWaveFirst (save the audio as WAV first).
int encodeScript(const EncodeRequest& request);
// Runs the paired audio encoder of the default encoder and waits for its end.
bool encodePairedAudio(const EncodeRequest& request);
