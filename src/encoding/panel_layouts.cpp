#include "encoding/panel_layouts.h"

namespace {
ControlPlace at(int x, int y, int width, int height) { return ControlPlace{x, y, width, height}; }
// The OK / Cancel row sits 42 above the bottom edge.
int buttonRow(int clientHeight) { return clientHeight - 42; }
}  // namespace

EncoderSetupLayout encoderSetupLayout(int w, int h) {
    EncoderSetupLayout l;
    l.cancel = at(w - 74, buttonRow(h), 64, 32);
    l.ok = at(w - 114, buttonRow(h), 36, 32);
    l.save = at(w - 162, buttonRow(h), 44, 32);
    l.descriptionLabel = at(17, 15, 200, 16);
    l.descriptionLabelPrompt = at(17, 1, 250, 32);
    l.description = at(15, 35, 300, 190);
    l.pairedLabel = at(20, 75, 300, 16);
    l.paired = at(15, 93, 300, 190);
    l.commandLabel = at(17, 130, 160, 16);
    l.commandLine = at(15, 150, w - 30, 120);
    l.deleteButton = at(335, 25, 54, 38);
    l.iconButton = at(400, 25, 38, 38);
    l.iconLabel = at(450, 25, 120, 40);
    l.helpButton = at(335, 85, 54, 38);
    l.testBox = at(20, 280, 315, 18);
    l.waveBox = at(340, 280, 295, 18);
    l.radios = at(40, 300, 110, 20);
    return l;
}

ToolButtonLayout toolButtonLayout(int w, int h) {
    ToolButtonLayout l;
    l.cancel = at(w - 74, buttonRow(h), 64, 32);
    l.ok = at(w - 114, buttonRow(h), 36, 32);
    l.iconButton = at(w - 100, 15, 44, 44);
    l.prompt = at(15, 15, 365, 40);
    l.fileTitle = at(15, 54, 365, 32);
    l.chosenTitle = at(15, 45, 350, 32);
    l.clickHere = at(384, 60, 100, 64);
    l.commandLabel = at(15, 80, 150, 16);
    l.commandLine = at(15, 100, 390, 140);
    return l;
}
