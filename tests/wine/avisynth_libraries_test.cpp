// The same checks against our stand-in and a real AviSynth+ 3.7.5, which is right where they
// differ. The stand-in claims AviSynth+'s version text, so every expected text is shared.
#include <gtest/gtest.h>
#include <windows.h>
#include <mmreg.h>
#include <vfw.h>

#include <algorithm>
#include <string>

#include "audio/wave_export.h"
#include "avisynth/avs_binding.h"
#include "avisynth/avs_calls.h"
#include "riff_media.h"
#include "support/avisynth_libraries.h"
#include "support/box_expect.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"
#include "viewer/clip_info.h"

namespace {
constexpr const char* plusVersion = "AviSynth+ 3.7.5 (r4289, HEAD, x86_64)";
const std::string clip = "BlankClip(length=50, width=320, height=240, fps=25, pixel_type=\"YV12\", audio_rate=48000";
const std::string video =
    "\n\nVideo Stream:\nWidth\t\t\t320 pixels\nHeight\t\t\t240 pixels\nFrames/sec\t\t25.000 fps\nTotal Frames\t\t50 "
    "frames\nPixel Type\t\t\" YV12 \"\nField Parity\t\tNot Defined\nField or\nFrame-Based\t\tFrame\n";
const std::string audio = "\nAudio:\nnChannels\t\t2 channels\nSamplesPerSecond\t\t48000\nnAudio Samples\t\t96000\n";

std::string tail(int level) {
    return std::string("\n\nAVSERR_") + (level < 10 ? "0" : "") + std::to_string(level) + "\nConsult the Zandolin documentation for details.";
}

struct Libraries : ::testing::TestWithParam<AvsLibrary> {
    TempFolder folder;
    HMODULE program = nullptr;
    HWND main = nullptr, combo = nullptr;
    WindowTable windows{};
    AvsBinding binding;

    void SetUp() override {
        if (!avsLibraryPresent(GetParam())) GTEST_SKIP() << "no " << avsLibraryName(GetParam()) << " in this run";
        CoInitialize(nullptr);
        ASSERT_EQ(GetModuleHandleA("avisynth.dll"), nullptr) << "an earlier test left avisynth.dll loaded";
        boxes::reset();
        program = LoadLibraryExA((programBuildFolder() + "Zandolin.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        main = CreateWindowA("STATIC", "main", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
        combo = CreateWindowA("COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST | CBS_SORT, 0, 0, 200, 200, main, nullptr,
                              nullptr, nullptr);
        windows.handle[winMain] = main;
        windows.handle[winFilterList] = combo;
        ASSERT_TRUE(CopyFileA(avsLibraryPath(GetParam()).c_str(), folder.file("avisynth.dll").c_str(), FALSE));
        if (GetParam() == AvsLibrary::standIn) folder.write("avisynth-version.txt", plusVersion);
        SetDllDirectoryA(folder.path().c_str());
    }
    void TearDown() override {
        binding.release();
        SetDllDirectoryA(nullptr);
        CoFreeUnusedLibrariesEx(0, 0);  // the AVIFile handler's copy
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
    LRESULT comboData(const char* name) {
        LRESULT at = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
        return at < 0 ? -1 : SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(at), 0);
    }
};
}  // namespace

INSTANTIATE_TEST_SUITE_P(BothLibraries, Libraries, ::testing::Values(AvsLibrary::standIn, AvsLibrary::avisynthPlus),
                         [](const auto& info) { return std::string(avsLibraryName(info.param)); });

TEST_P(Libraries, BindingVersionFilterListParametersAndCallResults) {
    binding.start(windows, program);
    ASSERT_TRUE(boxes::shown().empty()) << boxes::shown()[0].text;
    EXPECT_EQ(binding.supportLevel, 2);
    binding.showVersionDetails();
    ASSERT_TRUE(onlyBox(std::string(plusVersion) +
                            "\n\nSupport level = 2\n\nError level:  0\n\nLast error reported:\nNone detected",
                        "AviSynth version details"));
    // One item per name though AviSynth+ lists a name once per overload; all internal.
    for (const char* name : {"Trim", "Dissolve", "FadeIO", "Import"}) {
        EXPECT_EQ(comboData(name), 0) << name;
        LRESULT at = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
        EXPECT_EQ(SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(name)), at);
    }
    const char* lookups[][2] = {{"Trim", "ci[end]i[pad]b[cache]b"},
                                {"Dissolve", "cc+i[fps]f"},
                                {"FadeIO", "ci[color]i[fps]f[color_yuv]i[colors]f+"},
                                {"Import", "s+[utf8]b"}};
    boxes::reset();
    for (auto& l : lookups) {
        binding.lookUpParameters(l[0], false);
        EXPECT_STREQ(binding.parameterText(), l[1]);
    }
    // An unknown name is AviSynth+'s all-zero value, taken as not found.
    binding.lookUpParameters("NoSuchFilter", false);
    ASSERT_TRUE(onlyBoxSaying(entry(11208) + "GetVar: Var \"$Plugin!%s!Param$\" Not Found." + tail(8)));

    AVS_ScriptEnvironment* env = nullptr;
    char message[1024] = {};
    ASSERT_EQ(createEnvironment(binding.api, 1, &env, message, sizeof message), avsOk);
    AVS_Value value = avsVoid();
    EXPECT_EQ(getVariable(binding.api, env, "NoSuchVariable", &value, message, sizeof message), avsNotFound);
    folder.write("bad.avs", "BlankClip(length=10 width=8)\r\n");
    std::string bad = folder.file("bad.avs");
    AVS_Value path = avsString(bad.c_str());
    EXPECT_EQ(invokeFunction(binding.api, env, "Import", avsArray(&path, 1), &value, message, sizeof message), avsFailed);
    EXPECT_EQ(std::string(message), "Script error: expected a , or )\n(" + bad + ", line 1, column 25)");
    destroyEnvironment(binding.api, env);
}

TEST_P(Libraries, PropertiesReports) {
    binding.start(windows, program);
    const char* floatNote =
        "\n\n32 bit float will output as 16 bit unless\n\" global OPT_AllowFloatAudio=True \" is placed in the top of "
        "your script.";
    struct Case {
        std::string script, report;
    } cases[] = {
        {clip + ", channels=2)", video + audio + "Sample Type\t\t16 bit\n"},
        {clip + ").KillAudio()", video + "\n\nAudio:\n\t   No Audio"},
        {clip + ", channels=2).KillVideo()", "\n\nVideo:\n\t   No Video\n" + audio + "Sample Type\t\t16 bit\n"},
        {clip + ", channels=2, sample_type=\"float\")", video + audio + "Sample Type\t\t16 bit\n" + floatNote},
        {"global OPT_AllowFloatAudio = true\r\n" + clip + ", channels=2, sample_type=\"float\")",
         video + audio + "Sample Type\t\t32 bit float\n"},
    };
    for (const Case& c : cases) {
        boxes::reset();
        folder.write("s.avs", c.script);
        ASSERT_TRUE(binding.examineScript(folder.file("s.avs").c_str())) << c.script;
        EXPECT_TRUE(boxes::shown().empty()) << c.script;
        EXPECT_EQ(std::string(binding.clipReport), "File:\n" + folder.file("s.avs") + c.report);
    }
    // A script ending in a number is read, but the box says it is no clip.
    folder.write("n.avs", "BlankClip()\r\n42\r\n");
    boxes::reset();
    EXPECT_TRUE(binding.examineScript(folder.file("n.avs").c_str()));
    ASSERT_TRUE(onlyBox("The script's return value was not an audio, video or av clip",
                        "AviSynth Error \"Is Script a Clip\""));
    EXPECT_STREQ(binding.clipReport, "No Data or Error information to display");
    boxes::reset();
    folder.write("s.avs", "t01 = trim(0,9\r\n");
    EXPECT_FALSE(binding.examineScript(folder.file("s.avs").c_str()));
    ASSERT_TRUE(onlyBox(entry(11211) + "Script error: expected a , or )\n(" + folder.file("s.avs") + ", line 1, column 0)" +
                            tail(11),
                        "Error:  AviSynth Reports an Error"));
}

TEST_P(Libraries, ScriptsThroughAviFile) {
    AvsHandlerChoice handler(GetParam());
    folder.write("both.avs", clip + ", channels=2)");
    folder.write("broken.avs", "BlankClip(length=10 width=8)\r\n");
    AviClip both, broken;
    EXPECT_EQ(readClipInfo(both, folder.file("both.avs").c_str(), main, true), 0);
    ASSERT_TRUE(onlyBoxSaying(folder.file("both.avs") +
                              "\nNumber of output streams:  2\n\nVideo Stream\n        Width:\t320 pixels\n       "
                              "Height:\t240 pixels\n            fps:\t25.000000 fps\n       Length:\t50 frames\n   "
                              "FOURCC:\t\" YV12 \"\n\nInfo:\nAvisynth video #1\n\nAudio Stream\n              "
                              "Channels:\t2     \n         Sample Rate:\t48 kHz\nAudio Sample Size:\t16 bit\n        "
                              "        Bit Rate:\t192 kByte/sec"));
    // A failing script is AviSynth's error picture: wide, short, RGB, no audio.
    boxes::reset();
    EXPECT_EQ(readClipInfo(broken, folder.file("broken.avs").c_str(), main, true), 1);
    ASSERT_EQ(boxes::shown().size(), 1u);
    EXPECT_NE(boxes::shown()[0].text.find("Height:          58\n   fps:            24.00000000\n   Length:\t     240 "
                                          "frames\n   FOURCC:\t\" DIB  \""),
              std::string::npos)
        << boxes::shown()[0].text;
    EXPECT_GT(broken.clipWidth / broken.clipHeight, 3);

    // Float audio stays float when the script allows it, in the extensible format on request.
    folder.write("six.avs", "global OPT_AllowFloatAudio = true\r\nglobal OPT_UseWaveExtensible = true\r\n"
                            "BlankClip(length=10, audio_rate=44100, channels=6, sample_type=\"float\").KillVideo()");
    AVIFileInit();
    PAVIFILE file = nullptr;
    PAVISTREAM stream = nullptr;
    ASSERT_EQ(AVIFileOpenA(&file, folder.file("six.avs").c_str(), OF_READ, nullptr), 0);
    ASSERT_EQ(AVIFileGetStream(file, &stream, streamtypeAUDIO, 0), 0);
    WAVEFORMATEXTENSIBLE format{};
    LONG size = sizeof format;
    AVIStreamReadFormat(stream, 0, &format, &size);
    EXPECT_EQ(size, 40);
    EXPECT_EQ(format.Format.wFormatTag, WAVE_FORMAT_EXTENSIBLE);
    EXPECT_EQ(format.Format.wBitsPerSample, 32);
    EXPECT_EQ(AVIStreamLength(stream), 18375);
    AVIStreamRelease(stream);
    AVIFileRelease(file);
    AVIFileExit();
}

TEST_P(Libraries, WaveExportHoldsTheClipsOwnSamples) {
    AvsHandlerChoice handler(GetParam());
    // AviSynth+'s BlankClip is silent, its Tone is not; the stand-in's BlankClip plays a tone.
    folder.write("tone.avs", GetParam() == AvsLibrary::avisynthPlus
                                 ? "AudioDub(BlankClip(length=30, fps=25), Tone(2.0, 440, 48000, 2).ConvertAudioTo16bit())"
                                   ".Trim(3, 26)"
                                 : "BlankClip(length=30, fps=25, audio_rate=48000, channels=2).Trim(3, 26)");
    std::string path = folder.file("tone.avs");
    std::string expected(24 * 1920 * 4, '\0');
    {  // The same clip's samples as the library's C interface gives them.
        HMODULE avs = LoadLibraryA(folder.file("avisynth.dll").c_str());
        auto fn = [&](auto type, const char* name) { return reinterpret_cast<decltype(type)>(GetProcAddress(avs, name)); };
        AVS_ScriptEnvironment* env = fn(AvsCreateScriptEnvironment{}, "avs_create_script_environment")(1);
        AVS_Value arg = avsString(path.c_str());
        AVS_Value result = fn(AvsInvoke{}, "avs_invoke")(env, "Import", avsArray(&arg, 1), nullptr);
        AVS_Clip* clip = fn(AvsTakeClip{}, "avs_take_clip")(result, env);
        using GetAudio = int(AVSC_CC*)(AVS_Clip*, void*, int64_t, int64_t);
        EXPECT_EQ(fn(GetAudio{}, "avs_get_audio")(clip, expected.data(), 0, 24 * 1920), 0);
        fn(AvsReleaseClip{}, "avs_release_clip")(clip);
        fn(AvsReleaseValue{}, "avs_release_value")(result);
        fn(AvsDeleteScriptEnvironment{}, "avs_delete_script_environment")(env);
        FreeLibrary(avs);
    }
    ASSERT_NE(expected, std::string(expected.size(), '\0'));
    AviClip report;
    EXPECT_EQ(exportAudio(report, path.c_str(), nullptr, main, nullptr, exportModeReport, false), waveWritten);
    EXPECT_STREQ(report.audioReport, "2 1 16 48000 192000 0 184364");
    EXPECT_EQ(exportAudio(report, path.c_str(), folder.file("tone.wav").c_str(), main, nullptr, exportModeSingle, true),
              waveWritten);
    EXPECT_TRUE(folder.read("tone.wav") == waveFile(waveFormatRecord(1, 2, 48000, 16), expected));
    EXPECT_TRUE(boxes::shown().empty());
}
