// Compares the script styler with the editing component's own AviSynth lexer on the same
// 1 MB script and about 2,000 function names. Built by scripts/bench-styler.sh, which compiles
// the lexer from the component's source package next to this file (never committed).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "ILexer.h"
#include "LexerModule.h"
#include "Scintilla.h"

#include "editor/function_names.h"
#include "editor/script_styler.h"

extern const Lexilla::LexerModule lmAVS;

namespace {

// A flat document for the lexer: text, one style byte per character and line starts.
class FlatDocument : public Scintilla::IDocument {
public:
    explicit FlatDocument(const std::string& t) : text(t), styles(t.size(), 0) {
        lineStarts.push_back(0);
        for (size_t i = 0; i < text.size(); ++i)
            if (text[i] == '\n') lineStarts.push_back(static_cast<Sci_Position>(i + 1));
        levels.assign(lineStarts.size() + 1, 0x400);
        states.assign(lineStarts.size() + 1, 0);
    }
    int SCI_METHOD Version() const override { return Scintilla::dvRelease4; }
    void SCI_METHOD SetErrorStatus(int) override {}
    Sci_Position SCI_METHOD Length() const override { return static_cast<Sci_Position>(text.size()); }
    void SCI_METHOD GetCharRange(char* buffer, Sci_Position position, Sci_Position length) const override {
        std::copy_n(text.data() + position, length, buffer);
    }
    char SCI_METHOD StyleAt(Sci_Position position) const override { return static_cast<char>(styles[position]); }
    Sci_Position SCI_METHOD LineFromPosition(Sci_Position position) const override {
        return std::upper_bound(lineStarts.begin(), lineStarts.end(), position) - lineStarts.begin() - 1;
    }
    Sci_Position SCI_METHOD LineStart(Sci_Position line) const override {
        if (line < 0) return 0;
        if (static_cast<size_t>(line) >= lineStarts.size()) return Length();
        return lineStarts[line];
    }
    int SCI_METHOD GetLevel(Sci_Position line) const override { return levels[clampLine(line)]; }
    int SCI_METHOD SetLevel(Sci_Position line, int level) override { return levels[clampLine(line)] = level; }
    int SCI_METHOD GetLineState(Sci_Position line) const override { return states[clampLine(line)]; }
    int SCI_METHOD SetLineState(Sci_Position line, int state) override { return states[clampLine(line)] = state; }
    void SCI_METHOD StartStyling(Sci_Position position) override { styleAt = position; }
    bool SCI_METHOD SetStyleFor(Sci_Position length, char style) override {
        std::fill_n(styles.begin() + styleAt, length, static_cast<unsigned char>(style));
        styleAt += length;
        return true;
    }
    bool SCI_METHOD SetStyles(Sci_Position length, const char* s) override {
        std::copy_n(s, length, styles.begin() + styleAt);
        styleAt += length;
        return true;
    }
    void SCI_METHOD DecorationSetCurrentIndicator(int) override {}
    void SCI_METHOD DecorationFillRange(Sci_Position, int, Sci_Position) override {}
    void SCI_METHOD ChangeLexerState(Sci_Position, Sci_Position) override {}
    int SCI_METHOD CodePage() const override { return 0; }
    bool SCI_METHOD IsDBCSLeadByte(char) const override { return false; }
    const char* SCI_METHOD BufferPointer() override { return text.c_str(); }
    int SCI_METHOD GetLineIndentation(Sci_Position) override { return 0; }
    Sci_Position SCI_METHOD LineEnd(Sci_Position line) const override {
        Sci_Position end = LineStart(line + 1);
        while (end > LineStart(line) && (text[end - 1] == '\n' || text[end - 1] == '\r')) --end;
        return end;
    }
    Sci_Position SCI_METHOD GetRelativePosition(Sci_Position start, Sci_Position offset) const override {
        Sci_Position p = start + offset;
        return p < 0 || p > Length() ? -1 : p;
    }
    int SCI_METHOD GetCharacterAndWidth(Sci_Position position, Sci_Position* width) const override {
        if (width) *width = 1;
        return static_cast<unsigned char>(text[position]);
    }

private:
    size_t clampLine(Sci_Position line) const { return std::min<size_t>(static_cast<size_t>(line), levels.size() - 1); }
    std::string text;
    std::vector<unsigned char> styles;
    std::vector<Sci_Position> lineStarts;
    std::vector<int> levels, states;
    Sci_Position styleAt = 0;
};

struct Names {
    std::vector<std::string> internal, plugin;
};

Names makeNames() {
    const char* stems[] = {"Convert", "Blur", "Sharpen", "Resize", "Trim", "Crop", "Levels", "Tweak", "Denoise",
                           "Deblock", "Merge", "Overlay", "Mask", "Layer", "Fade", "Dissolve", "Select", "Shift",
                           "Swap", "Color", "Luma", "Chroma", "Audio", "Normalize", "Amplify", "Mix", "Info",
                           "Stack", "Flip", "Turn", "Reverse", "Loop", "Frame", "Field", "Bob", "Weave", "Separate",
                           "Assume", "Temporal", "Spatial", "Motion", "Degrain", "Analyse", "Compensate", "Flow",
                           "Edge", "Line", "Grain", "Dither", "Deband"};
    const char* endings[] = {"", "Ex", "YV12", "RGB", "Fast", "HQ", "MT", "2", "Luma", "Chroma", "Plus", "Mod",
                             "Simple", "Advanced", "8", "16", "Float", "Clip", "Frames", "Fields", "Left", "Right",
                             "Top", "Bottom", "Soft", "Hard", "Auto", "Manual", "Old", "New", "Pro", "Lite",
                             "Median", "Mean", "Min", "Max", "X", "Y", "V", "Z"};
    Names names;
    int i = 0;
    for (const char* s : stems)
        for (const char* e : endings) {
            std::string n = std::string(s) + e;
            (i++ % 4 == 3 ? names.plugin : names.internal).push_back(n);
        }
    return names;
}

std::string makeScript(const Names& names) {
    std::string script;
    size_t k = 0;
    auto name = [&](size_t j) -> const std::string& {
        const auto& list = (j % 4 == 3) ? names.plugin : names.internal;
        return list[(j * 7919) % list.size()];
    };
    while (script.size() < 1000000) {
        script += "# step " + std::to_string(k) + ": \"" + name(k) + "\" then " + name(k + 1) + "\r\n";
        script += "clip" + std::to_string(k % 10) + " = " + name(k) + "(clip, " + std::to_string(k % 17) +
                  ", mode=\"" + name(k + 2) + " #x\").";
        script += name(k + 3) + "(0.5)." + name(k + 5) + "Extra(1) + " + name(k + 4) + "\r\n";
        script += "x = \"\"\"multi \" quote\"\"\" + String(" + std::to_string(k) + ")  # " + name(k + 6) + "\r\n";
        k += 7;
    }
    return script;
}

template <typename F>
double bestMilliseconds(int runs, F&& f) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        auto t0 = std::chrono::steady_clock::now();
        f();
        auto t1 = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    return best;
}

std::string lowerJoined(const std::vector<std::string>& list) {
    std::string out;
    for (const std::string& n : list) {
        for (char c : n) out += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        out += ' ';
    }
    return out;
}

}  // namespace

int main() {
    Names names = makeNames();
    std::string script = makeScript(names);
    std::printf("script: %zu bytes, %zu function names (%zu plug-in)\n", script.size(),
                names.internal.size() + names.plugin.size(), names.plugin.size());

    FunctionNameTable table;
    for (const auto& n : names.internal) table.add(n.c_str(), false);
    for (const auto& n : names.plugin) table.add(n.c_str(), true);
    table.sort();
    std::vector<unsigned char> styles(script.size());
    size_t styledOurs = 0;
    double ours = bestMilliseconds(7, [&] {
        styledOurs = styleScript(script.data(), script.size(), script.size(), true, table, styles.data());
    });
    size_t nameBytes = 0;
    for (unsigned char s : styles) nameBytes += (s == 2 || s == 3);

    Scintilla::ILexer5* lexer = lmAVS.Create();
    lexer->WordListSet(1, lowerJoined(names.internal).c_str());
    lexer->WordListSet(2, lowerJoined(names.plugin).c_str());
    double theirs = bestMilliseconds(7, [&] {
        FlatDocument doc(script);
        lexer->Lex(0, static_cast<Sci_Position>(script.size()), 0, &doc);
    });
    // The document's construction (line index) is not lexing: time it alone and take it off.
    double setup = bestMilliseconds(7, [&] { FlatDocument doc(script); });
    lexer->Release();

    std::printf("styler: %.2f ms (%zu characters, %zu in function names)\n", ours, styledOurs, nameBytes);
    std::printf("LexAVS: %.2f ms (after %.2f ms of document set-up taken off)\n", theirs - setup, setup);
    std::printf("ratio LexAVS / styler: %.2f\n", (theirs - setup) / ours);
    return 0;
}
