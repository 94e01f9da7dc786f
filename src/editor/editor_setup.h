#pragma once
// Styles, colours, margins and dwell time of the script editor; run at start-up and after a
// font or settings change.

struct EditorLook {
    const char* fontName = nullptr;  // null or empty: keep the component's font
    int fontSize = 10;
    bool lineNumbers = true;
};

// Colours of the script styles, in the component's 0xBBGGRR form.
constexpr int colourPlain = 0x000000;
constexpr int colourInternalName = 0x55AA00;
constexpr int colourPluginName = 0xDD0044;
constexpr int colourComment = 0xAAAAAA;
constexpr int colourString = 0x6666CC;

void applyEditorSetup(const EditorLook& look);
// Width of the line-number margin for a font size.
int lineNumberMarginWidth(int fontSize, bool lineNumbers);
