// The same checks against our stand-in and against a real AviSynth+ 3.7.5: the binding's calls
// and result codes, the version report, the filter list and parameter strings, the script
// error texts and properties reports, the scripts' streams through AVIFile and the WAV export.
// Where the two disagree, AviSynth+ is right. The stand-in is told to claim AviSynth+'s
// version text, so that every expected text is the same for both.
#include <gtest/gtest.h>
#include <windows.h>
#include <vfw.h>

#include <algorithm>
#include <string>
#include <vector>

#include "audio/wave_export.h"
#include "avisynth/avs_binding.h"
#include "avisynth/avs_calls.h"
#include "riff_media.h"
#include "support/avisynth_libraries.h"
#include "support/box_expect.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"
#include "support/test_env.h"
#include "viewer/clip_info.h"

namespace {
constexpr const char* plusVersion = "AviSynth+ 3.7.5 (r4289, HEAD, x86_64)";
const std::string reportTail = "\n\nAVSERR_%02i\nConsult the Zandolin documentation for details.";

std::string tail(int level) {
    char text[96];
    wsprintfA(text, reportTail.c_str(), level);
    return text;
}

struct Libraries : ::testing::TestWithParam<AvsLibrary> {
    TempFolder folder;
    HMODULE program = nullptr;
    HWND main = nullptr;
    HWND combo = nullptr;
    WindowTable windows{};
    AvsBinding binding;

    void SetUp() override {
        if (!avsLibraryPresent(GetParam())) GTEST_SKIP() << "no " << avsLibraryName(GetParam()) << " in this run";
        CoInitialize(nullptr);
        CoFreeUnusedLibrariesEx(0, 0);
        ASSERT_EQ(GetModuleHandleA("avisynth.dll"), nullptr) << "an earlier test left avisynth.dll loaded";
        boxes::reset();
        program = LoadLibraryExA((programBuildFolder() + "Zandolin.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(program, nullptr);
        main = CreateWindowA("STATIC", "main", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
        combo = CreateWindowA("COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL, 0, 0, 200, 200,
                              main, nullptr, nullptr, nullptr);
        windows.handle[winMain] = main;
        windows.handle[winFilterList] = combo;
        ASSERT_TRUE(CopyFileA(avsLibraryPath(GetParam()).c_str(), folder.file("avisynth.dll").c_str(), FALSE));
        if (GetParam() == AvsLibrary::standIn) folder.write("avisynth-version.txt", plusVersion);
        SetDllDirectoryA(folder.path().c_str());
    }

    void TearDown() override {
        binding.release();
        SetDllDirectoryA(nullptr);
        CoFreeUnusedLibrariesEx(0, 0);
        CoUninitialize();
        EXPECT_EQ(GetModuleHandleA("avisynth.dll"), nullptr);
        if (main) DestroyWindow(main);
        if (program) FreeLibrary(program);
    }

    std::string entry(int id) {
        char text[1024] = {};
        LoadStringA(program, static_cast<UINT>(id), text, sizeof text);
        return text;
    }

    std::vector<std::string> comboNames() {
        std::vector<std::string> names;
        int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[300] = {};
            SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            names.push_back(text);
        }
        return names;
    }
};

std::string paramName(const ::testing::TestParamInfo<AvsLibrary>& info) { return avsLibraryName(info.param); }
}  // namespace

INSTANTIATE_TEST_SUITE_P(BothLibraries, Libraries, ::testing::Values(AvsLibrary::standIn, AvsLibrary::avisynthPlus),
                         paramName);

TEST_P(Libraries, StartVersionReportFilterListAndParameterStrings) {
    binding.start(windows, program);
    ASSERT_TRUE(boxes::shown().empty()) << boxes::shown()[0].text;
    EXPECT_STREQ(binding.versionString, plusVersion);
    EXPECT_FLOAT_EQ(binding.versionNumber, 3.7f);
    EXPECT_EQ(binding.supportLevel, 2);
    binding.showVersionDetails();
    ASSERT_TRUE(onlyBox(std::string(plusVersion) +
                            "\n\nSupport level = 2\n\nError level:  0\n\nLast error reported:\nNone detected",
                        "AviSynth version details"));

    // AviSynth+ lists a function once per overload: the box holds each name once, as internal.
    std::vector<std::string> names = comboNames();
    EXPECT_GT(names.size(), 60u);
    for (const char* name : {"Trim", "Dissolve", "FadeIn", "FadeOut", "FadeIO", "Import", "BlankClip"}) {
        EXPECT_EQ(std::count(names.begin(), names.end(), name), 1) << name;
        LRESULT at = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
        EXPECT_EQ(SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(at), 0), 0) << name;
    }
    EXPECT_EQ(std::find(names.begin(), names.end(), "a_No_Internal_Lookup"), names.end());

    struct Lookup {
        const char* name;
        const char* parameters;
    } lookups[] = {
        {"Trim", "ci[end]i[pad]b[cache]b"},
        {"Dissolve", "cc+i[fps]f"},
        {"FadeIO", "ci[color]i[fps]f[color_yuv]i[colors]f+"},
        {"Import", "s+[utf8]b"},
        {"AlignedSplice", "cci"},
        {"BlankClip", "[]c*[length]i[width]i[height]i[pixel_type]s[fps]f[fps_denominator]i[audio_rate]i[channels]i"
                      "[sample_type]s[color]i[color_yuv]i[clip]c[colors]f+"},
    };
    boxes::reset();
    for (const Lookup& l : lookups) {
        binding.lookUpParameters(l.name, false);
        EXPECT_STREQ(binding.parameterText(), l.parameters) << l.name;
    }
    EXPECT_TRUE(boxes::shown().empty());
    // An unknown name comes back as AviSynth+'s all-zero value: the binding calls it not found.
    binding.lookUpParameters("NoSuchFilter", false);
    ASSERT_TRUE(onlyBoxSaying(entry(11208) + "GetVar: Var \"$Plugin!%s!Param$\" Not Found." + tail(8)));
    EXPECT_STREQ(binding.parameterText(), "");
    EXPECT_EQ(binding.errorLevel, 0);
}

TEST_P(Libraries, CallWrappersGiveTheSameResultCodes) {
    binding.start(windows, program);
    AVS_ScriptEnvironment* env = nullptr;
    char message[1024] = {};
    ASSERT_EQ(createEnvironment(binding.api, 1, &env, message, sizeof message), avsOk);
    ASSERT_NE(env, nullptr);
    AVS_Value value = avsVoid();
    EXPECT_EQ(getVariable(binding.api, env, "NoSuchVariable", &value, message, sizeof message), avsNotFound);
    EXPECT_STREQ(message, "GetVar: Var \"NoSuchVariable\" Not Found.");
    EXPECT_EQ(invokeFunction(binding.api, env, "NoSuchFunction", avsArray(nullptr, 0), &value, message, sizeof message),
              avsNotFound);
    EXPECT_STREQ(message, "Invoke: function\"NoSuchFunction\" Not Found.");
    folder.write("bad.avs", "BlankClip(length=10 width=8)\r\n");
    std::string bad = folder.file("bad.avs");
    AVS_Value path = avsString(bad.c_str());
    EXPECT_EQ(invokeFunction(binding.api, env, "Import", avsArray(&path, 1), &value, message, sizeof message), avsFailed);
    EXPECT_EQ(std::string(message), "Script error: expected a , or )\n(" + bad + ", line 1, column 25)");
    ASSERT_EQ(getVariable(binding.api, env, "$PluginFunctions$", &value, nullptr, 0), avsOk);
    EXPECT_EQ(value.type, 's');
    releaseValue(binding.api, value);
    destroyEnvironment(binding.api, env);
}

TEST_P(Libraries, PropertiesReportsOfScripts) {
    binding.start(windows, program);
    const std::string video =
        "\n\nVideo Stream:\nWidth\t\t\t320 pixels\nHeight\t\t\t240 pixels\nFrames/sec\t\t25.000 fps\nTotal "
        "Frames\t\t50 frames\nPixel Type\t\t\" YV12 \"\nField Parity\t\tNot Defined\nField or\nFrame-Based\t\tFrame\n";
    const std::string clip = "BlankClip(length=50, width=320, height=240, fps=25, pixel_type=\"YV12\", audio_rate=48000";
    struct Case {
        const char* name;
        std::string script;
        std::string report;  // after "File:\n" and the path
        std::string data;
    } cases[] = {
        {"both.avs", clip + ", channels=2)",
         video + "\nAudio:\nnChannels\t\t2 channels\nSamplesPerSecond\t\t48000\nnAudio Samples\t\t96000\nSample Type\t\t16 bit\n",
         "\n320\n240\nYV12\n25.000\n50\n\n\nFrame\n???\n\n\n2\n48000\n16\n"},
        {"video.avs", clip + ").KillAudio()", video + "\n\nAudio:\n\t   No Audio", "\n320\n240\nYV12\n25.000\n50\n\n\nFrame\n???\n\n\n"},
        {"audio.avs", clip + ", channels=6).KillVideo()",
         "\n\nVideo:\n\t   No Video\n\nAudio:\nnChannels\t\t6 channels\nSamplesPerSecond\t\t48000\nnAudio "
         "Samples\t\t96000\nSample Type\t\t16 bit\n",
         "No\n\n\n\n\n\n\n\n\n\n\n\n6\n48000\n16\n"},
        {"float.avs", clip + ", channels=2, sample_type=\"float\")",
         video + "\nAudio:\nnChannels\t\t2 channels\nSamplesPerSecond\t\t48000\nnAudio Samples\t\t96000\nSample "
                 "Type\t\t16 bit\n\n\n32 bit float will output as 16 bit unless\n\" global OPT_AllowFloatAudio=True \" is "
                 "placed in the top of your script.",
         "\n320\n240\nYV12\n25.000\n50\n\n\nFrame\n???\n\n\n2\n48000\nfloat 32\n"},
        {"allowed.avs", "global OPT_AllowFloatAudio = true\r\n" + clip + ", channels=2, sample_type=\"float\")",
         video + "\nAudio:\nnChannels\t\t2 channels\nSamplesPerSecond\t\t48000\nnAudio Samples\t\t96000\nSample "
                 "Type\t\t32 bit float\n",
         "\n320\n240\nYV12\n25.000\n50\n\n\nFrame\n???\n\n\n2\n48000\nfloat 32\n"},
    };
    for (const Case& c : cases) {
        boxes::reset();
        folder.write(c.name, c.script + "\r\n");
        ASSERT_TRUE(binding.examineScript(folder.file(c.name).c_str())) << c.name << ": " << binding.lastErrorText;
        EXPECT_TRUE(boxes::shown().empty()) << c.name;
        EXPECT_EQ(std::string(binding.clipReport), "File:\n" + folder.file(c.name) + c.report) << c.name;
        EXPECT_EQ(std::string(binding.clipData), c.data) << c.name;
    }
    EXPECT_EQ(binding.viewerWidth, 320);

    // A broken script: AviSynth's message in the report, and nothing read.
    boxes::reset();
    folder.write("broken.avs", "t01 = trim(0,9\r\n");
    EXPECT_FALSE(binding.examineScript(folder.file("broken.avs").c_str()));
    ASSERT_TRUE(onlyBox(entry(11211) + "Script error: expected a , or )\n(" + folder.file("broken.avs") +
                            ", line 1, column 0)" + tail(11),
                        "Error:  AviSynth Reports an Error"));
    EXPECT_EQ(binding.errorLevel, 0);
}

TEST_P(Libraries, ScriptsThroughAviFile) {
    AvsHandlerChoice handler(GetParam());
    folder.write("both.avs", "BlankClip(length=50, width=320, height=240, fps=25, pixel_type=\"YV12\", audio_rate=48000, "
                             "channels=2)\r\n");
    folder.write("yuy2.avs", "BlankClip(length=10, pixel_type=\"YUY2\").KillAudio()\r\n");
    folder.write("audio.avs", "BlankClip(length=10, audio_rate=44100, channels=6).KillVideo()\r\n");
    folder.write("broken.avs", "BlankClip(length=10 width=8)\r\n");
    WindowHandle owner = main;

    boxes::reset();
    AviClip both;
    EXPECT_EQ(readClipInfo(both, folder.file("both.avs").c_str(), owner, true), 0);
    ASSERT_TRUE(onlyBox(folder.file("both.avs") +
                            "\nNumber of output streams:  2\n\nVideo Stream\n        Width:\t320 pixels\n       "
                            "Height:\t240 pixels\n            fps:\t25.000000 fps\n       Length:\t50 frames\n   "
                            "FOURCC:\t\" YV12 \"\n\nInfo:\nAvisynth video #1\n\nAudio Stream\n              "
                            "Channels:\t2     \n         Sample Rate:\t48 kHz\nAudio Sample Size:\t16 bit\n          "
                            "      Bit Rate:\t192 kByte/sec",
                        "Media Clip Properties....  "));

    struct Quiet {
        const char* name;
        uint32_t handler;
        int width;
    } quiet[] = {{"both.avs", 0x32315659u, 320}, {"yuy2.avs", 0x32595559u, 640}};
    for (const Quiet& q : quiet) {
        AviClip clip;
        EXPECT_EQ(readClipInfo(clip, folder.file(q.name).c_str(), owner, false), 1) << q.name;
        EXPECT_EQ(clip.handlerCode, q.handler) << q.name;
        EXPECT_EQ(clip.clipWidth, q.width) << q.name;
    }

    boxes::reset();
    AviClip audio;
    EXPECT_EQ(readClipInfo(audio, folder.file("audio.avs").c_str(), owner, true), 0);
    ASSERT_TRUE(onlyBoxSaying(folder.file("audio.avs") +
                              "\nNumber of output streams:  1\n\nAudio stream:\n\n              Channels:\t6     \n  "
                              "       Sample Rate:\t44 kHz\nAudio Sample Size:\t16 bit\n                Bit "
                              "Rate:\t529 kByte/sec"));

    // AviSynth's error picture: wide and short, no audio; the report offers to show it.
    boxes::reset();
    boxes::answer(answerOk);
    AviClip broken;
    EXPECT_EQ(readClipInfo(broken, folder.file("broken.avs").c_str(), owner, true), 1);
    ASSERT_EQ(boxes::shown().size(), 1u);
    EXPECT_EQ(boxes::shown()[0].flags, unsigned(mbOkCancel));
    EXPECT_NE(boxes::shown()[0].text.find("   Height:          58\n"), std::string::npos) << boxes::shown()[0].text;
    EXPECT_NE(boxes::shown()[0].text.find("FOURCC:\t\" DIB  \""), std::string::npos);
    EXPECT_GT(broken.clipWidth / broken.clipHeight, 3);
}

TEST_P(Libraries, WaveExportHoldsTheClipsOwnSamples) {
    AvsHandlerChoice handler(GetParam());
    // AviSynth+'s BlankClip is silent; its Tone gives samples worth comparing.
    std::string audio = GetParam() == AvsLibrary::avisynthPlus
                            ? "AudioDub(BlankClip(length=30, fps=25), Tone(2.0, 440, 48000, 2).ConvertAudioTo16bit()).Trim(3, 26)"
                            : "BlankClip(length=30, fps=25, audio_rate=48000, channels=2).Trim(3, 26)";
    folder.write("tone.avs", audio + "\r\n");
    std::string path = folder.file("tone.avs");

    // The samples as the library's C interface gives them for the same clip.
    std::string expected;
    {
        HMODULE avs = LoadLibraryA(folder.file("avisynth.dll").c_str());
        ASSERT_NE(avs, nullptr);
        auto create = reinterpret_cast<AvsCreateScriptEnvironment>(GetProcAddress(avs, "avs_create_script_environment"));
        auto destroy = reinterpret_cast<AvsDeleteScriptEnvironment>(GetProcAddress(avs, "avs_delete_script_environment"));
        auto invoke = reinterpret_cast<AvsInvoke>(GetProcAddress(avs, "avs_invoke"));
        auto take = reinterpret_cast<AvsTakeClip>(GetProcAddress(avs, "avs_take_clip"));
        auto info = reinterpret_cast<AvsGetVideoInfo>(GetProcAddress(avs, "avs_get_video_info"));
        auto getAudio = reinterpret_cast<int(AVSC_CC*)(AVS_Clip*, void*, int64_t, int64_t)>(
            GetProcAddress(avs, "avs_get_audio"));
        auto releaseClip = reinterpret_cast<AvsReleaseClip>(GetProcAddress(avs, "avs_release_clip"));
        auto releaseValue = reinterpret_cast<AvsReleaseValue>(GetProcAddress(avs, "avs_release_value"));
        ASSERT_TRUE(create && destroy && invoke && take && info && getAudio && releaseClip && releaseValue);
        AVS_ScriptEnvironment* env = create(1);
        AVS_Value arg = avsString(path.c_str());
        AVS_Value result = invoke(env, "Import", avsArray(&arg, 1), nullptr);
        ASSERT_EQ(result.type, 'c');
        AVS_Clip* clip = take(result, env);
        const AVS_VideoInfo* vi = info(clip);
        EXPECT_EQ(vi->num_audio_samples, 24 * 1920);
        EXPECT_EQ(vi->sample_type, avsSampleInt16);
        expected.resize(static_cast<size_t>(vi->num_audio_samples) * 4);
        EXPECT_EQ(getAudio(clip, expected.data(), 0, vi->num_audio_samples), 0);
        releaseClip(clip);
        releaseValue(result);
        destroy(env);
        FreeLibrary(avs);
    }
    ASSERT_NE(expected, std::string(expected.size(), '\0'));

    boxes::reset();
    AviClip clip;
    EXPECT_EQ(exportAudio(clip, path.c_str(), nullptr, main, nullptr, exportModeReport, false), waveWritten);
    EXPECT_STREQ(clip.audioReport, "2 1 16 48000 192000 0 184364");
    std::string out = folder.file("tone.wav");
    EXPECT_EQ(exportAudio(clip, path.c_str(), out.c_str(), main, nullptr, exportModeSingle, true), waveWritten);
    EXPECT_TRUE(folder.read("tone.wav") == waveFile(waveFormatRecord(1, 2, 48000, 16), expected));
    EXPECT_TRUE(boxes::shown().empty());
}
