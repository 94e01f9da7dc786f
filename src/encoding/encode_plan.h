#pragma once
// What an encode click runs: the default encoder of the encoder list, its paired audio
// encoder, and their command lines. Built here; started by encodeScript.
#include "base/message_box.h"
#include "encoding/command_template.h"
#include "storage/encoder_entry.h"

// What encodeScript needs to know of the application state.
struct EncodeRequest {
    const char* programFolder = "";
    WindowHandle mainWindow = nullptr;
    const char* sourceScriptPath = "";
    const char* projectScriptPath = "";
    bool encodeProject = false;         // encode the project script, else the source script
    const char* encoderOutputFile = "";  // the chosen output name, or "No Outfile"
    bool saveWaveThenEncode = false;    // the audio was just saved for this encode
};

enum EncodeResult { encodeDone = 0, encodeNoEncoder = 1, encodeSaveWaveFirst = 99 };

struct EncodePlan {
    int result = encodeDone;
    EncoderEntry entry;                        // the default encoder
    bool runPaired = false;                    // a paired audio encoder runs first (encodePairedAudio)
    char pairedCommand[encoderCommandCap] = {};
    bool runEncoder = false;
    char encoderCommand[encoderCommandCap] = {};
};

// Reads the default encoder and builds the command lines. result: encodeSaveWaveFirst when the
// entry wants the audio saved and it was not (nothing runs); encodeNoEncoder when there is no
// default encoder (a paired encoder of the entry still runs); else encodeDone.
void planEncode(const EncodeRequest& request, EncodePlan* plan);

// The paired audio encoder's command line for entry's paired description, looked up in the
// encoder list; its path and template stay empty when it is not there.
void pairedAudioCommand(const EncodeRequest& request, const EncoderEntry& entry, char* out, size_t cap);

// Reads the default encoder and looks at its template for an output placeholder (see
// probeTemplateOutputExtension). outputExtension keeps its value unless "%ofile.xyz" is used.
bool probeOutputExtension(const char* programFolder, WindowHandle owner, char (&outputExtension)[4],
                          char (&outputFilter)[32]);
