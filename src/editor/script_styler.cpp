#include "editor/script_styler.h"

#include <cstring>

#include "editor/scintilla_contract.h"

namespace {

bool endsName(char c) {
    return c == '.' || c == '(' || c == ' ' || c == ')' || c == '\r' || c == '\n' || c == '=';
}

bool tripleQuoteAt(const char* text, size_t length, size_t pos) {
    return pos + 2 < length && text[pos] == '"' && text[pos + 1] == '"' && text[pos + 2] == '"';
}

}  // namespace

size_t styleScript(const char* text, size_t length, size_t to, bool atTextEnd,
                   const FunctionNameTable& names, unsigned char* styles) {
    if (to > length) to = length;
    size_t pos = 0;
    while (pos < to) {
        char c = text[pos];
        if (c == '#') {
            while (pos < length && text[pos] != '\r' && text[pos] != '\n') styles[pos++] = styleComment;
            continue;
        }
        if (c == '"') {
            bool triple = tripleQuoteAt(text, length, pos);
            size_t quote = triple ? 3 : 1;
            std::memset(styles + pos, styleString, quote);
            pos += quote;
            // The string runs to its closing quote(s), or as far as it must be styled.
            while (pos < length) {
                if (text[pos] == '"' && (!triple || tripleQuoteAt(text, length, pos))) {
                    std::memset(styles + pos, styleString, quote);
                    pos += quote;
                    break;
                }
                if (pos >= to) break;
                styles[pos++] = styleString;
            }
            continue;
        }
        NameRange range = names.narrow(names.all(), 0, static_cast<unsigned char>(c));
        if (range.empty()) {
            styles[pos++] = stylePlain;
            continue;
        }
        // Collect while the text is still the beginning of some name.
        size_t run = 1;
        while (pos + run < length) {
            NameRange longer = names.narrow(range, run, static_cast<unsigned char>(text[pos + run]));
            if (longer.empty()) break;
            range = longer;
            ++run;
        }
        unsigned char style = stylePlain;
        bool afterBreak = pos > 0 && (text[pos - 1] == '_' || text[pos - 1] == ')');
        if (!afterBreak && names.wholeAt(range, run)) {
            size_t next = pos + run;
            if ((next < length && endsName(text[next])) || (next >= length && atTextEnd))
                style = names.at(range.first).plugin ? stylePluginName : styleInternalName;
        }
        std::memset(styles + pos, style, run);
        pos += run;
    }
    return pos;
}
