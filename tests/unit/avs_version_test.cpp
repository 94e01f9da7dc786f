#include <gtest/gtest.h>

#include "avisynth/avs_version.h"

TEST(AvsVersion, ReadsTheNumberAfterTheFirstWord) {
    EXPECT_FLOAT_EQ(parseVersionNumber("AviSynth 2.56, build:Oct 28 2005 [18:43:54]"), 2.56f);
    EXPECT_FLOAT_EQ(parseVersionNumber("AviSynth 2.60, build:Mar 31 2015"), 2.60f);
    EXPECT_FLOAT_EQ(parseVersionNumber("AviSynth+ 3.7.5 (x86_64)"), 3.7f);
    EXPECT_FLOAT_EQ(parseVersionNumber("AviSynth"), 0.0f);
    EXPECT_FLOAT_EQ(parseVersionNumber(""), 0.0f);
    EXPECT_FLOAT_EQ(parseVersionNumber(nullptr), 0.0f);
    // A first word longer than any buffer is skipped safely.
    std::string longWord(500, 'A');
    EXPECT_FLOAT_EQ(parseVersionNumber((longWord + " 2.57").c_str()), 0.0f);
}

TEST(AvsVersion, SupportLevelsFollowTheStoredSinglePrecisionNumber) {
    struct Case {
        const char* text;
        int level;
    } cases[] = {
        {"AviSynth 2.07,", 0}, {"AviSynth 2.51,", 0}, {"AviSynth 2.52,", 0}, {"AviSynth 2.53,", 1},
        {"AviSynth 2.54,", 1}, {"AviSynth 2.55,", 1}, {"AviSynth 2.56,", 1}, {"AviSynth 2.57,", 2},
        {"AviSynth 2.58,", 2}, {"AviSynth 2.60,", 2}, {"AviSynth+ 3.7.5 (x86_64)", 2},
    };
    for (const Case& c : cases) EXPECT_EQ(supportLevelFor(parseVersionNumber(c.text)), c.level) << c.text;
}

TEST(AvsVersion, ListAndParameterThresholds) {
    struct Case {
        float version;
        bool internal, plugin, parameters, floatOption;
    } cases[] = {
        {2.51f, false, false, false, false}, {2.52f, false, true, false, false}, {2.54f, false, true, false, false},
        {2.55f, true, true, true, false},    {2.56f, true, true, true, false},   {2.57f, true, true, true, true},
        {2.60f, true, true, true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readsInternalNames(c.version), c.internal) << c.version;
        EXPECT_EQ(readsPluginNames(c.version), c.plugin) << c.version;
        EXPECT_EQ(hasParameterData(c.version), c.parameters) << c.version;
        EXPECT_EQ(knowsFloatAudioOption(c.version), c.floatOption) << c.version;
    }
}
