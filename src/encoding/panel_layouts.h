#pragma once
// Where the controls of the encoder setup and tool button panels go. Places hang off the
// panel's client size, so the bottom row of buttons stays inside the frame whatever the
// caption and borders of the platform take.

struct ControlPlace {
    int x = 0, y = 0, width = 0, height = 0;
};

struct EncoderSetupLayout {
    ControlPlace cancel, ok, save;
    ControlPlace descriptionLabel, descriptionLabelPrompt, description;
    ControlPlace pairedLabel, paired;
    ControlPlace commandLabel, commandLine;
    ControlPlace deleteButton, iconButton, iconLabel, helpButton;
    ControlPlace testBox, waveBox;
    ControlPlace radios;  // the first of three, each one height below the one before
};
EncoderSetupLayout encoderSetupLayout(int clientWidth, int clientHeight);

struct ToolButtonLayout {
    ControlPlace cancel, ok, iconButton;
    ControlPlace prompt, fileTitle, chosenTitle, clickHere, commandLabel, commandLine;
};
ToolButtonLayout toolButtonLayout(int clientWidth, int clientHeight);
