#pragma once
// The functions the stand-in announces, with the parameter-type strings AviSynth+ 3.7.5
// publishes for them. Only some of them are evaluated (script_engine.cpp).
#include <string>

namespace standin {

struct FunctionEntry {
    const char* name;
    const char* parameters;
    bool plugin;
    // What the evaluator binds arguments by, when the published string names another
    // overload or ends in a list it does not take; null: the published string.
    const char* signature = nullptr;
};

// Null-terminated table.
const FunctionEntry* functionTable();
const FunctionEntry* findFunction(const std::string& name);  // without regard to case
// The blank-separated lists published as "$InternalFunctions$" and "$PluginFunctions$".
std::string functionList(bool plugins);

}  // namespace standin
