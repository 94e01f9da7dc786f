// The player in the running program, driven by keys, menus and clicks: the Media Viewer
// playing files opened through the menu, the Video Editor stepping through a script with its
// neighbour frames, a frame grab, and the scene preview. Frames are told apart by the code
// the stand-in draws into each of them, read back from the screen.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "e2e/driver/driver.h"
#include "support/frame_code.h"
#include "support/frame_code_screen.h"
#include "support/temp_folder.h"
#include "support/test_env.h"

using namespace driver;

namespace {

template <typename Check>
bool within(DWORD ms, Check check, DWORD pause = 30) {
    const ULONGLONG deadline = GetTickCount64() + ms;
    for (;;) {
        if (check()) return true;
        if (GetTickCount64() > deadline) return false;
        Sleep(pause);
    }
}

void input(std::vector<INPUT> events) { SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT)); }

INPUT keyEvent(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

void press(WORD vk, bool alt = false) {
    std::vector<INPUT> e;
    if (alt) e.push_back(keyEvent(VK_MENU, false));
    e.push_back(keyEvent(vk, false));
    e.push_back(keyEvent(vk, true));
    if (alt) e.push_back(keyEvent(VK_MENU, true));
    input(e);
    Sleep(30);  // let the key reach the program before the next one
}

void typeText(const std::string& text) {
    std::vector<INPUT> e;
    for (char c : text) {
        for (bool up : {false, true}) {
            INPUT in{};
            in.type = INPUT_KEYBOARD;
            in.ki.wScan = static_cast<unsigned char>(c);
            in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            e.push_back(in);
        }
    }
    input(e);
}

void click(HWND window, int x, int y, bool right = false) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    SetCursorPos(p.x, p.y);
    // Let the pointer arrive before the button goes down, or the press may land where it was.
    Sleep(60);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof(INPUT));
    Sleep(40);
    in.mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &in, sizeof(INPUT));
    Sleep(40);
    in.mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof(INPUT));
    Sleep(60);
}

void clickCentre(HWND window, bool right = false) {
    RECT r;
    GetClientRect(window, &r);
    click(window, r.right / 2, r.bottom / 2, right);
}

// Opens the video window's popup menu and picks an item by its place among the items the
// arrow keys stop at; `sub` picks an item of the submenu there.
void videoMenu(HWND video, int item, int sub = -1) {
    RECT r;
    GetClientRect(video, &r);
    click(video, 5, 5, true);
    Sleep(300);
    for (int i = 0; i <= item; ++i) press(VK_DOWN);
    if (sub >= 0) {
        press(VK_RIGHT);
        for (int i = 0; i < sub; ++i) press(VK_DOWN);
    }
    press(VK_RETURN);
}

::testing::AssertionResult shows(HWND parent, int frame, const char* where) {
    int seen = -2;
    if (within(8000, [&] { return (seen = frameShownIn(parent)) == frame; })) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << where << " shows " << seen << ", wanted " << frame;
}

// An edit box's text: across processes only the message reaches the control's own text.
std::string editText(HWND edit) {
    wchar_t text[64] = {};
    SendMessageW(edit, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    std::string out;
    for (const wchar_t* p = text; *p; ++p) out += static_cast<char>(*p);
    return out;
}

// The main window's controls the journey uses, found by class and caption.
struct MainControls {
    HWND video, alpha, beta, trackbar, preview, setFrame = nullptr, startBox = nullptr, endBox = nullptr;
    explicit MainControls(HWND main)
        : video(FindWindowExA(main, nullptr, "TheVidWinClass", "")),
          alpha(FindWindowExA(main, nullptr, "TheVidWinClass", "video win al")),
          beta(FindWindowExA(main, nullptr, "TheVidWinClass", "video win beta")),
          trackbar(FindWindowExA(main, nullptr, TRACKBAR_CLASSA, nullptr)),
          preview(FindWindowExA(main, nullptr, "Button", "Preview")) {
        // Edit boxes of the main window in creation order: start frame, end frame, jump box.
        std::vector<HWND> edits;
        for (HWND w : childrenInCreationOrder(main)) {
            if (windowClass(w) == "Edit") edits.push_back(w);
            if (!setFrame && windowClass(w) == "Button") setFrame = w;  // the first tool button
        }
        if (edits.size() >= 3) {
            startBox = edits[0];
            endBox = edits[1];
        }
    }
};

std::string script(int frames, bool audio) {
    return "BlankClip(length=" + std::to_string(frames) + ", width=320, height=240, fps=25, pixel_type=\"RGB32\"" +
           (audio ? ", audio_rate=48000, channels=2)\r\n" : ")\r\n");
}

void prepare(ProgramFolder& folder) {
    folder.write("encoder.ini", crlfLines({"#### encoder.ini ####", "end encoder.ini"}));
    folder.write("zandolin.ini", crlfLines({"#### zandolin.ini ####", "end zandolin.ini"}));
}

// Fills the open dialog's file name and confirms it.
bool chooseFile(const Program& program, const std::string& path) {
    MessageBoxSeen dialog;
    if (!waitForMessageBox(program, dialog)) return false;
    SetForegroundWindow(dialog.window);
    Sleep(300);
    typeText(path);
    press(VK_RETURN);
    return within(10000, [&] { return !IsWindow(dialog.window) || !IsWindowVisible(dialog.window); });
}

}  // namespace

TEST(PlayerJourney, MediaViewerPlaysWhatTheMenuOpens) {
    ProgramFolder folder;
    prepare(folder);
    folder.write("clip.avs", script(500, true));
    Program program;
    ASSERT_TRUE(program.start(folder));
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    SetForegroundWindow(main);
    MainControls c(main);
    HWND video = c.video, trackbar = c.trackbar;
    press(VK_F10);
    ASSERT_TRUE(within(10000, [&] { return IsWindowVisible(video); }));

    // A media file: it plays at once and the position moves on.
    std::string media = testFolderFromEnv("ZANDOLIN_MEDIA") + "h264-aac.mp4";
    videoMenu(video, 1, 1);
    ASSERT_TRUE(chooseFile(program, media));
    LRESULT first = -1;
    EXPECT_TRUE(within(10000, [&] { return (first = SendMessageA(trackbar, TBM_GETPOS, 0, 0)) > 0; }));
    EXPECT_TRUE(within(10000, [&] { return SendMessageA(trackbar, TBM_GETPOS, 0, 0) > first; }));

    // A script through the same item: its frames advance on screen.
    videoMenu(video, 1, 1);
    ASSERT_TRUE(chooseFile(program, folder.file("clip.avs")));
    int seen = -1;
    EXPECT_TRUE(within(10000, [&] { return (seen = frameShownIn(video)) > 2; })) << seen;
    EXPECT_TRUE(within(10000, [&] { return frameShownIn(video) > seen; }));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0);
}

TEST(PlayerJourney, VideoEditorStepsWithNeighboursGrabsAndPreviewsAScene) {
    ProgramFolder folder;
    prepare(folder);
    folder.write("clip.avs", script(600, true));
    Program program;
    ASSERT_TRUE(program.start(folder, "\"" + folder.file("clip.avs") + "\""));
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    SetForegroundWindow(main);
    MainControls c(main);
    HWND video = c.video, alpha = c.alpha, beta = c.beta, trackbar = c.trackbar;
    ASSERT_TRUE(video && alpha && beta && trackbar && c.preview && c.startBox && c.endBox)
        << video << " " << alpha << " " << beta << " " << trackbar << " " << c.preview << " " << c.startBox;
    press(VK_F11);
    ASSERT_TRUE(within(10000, [&] { return IsWindowVisible(video) && frameShownIn(video) >= 0; }));
    SetFocus(nullptr);

    struct Step {
        WORD key;
        bool alt;
        int frame;
        const char* what;
    } steps[] = {
        {VK_PRIOR, false, 0, "Page Up clamps at the first frame"},
        {VK_RIGHT, false, 1, "Right"},
        {VK_RIGHT, false, 2, "Right again"},
        {VK_LEFT, false, 1, "Left"},
        {VK_NEXT, false, 251, "Page Down: ten seconds"},
        {VK_RIGHT, true, 301, "Alt+Right: 2.01 seconds"},
        {VK_LEFT, true, 251, "Alt+Left"},
        {VK_NEXT, true, 599, "Alt+Page Down clamps at the last frame"},
        {VK_PRIOR, true, 0, "Alt+Page Up"},
    };
    for (const Step& s : steps) {
        press(s.key, s.alt);
        EXPECT_TRUE(shows(video, s.frame, s.what));
    }

    // The multi-frame layout: the frames before and after, following every step.
    videoMenu(video, 7);
    ASSERT_TRUE(within(10000, [&] { return IsWindowVisible(alpha) && IsWindowVisible(beta); }));
    press(VK_NEXT);
    // In this layout the main picture reaches under the row list, which can cover its frame
    // code; the neighbours, sought from the main frame, tell where it stands.
    EXPECT_TRUE(shows(alpha, 249, "Alpha"));
    EXPECT_TRUE(shows(beta, 251, "Beta"));
    press(VK_RIGHT);
    EXPECT_TRUE(shows(alpha, 250, "Alpha after Right"));
    EXPECT_TRUE(shows(beta, 252, "Beta after Right"));

    // The trackbar: a click moves to where it lands.
    RECT tr;
    GetClientRect(trackbar, &tr);
    click(trackbar, tr.right * 3 / 4, tr.bottom / 2);
    // A click on the status bar sends the trackbar's position tip away from the picture.
    clickCentre(FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr));
    // The thumb moves by pages toward the click; wait until it rests.
    int landed = -1;
    EXPECT_TRUE(within(5000, [&] {
        int before = int(SendMessageA(trackbar, TBM_GETPOS, 0, 0));
        Sleep(400);
        landed = int(SendMessageA(trackbar, TBM_GETPOS, 0, 0));
        return landed == before && landed != 251;
    }));
    // (The multi-frame layout lets the rows cover the main picture's lower edge; the grab
    // below checks the main frame.)
    EXPECT_TRUE(shows(alpha, landed - 1, "Alpha after the trackbar click"));

    // Save Frame as BitMap writes the frame shown.
    videoMenu(video, 8);
    ASSERT_TRUE(waitForFile(folder.file("mybitmap.bmp")));
    std::string bmp;
    EXPECT_TRUE(within(5000, [&] { return (bmp = folder.read("mybitmap.bmp")).size() == 54 + 320 * 3 * 240; }));
    if (bmp.size() > 54)
        EXPECT_EQ(readFrameCodeFromPixels(reinterpret_cast<const uint8_t*>(bmp.data()) + 54, 320, 240, 3), landed);

    // Leaving the multi-frame layout hides the neighbours again.
    videoMenu(video, 7);
    EXPECT_TRUE(within(10000, [&] { return !IsWindowVisible(alpha) && !IsWindowVisible(beta); }));

    // A scene from 250 to 300, marked with the set-frame button, opens in the scene preview.
    HWND startBox = c.startBox, endBox = c.endBox;
    // (The trackbar holds the focus now and takes plain Page keys itself: Alt steps.)
    press(VK_PRIOR, true);
    for (int i = 0; i < 5; ++i) press(VK_RIGHT, true);
    EXPECT_TRUE(shows(video, 250, "main at the scene's start"));
    clickCentre(c.setFrame);
    press(VK_RIGHT, true);
    EXPECT_TRUE(shows(video, 300, "main at the scene's end"));
    clickCentre(c.setFrame);
    EXPECT_TRUE(within(5000, [&] { return editText(startBox) == "250" && editText(endBox) == "300"; }))
        << editText(startBox) << " " << editText(endBox);
    ASSERT_TRUE(within(5000, [&] { return IsWindowEnabled(c.preview); }));
    clickCentre(c.preview);
    HWND panel = nullptr;
    ASSERT_TRUE(within(10000, [&] { return (panel = FindWindowA("TheWinClass", "Scene Preview / Edit")) != nullptr; }));
    std::vector<HWND> controls;
    ASSERT_TRUE(within(5000, [&] { return (controls = childrenInCreationOrder(panel)).size() == 14; }));
    HWND panelVideo = controls[2], fwd = controls[9], rev = controls[7], play = controls[8], save = controls[6];
    HWND endUpDown = controls[13];
    EXPECT_TRUE(shows(panelVideo, 250, "preview at its start"));
    clickCentre(fwd);
    EXPECT_TRUE(shows(panelVideo, 251, "preview after Fwd"));
    clickCentre(fwd);
    clickCentre(rev);
    EXPECT_TRUE(shows(panelVideo, 251, "preview after Fwd and Rev"));
    clickCentre(play);
    EXPECT_TRUE(within(5000, [&] { return windowText(play) == "Stop"; }));
    EXPECT_TRUE(within(5000, [&] { return frameShownIn(panelVideo) > 255; }));
    // Playback stops at the scene's end.
    EXPECT_TRUE(within(10000, [&] { return windowText(play) == "Play"; }));
    EXPECT_TRUE(shows(panelVideo, 300, "preview stopped at the scene's end"));
    // The end moves up one with its up-down control; Save copies both boxes back.
    RECT ud;
    GetClientRect(endUpDown, &ud);
    click(endUpDown, ud.right / 2, ud.bottom / 4);
    EXPECT_TRUE(shows(panelVideo, 301, "preview at the new end"));
    clickCentre(save);
    EXPECT_TRUE(within(5000, [&] { return !IsWindow(panel); }));
    EXPECT_EQ(editText(startBox), "250");
    EXPECT_EQ(editText(endBox), "301");
    EXPECT_TRUE(shows(video, 250, "main after Save"));

    PostMessageA(main, WM_CLOSE, 0, 0);
    MessageBoxSeen box;
    if (waitForMessageBox(program, box, 3000)) answer(box, IDNO);
    EXPECT_EQ(program.waitForExit(), 0);
}

// Not a test: scripts/bench-player.sh runs it. Time from a Right key press to the new frame on
// screen, against AVIFile reading the same frames; frames presented in 10 s of playback.
namespace {

double nowMs() {
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) * 1000.0 / double(f.QuadPart);
}

void report(const char* what, std::vector<double> v) {
    std::sort(v.begin(), v.end());
    if (v.empty()) return;
    printf("BENCH %s: median %.1f ms, p90 %.1f ms (%zu samples)\n", what, v[v.size() / 2], v[v.size() * 9 / 10], v.size());
}

// AVIFile alone, reached at run time: the driver does not link it.
std::vector<double> aviFileReads(const std::string& path, int first, int count) {
    std::vector<double> times;
    HMODULE avi = LoadLibraryA("avifil32.dll");
    auto get = [&](const char* name) { return reinterpret_cast<void*>(GetProcAddress(avi, name)); };
    auto init = reinterpret_cast<void(WINAPI*)()>(get("AVIFileInit"));
    auto open = reinterpret_cast<HRESULT(WINAPI*)(void**, LPCSTR, UINT, void*)>(get("AVIFileOpenA"));
    auto stream = reinterpret_cast<HRESULT(WINAPI*)(void*, void**, DWORD, LONG)>(get("AVIFileGetStream"));
    auto read = reinterpret_cast<HRESULT(WINAPI*)(void*, LONG, LONG, void*, LONG, LONG*, LONG*)>(get("AVIStreamRead"));
    auto releaseStream = reinterpret_cast<ULONG(WINAPI*)(void*)>(get("AVIStreamRelease"));
    auto releaseFile = reinterpret_cast<ULONG(WINAPI*)(void*)>(get("AVIFileRelease"));
    init();
    void* file = nullptr;
    void* video = nullptr;
    if (open(&file, path.c_str(), 0, nullptr) != 0 || stream(file, &video, mmioFOURCC('v', 'i', 'd', 's'), 0) != 0) return times;
    std::vector<uint8_t> buffer(1920 * 1080 * 4);
    for (int f = first; f < first + count; ++f) {
        double t0 = nowMs();
        read(video, f, 1, buffer.data(), LONG(buffer.size()), nullptr, nullptr);
        times.push_back(nowMs() - t0);
    }
    releaseStream(video);
    releaseFile(file);
    return times;
}

}  // namespace

TEST(PlayerBench, DISABLED_StepAndPlayback) {
    struct Size {
        int width, height;
    };
    for (Size size : {Size{640, 480}, Size{1920, 1080}}) {
        ProgramFolder folder;
        prepare(folder);
        std::string text = "BlankClip(length=2000, width=" + std::to_string(size.width) + ", height=" +
                           std::to_string(size.height) + ", fps=25, pixel_type=\"RGB32\", audio_rate=48000, channels=2)\r\n";
        folder.write("bench.avs", text);
        Program program;
        ASSERT_TRUE(program.start(folder, "\"" + folder.file("bench.avs") + "\""));
        HWND main = program.waitForMainWindow();
        ASSERT_NE(main, nullptr);
        SetForegroundWindow(main);
        MainControls c(main);
        press(VK_F11);
        ASSERT_TRUE(within(10000, [&] { return IsWindowVisible(c.video) && frameShownIn(c.video) >= 0; }));
        press(VK_PRIOR, true);
        ASSERT_TRUE(shows(c.video, 0, "start"));
        std::vector<double> steps;
        for (int f = 1; f <= 40; ++f) {
            double t0 = nowMs();
            input({keyEvent(VK_RIGHT, false), keyEvent(VK_RIGHT, true)});
            if (!within(5000, [&] { return frameShownIn(c.video) == f; }, 1)) break;
            steps.push_back(nowMs() - t0);
            Sleep(100);
        }
        char what[64];
        snprintf(what, sizeof what, "step %dx%d", size.width, size.height);
        report(what, steps);
        snprintf(what, sizeof what, "AVIFile read %dx%d", size.width, size.height);
        report(what, aviFileReads(folder.file("bench.avs"), 1, 40));
        if (size.width == 640) {
            // Playback: every distinct frame code seen in 10 s.
            press(VK_SPACE);
            std::vector<bool> seen(2000);
            int distinct = 0;
            double end = nowMs() + 10000;
            while (nowMs() < end) {
                int f = frameShownIn(c.video);
                if (f >= 0 && f < 2000 && !seen[f]) {
                    seen[f] = true;
                    ++distinct;
                }
                Sleep(2);
            }
            press(VK_SPACE);
            printf("BENCH playback 640x480 at 25 fps: %d distinct frames seen in 10 s (250 expected)\n", distinct);
        }
        PostMessageA(main, WM_CLOSE, 0, 0);
        MessageBoxSeen box;
        if (waitForMessageBox(program, box, 3000)) answer(box, IDNO);
        program.waitForExit();
    }
}
