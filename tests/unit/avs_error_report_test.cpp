#include <gtest/gtest.h>

#include <string>

#include "avisynth/avs_error_report.h"
#include "avisynth/avs_string_table.h"
#include "support/avs_report_text.h"

namespace {
std::string report(int level, int code, const char* message) {
    char text[avsReportSize];
    composeErrorReport(nullptr, level, code, message, text, sizeof text);
    return text;
}
}  // namespace

TEST(AvsErrorReport, StringTableEntries) {
    // 11201 is checked word for word by the start-up run without the library.
    EXPECT_EQ(entry(11202),
              "AviSynth failed to load the required lib function. \nAviSynth interface is not available.\n \nAVSERR_02 "
              "\nConsult the Zandolin documentation for details.");
    EXPECT_EQ(entry(11203), "An attempt to get a script environment pointer from AviSynth has \nfailed.  The following "
                            "details are available.\n\n\t");
    EXPECT_EQ(entry(11204), "An attempt to determine the version of AviSynth has failed. \nIf your installation is "
                            "functional, it is older than 2.07 and is \nnot supported.  The following details are "
                            "available.\n\n\t");
    EXPECT_EQ(entry(11205), "An attempt to look up internal function names and keywords has \nfailed.  Available details "
                            "follow.\n\n\t");
    EXPECT_EQ(entry(11206), "An attempt to look up plug-in function names has failed. \nAvailable details follow.\n\n\t");
    EXPECT_EQ(entry(11207), "An attempt to get a script environment pointer for parameter look up \nhas failed.  The "
                            "following details are available.\n\n\t");
    EXPECT_EQ(entry(11208),
              "An attempt to look up a parameter string has failed. \nThe following details are available.\n\n\t");
    EXPECT_EQ(entry(11209), "An attempt to look up a paramenter string has returned data that is \nnot valid.");
    EXPECT_EQ(entry(11210), "An attempt to get a script environment pointer for script properties \nlook up has "
                            "failed.  The following details are available.\n\n\t");
    EXPECT_EQ(entry(11211), "AviSynth reports an error in your script.\n\n");
    EXPECT_EQ(entry(11212), "An error was detected while testing your script for\n \n\t\"OPT_AllowFloatAudio\"\n \nThe "
                            "following details are available.\n\n\t");
    EXPECT_EQ(entry(11213), "");
}

TEST(AvsErrorReport, TitlesAndFatality) {
    struct Case {
        int level;
        const char* title;
        bool fatalAtMinus1, fatalAtMinus3;
        int after;
    } cases[] = {
        {1, "No avisynth.dll", true, true, 1},
        {2, "Error:  Zandolin detected an Error", true, true, 2},
        {3, "Error:  Zandolin detected an Error", true, true, 3},
        {4, "Error:  Zandolin detected an Error", true, true, 4},
        {5, "Error:  Reading internal function keywords", false, true, 5},
        {6, "Error:  Reading plugin function keywords", false, true, 6},
        {7, "Error:  Zandolin detected an Error", false, true, 7},
        {8, "Error:  Zandolin detected an Error", false, true, 0},
        {9, "Error:  Zandolin detected an Error", false, true, 0},
        {10, "Error:  Zandolin detected an Error", true, true, 11},
        {11, "Error:  AviSynth Reports an Error", false, true, 0},
        {12, "Error:  Zandolin detected an Error", false, true, 0},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(errorTitle(c.level), c.title) << c.level;
        EXPECT_EQ(errorIsFatal(c.level, -1), c.fatalAtMinus1) << c.level;
        EXPECT_EQ(errorIsFatal(c.level, -2), c.fatalAtMinus1) << c.level;
        EXPECT_EQ(errorIsFatal(c.level, -3), c.fatalAtMinus3) << c.level;
        EXPECT_EQ(errorIsFatal(c.level, -4), c.fatalAtMinus3) << c.level;
        EXPECT_EQ(errorLevelAfterReport(c.level), c.after) << c.level;
    }
}

TEST(AvsErrorReport, DetailForEveryLevelAndCode) {
    const char* msg = "Script error: expected a , or )\n(bad.avs, line 1, column 0)";
    const char* screwed = "Your computer is so screwed, loadFunction(CreateScriptEnvironment) failed\nand you got here "
                          "anyway, prior error should prevent this call.";
    const char* pointer = "Cannot get a pointer to a script environment.";
    const char* unknown = " Unknown Error ";
    const char* corrupted = "AvisynthError err.msg corrupted.";
    const char* noEnvironment = "There is no script environment.";
    const char* serious = "Serious fatal error.";
    // Codes 1, 0, -1, -2, -3, -4, -5, 2 for each level from 3 to 12.
    struct Row {
        int level;
        const char* detail[8];
    } rows[] = {
        {3, {pointer, unknown, msg, corrupted, screwed, serious, unknown, unknown}},
        {4, {"This version of AviSynth does not have a version string.", unknown, msg, corrupted, noEnvironment,
             serious, unknown, unknown}},
        {5, {"GetVar: Var \"InternalFunctions\" Not Found.", unknown, msg, corrupted, noEnvironment, serious,
             unknown, unknown}},
        {6, {"GetVar: Var \"PluginFunctions\" Not Found.", unknown, msg, corrupted, noEnvironment, serious,
             unknown, unknown}},
        {7, {pointer, pointer, msg, corrupted, noEnvironment, serious, unknown, pointer}},
        {8, {"GetVar: Var \"$Plugin!%s!Param$\" Not Found.", unknown, msg, corrupted, noEnvironment, serious,
             unknown, unknown}},
        {9, {msg, msg, msg, msg, msg, msg, msg, msg}},
        {10, {msg, msg, msg, msg, msg, msg, msg, msg}},
        {11, {"Invoke: The funcition Import was not found.", unknown, msg, corrupted, noEnvironment, serious,
              unknown, unknown}},
        {12, {"An error was detected when testing for a varible.", unknown, msg, corrupted, noEnvironment,
              serious, unknown, unknown}},
    };
    const int codes[8] = {1, 0, -1, -2, -3, -4, -5, 2};
    for (const Row& row : rows)
        for (int i = 0; i < 8; ++i) {
            EXPECT_STREQ(errorDetail(row.level, codes[i], msg), row.detail[i]) << row.level << " " << codes[i];
            EXPECT_EQ(report(row.level, codes[i], msg), entry(11200 + row.level) + row.detail[i] + tail(row.level))
                << row.level << " " << codes[i];
        }
}

TEST(AvsErrorReport, LevelsOneAndTwoAreTheEntryAlone) {
    for (int code : {1, 0, -1, -3}) {
        EXPECT_EQ(report(1, code, "ignored"), entry(11201));
        EXPECT_EQ(report(2, code, "ignored"), entry(11202));
    }
}

TEST(AvsErrorReport, WholeReportExactly) {
    EXPECT_EQ(report(11, -1, "Script error: there is no function named \"Bogus\"\n(C:\\a.avs, line 2)"),
              "AviSynth reports an error in your script.\n\nScript error: there is no function named \"Bogus\"\n"
              "(C:\\a.avs, line 2)\n\nAVSERR_11\nConsult the Zandolin documentation for details.");
    EXPECT_EQ(report(3, 1, ""),
              "An attempt to get a script environment pointer from AviSynth has \nfailed.  The following details are "
              "available.\n\n\tCannot get a pointer to a script environment.\n\nAVSERR_03\nConsult the Zandolin "
              "documentation for details.");
}

TEST(AvsErrorReport, LongMessagesAreCutToTheBuffer) {
    std::string huge(3000, 'm');
    char text[avsReportSize];
    size_t n = composeErrorReport(nullptr, 11, -1, huge.c_str(), text, sizeof text);
    EXPECT_EQ(n, avsReportSize - 1);
    EXPECT_EQ(std::string(text), (entry(11211) + huge).substr(0, avsReportSize - 1));
    char small[10];
    composeErrorReport(nullptr, 11, -1, huge.c_str(), small, sizeof small);
    EXPECT_EQ(std::string(small), "AviSynth ");
}
