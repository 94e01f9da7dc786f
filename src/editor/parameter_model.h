#pragma once
// The parameter dialog's model: fields from AviSynth's parameter string, their labels and
// values, the call text composed from them, and an existing call read back into them.
#include <cstddef>
#include <string>
#include <vector>

constexpr size_t parameterNameSize = 65;    // 64 characters
constexpr size_t parameterValueSize = 261;  // 260 characters
constexpr size_t parameterValueLimit = 257; // longer values stop the composition
constexpr size_t parameterNoteSize = 65;
constexpr int parameterRowsVisible = 11;

struct ParameterField {
    char type = 0;                      // 'c', 'i', 'f', 'b', 's' or whatever letter stood there
    char label[parameterNameSize] = {}; // the name, "clip" for an unnamed clip, else empty
    std::string value;
    bool include = false;
};

enum ComposeResult { composeDone = 0, composeTooLong = 1 };
enum ReadBackResult { readBackFilled = 0, readBackTooMany = 1 };

class ParameterModel {
public:
    // Builds the fields. A string beginning with "N" is a notice: it becomes the note and the
    // fields stay empty.
    void open(const char* parameterString, const char* functionName);

    size_t fieldCount() const { return fields.size(); }
    ParameterField& field(size_t i) { return fields[i]; }
    const ParameterField& field(size_t i) const { return fields[i]; }
    const char* note() const { return noteText; }
    const char* functionName() const { return function.c_str(); }
    const char* parameterString() const { return parameters.c_str(); }
    // The vertical scroll range is 0 .. scrollMaximum().
    int scrollMaximum() const;

    // Composes the call text from the included fields. On a value longer than 257 characters
    // shows the "Error: String Length" box and leaves the call text as it was.
    ComposeResult compose(void* owner);
    const std::string& callText() const { return call; }

    // Reads the argument text of an existing call into the fields. clipNames is the list built
    // by collectAssignedNames; a clip name is known when it is one of its pieces.
    ReadBackResult readBack(const std::string& argumentText, const std::string& clipNames, void* owner);

private:
    std::vector<ParameterField> fields;
    std::string function;
    std::string parameters;
    std::string call;
    char noteText[parameterNoteSize] = {};
};

// "clip", "int", "float", "bool", "string", or empty for any other letter.
const char* parameterTypeName(char type);
// Fields of a parameter string: letters outside brackets except "+", "." and "*".
size_t countParameterFields(const char* parameterString);

// The names assigned in a script ("name =" outside parentheses), each followed by ",".
std::string collectAssignedNames(const std::string& scriptText);
// True when name is one of the comma-terminated pieces of list (any case).
bool clipNameKnown(const std::string& list, const std::string& name);
