#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "editor/editor_startup.h"
#include "editor/script_document.h"
#include "editor/script_editor.h"
#include "support/box_expect.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"
#include "wine/editor_fixture.h"

namespace {

class EditorDocument : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.ready()) << "SciLexer.dll did not load or bind";
        boxes::reset();
    }
    EditorWindow& window = EditorWindow::shared();
    TempFolder temp;
};

TEST_F(EditorDocument, GetTextNeverWritesPastTheBuffer) {
    scriptEditor.setText("abcdef");
    size_t n = scriptEditor.length();
    ASSERT_EQ(n, 6u);
    std::string buffer(n + 8, '#');
    // With the buffer's room (length + 1) as the count, exactly the text and a zero arrive.
    scriptEditor.call(sciGetText, n + 1, reinterpret_cast<intptr_t>(buffer.data()));
    EXPECT_EQ(buffer.substr(0, n + 1), std::string("abcdef") + '\0');
    EXPECT_EQ(buffer.substr(n + 1), std::string(7, '#'));
    EXPECT_EQ(scriptEditor.text(), "abcdef");
}

TEST_F(EditorDocument, LoadAndSaveRoundTripsEveryByte) {
    const std::string content = std::string("a = 1\r\n# x\0y\r\nBlur(a)\r\n", 24) + std::string(5000, 'z');
    temp.write("in.avs", content);
    ScriptDocument doc;
    ASSERT_EQ(doc.load(temp.file("in.avs").c_str()), 0);
    EXPECT_EQ(scriptEditor.length(), content.size());
    doc.setModified();
    doc.save(temp.file("out.avs").c_str());
    EXPECT_FALSE(doc.saveFailed());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(temp.read("out.avs"), content);

    ScriptDocument empty;
    temp.write("empty.avs", "");
    EXPECT_EQ(empty.load(temp.file("empty.avs").c_str()), 0);
    EXPECT_EQ(scriptEditor.length(), 0u);
}

TEST_F(EditorDocument, LoadFailureKeepsTheTextAndRunFlagSkips) {
    ScriptDocument doc;
    scriptEditor.setText("kept");
    EXPECT_EQ(doc.load(temp.file("missing.avs").c_str()), 1);
    EXPECT_EQ(doc.load(temp.file("missing.avs").c_str(), 0), 0);
    EXPECT_EQ(scriptEditor.text(), "kept");
}

TEST_F(EditorDocument, SaveFailureKeepsModified) {
    ScriptDocument doc;
    scriptEditor.setText("x");
    doc.setModified();
    doc.save(temp.file("no such folder\\out.avs").c_str());
    EXPECT_TRUE(doc.saveFailed());
    EXPECT_TRUE(doc.isModified());
    doc.save(temp.file("out.avs").c_str(), 2);
    EXPECT_FALSE(temp.exists("out.avs"));
    doc.save(temp.file("out.avs").c_str());
    EXPECT_FALSE(doc.saveFailed());
    EXPECT_EQ(temp.read("out.avs"), "x");
}

TEST_F(EditorDocument, ModifiedPromptTexts) {
    ScriptDocument doc;
    EXPECT_EQ(doc.modifiedPrompt("C:\\a.avs", nullptr), 0);
    EXPECT_TRUE(boxes::shown().empty());
    doc.setModified();
    boxes::answer(answerNo);
    EXPECT_EQ(doc.modifiedPrompt("C:\\a.avs", window.main), answerNo);
    EXPECT_EQ(doc.modifiedPrompt("", window.main), answerCancel);
    ASSERT_EQ(boxes::shown().size(), 2u);
    for (const RecordedBox& box : boxes::shown()) {
        EXPECT_EQ(box.title, "Save file");
        EXPECT_EQ(box.flags, unsigned(mbYesNoCancel | mbIconQuestion));
        EXPECT_EQ(box.owner, window.main);
    }
    // A long path is cut to the 400-character text.
    doc.modifiedPrompt(std::string(600, 'p').c_str(), nullptr);
    EXPECT_EQ(boxes::shown().back().text.size(), 399u);
}

std::string previewTrailer(const char* fileName) {
    return std::string("\r\n\r\n### \"windat.avs\"\r\n### preview script  from Zandolin\r\n### edited source file \"") +
           fileName + "\"\r\n\r\n";
}

TEST_F(EditorDocument, UnmodifiedPreviewUsesTheSavedScript) {
    ScriptDocument doc;
    scriptEditor.setText("Version()");
    EXPECT_EQ(doc.writePreviewScript(nullptr, temp.path().c_str(), "a.avs"), previewReady);
    EXPECT_EQ(std::string(doc.previewTarget()), temp.file("a.avs"));
    EXPECT_FALSE(temp.exists("windat.avs"));
}

TEST_F(EditorDocument, PreviewScriptInTheScriptsFolderByteForByte) {
    ScriptDocument doc;
    const std::string text("Version()\r\n# \0end", 17);
    scriptEditor.setText("");
    scriptEditor.call(sciAppendText, text.size(), reinterpret_cast<intptr_t>(text.data()));
    doc.setModified();
    EXPECT_EQ(doc.writePreviewScript(nullptr, temp.path().c_str(), "clip.avs"), previewReady);
    EXPECT_EQ(temp.read("windat.avs"), text + previewTrailer("clip.avs"));
    EXPECT_EQ(std::string(doc.previewTarget()), temp.file("windat.avs"));
    EXPECT_EQ(std::string(doc.previewScriptPath()), temp.file("windat.avs"));
    EXPECT_TRUE(boxes::shown().empty());
}

TEST_F(EditorDocument, NeverSavedScriptPreviewsNextToTheProgram) {
    ScriptDocument doc;
    doc.setProgramFolder(temp.path().c_str());
    EXPECT_EQ(std::string(doc.programFolder()), temp.path());
    scriptEditor.setText("LoadPlugin(\"x.dll\")\r\nBlankClip()");
    doc.setModified();
    EXPECT_EQ(doc.writePreviewScript(nullptr, "", "untitled"), previewReady);
    EXPECT_TRUE(boxes::shown().empty());  // "LoadPlugin" is not the word "Load"
    EXPECT_EQ(temp.read("windat.avs"), "LoadPlugin(\"x.dll\")\r\nBlankClip()" + previewTrailer("untitled"));
}

TEST_F(EditorDocument, TheLoadWordAsksToSaveFirst) {
    ScriptDocument doc;
    doc.setProgramFolder(temp.path().c_str());
    scriptEditor.setText("Load \"a.dll\"\r\nBlankClip()");
    doc.setModified();
    boxes::answer(answerCancel);
    boxes::answer(answerYes);
    boxes::answer(answerNo);
    EXPECT_EQ(doc.writePreviewScript(window.main, "", "untitled"), previewCancelled);
    EXPECT_EQ(doc.writePreviewScript(window.main, "", "untitled"), previewSaveFirst);
    EXPECT_FALSE(temp.exists("windat.avs"));
    EXPECT_EQ(doc.writePreviewScript(window.main, "", "untitled"), previewReady);
    EXPECT_TRUE(temp.exists("windat.avs"));
    ASSERT_EQ(boxes::shown().size(), 3u);
    for (const RecordedBox& box : boxes::shown()) {
        EXPECT_EQ(box.text,
                  "Zandolin has detected that you are trying to manually load an external componet.\n\n"
                  "You need to save this script so that Zandolin can resolve the\nfile and external componet paths.\n\n"
                  "Once the script has been saved, Zandolin will use the current \nfile path to resovle this issue.\n\n"
                  "Shall we save the script now?");
        EXPECT_EQ(box.title, "Preview Script");
        EXPECT_EQ(box.flags, unsigned(mbYesNoCancel | mbIconInformation));
    }
    // With a folder the word does not matter.
    boxes::reset();
    EXPECT_EQ(doc.writePreviewScript(window.main, temp.path().c_str(), "s.avs"), previewReady);
    EXPECT_TRUE(boxes::shown().empty());
}

TEST_F(EditorDocument, UnwritablePreviewSaysNotOpenAndStillTargetsIt) {
    ScriptDocument doc;
    scriptEditor.setText("x");
    doc.setModified();
    std::string folder = temp.file("missing\\");
    EXPECT_EQ(doc.writePreviewScript(window.main, folder.c_str(), "s.avs"), previewReady);
    ASSERT_TRUE(onlyBox("not open", folder + "windat.avs"));
    EXPECT_EQ(std::string(doc.previewTarget()), folder + "windat.avs");
}

TEST_F(EditorDocument, StartupTexts) {
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(temp.path().c_str()));
    temp.write("btip.txt", "tips\r\n");
    temp.write("alpha.txt", "alpha\r\n");
    ScriptDocument doc;
    scriptEditor.setText("before");
    loadStartupTexts(doc, false, false);
    EXPECT_EQ(scriptEditor.text(), "before");
    loadStartupTexts(doc, true, false);
    EXPECT_EQ(scriptEditor.text(), "tips\r\n");
    EXPECT_FALSE(scriptEditor.modified());
    EXPECT_EQ(scriptEditor.call(sciCanUndo), 0);
    loadStartupTexts(doc, false, true);
    EXPECT_EQ(scriptEditor.text(), "alpha\r\n");
    SetCurrentDirectoryA(previous);
}

}  // namespace
