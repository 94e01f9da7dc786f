#include "dialogs/panel_geometry.h"

int scaledPanelSize(int base, double factor) { return static_cast<int>(base * factor); }

PanelRect panelFrameRect(int ownerLeft, int ownerTop, int ownerRight, int ownerBottom, int baseWidth,
                         int baseHeight, double factor) {
    (void)ownerTop;
    PanelRect r;
    r.width = scaledPanelSize(baseWidth, factor);
    r.height = scaledPanelSize(baseHeight, factor);
    r.x = ownerLeft + (ownerRight - r.width - ownerLeft) / 2;
    r.y = ownerBottom / 2 - r.height / 2;
    return r;
}

int radioRowY(int y, int index, int height) { return y + index * height; }
