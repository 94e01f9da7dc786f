#pragma once
// The stand-in frame server's script language: a small subset of AviSynth's, enough for
// the scripts Zandolin writes and the tests need. Comments, global and local assignments,
// return, numbers, strings, booleans, + ++ - * /, calls with named arguments, method calls,
// implicit `last`, Import of other scripts; clip functions BlankClip, Trim, Dissolve, the
// Fade family, the splices, KillAudio/KillVideo and the field-parity assumptions. Frame and
// audio-sample counts follow AviSynth's rules. Errors read as AviSynth's do ("Script error:
// ..." with file, line and column). Portable: built into the DLL and natively for tests and
// fuzzing, which compile script_engine.cpp and function_table.cpp by path.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "script_value.h"

namespace standin {

struct Argument {
    std::string name;  // empty for a positional argument
    Value value;
};

class ScriptEngine {
public:
    // "AviSynth 2.60, build:..." as VersionString gives it.
    std::string versionText = "AviSynth 2.60, build:Jan  1 2026 [00:00:00]";
    // Reads a script file into text; false when it cannot. Replaceable (the fuzz target
    // gives scripts no file access).
    std::function<bool(const std::string& path, std::string& text)> readFile;
    // The message of the last failure.
    std::string error;

    ScriptEngine();

    // Import: evaluates the script file; its value in result.
    bool importFile(const std::string& path, Value& result);
    // Evaluates script text under a file name (used in messages).
    bool evaluate(const std::string& text, const std::string& fileName, Value& result);
    // Calls a function by name with positional arguments.
    bool invoke(const std::string& name, const std::vector<Value>& arguments, Value& result);
    bool functionExists(const std::string& name) const;
    // Globals and the published "$...$" variables; false when not defined.
    bool getVariable(const std::string& name, Value& value) const;
    void setGlobal(const std::string& name, const Value& value);

    // Used by the evaluator.
    bool call(const std::string& name, std::vector<Argument> arguments, const Value* last, Value& result);
    int importDepth = 0;
    int nestingDepth = 0;       // expressions being evaluated, across imports
    std::string currentFolder;  // of the script being imported

private:
    std::map<std::string, Value> globals;  // keys in lower case
};

bool readWholeFile(const std::string& path, std::string& text);
// Audio samples that cover a number of frames (frames x rate x fps denominator / numerator).
bool samplesForFrames(const ClipInfo& clip, int64_t frames, int64_t& samples);

}  // namespace standin
