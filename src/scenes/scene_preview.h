#pragma once
// The "Scene Preview / Edit" window's arithmetic: its size and place on the main window, the
// positions of its controls, its slider ticks and its status texts.
#include <cstddef>

struct PreviewFrame {
    int videoHeight = 0;
    int videoWidth = 0;  // the picture's width; the window is never narrower than its buttons need
    int width = 0, height = 0;
    int x = 0, y = 0;
};

// The window for the display aspect (single precision, as stored), centred on the owner's
// window rectangle.
PreviewFrame previewFrame(float aspect, int ownerLeft, int ownerTop, int ownerRight, int ownerBottom);

struct PreviewControl {
    int x, y, width, height;
};
enum PreviewControlId {
    previewStatus, previewSlider, previewVideo, previewStartBox, previewStartUpDown, previewStartButton,
    previewSave, previewRev, previewPlay, previewFwd, previewCancel, previewEndButton, previewEndBox,
    previewEndUpDown, previewControlCount
};
// Where a control goes in a client area of width w and height b (b is the client bottom);
// the video window of videoWidth is centred.
PreviewControl previewControl(int id, int w, int b, int videoWidth, int videoHeight);
// Right edges of the status bar's four parts.
void previewStatusParts(int w, int (&parts)[4]);
// Slider tick frequency: every (end - start) / 100 frames, at least 1.
int previewTickFrequency(int start, int end);

void previewPositionText(char* out, size_t cap, int frame);                    // "    %6i"
void previewRangeText(char* out, size_t cap, int start, int end, int total);  // "   %6i - %6i / %6i"
