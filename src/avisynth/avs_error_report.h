#pragma once
// The numbered AviSynth error reports (levels 1 to 12): their texts, titles and what they
// mean for the operation that reported them.
#include <cstddef>

constexpr size_t avsReportSize = 2048;

// String-table entry of a level (11201 for level 1 ...).
int errorStringId(int level);
const char* errorTitle(int level);
// The detail text for a level and a call result; avsMessage is the binding's message buffer.
const char* errorDetail(int level, int code, const char* avsMessage);
// Entry text, and for levels 3 to 12 the detail and "\n\nAVSERR_nn\n..." tail; cut to cap.
size_t composeErrorReport(void* instance, int level, int code, const char* avsMessage, char* dst, size_t cap);
bool errorIsFatal(int level, int code);
// Levels 8, 9, 11 and 12 are cleared by their report; 10 becomes 11; the rest stay pending.
int errorLevelAfterReport(int level);
