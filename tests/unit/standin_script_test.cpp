// The stand-in frame server's script engine and frame source, compiled here by path: the
// stand-in is a Windows DLL, but these parts are portable.
#include <gtest/gtest.h>

#include <string>

#include "../../standins/avisynth/frame_source.cpp"
#include "../../standins/avisynth/function_table.cpp"
#include "../../standins/avisynth/script_engine.cpp"
#include "../../standins/avisynth/standin_version.cpp"
#include "support/frame_code.h"
#include "support/temp_folder.h"
#include "viewer/frame_pixels.h"

using standin::ClipInfo;
using standin::ScriptEngine;
using standin::Value;
using standin::ValueType;

namespace {
bool run(ScriptEngine& engine, const std::string& text, Value& result) {
    return engine.evaluate(text, "test.avs", result);
}

ClipInfo clipOf(const std::string& text) {
    ScriptEngine engine;
    Value v;
    EXPECT_TRUE(run(engine, text, v)) << engine.error;
    EXPECT_EQ(v.type, ValueType::Clip) << text;
    return v.clip ? *v.clip : ClipInfo{};
}

std::string errorOf(const std::string& text) {
    ScriptEngine engine;
    Value v;
    EXPECT_FALSE(run(engine, text, v)) << text;
    return engine.error;
}
}  // namespace

TEST(StandinScript, BlankClipProperties) {
    ClipInfo d = clipOf("BlankClip()");
    EXPECT_EQ(d.width, 640);
    EXPECT_EQ(d.height, 480);
    EXPECT_EQ(d.frameCount, 240);
    EXPECT_EQ(d.pixelType, (1u << 1) | (1u << 28) | (1u << 30));
    EXPECT_EQ(d.fpsNumerator, 24u);
    EXPECT_EQ(d.audioRate, 44100);
    EXPECT_EQ(d.channels, 1);
    EXPECT_EQ(d.sampleType, 2);
    EXPECT_EQ(d.audioSamples, 441000);

    ClipInfo c = clipOf("BlankClip(length=100, width=320, height=240, fps=25, pixel_type=\"YV12\", audio_rate=48000, "
                        "channels=2, sample_type=\"float\")");
    EXPECT_EQ(c.frameCount, 100);
    EXPECT_EQ(c.pixelType, (1u << 3) | (1u << 29) | (1u << 31));
    EXPECT_EQ(c.sampleType, 16);
    EXPECT_EQ(c.audioSamples, 192000);

    ClipInfo ntsc = clipOf("BlankClip(fps=29.97)");
    EXPECT_EQ(ntsc.fpsNumerator, 31425823u);
    EXPECT_EQ(ntsc.fpsDenominator, 1048576u);
    EXPECT_EQ(ntsc.audioSamples, 353153);
    ClipInfo exact = clipOf("BlankClip(fps=30000, fps_denominator=1001)");
    EXPECT_EQ(exact.fpsNumerator, 30000u);
    EXPECT_EQ(exact.fpsDenominator, 1001u);
    EXPECT_FALSE(clipOf("BlankClip(audio_rate=0)").hasAudio());
    EXPECT_FALSE(clipOf("BlankClip().KillVideo").hasVideo());
    EXPECT_FALSE(clipOf("BlankClip.KillAudio()").hasAudio());
    EXPECT_EQ(clipOf("BlankClip(BlankClip(width=320), length=5)").width, 320);
    EXPECT_EQ(clipOf("BlankClip().AssumeTFF().AssumeFieldBased()").imageType, 4);
    EXPECT_EQ(clipOf("BlankClip().AssumeFieldBased().AssumeTFF()").imageType, 6);
}

TEST(StandinScript, FrameCountsAsAviSynthComputesThem) {
    const std::string src = "BlankClip(length=8000, fps=25, audio_rate=48000)\n";
    struct Case {
        const char* line;
        int frames;
    } cases[] = {
        {"trim(0,1458)", 1459},
        {"trim(10,0)", 7990},
        {"trim(10,-5)", 5},
        {"trim(7990,9000)", 10},
        {"trim(9000,9100)", 1},
        {"trim(-20,9)", 10},
        {"Dissolve(trim(1459,1499),trim(3000,3040),30)", 52},
        {"FadeOut(trim(3041,4499),45)", 1460},
        {"FadeIn(trim(0,99),10)", 101},
        {"FadeIO(trim(0,99),10)", 102},
        {"FadeIO0(trim(0,99),10)", 100},
        {"FadeOut2(trim(0,99),10)", 102},
        {"trim(0,9) + trim(20,29)", 20},
        {"trim(0,9) ++ trim(20,29) ++ trim(0,-1)", 21},
        {"trim(0,0)", 8000},
        {"UnalignedSplice(trim(0,9), trim(0,4), trim(0,-1))", 16},
        {"Dissolve(trim(0,9), trim(0,9), trim(0,9), 5)", 20},
        // Out-of-range input is pulled into the clip, as AviSynth+ does.
        {"trim(50,20)", 1},
        {"Dissolve(trim(0,9),trim(20,29),40)", 10},
        {"Dissolve(trim(90,99),trim(0,5),40)", 6},
        {"FadeOut(trim(0,9),40)", 41},
        {"FadeIO(trim(98,99),5)", 6},
    };
    for (const Case& c : cases) {
        ClipInfo clip = clipOf(src + c.line);
        EXPECT_EQ(clip.frameCount, c.frames) << c.line;
        EXPECT_EQ(clip.audioSamples, int64_t(c.frames) * 1920) << c.line;  // 48000 / 25 per frame
    }
}

TEST(StandinScript, AlignedSpliceCutsTheFirstClipsAudioToItsVideo) {
    // At 24 fps and 44100 Hz a frame holds 1837.5 samples, so frames and audio drift apart.
    const std::string src = "BlankClip(length=100)\nt = Dissolve(trim(0,-1), trim(1,-1), 1)\n";
    EXPECT_EQ(clipOf(src + "t").audioSamples, 1838);
    EXPECT_EQ(clipOf(src + "t + trim(0,-1)").audioSamples, 1838 + 1837);
    EXPECT_EQ(clipOf(src + "t ++ trim(0,-1)").audioSamples, 1837 + 1837);
    // Here the audio ends one sample before the video: pad=false keeps it short.
    const std::string shortAudio = "u = trim(0,-1) ++ trim(2,-1)\n";
    EXPECT_EQ(clipOf(src + shortAudio + "u").audioSamples, 3674);
    EXPECT_EQ(clipOf(src + shortAudio + "u.trim(0,0, pad=false)").audioSamples, 3674);
    EXPECT_EQ(clipOf(src + shortAudio + "u.trim(0,0)").audioSamples, 3675);
}

TEST(StandinScript, ProjectScriptAsZandolinWritesIt) {
    TempFolder folder;
    folder.write("source.avs", "BlankClip(length=8000, width=320, height=240, fps=25, pixel_type=\"YV12\", "
                               "audio_rate=48000, channels=2)\r\n");
    folder.write("project_vlprj.avs",
                 "###  Project Script Created by Zandolin  ###\r\n#########################################\r\n\r\n"
                 "Import(\"" + folder.file("source.avs") + "\")\r\n\r\n\r\n"
                 "t01 = trim(0,1458)\r\nt02 = Dissolve(trim(1459,1499),trim(3000,3040),30)\r\n"
                 "t03 = FadeOut(trim(3041,4499),45)\r\nt04 = trim(6000,6999)\r\n\r\nt01++t02++t03++t04");
    ScriptEngine engine;
    Value v;
    ASSERT_TRUE(engine.importFile(folder.file("project_vlprj.avs"), v)) << engine.error;
    ASSERT_EQ(v.type, ValueType::Clip);
    EXPECT_EQ(v.clip->frameCount, 1459 + 52 + 1460 + 1000);
    EXPECT_EQ(v.clip->audioSamples, int64_t(3971) * 1920);
    EXPECT_EQ(v.clip->width, 320);
}

TEST(StandinScript, ValuesGlobalsAndLanguage) {
    ScriptEngine engine;
    Value v;
    ASSERT_TRUE(run(engine, "# comment\nglobal OPT_AllowFloatAudio = true\n/* block\ncomment */ BlankClip()\n42", v));
    EXPECT_EQ(v.type, ValueType::Int);
    EXPECT_EQ(v.integer, 42);
    Value option;
    ASSERT_TRUE(engine.getVariable("opt_allowfloataudio", option));
    EXPECT_TRUE(option.boolean);
    EXPECT_FALSE(engine.getVariable("OPT_UseWaveExtensible", option));

    ASSERT_TRUE(run(engine, "a = 3\nb = a * 2 + 1 - 10 / 4\nreturn b\nBogus()", v));
    EXPECT_EQ(v.integer, 5);
    ASSERT_TRUE(run(engine, "x = BlankClip()", v));
    EXPECT_EQ(v.type, ValueType::Void);
    ASSERT_TRUE(run(engine, "\"ab\" + \"\"\"c\"d\"\"\"", v));
    EXPECT_EQ(v.text, "abc\"d");
    ASSERT_TRUE(run(engine, "-1.5 + 1", v));
    EXPECT_FLOAT_EQ(v.floating, -0.5f);
    ASSERT_TRUE(run(engine, "BlankClip(length=10, \\\n width=320)\n\\ .trim(2,3)", v));
    EXPECT_EQ(v.clip->frameCount, 2);
    EXPECT_EQ(v.clip->width, 320);
    ASSERT_TRUE(run(engine, "$FF", v));
    EXPECT_EQ(v.integer, 255);
    ASSERT_TRUE(run(engine, "VersionString()", v));
    EXPECT_EQ(v.text, engine.versionText);
}

TEST(StandinScript, PublishedFunctionLists) {
    ScriptEngine engine;
    Value v;
    ASSERT_TRUE(engine.getVariable("$InternalFunctions$", v));
    EXPECT_NE((" " + v.text + " ").find(" BlankClip "), std::string::npos);
    EXPECT_NE((" " + v.text + " ").find(" Trim "), std::string::npos);
    EXPECT_EQ(v.text.find("TransAll"), std::string::npos);
    ASSERT_TRUE(engine.getVariable("$PluginFunctions$", v));
    EXPECT_NE((" " + v.text + " ").find(" TransAll_TransAccord "), std::string::npos);
    EXPECT_NE((" " + v.text + " ").find(" DirectShowSource "), std::string::npos);
    ASSERT_TRUE(engine.getVariable("$Plugin!Trim!Param$", v));
    EXPECT_EQ(v.text, "ci[end]i[pad]b[cache]b");
    ASSERT_TRUE(engine.getVariable("$Plugin!blankclip!Param$", v));
    EXPECT_EQ(v.text.substr(0, 12), "[]c*[length]");
    EXPECT_FALSE(engine.getVariable("$Plugin!Nope!Param$", v));
    EXPECT_FALSE(engine.getVariable("$Plugin!!Param$", v));
    EXPECT_TRUE(engine.functionExists("import"));
    EXPECT_FALSE(engine.functionExists("Nope"));
}

// What AviSynth+ 3.7.5 answers for the same scripts.
TEST(StandinScript, ErrorsReadAsAviSynthWritesThem) {
    struct Case {
        const char* script;
        const char* error;
    } cases[] = {
        {"BlankClip(length=10 width=8)", "Script error: expected a , or )\n(test.avs, line 1, column 25)"},
        {"BlankClip()\nt01 = trim(0,9", "Script error: expected a , or )\n(test.avs, line 2, column 14)"},
        {"BlankClip()\nt01 = trim(0,9\n", "Script error: expected a , or )\n(test.avs, line 2, column 0)"},
        {"\n\nfoo", "I don't know what 'foo' means.\n(test.avs, line 3)"},
        {"Bogus(1)", "Script error: There is no function named 'Bogus'.\n(test.avs, line 1)"},
        {"Trim(1,2)", "Script error: Invalid arguments to function 'Trim'.\n(test.avs, line 1)"},
        {"BlankClip()\nTrim(\"a\",2)", "Script error: Invalid arguments to function 'Trim'.\n(test.avs, line 2)"},
        {"BlankClip(width=320) + BlankClip()", "Splice: Frame sizes don't match\n(test.avs, line 1)"},
        {"BlankClip() ++ BlankClip(fps=25)", "Splice: Video framerate doesn't match\n(test.avs, line 1)"},
        {"BlankClip() + BlankClip(channels=2)",
         "Splice: The number of audio channels doesn't match\n(test.avs, line 1)"},
        {"BlankClip() + BlankClip().KillAudio",
         "Splice: one clip has audio and the other doesn't (not allowed)\n(test.avs, line 1)"},
        {"BlankClip(length=10).KillVideo().trim(0,9)", "Trim: Cannot trim if there is no video.\n(test.avs, line 1)"},
        {"BlankClip(length=10).FadeIn(-1)", "Dissolve: Cannot dissolve if overlap is less than zero\n(test.avs, line 1)"},
        {"BlankClip()\nt01 = trim(0,9)\nt01 + t02", "I don't know what 't02' means.\n(test.avs, line 3)"},
        {"BlankClip() + 5", "Evaluate: operands of `+' must both be numbers, strings, or clips\n(test.avs, line 1)"},
        {"1/0", "Evaluate: division by zero\n(test.avs, line 1)"},
        {"\"a\" ++ 1", "Evaluate: operands of `++' must be clips\n(test.avs, line 1)"},
        {"BlankClip(\n", "Script error: syntax error\n(test.avs, line 1, column 0)"},
        {"x = \"open", "Parse error: string missing closing quotation mark\n(test.avs, line 1, column 4)"},
        {"a @ b", "unexpected character \"@\"\n(test.avs, line 1, column 2)"},
        {"Import(\"\")", "Import: unable to locate \"\" (try specifying a path), error=0x57\n(test.avs, line 1)"},
        {"global 5 = 3", "Script error: `global' must be followed by a variable name\n(test.avs, line 1, column 8)"},
        // The stand-in's own limit.
        {"Crop(BlankClip(),0,0,8,8)", "Crop: not available in this frame server\n(test.avs, line 1)"},
    };
    for (const Case& c : cases) EXPECT_EQ(errorOf(c.script), c.error) << c.script;
}

TEST(StandinScript, NestingIsBoundedAndTheBoundRecovers) {
    ScriptEngine engine;
    Value v;
    std::string deep = std::string(150, '(') + "1" + std::string(150, ')');
    EXPECT_FALSE(run(engine, deep, v));
    EXPECT_EQ(engine.error.substr(0, 49), "Script error: the expression is nested too deeply");
    std::string fine = std::string(90, '(') + "-1" + std::string(90, ')');
    ASSERT_TRUE(run(engine, fine, v)) << engine.error;
    EXPECT_EQ(v.integer, -1);
    EXPECT_EQ(engine.nestingDepth, 0);
}

TEST(StandinScript, ImportsRelativeToTheImportingScript) {
    TempFolder folder;
    folder.write("inner.avs", "BlankClip(length=50)\n\nBogus()\n");
    folder.write("good.avs", "BlankClip(length=50)");
    folder.write("outer.avs", "Import(\"good.avs\")\ntrim(0,9)");
    folder.write("broken.avs", "x = 1\nImport(\"inner.avs\")");
    folder.write("loop.avs", "Import(\"loop.avs\")");
    ScriptEngine engine;
    Value v;
    ASSERT_TRUE(engine.importFile(folder.file("outer.avs"), v)) << engine.error;
    EXPECT_EQ(v.clip->frameCount, 10);
    EXPECT_FALSE(engine.importFile(folder.file("broken.avs"), v));
    EXPECT_EQ(engine.error, "Script error: There is no function named 'Bogus'.\n(" + folder.file("inner.avs") +
                                ", line 3)\n(" + folder.file("broken.avs") + ", line 2)");
    EXPECT_FALSE(engine.importFile(folder.file("loop.avs"), v));
    EXPECT_NE(engine.error.find("Import: scripts import each other too deeply"), std::string::npos);
    EXPECT_FALSE(engine.importFile(folder.file("none.avs"), v));
    EXPECT_EQ(engine.error, "Import: couldn't open \"" + folder.file("none.avs") + "\"");
}

TEST(StandinScript, VersionText) {
    EXPECT_EQ(standin::versionTextFrom("2.57\r\n"), "AviSynth 2.57, build:Jan  1 2026 [00:00:00]");
    EXPECT_EQ(standin::versionTextFrom(""), "AviSynth 2.60, build:Jan  1 2026 [00:00:00]");
    EXPECT_EQ(standin::versionTextFrom("AviSynth+ 3.7.5 (x86_64)\n"), "AviSynth+ 3.7.5 (x86_64)");
}

TEST(StandinFrames, FormatsAndPictures) {
    struct Case {
        const char* pixel;
        int width, height;
        uint32_t handler;
        int bits;
        size_t bytes;
    } cases[] = {
        {"YV12", 320, 240, 0x32315659, 12, 115200},
        {"YUY2", 320, 240, 0x32595559, 16, 153600},
        {"RGB32", 320, 240, 0x20424944, 32, 307200},
        {"RGB24", 322, 2, 0x20424944, 24, 1936},  // rows padded to 4 bytes
    };
    for (const Case& c : cases) {
        ClipInfo clip = clipOf("BlankClip(width=" + std::to_string(c.width) + ", height=" + std::to_string(c.height) +
                               ", pixel_type=\"" + c.pixel + "\")");
        standin::VideoFormat f = standin::videoFormatOf(clip);
        EXPECT_EQ(f.handler, c.handler) << c.pixel;
        EXPECT_EQ(f.bitCount, c.bits) << c.pixel;
        EXPECT_EQ(f.frameBytes, c.bytes) << c.pixel;
        std::vector<uint8_t> a(f.frameBytes), b(f.frameBytes), again(f.frameBytes);
        standin::renderFrame(clip, 0, a.data(), a.size());
        standin::renderFrame(clip, 7, b.data(), b.size());
        standin::renderFrame(clip, 0, again.data(), again.size());
        EXPECT_NE(a, b) << c.pixel;
        EXPECT_EQ(a, again) << c.pixel;
    }
}

TEST(StandinFrames, TestTone) {
    ClipInfo clip = clipOf("BlankClip(audio_rate=48000, channels=2, sample_type=\"float\")");
    EXPECT_EQ(standin::deliveredSampleType(clip, false), 2);
    EXPECT_EQ(standin::deliveredSampleType(clip, true), 16);
    // A stereo tone that starts at zero, a different pitch per channel; float and 16-bit agree.
    int16_t pcm[2 * 13];
    standin::renderAudio(clip, 2, 0, 13, reinterpret_cast<uint8_t*>(pcm));
    EXPECT_EQ(pcm[0], 0);
    EXPECT_EQ(pcm[1], 0);
    EXPECT_NE(pcm[2 * 12], 0);
    EXPECT_NE(pcm[2 * 12], pcm[2 * 12 + 1]);
    float f[2];
    standin::renderAudio(clip, 16, 12, 1, reinterpret_cast<uint8_t*>(f));
    EXPECT_NEAR(f[0], pcm[2 * 12] / 32767.0, 1e-4);
    EXPECT_NEAR(f[1], pcm[2 * 12 + 1] / 32767.0, 1e-4);
}

TEST(StandinFrames, FrameCodeReadsBackInEveryLayout) {
    for (const char* pixel : {"RGB32", "RGB24", "YUY2", "YV12"}) {
        ClipInfo clip = clipOf(std::string("BlankClip(width=100, height=50, pixel_type=\"") + pixel + "\")");
        standin::VideoFormat f = standin::videoFormatOf(clip);
        PixelLayout layout = pixelLayoutOf(f.compression, f.bitCount);
        for (int frame : {0, 5, 99999}) {
            std::vector<uint8_t> raw(f.frameBytes), rgb(100 * 4 * 50);
            standin::renderFrame(clip, frame, raw.data(), raw.size());
            frameToRgb32(layout, raw.data(), 100, 50, rgb.data());
            EXPECT_EQ(readFrameCodeFromPixels(rgb.data(), 100, 50, 4), frame) << pixel;
        }
    }
}
