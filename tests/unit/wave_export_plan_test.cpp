#include <gtest/gtest.h>

#include <string>

#include "base/bounded_text.h"
#include "audio/avifile_codes.h"
#include "audio/wave_export_plan.h"
#include "support/box_expect.h"
#include "support/message_box_recorder.h"

namespace {
WindowHandle const owner = reinterpret_cast<WindowHandle>(0x77);
const char* const script = "C:\\clips\\take.avs";

// A clip whose audio stream was read: 16-bit stereo at 48 kHz of the given length.
AviClip clipWithAudio(uint32_t length, uint32_t sampleSize = 4) {
    AviClip clip;
    clip.fileInfo.streams = 2;
    clip.audioInfo.length = length;
    clip.audioInfo.sampleSize = sampleSize;
    clip.audioFormat.formatTag = 1;
    clip.audioFormat.channels = 2;
    clip.audioFormat.samplesPerSec = 48000;
    clip.audioFormat.avgBytesPerSec = 192000;
    clip.audioFormat.blockAlign = 4;
    clip.audioFormat.bitsPerSample = 16;
    return clip;
}

ExportFacts readable(int formatCode = waveCodePcm) {
    ExportFacts facts;
    facts.infoRead = true;
    facts.audioFound = true;
    facts.formatCode = formatCode;
    return facts;
}

const char* const tooBigText =
    "Huston, we have a problem!\n\nCannot create a wave file larger than 4,294,967,287 bytes.\n\nYep, that is four "
    "gigabytes.\n\nTo save the channels as individual wave files click \nthe check box.";
}  // namespace

TEST(ExportPlan, OpenFailuresEachHaveTheirMessageAndReportNoFile) {
    struct Case {
        int32_t code;
        const char* text;
    };
    const Case cases[] = {
        {regdbErrClassNotReg, "Error... File Class not Registered"},
        {aviErrMemory, "Error...  Insufficient memory"},
        {aviErrBadFormat, "Avi File Format error..."},
        {aviErrFileRead, "Disk Error While Reading File"},
        {aviErrFileOpen, "Disk Error While Opening File"},
        {int32_t(0x80004005u), "Error... AVIFileOpen failed 0x80004005"},
    };
    for (const Case& c : cases) {
        for (int mode : {exportModeReport, exportModeSingle, exportModeChannels}) {
            boxes::reset();
            AviClip clip;
            copyText(clip.audioReport, "2 1 16 48000 192000 3 1000");  // from an earlier script
            clip.tooBig = true;
            ExportFacts facts;
            facts.openResult = c.code;
            EXPECT_EQ(planExport(clip, facts, script, owner, mode), exportStepNone);
            EXPECT_STREQ(clip.audioReport, "0 0 0 0 0 0 1");
            EXPECT_FALSE(clip.tooBig);
            ASSERT_TRUE(onlyBox(c.text, "Error AVIFileOpen:"));
            EXPECT_EQ(boxes::shown()[0].owner, owner);
        }
    }
}

TEST(ExportPlan, UnreadableInfoOrNoAudioStreamEndsThePlan) {
    for (bool infoRead : {false, true}) {
        boxes::reset();
        AviClip clip;
        ExportFacts facts;
        facts.infoRead = infoRead;
        EXPECT_EQ(planExport(clip, facts, script, owner, exportModeReport), exportStepNone);
        if (!infoRead) {
            ASSERT_TRUE(onlyBox(script, "Error... Get Avi File Info Failed"));
            continue;
        }
        EXPECT_STREQ(clip.audioReport, "0 0 0 0 0 0 2");
        ASSERT_TRUE(onlyBox("Your script contains no audio stream.\n\nThere is no Video wave spec.\n\nC:\\clips\\take.avs",
                            "Error... Streamtype AUDIO not found"));
    }
}

TEST(ExportPlan, ReportModeFormatsTheReportOnly) {
    boxes::reset();
    AviClip clip = clipWithAudio(48000 * 65 + 1);
    EXPECT_EQ(planExport(clip, readable(), script, owner, exportModeReport), exportStepReportMade);
    EXPECT_STREQ(clip.audioReport, "2 1 16 48000 192000 65 12480048");
    EXPECT_TRUE(boxes::shown().empty());
    EXPECT_EQ(planExport(clip, readable(waveCodeFloat), script, owner, exportModeReport), exportStepReportMade);
    EXPECT_STREQ(clip.audioReport, "2 3 16 48000 192000 65 12480048");
}

TEST(ExportPlan, SizeBoundaryForOneFile) {
    // 4,294,967,251 bytes of audio fit one file; one byte more does not.
    for (int mode : {exportModeReport, exportModeSingle}) {
        boxes::reset();
        AviClip fits = clipWithAudio(4294967251u, 1);
        planExport(fits, readable(), script, owner, mode);
        EXPECT_FALSE(fits.tooBig);
        EXPECT_TRUE(boxes::shown().empty());

        AviClip over = clipWithAudio(4294967252u, 1);
        int step = planExport(over, readable(), script, owner, mode);
        EXPECT_TRUE(over.tooBig);
        ASSERT_TRUE(onlyBox(tooBigText, "We just ran out of numbers"));
        // A single file asked for anyway becomes per-channel files, as the panel does.
        if (mode == exportModeSingle) EXPECT_EQ(step, exportStepChannelFiles);
        if (mode == exportModeReport) EXPECT_STREQ(over.audioReport, "2 1 16 48000 192000 89478 0");
    }
    boxes::reset();
    AviClip channels = clipWithAudio(4294967252u, 1);
    EXPECT_EQ(planExport(channels, readable(), script, owner, exportModeChannels), exportStepChannelFiles);
    EXPECT_FALSE(channels.tooBig);
    EXPECT_TRUE(boxes::shown().empty());
}

TEST(ExportPlan, WritingModesGoOnToTheirFilesAndKeepTheReport) {
    boxes::reset();
    AviClip clip = clipWithAudio(1000);
    copyText(clip.audioReport, "2 1 16 48000 192000 0 4044");  // what the open panel shows
    EXPECT_EQ(planExport(clip, readable(), script, owner, exportModeSingle), exportStepSingleFile);
    EXPECT_EQ(planExport(clip, readable(), script, owner, exportModeChannels), exportStepChannelFiles);
    EXPECT_TRUE(boxes::shown().empty());
    EXPECT_STREQ(clip.audioReport, "2 1 16 48000 192000 0 4044");
}

TEST(ExportPlan, UnknownFormatIsRefusedAfterTheSizeTest) {
    boxes::reset();
    AviClip clip = clipWithAudio(4294967252u, 1);
    EXPECT_EQ(planExport(clip, readable(waveCodeRefused), script, owner, exportModeSingle), exportStepNone);
    ASSERT_EQ(boxes::shown().size(), 2u);
    EXPECT_EQ(boxes::shown()[0].title, "We just ran out of numbers");
    EXPECT_EQ(boxes::shown()[1].text, "Save audio will not work");
    EXPECT_EQ(boxes::shown()[1].title, " Unknow data format ");
    EXPECT_STREQ(clip.audioReport, "");  // a writing mode makes no report

    // Compressed audio has no fixed sample size and cannot be written either.
    boxes::reset();
    AviClip compressed = clipWithAudio(1000, 0);
    EXPECT_EQ(planExport(compressed, readable(), script, owner, exportModeReport), exportStepNone);
    ASSERT_EQ(boxes::shown().size(), 1u);
    EXPECT_EQ(boxes::shown()[0].title, " Unknow data format ");
}
