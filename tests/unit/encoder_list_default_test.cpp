#include <gtest/gtest.h>

#include "storage/encoder_list.h"
#include "support/box_expect.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

// The new file's bytes and the prompt's text are checked with the encoder list's other files.
TEST(EncoderListDefault, MissingFilePromptCreatesOnlyOnYes) {
    TempFolder dir;
    boxes::reset();
    boxes::answer(answerNo);
    EXPECT_FALSE(encoderFileMissingPrompt(dir.path().c_str(), nullptr));
    EXPECT_FALSE(dir.exists("encoder.ini"));
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
