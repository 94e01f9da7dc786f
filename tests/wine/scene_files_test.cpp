// The scene row files and the project script as the Windows build writes them: backslash
// folders, the atomic replace of the platform, and its printf.
#include <gtest/gtest.h>

#include <string>

#include "base/bounded_text.h"
#include "scenes/project_script_writer.h"
#include "scenes/row_entry.h"
#include "storage/project_file.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

TEST(SceneFilesOnWindows, RowsProjectFileAndScriptRoundTrip) {
    TempFolder dir;
    boxes::reset();
    ASSERT_EQ(dir.path().back(), '\\');
    SceneListDisplay list;
    list.programFolder = dir.path().c_str();
    ASSERT_EQ(commitRow(list, "", "", "0", "1499"), 0);
    ASSERT_EQ(commitRow(list, "FadeOut", "45", "3000", "4499"), 0);
    ASSERT_EQ(commitRow(list, "", "", "6000", "6999"), 0);
    ASSERT_TRUE(beginInsert(list, 1, false));
    ASSERT_EQ(commitRow(list, "Dissolve", "30", "-", "-"), 0);
    const std::string rows =
        crlfLines({"r01 - - 0 1499", "r02 Dissolve 30 - -", "r03 FadeOut 45 3000 4499", "r04 - - 6000 6999"});
    EXPECT_EQ(dir.read("rowdat.vlr"), rows);

    ProjectNames names{};
    copyText(names.projectFilePath, dir.file("holiday.jvl").c_str());
    copyText(names.sourceScriptPath, "C:\\clips\\holiday.avs");
    ASSERT_TRUE(saveProject(list.programFolder, names, nullptr));
    dir.write("rowdat.vlr", "");
    ASSERT_TRUE(loadProject(list.programFolder, names, nullptr));
    EXPECT_EQ(dir.read("rowdat.vlr"), rows);
    EXPECT_EQ(std::string(names.projectScriptPath), dir.file("holiday_vlprj.avs"));
    EXPECT_STREQ(names.projectFileTitle, "holiday");

    dir.write("holiday_vlprj.avs", "an older script, replaced in place");
    ASSERT_EQ(writeProjectScript(list, names.sourceScriptPath, names.projectScriptPath), scriptWritten);
    EXPECT_EQ(dir.read("holiday_vlprj.avs"),
              "###  Project Script Created by Zandolin  ###\r\n#########################################\r\n\r\n"
              "Import(\"C:\\clips\\holiday.avs\")\r\n\r\n\r\n"
              "t01 = trim(0,1458)\r\n"
              "t02 = Dissolve(trim(1459,1499),trim(3000,3040),30)\r\n"
              "t03 = FadeOut(trim(3041,4499),45)\r\n"
              "t04 = trim(6000,6999)\r\n"
              "\r\n"
              "t01++t02++t03++t04");
    EXPECT_FALSE(dir.exists("pass1.tdt"));
    EXPECT_FALSE(dir.exists("holiday_vlprj.avs.tmp"));
    EXPECT_TRUE(boxes::shown().empty());
}

TEST(SceneFilesOnWindows, NumbersBeyondTheIntRangeArePrinted) {
    TempFolder dir;
    dir.write("rowdat.vlr", crlfLines({"r01 - - 0 2147483647", "r02 Dissolve 2147483647 - -", "r03 - - 2147483647 1"}));
    SceneListDisplay list;
    list.programFolder = dir.path().c_str();
    ASSERT_EQ(writeProjectScript(list, "s.avs", dir.file("p.avs").c_str()), scriptWritten);
    std::string text = dir.read("p.avs");
    EXPECT_NE(text.find("trim(2147483647,4294967304)"), std::string::npos) << text;
}
