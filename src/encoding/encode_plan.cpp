#include "encoding/encode_plan.h"

#include <cstring>

#include "storage/encoder_list.h"

namespace {
const char* inputScript(const EncodeRequest& request) {
    const char* input = request.encodeProject ? request.projectScriptPath : request.sourceScriptPath;
    return input ? input : "";
}
}  // namespace

void pairedAudioCommand(const EncodeRequest& request, const EncoderEntry& entry, char* out, size_t cap) {
    EncoderEntry paired;
    paired.path[0] = '\0';
    getEncoderPathAndCommand(request.programFolder, request.mainWindow, &paired, entry.pairedEncoder);
    buildPairedAudioCommandLine(out, cap, paired.path, paired.commandLine, inputScript(request),
                                request.encoderOutputFile);
}

void planEncode(const EncodeRequest& request, EncodePlan* plan) {
    *plan = EncodePlan{};
    readEncoder(request.programFolder, request.mainWindow, &plan->entry, 0);
    if (plan->entry.saveWave && !request.saveWaveThenEncode) {
        plan->result = encodeSaveWaveFirst;
        return;
    }
    if (plan->entry.pairedEncoder[0]) {
        plan->runPaired = true;
        pairedAudioCommand(request, plan->entry, plan->pairedCommand, sizeof plan->pairedCommand);
    }
    if (strcmp(plan->entry.number, "00") == 0) {
        plan->result = encodeNoEncoder;
        return;
    }
    plan->runEncoder = true;
    buildEncoderCommandLine(plan->encoderCommand, sizeof plan->encoderCommand, plan->entry.path,
                            plan->entry.commandLine, inputScript(request), request.encoderOutputFile);
}

bool probeOutputExtension(const char* programFolder, WindowHandle owner, char (&outputExtension)[4],
                          char (&outputFilter)[32]) {
    EncoderEntry entry;
    readEncoder(programFolder, owner, &entry, 0);
    return probeTemplateOutputExtension(entry.commandLine, outputExtension, outputFilter);
}
