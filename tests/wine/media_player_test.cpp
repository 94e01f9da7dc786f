// The player on its own: real DirectShow graphs over stand-in scripts and test media, with
// the windows the program gives it. Frames are checked by the code the stand-in draws into
// every frame, read back from the screen.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <vfw.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "riff_media.h"
#include "support/frame_code.h"
#include "support/frame_code_screen.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"
#include "support/test_env.h"
#include "viewer/media_player_win32.h"

namespace {

void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

template <typename Check>
bool within(DWORD ms, Check check) {
    DWORD start = GetTickCount();
    for (;;) {
        pump();
        if (check()) return true;
        if (GetTickCount() - start > ms) return false;
        Sleep(15);
    }
}

// The windows the player draws into, as the program's window builder makes them.
struct PlayerWindows {
    HWND main = nullptr;
    PlayerWindows() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = "PlayerTestWindow";
        RegisterClassA(&wc);
        main = CreateWindowExA(0, "PlayerTestWindow", "player test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 900,
                               700, nullptr, nullptr, nullptr, nullptr);
        set(winMain, main);
        set(winVideo, child("PlayerTestWindow", 0, 0, 480, 360));
        set(winVideoAlpha, child("PlayerTestWindow", 500, 0, 192, 144));
        set(winVideoBeta, child("PlayerTestWindow", 700, 0, 192, 144));
        set(winStatusBar, child(STATUSCLASSNAMEA, 0, 660, 900, 20));
        set(winTrackbar, child(TRACKBAR_CLASSA, 0, 400, 480, 30));
        set(winFrameNumber, child("PlayerTestWindow", 0, 440, 180, 30));
        set(winFilterGraphList, child("LISTBOX", 500, 300, 300, 200));
    }
    ~PlayerWindows() {
        DestroyWindow(main);
        for (auto& h : windowTable.handle) h = nullptr;
    }
    HWND child(const char* cls, int x, int y, int w, int h) {
        return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y, w, h, main, nullptr, nullptr,
                               nullptr);
    }
    static void set(int index, HWND h) { windowTable.handle[index] = h; }
};

bool shows(HWND parent, int frame, DWORD ms = 5000) {
    int last = -2;
    bool ok = within(ms, [&] { return (last = frameShownIn(parent)) == frame; });
    if (!ok) ADD_FAILURE() << "wanted frame " << frame << ", the window shows " << last;
    return ok;
}

ScriptClip clipOf(int frames, float fps, int width, int height, bool audio) {
    ScriptClip c;
    c.hasVideo = true;
    c.hasAudio = audio;
    c.framesPerSecond = fps;
    c.frameCount = frames;
    c.width = width;
    c.height = height;
    return c;
}

std::string blankClip(int frames, const char* fps, const char* pixelType, bool audio, int width = 320, int height = 240) {
    std::string s = "BlankClip(length=" + std::to_string(frames) + ", width=" + std::to_string(width) +
                    ", height=" + std::to_string(height) + ", " + fps + ", pixel_type=\"" + pixelType + "\"";
    s += audio ? ", audio_rate=48000, channels=2)\r\n" : ")\r\nKillAudio()\r\n";
    return s;
}

// The frame AVIFile gives for the script, as bottom-up BGR rows of a 24-bit bitmap.
std::vector<uint8_t> aviFileFrameAsBitmapRows(const std::string& path, int frame, int& width, int& height) {
    std::vector<uint8_t> rows;
    AVIFileInit();
    PAVIFILE file = nullptr;
    PAVISTREAM stream = nullptr;
    if (AVIFileOpenA(&file, path.c_str(), OF_READ, nullptr) == 0 && AVIFileGetStream(file, &stream, streamtypeVIDEO, 0) == 0) {
        BITMAPINFOHEADER bih{};
        LONG size = sizeof bih;
        AVIStreamReadFormat(stream, 0, &bih, &size);
        width = bih.biWidth;
        height = bih.biHeight;
        std::vector<uint8_t> raw(size_t(width) * 4 * height);
        AVIStreamRead(stream, frame, 1, raw.data(), LONG(raw.size()), nullptr, nullptr);
        size_t stride = (size_t(width) * 3 + 3) & ~size_t(3);
        rows.assign(stride * height, 0);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                for (int c = 0; c < 3; ++c) rows[stride * y + x * 3 + c] = raw[(size_t(y) * width + x) * 4 + c];
    }
    if (stream) AVIStreamRelease(stream);
    if (file) AVIFileRelease(file);
    AVIFileExit();
    return rows;
}

}  // namespace

TEST(MediaPlayer, ScriptSeeksStepsAndPlaysToTheEnd) {
    TempFolder dir;
    dir.write("clip.avs", blankClip(50, "fps=25", "RGB32", true));
    PlayerWindows windows;
    MediaPlayer player;
    boxes::reset();
    player.setScriptClip(clipOf(50, 25.0f, 320, 240, true));
    player.openMedia(dir.file("clip.avs").c_str(), 4);
    ASSERT_TRUE(player.graphBuilt());
    EXPECT_TRUE(boxes::shown().empty());
    EXPECT_TRUE(player.hasVideo());
    EXPECT_EQ(player.videoWidth(), 320);
    EXPECT_EQ(player.lastFrame(), 49);
    EXPECT_EQ(player.frameDuration100ns(), 400001);
    EXPECT_EQ(player.timerTick(), 363);
    EXPECT_TRUE(player.isPlaying());  // a script with video starts at once

    struct Step {
        long long asked, reached;
    };
    for (Step s : {Step{0, 0}, Step{1, 1}, Step{2, 2}, Step{1, 1}, Step{49, 49}, Step{120, 49}, Step{-7, 0}, Step{17, 17}}) {
        EXPECT_EQ(player.seekToFrame(s.asked), s.reached) << "seek to " << s.asked;
        EXPECT_FALSE(player.isPlaying());
        EXPECT_TRUE(shows(windows.main ? static_cast<HWND>(windowTable.handle[winVideo]) : nullptr, int(s.reached)))
            << "after seeking to " << s.asked;
    }
    EXPECT_EQ(player.seekToFrame(-10), 17);  // only reads
    EXPECT_EQ(player.updatePosition(), 17);
    EXPECT_EQ(SendMessageA(static_cast<HWND>(windowTable.handle[winTrackbar]), TBM_GETPOS, 0, 0), 17);

    // Played from near the end, the graph reports completion; seeking to 0 plays again.
    player.seekToFrame(45);
    player.togglePlay("main");
    EXPECT_TRUE(within(5000, [&] { return player.pollEvents() == 1; }));
    player.togglePlay("main");
    EXPECT_EQ(player.pollEvents(), -1);
    EXPECT_EQ(player.seekToFrame(0), 0);
    player.togglePlay("main");
    EXPECT_TRUE(within(5000, [&] { return player.updatePosition() >= 3; }));
    EXPECT_TRUE(within(5000, [&] { return frameShownIn(static_cast<HWND>(windowTable.handle[winVideo])) >= 3; }));
    player.closePlayer();
    EXPECT_FALSE(player.graphBuilt());
    EXPECT_TRUE(DeleteFileA(dir.file("clip.avs").c_str()) || true);
}

TEST(MediaPlayer, FrameDurationsOfScripts) {
    TempFolder dir;
    PlayerWindows windows;
    struct Case {
        const char* fps;
        float rate;
        long long duration;
    };
    for (Case c : {Case{"fps=30000, fps_denominator=1001", 29.97003f, 333667}, Case{"fps=24", 24.0f, 416667},
                   Case{"fps=60", 60.0f, 166667}}) {
        dir.write("rate.avs", blankClip(30, c.fps, "YV12", false, 64, 48));
        MediaPlayer player;
        player.setScriptClip(clipOf(30, c.rate, 64, 48, false));
        player.openMedia(dir.file("rate.avs").c_str(), 3);
        ASSERT_TRUE(player.graphBuilt()) << c.fps;
        EXPECT_EQ(player.frameDuration100ns(), c.duration) << c.fps;
        EXPECT_EQ(player.lastFrame(), 29) << c.fps;
        EXPECT_EQ(player.seekToFrame(29), 29) << c.fps;
        EXPECT_TRUE(shows(static_cast<HWND>(windowTable.handle[winVideo]), 29)) << c.fps;
        player.closePlayer();
    }
}

TEST(MediaPlayer, NeighboursShowTheFramesBeforeAndAfter) {
    TempFolder dir;
    dir.write("clip.avs", blankClip(40, "fps=25", "YV12", true));
    PlayerWindows windows;
    MediaPlayer player;
    player.neighbours = true;
    player.setScriptClip(clipOf(40, 25.0f, 320, 240, true));
    player.openMedia(dir.file("clip.avs").c_str(), 3);
    ASSERT_TRUE(player.graphBuilt());
    HWND video = static_cast<HWND>(windowTable.handle[winVideo]);
    HWND alpha = static_cast<HWND>(windowTable.handle[winVideoAlpha]);
    HWND beta = static_cast<HWND>(windowTable.handle[winVideoBeta]);
    EXPECT_EQ(player.seekToFrame(10), 10);
    shows(video, 10);
    shows(alpha, 9);
    shows(beta, 11);
    EXPECT_EQ(player.seekToFrame(39), 39);
    shows(video, 39);
    shows(alpha, 38);
    shows(beta, 38);  // one duration before the stop position
    player.closePlayer();
}

TEST(MediaPlayer, GrabsWriteTheFrameAviFileGives) {
    TempFolder dir;
    dir.write("grab.avs", blankClip(20, "fps=25", "RGB32", false, 96, 64));
    PlayerWindows windows;
    MediaPlayer player;
    player.setScriptClip(clipOf(20, 25.0f, 96, 64, false));
    std::string script = dir.file("grab.avs");
    player.openMedia(script.c_str(), 4);
    ASSERT_TRUE(player.graphBuilt());
    EXPECT_FALSE(player.grabFrame(7)) << "no grab while playing";
    player.seekToFrame(7);
    boxes::reset();
    ASSERT_TRUE(player.grabFrame(7));
    std::string bitmap = dir.read("grab_F_7.bmp");
    int width = 0, height = 0;
    std::vector<uint8_t> expected = aviFileFrameAsBitmapRows(script, 7, width, height);
    ASSERT_EQ(bitmap.size(), 54 + expected.size());
    EXPECT_EQ(bitmap.substr(0, 2), "BM");
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), reinterpret_cast<const uint8_t*>(bitmap.data()) + 54));
    EXPECT_EQ(readFrameCodeFromPixels(reinterpret_cast<const uint8_t*>(bitmap.data()) + 54, 96, 64, 3), 7);

    // A bitmap that cannot be written is named in a box and not reported as done.
    std::string blocked = dir.file("no such folder\\frame.bmp");
    EXPECT_FALSE(player.grabFrame(7, blocked.c_str()));
    ASSERT_EQ(boxes::shown().size(), 1u);
    EXPECT_NE(boxes::shown()[0].text.find(blocked), std::string::npos);
    player.closePlayer();
}

TEST(MediaPlayer, AudioOnlyWaveCountsTenthsOfASecond) {
    TempFolder dir;
    std::string data = sampleBytes(48000 * 4 * 2, 5);  // two seconds of 16-bit stereo
    dir.write("tone.wav", waveFile(waveFormatRecord(1, 2, 48000, 16), data));
    PlayerWindows windows;
    MediaPlayer player;
    boxes::reset();
    player.openMedia(dir.file("tone.wav").c_str(), 4);
    ASSERT_TRUE(player.graphBuilt()) << (boxes::shown().empty() ? "" : boxes::shown()[0].text);
    EXPECT_FALSE(player.hasVideo());
    EXPECT_EQ(player.frameDuration100ns(), 1000000);
    EXPECT_EQ(player.timerTick(), 99);
    EXPECT_EQ(player.lastFrame(), 20);
    EXPECT_EQ(player.seekToFrame(12), 12);
    player.closePlayer();
}

TEST(MediaPlayer, FilterListAndPropertyPage) {
    TempFolder dir;
    dir.write("list.avs", blankClip(20, "fps=25", "RGB32", true, 64, 48));
    PlayerWindows windows;
    MediaPlayer player;
    std::string script = dir.file("list.avs");
    player.setScriptClip(clipOf(20, 25.0f, 64, 48, true));
    player.openMedia(script.c_str(), 4);
    ASSERT_TRUE(player.graphBuilt());
    player.listFilters("");
    EXPECT_TRUE(player.filtersListed());
    HWND list = static_cast<HWND>(windowTable.handle[winFilterGraphList]);
    std::vector<std::string> names;
    for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
        char text[256] = {};
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        names.push_back(text);
    }
    EXPECT_NE(std::find(names.begin(), names.end(), script), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "Video Renderer"), names.end());
    EXPECT_GE(names.size(), 3u);  // and an audio renderer

    player.listFilters(script.c_str());
    player.showFilterProperties();
    std::string title = script + " Properties";
    HWND frame = nullptr;
    ASSERT_TRUE(within(10000, [&] {
        player.onPropertyFrameTimer();
        frame = FindWindowA(nullptr, title.c_str());
        if (!frame) frame = FindWindowA(nullptr, ("Properties for " + script).c_str());
        return frame != nullptr;
    }));
    // The page shows the clip's properties (its text arrives once the page is built).
    std::string all;
    EXPECT_TRUE(within(5000, [&] {
        all.clear();
        for (HWND child = GetWindow(frame, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            for (HWND inner = GetWindow(child, GW_CHILD); inner; inner = GetWindow(inner, GW_HWNDNEXT)) {
                char text[1024] = {};
                GetWindowTextA(inner, text, sizeof text);
                all += text;
            }
        return all.find("Video: 64 x 48, RGB32, 25.000 frames per second, 20 frames") != std::string::npos;
    })) << all;
    player.closePlayer();
    EXPECT_TRUE(within(5000, [&] { return !IsWindow(frame); }));
}

TEST(MediaPlayer, GraphIsInTheRunningObjectTableWhileOpen) {
    TempFolder dir;
    dir.write("rot.avs", blankClip(10, "fps=25", "RGB32", false, 64, 48));
    PlayerWindows windows;
    MediaPlayer player;
    player.setScriptClip(clipOf(10, 25.0f, 64, 48, false));
    player.openMedia(dir.file("rot.avs").c_str(), 4);
    ASSERT_TRUE(player.graphBuilt());
    // Another process lists the table's names.
    auto listed = [&] {
        std::string out = dir.file("rot.txt");
        std::string command = "\"" + testBinFolder() + "rotlister.exe\" \"" + out + "\"";
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        std::vector<char> line(command.begin(), command.end());
        line.push_back('\0');
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return std::string();
        WaitForSingleObject(pi.hProcess, 20000);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
        return dir.read("rot.txt");
    };
    char pid[16];
    snprintf(pid, sizeof pid, "pid %08lx", GetCurrentProcessId());
    std::string names = listed();
    EXPECT_NE(names.find(std::string("!FilterGraph ")), std::string::npos) << names;
    EXPECT_NE(names.find(pid), std::string::npos) << names;
    player.closePlayer();
    EXPECT_EQ(listed().find(pid), std::string::npos);
}
