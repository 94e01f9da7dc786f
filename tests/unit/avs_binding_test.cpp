#include <gtest/gtest.h>

#include <string>

#include "avisynth/avs_binding.h"
#include "avisynth/avs_string_table.h"
#include "avisynth/native_controls.h"
#include "fake_avisynth.h"
#include "support/avs_report_text.h"
#include "support/box_expect.h"
#include "support/message_box_recorder.h"

namespace {
int mainWindowToken;

struct BindingTest : ::testing::Test {
    WindowTable windows{};
    NativeComboBox combo;
    AvsBinding binding;

    void SetUp() override {
        boxes::reset();
        windows.handle[winMain] = &mainWindowToken;
        windows.handle[winFilterList] = &combo;
    }
    void TearDown() override { nativeavs::uninstall(); }

    void startWith(const std::string& version, const char* internal = "BlankClip Trim Dissolve",
                   const char* plugins = "DirectShowSource TransAll_Wipe") {
        installFakeAvs(version);
        fakeAvs.vars["$InternalFunctions$"] = FakeVar{'s', internal};
        fakeAvs.vars["$PluginFunctions$"] = FakeVar{'s', plugins};
        binding.start(windows, nullptr);
    }

    std::string items() const {
        std::string all;
        for (const auto& item : combo.items) all += item.text + "=" + std::to_string(item.data) + " ";
        return all;
    }
};
}  // namespace

TEST_F(BindingTest, WithoutTheLibraryTheStartReportsOnceAndGoesOn) {
    nativeavs::uninstall();
    binding.start(windows, nullptr);
    ASSERT_TRUE(onlyBox(entry(11201), "No avisynth.dll"));
    EXPECT_EQ(boxes::shown()[0].owner, &mainWindowToken);
    EXPECT_EQ(binding.errorLevel, 1);
    EXPECT_EQ(binding.supportLevel, 3);
    EXPECT_EQ(binding.library, nullptr);
    EXPECT_TRUE(combo.items.empty());
    // Later operations call nothing; the properties report repeats the pending report.
    EXPECT_FALSE(binding.examineScript("a.avs"));
    ASSERT_EQ(boxes::shown().size(), 2u);
    EXPECT_EQ(boxes::shown()[1].title, "No avisynth.dll");
    binding.lookUpParameters("Trim", false);
    EXPECT_STREQ(binding.parameterText(), "No parameter data before AviSynth 2.55\n\nFull support with 2.57");
}

TEST_F(BindingTest, AMissingExportIsLevelTwo) {
    for (const char* missing : {"CreateScriptEnvironment", "avs_invoke", "avs_get_var", "avs_release_value"}) {
        boxes::reset();
        AvsBinding b;
        installFakeAvs("AviSynth 2.60, build:x", missing);
        b.start(windows, nullptr);
        ASSERT_TRUE(onlyBox(entry(11202), "Error:  Zandolin detected an Error")) << missing;
        EXPECT_EQ(b.errorLevel, 2);
        EXPECT_EQ(b.library, nullptr);
        EXPECT_EQ(nativeavs::freeCount(), 1);
        EXPECT_EQ(fakeAvs.created, 0);
    }
}

TEST_F(BindingTest, NoEnvironmentOrNoVersionStringLeavesNoSupport) {
    enum { nullEnvironment, environmentWithError, noVersionString };
    for (int failure : {nullEnvironment, environmentWithError, noVersionString}) {
        boxes::reset();
        AvsBinding b;
        installFakeAvs("AviSynth 2.60, build:x");
        if (failure == nullEnvironment) fakeAvs.createFails = true;
        if (failure == environmentWithError) fakeAvs.createError = "Could not allocate the frame cache";
        if (failure == noVersionString) fakeAvs.functions.erase("VersionString");
        b.start(windows, nullptr);
        bool noEnvironment = failure != noVersionString;
        std::string text = noEnvironment
                               ? entry(11203) + "Cannot get a pointer to a script environment." + tail(3)
                               : entry(11204) + "This version of AviSynth does not have a version string." + tail(4);
        ASSERT_TRUE(onlyBoxSaying(text)) << failure;
        EXPECT_EQ(b.supportLevel, 0);
        EXPECT_EQ(fakeAvs.created, fakeAvs.deleted);
        EXPECT_TRUE(combo.items.empty());
        if (noEnvironment) {
            EXPECT_EQ(b.errorLevel, 3);
            EXPECT_FALSE(b.examineScript("a.avs"));
        }
    }
}

TEST_F(BindingTest, ListsAtEachVersion) {
    struct Case {
        const char* version;
        int support;
        std::string items;
        int state;
    } cases[] = {
        {"AviSynth 2.60, build:Mar 31 2015", 2,
         "BlankClip=0 DirectShowSource=1 Dissolve=0 TransAll_Wipe=1 Trim=0 ", 2},
        {"AviSynth 2.55, build:x", 1, "BlankClip=0 DirectShowSource=1 Dissolve=0 TransAll_Wipe=1 Trim=0 ", 2},
        {"AviSynth 2.54, build:x", 1, "a_No_Internal_Lookup=0 DirectShowSource=1 TransAll_Wipe=1 ", 1},
        {"AviSynth 2.51, build:x", 0, "a_No_Internal_Lookup=0 a_No_Plug-in_Lookup=1 ", 0},
    };
    for (const Case& c : cases) {
        combo.items.clear();
        boxes::reset();
        AvsBinding b;
        installFakeAvs(c.version);
        fakeAvs.vars["$InternalFunctions$"] = FakeVar{'s', "BlankClip Trim\nDissolve"};
        fakeAvs.vars["$PluginFunctions$"] = FakeVar{'s', " DirectShowSource  TransAll_Wipe "};
        b.start(windows, nullptr);
        EXPECT_EQ(items(), c.items) << c.version;
        EXPECT_EQ(b.supportLevel, c.support) << c.version;
        EXPECT_EQ(b.status.functionListState, c.state) << c.version;
        EXPECT_STREQ(b.versionString, c.version);
        EXPECT_TRUE(boxes::shown().empty());
        EXPECT_EQ(b.errorLevel, 0);
        EXPECT_EQ(fakeAvs.created, 1);
        EXPECT_EQ(fakeAvs.deleted, 1);
    }
}

TEST_F(BindingTest, UnreadableInternalListLeavesItsPlaceholderAndStaysPending) {
    installFakeAvs("AviSynth 2.57, build:x");
    fakeAvs.vars["$PluginFunctions$"] = FakeVar{'s', "Plug"};
    binding.start(windows, nullptr);
    ASSERT_TRUE(onlyBox(entry(11205) + "GetVar: Var \"InternalFunctions\" Not Found." + tail(5),
                        "Error:  Reading internal function keywords"));
    EXPECT_EQ(items(), "a_No_Internal_Lookup=0 Plug=1 ");
    EXPECT_EQ(binding.errorLevel, 5);

    // A pending error makes a lookup ask first; No ends it without calling AviSynth.
    boxes::reset();
    boxes::answer(answerNo);
    int created = fakeAvs.created;
    binding.lookUpParameters("Plug", true);
    ASSERT_TRUE(onlyBox(
            "It is likely that AviSynth has a corrupted installation or\nan error in an avsi file or plug-in problem "
            "in the plug-in folder.\n\nIf you would like to see the last AviSynth error logged by Zandolin\nclick "
            "\"YES\", click \"NO\" to continue or \"CANCEL\"",
            "Get Function Parameter String",
            mbYesNoCancel | mbIconStop));
    EXPECT_EQ(fakeAvs.created, created);

    boxes::reset();
    boxes::answer(answerYes);
    binding.lookUpParameters("Plug", true);
    ASSERT_EQ(boxes::shown().size(), 2u);
    EXPECT_EQ(boxes::shown()[1].title, "Error:  AviSynth");
    EXPECT_EQ(boxes::shown()[1].text, binding.lastErrorText);
}

// AviSynth+ names a function once per overload; the box holds each name once, and a plug-in
// keeps its name against an internal one.
TEST_F(BindingTest, RepeatedNamesAreAddedOnce) {
    startWith("AviSynth+ 3.7.5 (r4289, HEAD, x86_64)", "Trim Dissolve trim Trim Blur", "Blur blur");
    EXPECT_EQ(items(), "Blur=1 Dissolve=0 Trim=0 ");
}

TEST_F(BindingTest, ErrorFromThePluginListCarriesAviSynthsMessage) {
    installFakeAvs("AviSynth 2.60, build:x");
    fakeAvs.vars["$InternalFunctions$"] = FakeVar{'s', "Trim"};
    fakeAvs.vars["$PluginFunctions$"] = FakeVar{'e', "plugin folder broken"};
    binding.start(windows, nullptr);
    ASSERT_TRUE(onlyBox(entry(11206) + "plugin folder broken" + tail(6), "Error:  Reading plugin function keywords"));
    EXPECT_EQ(items(), "a_No_Plug-in_Lookup=1 Trim=0 ");
}

TEST_F(BindingTest, ParameterValueThatIsNoString) {
    startWith("AviSynth 2.60, build:x");
    fakeAvs.vars["$Plugin!Weird!Param$"] = FakeVar{'i', "", 7};
    binding.lookUpParameters("Weird", false);
    ASSERT_TRUE(onlyBoxSaying(entry(11209) + binding.avsMessage + tail(9)));
    EXPECT_EQ(binding.errorLevel, 0);
    EXPECT_EQ(fakeAvs.created, fakeAvs.deleted);
    binding.clearParameterString();
    EXPECT_STREQ(binding.parameterText(), "");
}
TEST_F(BindingTest, PluginLookupBefore257) {
    startWith("AviSynth 2.56, build:Oct 28 2005");
    binding.lookUpParameters("TransAll_Wipe", true);
    EXPECT_STREQ(binding.parameterText(), "Not Available Until 2.57");
    ASSERT_TRUE(onlyBox(
            "This version:\n\n\tAviSynth 2.56, build:Oct 28 2005\n\nDoes not support external or plug-in function "
            "parameter string lookup, please use \nversion2.57 or later.",
            "AviSynth version earlier than 2.57"));
}

TEST_F(BindingTest, ExamineAClip) {
    startWith("AviSynth 2.60, build:x");
    AVS_VideoInfo& vi = fakeAvs.clip;
    vi.width = 720;
    vi.height = 576;
    vi.fps_numerator = 25;
    vi.fps_denominator = 1;
    vi.num_frames = 1000;
    vi.pixel_type = static_cast<int>(avsCsYuy2);
    vi.audio_samples_per_second = 48000;
    vi.nchannels = 2;
    vi.sample_type = avsSampleInt16;
    vi.num_audio_samples = 1920000;
    EXPECT_TRUE(binding.examineScript("C:\\v\\Clip.AVS"));
    EXPECT_EQ(fakeAvs.lastImportPath, "C:\\v\\Clip.AVS");
    EXPECT_TRUE(boxes::shown().empty());
    EXPECT_EQ(binding.video.width, 720);
    EXPECT_EQ(binding.video.height, 576);
    EXPECT_FLOAT_EQ(binding.video.aspectRatio, 1.25f);
    EXPECT_FLOAT_EQ(binding.video.frameRate, 25.0f);
    EXPECT_EQ(binding.video.frameCount, 1000);
    EXPECT_EQ(binding.viewerWidth, 720);
    EXPECT_EQ(binding.viewerHeight, 576);
    EXPECT_EQ(binding.audio.sampleCount, 1920000);
    EXPECT_TRUE(binding.status.hasVideo && binding.status.hasAudio && !binding.status.notAClip);
    EXPECT_STREQ(binding.clipData, "\n720\n576\nYUY2\n25.000\n1000\n\n\nFrame\n???\n\n\n2\n48000\n16\n");
    EXPECT_EQ(std::string(binding.clipReport).substr(0, 40), std::string("File:\nC:\\v\\Clip.AVS\n\nVideo Stream:\nWidth").substr(0, 40));
    EXPECT_EQ(fakeAvs.taken, 1);
    EXPECT_EQ(fakeAvs.released, 1);
    EXPECT_EQ(fakeAvs.created, fakeAvs.deleted);

    // Audio only: the viewer gets a 1 x 1 frame.
    vi.width = 0;
    EXPECT_TRUE(binding.examineScript("C:\\v\\a.avs"));
    EXPECT_EQ(binding.viewerWidth, 1);
    EXPECT_EQ(binding.viewerHeight, 1);
    EXPECT_FALSE(binding.status.hasVideo);
}

TEST_F(BindingTest, OnlyAvsExtensionsAreExamined) {
    startWith("AviSynth 2.60, build:x");
    struct Case {
        const char* path;
        bool examined;
    } cases[] = {{"a.avs", true}, {"A.AVS", true}, {"x.Avs", true}, {"clipavs", true}, {"a.avsi", false},
                 {"a.avi", false}, {"avs", true},   {"vs", false},   {"", false}};
    for (const Case& c : cases) {
        int created = fakeAvs.created;
        EXPECT_EQ(binding.examineScript(c.path), c.examined) << c.path;
        EXPECT_EQ(fakeAvs.created - created, c.examined ? 1 : 0) << c.path;
    }
}

TEST_F(BindingTest, ScriptErrorIsReportedWithAviSynthsMessage) {
    startWith("AviSynth 2.60, build:x");
    fakeAvs.functions["Import"] = FakeVar{'e', "Script error: expected a , or )\n(bad.avs, line 1, column 0)"};
    EXPECT_FALSE(binding.examineScript("bad.avs"));
    ASSERT_TRUE(onlyBox(
            "AviSynth reports an error in your script.\n\nScript error: expected a , or )\n(bad.avs, line 1, column "
            "0)\n\nAVSERR_11\nConsult the Zandolin documentation for details.",
            "Error:  AviSynth Reports an Error"));
    EXPECT_EQ(binding.errorLevel, 0);
    EXPECT_STREQ(binding.clipReport, "No Data or Error information to display");
    EXPECT_EQ(fakeAvs.created, fakeAvs.deleted);

    // After an error was reported, a script that is not a clip no longer shows its box.
    boxes::reset();
    fakeAvs.functions["Import"] = FakeVar{'i', "", 42};
    EXPECT_TRUE(binding.examineScript("n.avs"));
    EXPECT_TRUE(boxes::shown().empty());
}

TEST_F(BindingTest, LongAviSynthMessageIsCutToTheMessageBuffer) {
    startWith("AviSynth 2.60, build:x");
    std::string message(1500, 'e');
    fakeAvs.functions["Import"] = FakeVar{'e', message};
    EXPECT_FALSE(binding.examineScript("bad.avs"));
    EXPECT_EQ(std::string(binding.avsMessage), message.substr(0, 1023));
    ASSERT_TRUE(onlyBoxSaying(entry(11211) + message.substr(0, 1023) + tail(11)));
}

TEST_F(BindingTest, FloatAudioOptionNeeds257) {
    for (bool old : {true, false}) {
        boxes::reset();
        startWith(old ? "AviSynth 2.56, build:x" : "AviSynth 2.57, build:x");
        fakeAvs.vars["OPT_AllowFloatAudio"] = FakeVar{'b', "", 1};
        fakeAvs.clip.width = 0;
        fakeAvs.clip.audio_samples_per_second = 48000;
        fakeAvs.clip.nchannels = 2;
        fakeAvs.clip.sample_type = avsSampleFloat;
        EXPECT_TRUE(binding.examineScript("f.avs"));
        EXPECT_TRUE(old ? onlyBox("Versions 2.57 and later", "global OPT_AllowFloatAudio")
                        : ::testing::AssertionResult(boxes::shown().empty()));
        const char* type = old ? "Sample Type\t\t16 bit\n" : "Sample Type\t\t32 bit float\n";
        EXPECT_NE(std::string(binding.clipReport).find(type), std::string::npos);
    }
}

TEST_F(BindingTest, EnvironmentLostBeforeExamining) {
    startWith("AviSynth 2.60, build:x");
    fakeAvs.createError = "Could not allocate the frame cache";
    EXPECT_FALSE(binding.examineScript("a.avs"));
    // The unusable environment is given back, and AviSynth's reason is the report's detail.
    EXPECT_EQ(fakeAvs.created, fakeAvs.deleted);
    ASSERT_TRUE(onlyBoxSaying(entry(11210) + "Could not allocate the frame cache" + tail(10)));
    EXPECT_EQ(binding.supportLevel, 0);
    EXPECT_EQ(binding.errorLevel, 11);
    boxes::reset();
    EXPECT_FALSE(binding.examineScript("a.avs"));
    EXPECT_TRUE(boxes::shown().empty());
}

TEST_F(BindingTest, ReleaseFreesTheLibrary) {
    startWith("AviSynth 2.60, build:x");
    binding.lookUpParameters("Trim", false);
    nativeavs::failFree(true);
    binding.release();
    EXPECT_EQ(nativeavs::freeCount(), 1);
    ASSERT_EQ(boxes::shown().size(), 2u);  // the not-found report, then the failed free
    EXPECT_EQ(boxes::shown()[1].text, "free library failed");
    EXPECT_EQ(boxes::shown()[1].title, "~getlib()");
    EXPECT_EQ(binding.parameterString, nullptr);
    EXPECT_EQ(binding.library, nullptr);
}
