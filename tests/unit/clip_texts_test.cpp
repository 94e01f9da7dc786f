#include <gtest/gtest.h>

#include <string>

#include "avisynth/clip_texts.h"

namespace {
AVS_VideoInfo videoInfo(int width, int height, unsigned num, unsigned den, int frames, unsigned pixel, int imageType) {
    AVS_VideoInfo vi{};
    vi.width = width;
    vi.height = height;
    vi.fps_numerator = num;
    vi.fps_denominator = den;
    vi.num_frames = frames;
    vi.pixel_type = static_cast<int>(pixel);
    vi.image_type = imageType;
    return vi;
}

void withAudio(AVS_VideoInfo& vi, int rate, int channels, int type, int64_t samples) {
    vi.audio_samples_per_second = rate;
    vi.nchannels = channels;
    vi.sample_type = type;
    vi.num_audio_samples = samples;
}

std::string data(const AVS_VideoInfo& vi) {
    char text[clipDataSize];
    buildClipData(vi, text, sizeof text);
    return text;
}

std::string report(const AVS_VideoInfo& vi, float version = 2.60f, int level = 2,
                   FloatAudioOption option = floatOptionUndefined, const char* path = "C:\\clips\\v.avs") {
    char text[clipReportSize];
    buildClipReport(path, vi, version, level, option, text, sizeof text);
    return text;
}

const std::string yv12Video =
    "\n\nVideo Stream:\nWidth\t\t\t640 pixels\nHeight\t\t\t480 pixels\nFrames/sec\t\t25.000 fps\nTotal Frames\t\t250 "
    "frames\nPixel Type\t\t\" YV12 \"\nField Parity\t\tNot Defined\nField or\nFrame-Based\t\tFrame\n";
const std::string floatNote =
    "\n\n32 bit float will output as 16 bit unless\n\" global OPT_AllowFloatAudio=True \" is placed in the top of "
    "your script.";
}  // namespace

// The reports of video with audio, video alone and audio alone are checked word for word
// through the real libraries in avisynth_libraries_test; here the data lines and the other
// pixel types, parities and samples.
TEST(ClipTexts, AudioOnlyData) {
    AVS_VideoInfo vi{};
    withAudio(vi, 44100, 1, avsSampleInt8, 44100);
    EXPECT_EQ(data(vi), "No\n\n\n\n\n\n\n\n\n\n\n\n1\n44100\n8\n");
}

TEST(ClipTexts, VideoOnlyFieldBased) {
    AVS_VideoInfo vi = videoInfo(320, 240, 30000, 1001, 100, avsCsBgr32, avsItFieldBased | avsItTff);
    EXPECT_EQ(data(vi), "\n320\n240\nRGB32\n29.970\n100\n\n\nField\nTFF\n\n\n");
    EXPECT_EQ(report(vi, 2.60f, 2, floatOptionUndefined, "b.avs"),
              "File:\nb.avs\n\nVideo Stream:\nWidth\t\t\t320 pixels\nHeight\t\t\t240 pixels\nFrames/sec\t\t29.970 "
              "fps\nTotal Frames\t\t100 frames\nPixel Type\t\t\" RGB32 \"\nField Parity\t\tTop Field First\nField "
              "or\nFrame-Based\t\tField\n\n\nAudio:\n\t   No Audio");
}

TEST(ClipTexts, PixelTypesAndParity) {
    struct Case {
        unsigned pixel;
        int imageType;
        const char* dataLines;
        const char* reportPixel;
        const char* reportParity;
    } cases[] = {
        {avsCsYuy2, avsItBff, "YUY2\n24.000\n1\n\n\nFrame\nBFF\n", "\" YUY2 \"\n", "Bottom Field First\n"},
        {avsCsI420, 0, "YV12\n24.000\n1\n\n\nFrame\n???\n", "\" YV12 \"\n", "Not Defined\n"},
        {avsCsBgr24, avsItBff | avsItTff, "RGB24\n24.000\n1\n\n\nFrame\nBFF\n", "\" RGB24 \"\n", "Bottom Field First\n"},
        {avsCsYuv | avsCsPlanar | (1u << 6), 0, "UnknownYUV\n24.000\n1\n\n\nFrame\n???\n", "\" Unknown \"\n",
         "Not Defined\n"},
        {avsCsBgr | (1u << 7), 0, "UnknownRGB\n24.000\n1\n\n\nFrame\n???\n", "\" Unknown \"\n", "Not Defined\n"},
        {0, 0, "Unknown\n24.000\n1\n\n\nFrame\n???\n", "\" Unknown \"\n", "Not Defined\n"},
    };
    for (const Case& c : cases) {
        AVS_VideoInfo vi = videoInfo(8, 2, 24, 1, 1, c.pixel, c.imageType);
        EXPECT_EQ(data(vi), std::string("\n8\n2\n") + c.dataLines + "\n\n") << c.pixel;
        std::string r = report(vi);
        EXPECT_NE(r.find(std::string("Pixel Type\t\t") + c.reportPixel), std::string::npos) << c.pixel;
        EXPECT_NE(r.find(std::string("Field Parity\t\t") + c.reportParity), std::string::npos) << c.pixel;
    }
}

TEST(ClipTexts, SampleTypesAndFloatAudio) {
    AVS_VideoInfo vi = videoInfo(640, 480, 25, 1, 250, avsCsYv12, 0);
    std::string head = "File:\nC:\\clips\\v.avs" + yv12Video +
                       "\nAudio:\nnChannels\t\t6 channels\nSamplesPerSecond\t\t48000\nnAudio Samples\t\t705032704\n"
                       "Sample Type\t\t";
    struct Case {
        int type;
        float version;
        int level;
        FloatAudioOption option;
        std::string tail;
        const char* dataLine;
    } cases[] = {
        {avsSampleInt8, 2.60f, 2, floatOptionUndefined, "8 bit\n", "8\n"},
        {avsSampleInt24, 2.60f, 2, floatOptionUndefined, "24 bit\n", "24\n"},
        {avsSampleInt32, 2.60f, 2, floatOptionUndefined, "32 bit\n", "32\n"},
        {3, 2.60f, 2, floatOptionUndefined, "Unknown\n", "???\n"},
        {avsSampleFloat, 2.56f, 1, floatOptionUndefined, "16 bit\n", "float 32\n"},
        {avsSampleFloat, 2.56f, 1, floatOptionTrue, "16 bit\n", "float 32\n"},
        {avsSampleFloat, 2.57f, 2, floatOptionUndefined, "16 bit\n" + floatNote, "float 32\n"},
        {avsSampleFloat, 2.57f, 2, floatOptionTrue, "32 bit float\n", "float 32\n"},
        {avsSampleFloat, 2.57f, 2, floatOptionFalse, "16 bit\n", "float 32\n"},
        {avsSampleFloat, 2.57f, 1, floatOptionUndefined, "16 bit\n", "float 32\n"},
    };
    for (const Case& c : cases) {
        withAudio(vi, 48000, 6, c.type, 5000000000LL);
        EXPECT_EQ(report(vi, c.version, c.level, c.option), head + c.tail) << c.type << " " << c.version;
        EXPECT_EQ(data(vi), std::string("\n640\n480\nYV12\n25.000\n250\n\n\nFrame\n???\n\n\n6\n48000\n") + c.dataLine);
    }
}

TEST(ClipTexts, LongPathIsCutToTheReportBuffer) {
    AVS_VideoInfo vi = videoInfo(640, 480, 25, 1, 250, avsCsYv12, 0);
    std::string path(2000, 'p');
    std::string r = report(vi, 2.60f, 2, floatOptionUndefined, path.c_str());
    EXPECT_EQ(r.size(), clipReportSize - 1);
    EXPECT_EQ(r, ("File:\n" + path).substr(0, clipReportSize - 1));
}
