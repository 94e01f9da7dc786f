#include <windows.h>

#include "encoding/child_process.h"
#include "encoding/encode_script.h"
#include "storage/encoder_list.h"

namespace {
void showBusy(WindowHandle mainWindow, bool busy) {
    HWND window = static_cast<HWND>(mainWindow);
    if (!window) return;
    SetWindowTextA(window, busy ? "Encoding" : "Zandolin");
    SendMessageA(window, WM_SYSCOMMAND, busy ? SC_MINIMIZE : SC_RESTORE, 0);
}
}  // namespace

bool encodePairedAudio(const EncodeRequest& request) {
    EncoderEntry entry;
    readEncoder(request.programFolder, request.mainWindow, &entry, 0);
    char command[encoderCommandCap];
    pairedAudioCommand(request, entry, command, sizeof command);
    runAndWait(request.mainWindow, command);
    return true;
}

int encodeScript(const EncodeRequest& request) {
    EncodePlan plan;
    planEncode(request, &plan);
    if (plan.result == encodeSaveWaveFirst) return plan.result;
    showBusy(request.mainWindow, true);
    if (plan.runPaired) encodePairedAudio(request);
    if (plan.runEncoder) runAndWait(request.mainWindow, plan.encoderCommand);
    showBusy(request.mainWindow, false);
    return plan.result;
}
