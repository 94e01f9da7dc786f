#include <gtest/gtest.h>

#include "storage/encoder_list.h"
#include "support/box_expect.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

TEST(EncoderListDefault, NewFileLayoutByteForByte) {
    TempFolder dir;
    boxes::reset();
    ASSERT_TRUE(createDefaultEncoderFile(dir.path().c_str(), nullptr));
    EXPECT_EQ(dir.read("encoder.ini"),
              "#### encoder.ini ####\r\n#####################\r\n\r\n\r\ndefault encoder\r\n00\r\n"
              "\r\n\r\nend encoder.ini\r\n");
    EXPECT_TRUE(boxes::shown().empty());
}

TEST(EncoderListDefault, MissingFilePromptCreatesOnlyOnYes) {
    TempFolder dir;
    boxes::reset();
    boxes::answer(answerNo);
    EXPECT_FALSE(encoderFileMissingPrompt(dir.path().c_str(), nullptr));
    EXPECT_FALSE(dir.exists("encoder.ini"));
    ASSERT_TRUE(onlyBox("The file \" encoder.ini \" can not be read or is missing.\n\nClick Yes, and Zandolin "
                        "will make a new empty \" encoder.ini \" file.",
                        "Zandolin"));
    EXPECT_EQ(boxes::shown()[0].flags & 0xF, unsigned(mbYesNo));
    boxes::answer(answerYes);
    EXPECT_TRUE(encoderFileMissingPrompt(dir.path().c_str(), nullptr));
    EXPECT_TRUE(dir.exists("encoder.ini"));
}

TEST(EncoderListDefault, UnwritableFolderShowsTheBox) {
    boxes::reset();
    EXPECT_FALSE(createDefaultEncoderFile("/nonexistent-folder-for-zandolin/", nullptr));
    ASSERT_TRUE(onlyBox("error encoder.ini not open", "Create Encoder Ini"));
}
