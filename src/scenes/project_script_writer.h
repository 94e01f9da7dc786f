#pragma once
// The project script: an AviSynth script that imports the source script, cuts it into the
// scenes of the row file with trim, applies the transitions and joins the pieces.
//
// It is written in three passes over two intermediate files in the program folder, because a
// Dissolve borrows frames from the scenes on both sides: pass one gives each Dissolve row its
// own frame range ("pass1.tdt"), pass two shortens the neighbouring scenes ("pass2.tdt"), pass
// three writes the script. Intermediate lines read "%02i %s %i %i %i": number, transition ("-"
// for none), transition frames (0 for none), start, end.
#include "base/message_box.h"
#include "scenes/chapter_list.h"
#include "scenes/scene_list.h"

enum ScriptWriteResult {
    scriptWritten = 0,
    scriptRefused = 1,     // a Dissolve without a scene on both sides; box shown, nothing written
    scriptPassFailed = 2,  // pass one or two could not open its files ("Project Script File")
    scriptNotWritten = 3,  // pass three failed ("ProjectScriptFile pass three"); the old script stays
};

// Recounts the rows, takes a splice choice other than 1 or 2 as 1 (and stores it back), refuses
// a list whose Dissolves do not each stand between two scenes, and runs the three passes. The
// intermediate files are deleted when the script was written. The chapter file is written
// beside the script each time the script is.
int writeProjectScript(SceneListDisplay& list, const char* sourceScriptPath, const char* projectScriptPath);

// The steps one by one, for the tests; rowCount rows are read from each input.
int checkDissolves(const char* programFolder, int rowCount, WindowHandle owner);
int writePassOne(const char* programFolder, int rowCount, WindowHandle owner);
int writePassTwo(const char* programFolder, int rowCount, WindowHandle owner);
int writePassThree(const char* programFolder, int rowCount, const char* sourceScriptPath,
                   const char* projectScriptPath, int spliceChoice, WindowHandle owner,
                   ChapterPlan* chapters = nullptr);
