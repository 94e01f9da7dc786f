#pragma once
// Where the test run keeps things. The test script exports Unix paths; under Wine they are
// reached through drive Z:.
#include <string>

// The value of an environment variable naming a Unix folder, as a path this process can open,
// with a trailing separator. Empty when the variable is not set.
std::string testFolderFromEnv(const char* name);
// Folder of Zandolin.exe with SciLexer.dll ($ZANDOLIN_PROGRAM).
inline std::string programBuildFolder() { return testFolderFromEnv("ZANDOLIN_PROGRAM"); }
// Folder of the test programs ($ZANDOLIN_TEST_BIN).
inline std::string testBinFolder() { return testFolderFromEnv("ZANDOLIN_TEST_BIN"); }
// The repository ($ZANDOLIN_ROOT).
inline std::string repoFolder() { return testFolderFromEnv("ZANDOLIN_ROOT"); }
