#include <gtest/gtest.h>

#include <string>

#include "scenes/scene_preview.h"
#include "support/frame_code.h"
#include "viewer/frame_pixels.h"
#include "viewer/player_timing.h"

TEST(PlayerTiming, FrameDurations) {
    struct Case {
        double seconds;
        long long duration;
    } cases[] = {
        {1.0 / 25, 400001},   {1001.0 / 30000, 333667}, {1.0 / 30, 333334}, {0.0333667, 333668},
        {1.0 / 24, 416667},   {1.0 / 60, 166667},       {1.0, 10000001},    {0.03336, 333601},
    };
    for (const Case& c : cases) EXPECT_EQ(frameDuration100ns(c.seconds), c.duration) << c.seconds;
    EXPECT_DOUBLE_EQ(scriptFrameSeconds(25.0f), 1.0 / 25.0f);
    EXPECT_DOUBLE_EQ(scriptFrameSeconds(0.0f), 1.0);
    // The stream's own average wins when the graph gives a plausible one.
    EXPECT_DOUBLE_EQ(mediaFrameSeconds(0.04, 0.0333667), 0.04);
    EXPECT_DOUBLE_EQ(mediaFrameSeconds(0.0, 0.0333667), 0.0333667);
    EXPECT_DOUBLE_EQ(mediaFrameSeconds(-1.0, 0.5), 0.5);
}

TEST(PlayerTiming, FramesAndPositions) {
    struct Case {
        long long asked, last, reached;
    } clamps[] = {{5, 49, 5}, {49, 49, 49}, {50, 49, 49}, {-1, 49, 0}, {-10, 49, 0}, {3, 0, 0}};
    for (const Case& c : clamps) EXPECT_EQ(clampFrame(c.asked, c.last), c.reached) << c.asked;
    // A frame's position always lands inside that frame of the stream, whose exact duration
    // is a little shorter than the rounded-up one.
    for (long long f : {0LL, 1LL, 999LL, 107892LL}) {
        long long p = frameToPosition(f, 333667);
        EXPECT_EQ(positionToFrame(p, 333667), f);
        EXPECT_EQ(static_cast<long long>(p * 30000.0 / 1001 / 10000000), f);
    }
    EXPECT_EQ(positionToFrame(12345, 0), 0);
    // Alpha before, Beta after, never past one duration before the stop.
    long long stop = 50 * 400000LL;
    EXPECT_EQ(neighbourPosition(10, -1, 400001, stop), 9 * 400001);
    EXPECT_EQ(neighbourPosition(10, 1, 400001, stop), 11 * 400001);
    EXPECT_EQ(neighbourPosition(0, -1, 400001, stop), 0);
    EXPECT_EQ(neighbourPosition(49, 1, 400001, stop), stop - 400001);
    EXPECT_EQ(positionToFrame(stop - 400001, 400001), 48);
}

TEST(PlayerTiming, StatusTexts) {
    FrameInfoTexts t;
    frameInfoTexts(t, true, 1500, 107891, 1001.0 / 30000);
    EXPECT_STREQ(t.frames, "Frame   1500 / 107891");
    EXPECT_STREQ(t.times, "00:00:50 / 00:59:59");
    EXPECT_STREQ(t.rate, "fps = 29.970");
    // Without video a position is a tenth of a second.
    frameInfoTexts(t, false, 125, 36615, 1.0);
    EXPECT_STREQ(t.times, "Time  00:00:12 / 01:01:01");
    EXPECT_STREQ(t.frames, "");

    struct Name {
        const char* path;
        long frame;
        const char* bitmap;
    } names[] = {
        {"C:\\v\\clip.avs", 12, "C:\\v\\clip_F_12.bmp"},
        {"C:\\v\\clip.mpeg", 0, "C:\\v\\clip.mpeg_F_0.bmp"},
        {"C:\\v\\a.b.mkv", 7, "C:\\v\\a.b_F_7.bmp"},
        {"avs", 3, "avs_F_3.bmp"},
    };
    for (const Name& n : names) {
        char out[300];
        grabBitmapName(out, sizeof out, n.path, n.frame);
        EXPECT_STREQ(out, n.bitmap);
    }
    char item[64];
    graphItemName(item, sizeof item, 0x1a2b3c, 0x42);
    EXPECT_STREQ(item, "FilterGraph 001a2b3c pid 00000042");
}

TEST(FramePixels, ConversionsToRgb) {
    // Studio range: 16 is black, 235 white; chroma moves the primaries.
    struct Case {
        uint8_t y, u, v, b, g, r;
    } cases[] = {
        {16, 128, 128, 0, 0, 0}, {235, 128, 128, 255, 255, 255}, {126, 128, 128, 128, 128, 128},
        {81, 90, 240, 0, 0, 255}, {145, 54, 34, 0, 255, 0},   {41, 240, 110, 255, 0, 0},
    };
    for (const Case& c : cases) {
        // A 2 x 2 YV12 frame: four lumas, then V, then U.
        uint8_t yv12[6] = {c.y, c.y, c.y, c.y, c.v, c.u};
        uint8_t yuy2[8] = {c.y, c.u, c.y, c.v, c.y, c.u, c.y, c.v};
        for (auto [layout, src] : {std::pair{layoutYv12, yv12}, std::pair{layoutYuy2, yuy2}}) {
            uint8_t out[16];
            frameToRgb32(layout, src, 2, 2, out);
            EXPECT_NEAR(out[0], c.b, 2) << int(c.y) << " layout " << layout;
            EXPECT_NEAR(out[1], c.g, 2) << int(c.y) << " layout " << layout;
            EXPECT_NEAR(out[2], c.r, 2) << int(c.y) << " layout " << layout;
        }
    }
    EXPECT_EQ(layoutFrameBytes(layoutYv12, 320, 240), 115200u);
    EXPECT_EQ(layoutFrameBytes(layoutRgb24, 322, 2), 1936u);
    EXPECT_EQ(pixelLayoutOf(0x32315659, 12), layoutYv12);
    EXPECT_EQ(pixelLayoutOf(0x34363248, 24), layoutUnknown);  // compressed: not ours

    // YUV rows come top-down, bitmaps are bottom-up: the top row ends up last.
    uint8_t yuy2[8] = {235, 128, 235, 128, 16, 128, 16, 128};
    std::vector<uint8_t> file = frameToBitmapFile(layoutYuy2, yuy2, 2, 2);
    ASSERT_EQ(file.size(), 54u + 16u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[28], 24);
    EXPECT_EQ(file[54], 0);         // bottom row first: black
    EXPECT_EQ(file[54 + 8], 255);   // then the white top row
}

TEST(FrameCode, ReadsOnlyWellFormedCodes) {
    // 48 x 32 pixels, the band drawn as the stand-in draws it.
    auto picture = [](int frame, int cornerFlip) {
        std::vector<uint8_t> px(48 * 4 * 32, 90);
        for (int y = 30; y < 32; ++y)
            for (int x = 0; x < 48; ++x) {
                int cell = x / 2;
                bool white = cell == 0 || cell == 23;
                if (cell >= 2 && cell <= 21) white = (frame >> (21 - cell)) & 1;
                if (cell == cornerFlip) white = !white;
                uint8_t* p = px.data() + (31 - y) * 48 * 4 + x * 4;
                p[0] = p[1] = p[2] = white ? 255 : 0;
            }
        return px;
    };
    for (int frame : {0, 1, 7, 1000, 1048575}) EXPECT_EQ(readFrameCodeFromPixels(picture(frame, -1).data(), 48, 32, 4), frame);
    EXPECT_EQ(readFrameCodeFromPixels(picture(5, 0).data(), 48, 32, 4), -1);
    EXPECT_EQ(readFrameCodeFromPixels(picture(5, 22).data(), 48, 32, 4), -1);
}

TEST(ScenePreview, WindowAndControls) {
    struct Case {
        float aspect;
        int videoWidth, width, x;
    } cases[] = {{1.0f, 447, 664, 1000 - 332}, {1.3333334f, 597, 664, 1000 - 332}, {1.7777778f, 796, 796, 1000 - 398}};
    for (const Case& c : cases) {
        // Owner 200..1800 x 100..900: centred on it.
        PreviewFrame f = previewFrame(c.aspect, 200, 100, 1800, 900);
        EXPECT_EQ(f.videoHeight, 447);
        EXPECT_EQ(f.videoWidth, c.videoWidth) << c.aspect;
        EXPECT_EQ(f.width, c.width) << c.aspect;
        EXPECT_EQ(f.height, 447 + 128);
        EXPECT_EQ(f.x, c.x) << c.aspect;
        EXPECT_EQ(f.y, 900 - 400 - (447 + 96) / 2);
        // No two buttons of the row overlap at the narrowest client width.
        int w = f.width - 8, b = f.height - 30;
        int row[] = {previewStartBox, previewStartUpDown, previewStartButton, previewSave, previewRev, previewPlay,
                     previewFwd, previewCancel, previewEndButton, previewEndBox, previewEndUpDown};
        for (size_t i = 1; i < std::size(row); ++i) {
            PreviewControl left = previewControl(row[i - 1], w, b, f.videoWidth, f.videoHeight);
            PreviewControl right = previewControl(row[i], w, b, f.videoWidth, f.videoHeight);
            EXPECT_LE(left.x + left.width, right.x) << c.aspect << " control " << row[i];
        }
    }
    char text[64];
    previewRangeText(text, sizeof text, 100, 140, 600);
    EXPECT_STREQ(text, "      100 -    140 /    600");
    EXPECT_EQ(previewTickFrequency(100, 140), 1);
    EXPECT_EQ(previewTickFrequency(0, 1000), 10);
}
