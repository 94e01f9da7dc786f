#pragma once
// Where a panel's frame goes: sized from the 500 x 320 base by a factor and centred on the
// main window. Portable so the arithmetic is tested without windows.

struct PanelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

constexpr int panelBaseWidth = 500;
constexpr int panelBaseHeight = 320;

// trunc(base x factor), in double precision.
int scaledPanelSize(int base, double factor);

// The frame in screen coordinates for an owner window rectangle (left, top, right, bottom).
// Horizontally centred between the owner's edges; vertically at half the owner's bottom edge,
// which centres it when the owner sits at the top of the screen.
PanelRect panelFrameRect(int ownerLeft, int ownerTop, int ownerRight, int ownerBottom, int baseWidth,
                         int baseHeight, double factor);

// The i-th button of a radio row starts one height lower than the one before.
int radioRowY(int y, int index, int height);
