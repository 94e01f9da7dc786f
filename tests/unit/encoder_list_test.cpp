#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "storage/encoder_list.h"
#include "support/encoder_file_text.h"
#include "support/box_expect.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

namespace {
const char* folder(const TempFolder& dir) { return dir.path().c_str(); }

std::vector<EncoderFileLinesForTest> plainEntries(int count) {
    std::vector<EncoderFileLinesForTest> entries;
    for (int k = 1; k <= count; ++k) entries.push_back(plainEntry(k));
    return entries;
}

EncoderEntry withOptions(int colourSpace, bool saveWave) {
    EncoderEntry entry;
    entry.colourSpace = colourSpace;
    entry.saveWave = saveWave;
    return entry;
}
}  // namespace

// Numbering on from a longer list is part of the encoding run.
TEST(EncoderList, AddToNewFileWritesTheEntryLayout) {
    TempFolder dir;
    boxes::reset();
    ASSERT_TRUE(createDefaultEncoderFile(folder(dir), nullptr));
    ASSERT_TRUE(addEncoder(folder(dir), nullptr, withOptions(0, false), "audio_ac3", "", nullptr,
                           "C:\\enc\\ac3.exe"));
    ASSERT_TRUE(addEncoder(folder(dir), nullptr, withOptions(1, true), "mpeg2", "audio_ac3",
                           "-i %filename -o %ofilename", "C:\\enc\\m2.exe"));
    EXPECT_EQ(dir.read("encoder.ini"),
              crlfLines({"#### encoder.ini ####", "#####################", "", "", "default encoder", "00",
                         "", "", "encoder", "01", "path", "C:\\enc\\ac3.exe", "file", "audio_ac3 0 N ",
                         "command line", "%filename", "", "", "encoder", "02", "path", "C:\\enc\\m2.exe",
                         "file", "mpeg2 1 Wave Audio audio_ac3", "command line", "-i %filename -o %ofilename",
                         "", "", "end encoder.ini"}));
    EXPECT_FALSE(dir.exists("temp.ini"));
    EXPECT_TRUE(boxes::shown().empty());
}

TEST(EncoderList, NewFileHasNoDefaultEncoder) {
    TempFolder dir;
    boxes::reset();
    createDefaultEncoderFile(folder(dir), nullptr);
    EncoderEntry entry;
    EXPECT_EQ(readEncoder(folder(dir), nullptr, &entry, 0), 0);
    EXPECT_STREQ(entry.number, "00");
    EXPECT_STREQ(entry.path, "");
    EXPECT_STREQ(entry.commandLine, "");
    std::vector<std::string> encoders{"stale"}, paired;
    EXPECT_EQ(readEncoder(folder(dir), nullptr, &entry, 0, &encoders, &paired), 1);
    EXPECT_EQ(encoders, std::vector<std::string>{"stale"});
    EXPECT_TRUE(paired.empty());
    EXPECT_TRUE(boxes::shown().empty());
}

TEST(EncoderList, ReadsDefaultOrNumberedEntryAndFillsBothLists) {
    TempFolder dir;
    auto entries = plainEntries(3);
    entries[1].fileLine = "mpeg2 1 Wave Audio audio_ac3";
    dir.write("encoder.ini", encoderFileText("02", entries));
    EncoderEntry entry;
    std::vector<std::string> encoders, paired;
    EXPECT_EQ(readEncoder(folder(dir), nullptr, &entry, 0, &encoders, &paired), 1);
    EXPECT_STREQ(entry.number, "02");
    EXPECT_STREQ(entry.path, "C:\\enc\\e2.exe");
    EXPECT_STREQ(entry.pairedEncoder, "audio_ac3");  // the file line's other words: the pairing table
    EXPECT_STREQ(entry.commandLine, "-i %filename -o %ofile.m02 -k 2");
    EXPECT_EQ(encoders, (std::vector<std::string>{"enc1", "mpeg2", "enc3"}));
    EXPECT_EQ(paired, encoders);

    // An unpaired entry read into the same record leaves no pairing behind; the wave flag is
    // only ever set by the reader.
    EXPECT_EQ(readEncoder(folder(dir), nullptr, &entry, 3), 1);
    EXPECT_STREQ(entry.number, "03");
    EXPECT_STREQ(entry.description, "enc3");
    EXPECT_EQ(entry.colourSpace, 3);
    EXPECT_STREQ(entry.pairedEncoder, "");
    EXPECT_TRUE(entry.saveWave);
    EncoderEntry fresh;
    readEncoder(folder(dir), nullptr, &fresh, 3);
    EXPECT_FALSE(fresh.saveWave);
}

TEST(EncoderList, PairingReadsBackOnlyAfterTheWordAudio) {
    struct Case {
        const char* fileLine;
        const char* description;
        int code;
        bool wave;
        const char* paired;
    } cases[] = {
        {"audio_ac3 0 N ", "audio_ac3", 0, false, ""},
        {"mpeg2 1 Wave Audio audio_ac3", "mpeg2", 1, true, "audio_ac3"},
        {"mpeg2 2 N Audio mp2enc", "mpeg2", 2, false, "mp2enc"},
        {"mpeg2 2 N Other mp2enc", "mpeg2", 2, false, ""},
        {"solo", "solo", 0, false, ""},
    };
    for (const auto& c : cases) {
        EncoderEntry entry;
        parseEncoderFileLine(c.fileLine, &entry);
        EXPECT_STREQ(entry.description, c.description) << c.fileLine;
        EXPECT_EQ(entry.colourSpace, c.code) << c.fileLine;
        EXPECT_EQ(entry.saveWave, c.wave) << c.fileLine;
        EXPECT_STREQ(entry.pairedEncoder, c.paired) << c.fileLine;
    }
}

TEST(EncoderList, DeleteSecondOfFourRenumbersTheRest) {
    TempFolder dir;
    dir.write("encoder.ini", encoderFileText("01", plainEntries(4)));
    ASSERT_TRUE(deleteEncoder(folder(dir), nullptr, "enc2"));
    auto rest = plainEntries(4);
    rest.erase(rest.begin() + 1);
    rest[1].number = "02";
    rest[2].number = "03";
    // The entry's eight lines go; the two empty lines after it stay.
    std::string expected = encoderFileText("01", rest);
    expected.insert(expected.find("encoder\r\n02"), "\r\n\r\n");
    EXPECT_EQ(dir.read("encoder.ini"), expected);
    EXPECT_FALSE(dir.exists("encodertemp.ini"));
    EncoderEntry entry;
    readEncoder(folder(dir), nullptr, &entry, 2);
    EXPECT_STREQ(entry.description, "enc3");
}

TEST(EncoderList, DeleteKeepsTheDefaultOnTheSameEncoder) {
    struct Case {
        const char* before;
        const char* deleted;
        const char* after;
    } cases[] = {{"02", "enc2", "00"}, {"04", "enc2", "03"}, {"01", "enc2", "01"}, {"00", "enc1", "00"}};
    for (const auto& c : cases) {
        TempFolder dir;
        dir.write("encoder.ini", encoderFileText(c.before, plainEntries(4)));
        EncoderEntry before;
        readEncoder(folder(dir), nullptr, &before, 0);
        ASSERT_TRUE(deleteEncoder(folder(dir), nullptr, c.deleted));
        EncoderEntry after;
        readEncoder(folder(dir), nullptr, &after, 0);
        EXPECT_STREQ(after.number, c.after) << c.before << " " << c.deleted;
        if (std::string(c.after) != "00") EXPECT_STREQ(after.description, before.description);
    }
}

TEST(EncoderList, DeleteOfUnknownDescriptionChangesNothing) {
    TempFolder dir;
    std::string text = encoderFileText("01", plainEntries(2));
    dir.write("encoder.ini", text);
    EXPECT_FALSE(deleteEncoder(folder(dir), nullptr, "nothere"));
    EXPECT_EQ(dir.read("encoder.ini"), text);
}

TEST(EncoderList, DefaultTwelveIsWrittenInPlaceWithTheSameLength) {
    TempFolder dir;
    std::string text = encoderFileText("00", plainEntries(13));
    dir.write("encoder.ini", text);
    EncoderEntry entry;
    EXPECT_EQ(findEncoder(folder(dir), nullptr, &entry, "enc12", findAndMakeDefault), 12);
    std::string written = dir.read("encoder.ini");
    ASSERT_EQ(written.size(), text.size());
    size_t at = text.find("default encoder\r\n00") + 17;
    EXPECT_EQ(written.substr(at, 4), "12\r\n");
    written.replace(at, 2, "00");
    EXPECT_EQ(written, text);
    EXPECT_FALSE(dir.exists("temp.ini"));
    readEncoder(folder(dir), nullptr, &entry, 0);
    EXPECT_STREQ(entry.description, "enc12");
    // No match makes no encoder the default.
    EXPECT_EQ(findEncoder(folder(dir), nullptr, &entry, "nothere", findAndMakeDefault), 0);
    EXPECT_EQ(dir.read("encoder.ini"), text);
}

TEST(EncoderList, DefaultOfOtherWidthRewritesTheLine) {
    TempFolder dir;
    std::string text = encoderFileText("5", plainEntries(2));
    dir.write("encoder.ini", text);
    ASSERT_TRUE(setDefaultEncoder(folder(dir), nullptr, 2));
    EXPECT_EQ(dir.read("encoder.ini"), encoderFileText("02", plainEntries(2)));
    ASSERT_TRUE(setDefaultEncoder(folder(dir), nullptr, 100));
    EXPECT_EQ(dir.read("encoder.ini"), encoderFileText("100", plainEntries(2)));
}

TEST(EncoderList, FindLeavesTheColourSpaceCode) {
    TempFolder dir;
    dir.write("encoder.ini", encoderFileText("00", plainEntries(3)));
    EncoderEntry entry;
    entry.colourSpace = 9;
    EXPECT_EQ(findEncoder(folder(dir), nullptr, &entry, "enc3", findNumber), 3);
    EXPECT_EQ(entry.colourSpace, 3);
    entry.colourSpace = 9;
    EXPECT_EQ(findEncoder(folder(dir), nullptr, &entry, "enc", findNumber), 0);
    EXPECT_EQ(entry.colourSpace, 9);
}

TEST(EncoderList, EditRewritesFileLineAndCommandLineOnly) {
    TempFolder dir;
    dir.write("encoder.ini", encoderFileText("01", plainEntries(3)));
    EncoderEntry shown = withOptions(2, true);
    std::string longCommand(600, 'x');
    ASSERT_TRUE(editEncoder(folder(dir), nullptr, shown, "enc1", longCommand.c_str(), 2));
    auto expected = plainEntries(3);
    expected[1].fileLine = "enc2 2 Wave Audio enc1";
    expected[1].command = longCommand;
    EXPECT_EQ(dir.read("encoder.ini"), encoderFileText("01", expected));
    EXPECT_FALSE(dir.exists("temp.ini"));
    EncoderEntry entry;
    readEncoder(folder(dir), nullptr, &entry, 2);
    EXPECT_EQ(std::string(entry.commandLine), longCommand);
}

TEST(EncoderList, CommandLineThatReadsLikeAKeyStartsNoEntry) {
    TempFolder dir;
    auto entries = plainEntries(2);
    entries[0].command = "encoder";
    entries[1].command = "file";
    dir.write("encoder.ini", encoderFileText("02", entries));
    EncoderEntry entry;
    std::vector<std::string> encoders;
    readEncoder(folder(dir), nullptr, &entry, 0, &encoders);
    EXPECT_EQ(encoders, (std::vector<std::string>{"enc1", "enc2"}));
    EXPECT_STREQ(entry.commandLine, "file");
    EXPECT_EQ(findEncoder(folder(dir), nullptr, &entry, "enc2", findNumber), 2);
}

TEST(EncoderList, PathAndCommandByDescriptionAreCut) {
    TempFolder dir;
    auto entries = plainEntries(2);
    entries[1].path = std::string(259, 'p');
    entries[1].command = std::string(400, 'c');
    dir.write("encoder.ini", encoderFileText("01", entries));
    EncoderEntry entry;
    ASSERT_TRUE(getEncoderPathAndCommand(folder(dir), nullptr, &entry, "enc2"));
    EXPECT_EQ(std::string(entry.path), std::string(254, 'p'));
    EXPECT_EQ(std::string(entry.commandLine), std::string(254, 'c'));
    EncoderEntry none;
    EXPECT_FALSE(getEncoderPathAndCommand(folder(dir), nullptr, &none, "enc9"));
    EXPECT_STREQ(none.path, "");
}

TEST(EncoderList, MissingFileMessages) {
    TempFolder dir;
    std::string listPath = dir.path() + "encoder.ini";
    EncoderEntry entry;
    struct Case {
        const char* name;
        std::function<void()> run;
        std::vector<std::pair<std::string, std::string>> expected;  // text, title
    } cases[] = {
        {"read",
         [&] { readEncoder(folder(dir), nullptr, &entry, 0); },
         {{"Not able to open file! \n\" encoder.ini \"\nmust reside in the same folder as Zandolin.",
           "Reading encoder.ini"},
          {"The file \" encoder.ini \" can not be read or is missing.\n\nClick Yes, and Zandolin will make a "
           "new empty \" encoder.ini \" file.",
           "Zandolin"}}},
        {"find", [&] { findEncoder(folder(dir), nullptr, &entry, "a", findNumber); }, {{"not open", listPath}}},
        {"default", [&] { setDefaultEncoder(folder(dir), nullptr, 1); }, {{"not open 2", listPath}}},
        {"edit", [&] { editEncoder(folder(dir), nullptr, entry, "", "x", 1); }, {{"not open 3", listPath}}},
        {"edit zero",
         [&] { editEncoder(folder(dir), nullptr, entry, "", "x", 0); },
         {{"Something wrong with encoder.ini ", "Reading encoder.ini"}}},
        {"add", [&] { addEncoder(folder(dir), nullptr, entry, "a", "", nullptr, "p"); }, {{"not open 3", "New Encoder"}}},
        {"delete",
         [&] { deleteEncoder(folder(dir), nullptr, "a"); },
         {{"Could not open encoder.ini file", "Api Delete Encoder file Error"}}},
        {"path and command",
         [&] { getEncoderPathAndCommand(folder(dir), nullptr, &entry, "a"); },
         {{"Could not open encoder.ini file", "api  Get Path Com"}}},
    };
    for (const auto& c : cases) {
        boxes::reset();
        boxes::answer(answerOk);
        boxes::answer(answerNo);
        c.run();
        ASSERT_EQ(boxes::shown().size(), c.expected.size()) << c.name;
        for (size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(boxes::shown()[i].text, c.expected[i].first) << c.name;
            EXPECT_EQ(boxes::shown()[i].title, c.expected[i].second) << c.name;
        }
        EXPECT_FALSE(dir.exists("encoder.ini")) << c.name;
    }
}

TEST(EncoderList, UnreadableFileMessages) {
    // A folder in place of encoder.ini opens but cannot be read.
    TempFolder dir;
    std::filesystem::create_directory(dir.file("encoder.ini"));
    std::string listPath = dir.path() + "encoder.ini";
    EncoderEntry entry;
    struct Case {
        const char* name;
        std::function<void()> run;
        const char* text;
        std::string title;
    } cases[] = {
        {"read", [&] { readEncoder(folder(dir), nullptr, &entry, 0); }, "Something wrong with encoder.ini ",
         "Reading encoder.ini"},
        {"find", [&] { findEncoder(folder(dir), nullptr, &entry, "a", findNumber); }, "not good", listPath},
        {"default", [&] { setDefaultEncoder(folder(dir), nullptr, 1); }, "not good 2", listPath},
        {"edit", [&] { editEncoder(folder(dir), nullptr, entry, "", "x", 1); }, "not good 3", listPath},
        {"add", [&] { addEncoder(folder(dir), nullptr, entry, "a", "", nullptr, "p"); }, "not good 3", "New Encoder"},
    };
    for (const auto& c : cases) {
        boxes::reset();
        c.run();
        ASSERT_TRUE(onlyBox(c.text, c.title, mbOk)) << c.name;
    }
}

TEST(EncoderList, FailedRewriteLeavesTheFileAsItWas) {
    // A folder where the temporary file would go makes every rewrite fail.
    TempFolder dir;
    std::string text = encoderFileText("5", plainEntries(3));
    dir.write("encoder.ini", text);
    std::filesystem::create_directory(dir.file("temp.ini"));
    std::filesystem::create_directory(dir.file("encodertemp.ini"));
    std::string tempPath = dir.path() + "temp.ini";
    std::string listPath = dir.path() + "encoder.ini";
    EncoderEntry entry;
    struct Case {
        const char* name;
        std::function<bool()> run;
        const char* text;
        std::string title;
    } cases[] = {
        {"default", [&] { return setDefaultEncoder(folder(dir), nullptr, 1); }, "not good 2", listPath},
        {"edit", [&] { return editEncoder(folder(dir), nullptr, entry, "", "x", 1); }, "not good 3", tempPath},
        {"add", [&] { return addEncoder(folder(dir), nullptr, entry, "a", "", nullptr, "p"); }, "bad 3", "New Encoder"},
        {"delete", [&] { return deleteEncoder(folder(dir), nullptr, "enc1"); }, "Could not open encoder.ini file",
         "Api Delete Encoder file Error"},
    };
    for (const auto& c : cases) {
        boxes::reset();
        EXPECT_FALSE(c.run()) << c.name;
        ASSERT_TRUE(onlyBox(c.text, c.title)) << c.name;
        EXPECT_EQ(dir.read("encoder.ini"), text) << c.name;
    }
}
