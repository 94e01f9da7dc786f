#include "scenes/scene_preview.h"

#include "base/bounded_text.h"

PreviewFrame previewFrame(float aspect, int ownerLeft, int ownerTop, int ownerRight, int ownerBottom) {
    // The factor is a float; the products are taken in double precision (447, not 448).
    const double scaled = 320 * static_cast<double>(1.4f);
    PreviewFrame f;
    f.videoHeight = static_cast<int>(scaled);
    f.videoWidth = static_cast<int>(scaled * static_cast<double>(aspect));
    // Below this width the row of buttons overlaps itself (Save would sit under the start
    // box, Cancel under End): a narrower picture is centred in a window this wide instead.
    const int narrowest = 664;
    f.width = f.videoWidth > narrowest ? f.videoWidth : narrowest;
    f.height = f.videoHeight + 96 + 32;
    f.x = ownerRight - (ownerRight - ownerLeft) / 2 - f.width / 2;
    f.y = ownerBottom - (ownerBottom - ownerTop) / 2 - (f.videoHeight + 96) / 2;
    return f;
}

PreviewControl previewControl(int id, int w, int b, int videoWidth, int videoHeight) {
    switch (id) {
    case previewStatus: return {0, b - 20, w, 20};
    case previewSlider: return {0, b - 94, w, 32};
    case previewVideo: return {videoWidth < w ? (w - videoWidth) / 2 : 0, 0, videoWidth < w ? videoWidth : w, videoHeight};
    case previewStartBox: return {10, b - 53, 70, 20};
    case previewStartUpDown: return {82, b - 53, 18, 20};
    case previewStartButton: return {104, b - 58, 44, 32};
    case previewSave: return {w / 2 - 164, b - 58, 44, 32};
    case previewRev: return {w / 2 - 70, b - 58, 44, 32};
    case previewPlay: return {w / 2 - 22, b - 58, 44, 32};
    case previewFwd: return {w / 2 + 26, b - 58, 44, 32};
    case previewCancel: return {w / 2 + 120, b - 58, 60, 32};
    case previewEndButton: return {w - 148, b - 58, 44, 32};
    case previewEndBox: return {w - 100, b - 53, 70, 20};
    case previewEndUpDown: return {w - 28, b - 53, 18, 20};
    default: return {0, 0, 0, 0};
    }
}

void previewStatusParts(int w, int (&parts)[4]) {
    parts[0] = 60;
    parts[1] = 210;
    parts[2] = static_cast<int>(w * 0.62);
    parts[3] = w - 1;
}

int previewTickFrequency(int start, int end) {
    int f = (end - start) / 100;
    return f > 0 ? f : 1;
}

void previewPositionText(char* out, size_t cap, int frame) { formatText(out, cap, "    %6i", frame); }

void previewRangeText(char* out, size_t cap, int start, int end, int total) {
    formatText(out, cap, "   %6i - %6i / %6i", start, end, total);
}
