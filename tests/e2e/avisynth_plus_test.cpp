// The running program with a real AviSynth+ 3.7.5 beside it instead of the stand-in.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "e2e/driver/driver.h"
#include "e2e/driver/input.h"
#include "support/avisynth_libraries.h"

using namespace driver;

namespace {
constexpr UINT sciGetStyleAt = 2010;
constexpr UINT sciCallTipActive = 2202;
constexpr int styleInternalName = 2;

HWND filterList(HWND main) {
    for (HWND w : childrenInCreationOrder(main))
        if (HWND toolbar = FindWindowExA(w, nullptr, "ToolbarWindow32", nullptr))
            if (HWND combo = FindWindowExA(toolbar, nullptr, "ComboBox", nullptr)) return combo;
    return nullptr;
}

// Presses F8 and returns the text of the box it opens, after checking its title and closing it.
std::string f8Box(const Program& program, const std::string& title) {
    pressKey(VK_F8);
    MessageBoxSeen box;
    if (!waitForMessageBox(program, box)) return "(no box)";
    EXPECT_EQ(box.title, title);
    answer(box, IDOK);
    return box.text;
}
}  // namespace

TEST(AviSynthPlusBeside, StartFilterListPropertiesVideoEditorAndTyping) {
    if (!avsLibraryPresent(AvsLibrary::avisynthPlus)) GTEST_SKIP() << "no AviSynth+ in this run";
    AvsHandlerChoice handler(AvsLibrary::avisynthPlus);
    ScriptSession s;
    s.folder.copyIn(avsLibraryPath(AvsLibrary::avisynthPlus), "avisynth.dll");
    const std::string script =
        "BlankClip(length=50, width=320, height=240, fps=25, pixel_type=\"YV12\", audio_rate=48000, channels=2)";
    ASSERT_TRUE(s.start("clip.avs", script));
    EXPECT_TRUE(noMessageBoxFor(s.program, 1000));

    // AviSynth+'s names, each once, all internal; none of the stand-in's plug-ins.
    std::vector<ComboItem> items = comboItems(filterList(s.main));
    EXPECT_GT(items.size(), 400u);
    for (const char* name : {"ScriptClip", "Tone", "Trim"})
        EXPECT_EQ(std::count_if(items.begin(), items.end(), [&](const ComboItem& i) { return i.text == name; }), 1);
    EXPECT_TRUE(std::all_of(items.begin(), items.end(), [](const ComboItem& i) { return i.data == 0; }));

    const std::string video =
        "\n\nVideo Stream:\nWidth\t\t\t320 pixels\nHeight\t\t\t240 pixels\nFrames/sec\t\t25.000 fps\nTotal "
        "Frames\t\t50 frames\nPixel Type\t\t\" YV12 \"\nField Parity\t\tNot Defined\nField or\nFrame-Based\t\tFrame\n";
    EXPECT_EQ(f8Box(s.program, "Script Output Properties"),
              "File:\n" + s.folder.file("clip.avs") + video +
                  "\nAudio:\nnChannels\t\t2 channels\nSamplesPerSecond\t\t48000\nnAudio Samples\t\t96000\nSample "
                  "Type\t\t16 bit\n");

    // The Video Editor opens the script in its player through AviSynth+'s AVIFile handler
    // without a word; F8 there reports the clip the player holds.
    pressKey(VK_F11);
    HWND slider = FindWindowExA(s.main, nullptr, TRACKBAR_CLASSA, nullptr);
    ASSERT_NE(slider, nullptr);
    ASSERT_TRUE(waitFor(30000, [&] { return IsWindowVisible(slider) != 0; }));
    EXPECT_TRUE(noMessageBoxFor(s.program, 1000));
    EXPECT_EQ(f8Box(s.program, "Script Output Properties").substr(0, 6 + s.folder.file("clip.avs").size() + video.size()),
              "File:\n" + s.folder.file("clip.avs") + video);

    // Back in the editor: the script's name is styled as a function, and a name only AviSynth+
    // knows brings up its call tip.
    pressKey(VK_F9);
    ASSERT_TRUE(waitFor(30000, [&] { return IsWindowVisible(s.editor) != 0; }));
    EXPECT_TRUE(waitFor(10000, [&] { return SendMessageA(s.editor, sciGetStyleAt, 0, 0) == styleInternalName; }));
    click(s.editor);
    ASSERT_TRUE(waitForFocusIn(s.editor));
    pressKey(VK_END, true);
    pressKey(VK_RETURN);
    typeText("Ton");  // the tip is for a name still being typed
    ASSERT_TRUE(waitFor(10000, [&] { return SendMessageA(s.editor, sciCallTipActive, 0, 0) != 0; }));
    HWND status = FindWindowExA(s.main, nullptr, STATUSCLASSNAMEA, nullptr);
    EXPECT_EQ(statusText(status, 2), "Ton");
    typeText("e(1.0)");
    const LPARAM toneAt = static_cast<LPARAM>(script.size() + 2);
    EXPECT_TRUE(waitFor(10000, [&] { return SendMessageA(s.editor, sciGetStyleAt, toneAt, 0) == styleInternalName; }));

    EXPECT_TRUE(s.close());
}
