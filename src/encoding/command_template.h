#pragma once
// Command lines of encoders and tool buttons, built from a template with the placeholders
// "%filename" (the script), "%ofilename" and "%ofile.xyz" (the output file).
#include <cstddef>

constexpr size_t encoderCommandCap = 2048;
constexpr size_t toolCommandCap = 512;

// A template cut at its placeholders: head up to the first "%"; a "%" followed by "f" is
// stepped over with the length of "%filename"; middle up to the next "%"; a "%" followed by
// "o" is stepped over with ten characters (the length of "%ofilename" and of "%ofile.xyz");
// tail is the rest. A piece that does not begin before the end is empty.
struct TemplateSplit {
    char head[1024] = {};
    char middle[1024] = {};
    char tail[1024] = {};
    bool outputPlaceholder = false;
    bool empty = true;  // the template itself was empty
};
void splitTemplate(const char* commandTemplate, TemplateSplit* split);

// The encoder's command line: the quoted program, the head, the quoted input script, the
// middle, the quoted output file when the template names one, and the tail.
size_t buildEncoderCommandLine(char* out, size_t cap, const char* programPath,
                               const char* commandTemplate, const char* inputScript,
                               const char* outputFile);

// Looks for the first "%o" of the template. A following "file." with an extension makes that
// extension (three characters) the output extension; whenever "%o" was found the filter is
// "*.<extension>", so "%ofilename" keeps the extension it was given. False when no "%o".
bool probeTemplateOutputExtension(const char* commandTemplate, char (&outputExtension)[4],
                                  char (&outputFilter)[32]);

// The command line of a paired audio encoder. The template is taken word by word: the first
// two words beginning with "%" are placeholders, "%filename" (the input script), "%ofilename"
// (the output name ending in "_Audio.mpa") or "%ofile.xyz" (the output name ending in xyz).
// Output placeholders edit one copy of the output name, one after the other.
size_t buildPairedAudioCommandLine(char* out, size_t cap, const char* programPath,
                                   const char* commandTemplate, const char* inputScript,
                                   const char* outputFile);

// A tool button's command line. Without an output placeholder middle and tail are joined
// without a blank; with one, the format of an encoder's is used with outputScript (the
// project or source script, never the preview script) and outputFile. An empty template
// gives the quoted program alone. Returns false, with out empty, when the template needs an
// output file and none is known (empty, or the marker "No Outfile").
bool buildToolCommandLine(char* out, size_t cap, const char* programPath, const char* commandTemplate,
                          const char* inputScript, const char* outputScript, const char* outputFile);
