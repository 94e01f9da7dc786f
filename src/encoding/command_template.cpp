#include "encoding/command_template.h"

#include <cstring>

#include "base/bounded_text.h"

namespace {
const char* text(const char* s) { return s ? s : ""; }

// Steps from the "%" at start over count characters, never past the end.
size_t stepOver(const char* s, size_t length, size_t start, size_t count) {
    return start + count < length ? start + count : length;
}
}  // namespace

void splitTemplate(const char* commandTemplate, TemplateSplit* split) {
    *split = TemplateSplit{};
    const char* s = text(commandTemplate);
    size_t length = strlen(s);
    split->empty = length == 0;
    size_t i = 0;
    while (i < length && s[i] != '%') ++i;
    copyTextN(split->head, sizeof split->head, s, i);
    if (i >= length) return;
    size_t percent = i++;
    if (i < length && s[i] == 'f') i = stepOver(s, length, percent, 9);
    size_t start = i;
    while (i < length && s[i] != '%') ++i;
    copyTextN(split->middle, sizeof split->middle, s + start, i - start);
    if (i >= length) return;
    percent = i++;
    if (i < length && s[i] == 'o') {
        i = stepOver(s, length, percent, 10);
        split->outputPlaceholder = true;
    }
    copyText(split->tail, sizeof split->tail, s + i);
}

size_t buildEncoderCommandLine(char* out, size_t cap, const char* programPath,
                               const char* commandTemplate, const char* inputScript,
                               const char* outputFile) {
    TemplateSplit split;
    splitTemplate(commandTemplate, &split);
    const char q = '"';
    if (split.outputPlaceholder)
        return formatText(out, cap, "%c%s%c %s %c%s%c %s %c%s%c %s", q, text(programPath), q, split.head,
                          q, text(inputScript), q, split.middle, q, text(outputFile), q, split.tail);
    return formatText(out, cap, "%c%s%c %s %c%s%c %s %s", q, text(programPath), q, split.head, q,
                      text(inputScript), q, split.middle, split.tail);
}

bool probeTemplateOutputExtension(const char* commandTemplate, char (&outputExtension)[4],
                                  char (&outputFilter)[32]) {
    const char* found = strstr(text(commandTemplate), "%o");
    if (!found) return false;
    const char* o = found + 1;
    // "%ofile." puts the "." five places after the "o"; each step checks for the end first.
    size_t reach = 0;
    while (reach < 5 && o[reach + 1] != '\0') ++reach;
    if (reach == 5 && o[5] == '.') copyTextN(outputExtension, sizeof outputExtension, o + 6, 3);
    formatText(outputFilter, sizeof outputFilter, "*.%s", outputExtension);
    return true;
}

bool buildToolCommandLine(char* out, size_t cap, const char* programPath, const char* commandTemplate,
                          const char* inputScript, const char* outputScript, const char* outputFile) {
    TemplateSplit split;
    splitTemplate(commandTemplate, &split);
    const char q = '"';
    if (split.empty) {
        formatText(out, cap, "%c%s%c", q, text(programPath), q);
        return true;
    }
    if (!split.outputPlaceholder) {
        formatText(out, cap, "%c%s%c %s %c%s%c %s%s", q, text(programPath), q, split.head, q,
                   text(inputScript), q, split.middle, split.tail);
        return true;
    }
    if (!outputFile || !*outputFile || strcmp(outputFile, "No Outfile") == 0) {
        if (out && cap) out[0] = '\0';
        return false;
    }
    formatText(out, cap, "%c%s%c %s %c%s%c %s %c%s%c %s", q, text(programPath), q, split.head, q,
               text(outputScript), q, split.middle, q, outputFile, q, split.tail);
    return true;
}
