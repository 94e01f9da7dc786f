#include "script_engine.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numeric>

#include "function_table.h"

namespace standin {
namespace {

constexpr size_t maxScriptBytes = 1 << 20;
// Shared by all scripts of one import chain, so nested imports cannot multiply the stack use.
constexpr int maxNesting = 100;
constexpr int maxImportDepth = 16;
constexpr int maxSide = 16384;
constexpr int64_t maxSamples = int64_t(1) << 52;

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// ---------------------------------------------------------------- tokens

enum class Tok { End, Newline, Name, Int, Float, String, Symbol };

struct Token {
    Tok kind = Tok::End;
    std::string text;  // name, string contents or symbol
    int64_t integer = 0;
    double number = 0.0;
    int line = 1;
    int column = 0;
    int endColumn = 0;  // just after the token; a line break ends at column 0 of its own line
};

class Lexer {
public:
    explicit Lexer(const std::string& source) : s(source) {}

    // False with message and position set on a lexical error.
    bool run(std::vector<Token>& out, std::string& message, int& line, int& column) {
        size_t ended = out.size();
        while (true) {
            while (ended < out.size()) out[ended++].endColumn = col;
            skipBlanks();
            Token t;
            t.line = ln;
            t.column = col;
            if (i >= s.size()) {
                t.kind = Tok::End;
                t.endColumn = col;
                out.push_back(t);
                return true;
            }
            char c = s[i];
            if (c == '#') {
                while (i < s.size() && s[i] != '\n') advance();
                continue;
            }
            if (c == '/' && peek(1) == '*') {
                advance();
                advance();
                while (i < s.size() && !(s[i] == '*' && peek(1) == '/')) advance();
                if (i >= s.size()) return fail("Script error: unterminated comment", t, message, line, column);
                advance();
                advance();
                continue;
            }
            if (c == '\n') {
                advance();
                // A line that begins with a backslash continues the previous one.
                size_t j = i;
                while (j < s.size() && (s[j] == ' ' || s[j] == '\t' || s[j] == '\r')) ++j;
                if (j < s.size() && s[j] == '\\') {
                    while (i <= j) advance();
                    continue;
                }
                t.kind = Tok::Newline;
                out.push_back(t);
                continue;
            }
            if (c == '\\') {
                // A backslash that ends a line joins it with the next.
                size_t j = i + 1;
                while (j < s.size() && (s[j] == ' ' || s[j] == '\t' || s[j] == '\r')) ++j;
                if (j >= s.size() || s[j] == '\n') {
                    while (i <= j && i < s.size()) advance();
                    continue;
                }
                return fail("Script error: syntax error", t, message, line, column);
            }
            if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
                t.kind = Tok::Name;
                while (i < s.size() && (std::isalnum(static_cast<unsigned char>(s[i])) || s[i] == '_')) {
                    t.text += s[i];
                    advance();
                }
                out.push_back(t);
                continue;
            }
            if (std::isdigit(static_cast<unsigned char>(c)) || (c == '.' && std::isdigit(static_cast<unsigned char>(peek(1))))) {
                std::string digits;
                bool isFloat = false;
                while (i < s.size() && (std::isdigit(static_cast<unsigned char>(s[i])) || s[i] == '.')) {
                    if (s[i] == '.') {
                        if (isFloat) break;
                        isFloat = true;
                    }
                    digits += s[i];
                    advance();
                }
                if (isFloat) {
                    t.kind = Tok::Float;
                    t.number = std::strtod(digits.c_str(), nullptr);
                } else {
                    t.kind = Tok::Int;
                    if (digits.size() > 10 || std::strtoll(digits.c_str(), nullptr, 10) > 2147483647LL)
                        return fail("Script error: integer too large", t, message, line, column);
                    t.integer = std::strtoll(digits.c_str(), nullptr, 10);
                }
                out.push_back(t);
                continue;
            }
            if (c == '$') {
                advance();
                std::string hex;
                while (i < s.size() && std::isxdigit(static_cast<unsigned char>(s[i])) && hex.size() < 9) {
                    hex += s[i];
                    advance();
                }
                if (hex.empty() || hex.size() > 8) return fail("Script error: syntax error", t, message, line, column);
                t.kind = Tok::Int;
                t.integer = static_cast<int32_t>(static_cast<uint32_t>(std::strtoul(hex.c_str(), nullptr, 16)));
                out.push_back(t);
                continue;
            }
            if (c == '"') {
                t.kind = Tok::String;
                bool triple = peek(1) == '"' && peek(2) == '"';
                advance();
                if (triple) {
                    advance();
                    advance();
                    while (i < s.size() && !(s[i] == '"' && peek(1) == '"' && peek(2) == '"')) {
                        t.text += s[i];
                        advance();
                    }
                    if (i >= s.size()) return fail("Parse error: string missing closing quotation mark", t, message, line, column);
                    advance();
                    advance();
                    advance();
                } else {
                    while (i < s.size() && s[i] != '"' && s[i] != '\n') {
                        t.text += s[i];
                        advance();
                    }
                    if (i >= s.size() || s[i] != '"') return fail("Parse error: string missing closing quotation mark", t, message, line, column);
                    advance();
                }
                out.push_back(t);
                continue;
            }
            t.kind = Tok::Symbol;
            if (c == '+' && peek(1) == '+') {
                t.text = "++";
                advance();
                advance();
            } else if (c == '=' && peek(1) == '=') {
                t.text = "==";
                advance();
                advance();
            } else if (std::string("(),.=+-*/").find(c) != std::string::npos) {
                t.text = std::string(1, c);
                advance();
            } else {
                return fail("unexpected character \"" + std::string(1, c) + "\"", t, message, line, column);
            }
            out.push_back(t);
        }
    }

private:
    const std::string& s;
    size_t i = 0;
    int ln = 1;
    int col = 0;

    char peek(size_t ahead) const { return i + ahead < s.size() ? s[i + ahead] : '\0'; }
    void advance() {
        if (i < s.size() && s[i] == '\n') {
            ++ln;
            col = 0;
        } else {
            ++col;
        }
        ++i;
    }
    void skipBlanks() {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r')) advance();
    }
    static bool fail(const std::string& what, const Token& t, std::string& message, int& line, int& column) {
        message = what;
        line = t.line;
        column = t.column;
        return false;
    }
};

// ---------------------------------------------------------------- parameter binding

struct Param {
    std::string name;
    bool named = false;
    char type = '.';
    char repeat = 0;  // '+', '*' or 0
};

std::vector<Param> parseParameterTypes(const char* types) {
    std::vector<Param> params;
    for (const char* p = types; *p;) {
        Param param;
        if (*p == '[') {
            ++p;
            while (*p && *p != ']') param.name += *p++;
            if (*p) ++p;
            param.named = true;
        }
        if (!*p) break;
        param.type = *p++;
        if (*p == '+' || *p == '*') param.repeat = *p++;
        params.push_back(param);
    }
    return params;
}

bool typeMatches(const Value& v, char type) {
    switch (type) {
    case 'c': return v.type == ValueType::Clip;
    case 'i': return v.type == ValueType::Int;
    case 'f': return v.isNumber();
    case 'b': return v.type == ValueType::Bool;
    case 's': return v.type == ValueType::String;
    default: return v.type != ValueType::Void;
    }
}

using Bound = std::vector<std::vector<Value>>;

bool bindArguments(const std::vector<Param>& params, const std::vector<Argument>& args, Bound& bound) {
    bound.assign(params.size(), {});
    std::vector<const Value*> positional;
    for (const Argument& a : args)
        if (a.name.empty()) positional.push_back(&a.value);
    size_t pos = 0;
    for (size_t k = 0; k < params.size(); ++k) {
        const Param& p = params[k];
        if (p.repeat) {
            while (pos < positional.size() && typeMatches(*positional[pos], p.type)) bound[k].push_back(*positional[pos++]);
            if (p.repeat == '+' && bound[k].empty()) return false;
        } else if (pos < positional.size()) {
            if (!typeMatches(*positional[pos], p.type)) return false;
            bound[k].push_back(*positional[pos++]);
        } else if (!p.named) {
            return false;
        }
    }
    if (pos < positional.size()) return false;
    for (const Argument& a : args) {
        if (a.name.empty()) continue;
        size_t k = 0;
        while (k < params.size() && !(params[k].named && !params[k].name.empty() && lower(params[k].name) == lower(a.name))) ++k;
        if (k == params.size() || !bound[k].empty() || !typeMatches(a.value, params[k].type)) return false;
        bound[k].push_back(a.value);
    }
    return true;
}

// ---------------------------------------------------------------- clip operations

int intArg(const Bound& b, size_t k, int fallback) { return b[k].empty() ? fallback : b[k][0].integer; }
bool boolArg(const Bound& b, size_t k, bool fallback) { return b[k].empty() ? fallback : b[k][0].boolean; }

unsigned pixelTypeFromName(const std::string& name) {
    std::string n = lower(name);
    if (n == "rgb24") return (1u << 0) | (1u << 28) | (1u << 30);
    if (n == "rgb32") return (1u << 1) | (1u << 28) | (1u << 30);
    if (n == "yuy2") return (1u << 2) | (1u << 29) | (1u << 30);
    if (n == "yv12") return (1u << 3) | (1u << 29) | (1u << 31);
    return 0;
}

int sampleTypeFromName(const std::string& name) {
    std::string n = lower(name);
    if (n == "8bit") return 1;
    if (n == "16bit") return 2;
    if (n == "24bit") return 4;
    if (n == "32bit") return 8;
    if (n == "float") return 16;
    return 0;
}

bool blankClip(const Bound& b, ClipInfo& out, std::string& err) {
    ClipInfo c;
    c.width = 640;
    c.height = 480;
    c.frameCount = 240;
    c.pixelType = pixelTypeFromName("RGB32");
    c.audioRate = 44100;
    c.channels = 1;
    c.sampleType = 2;
    if (!b[0].empty()) c = *b[0][0].clip;
    if (!b[12].empty()) c = *b[12][0].clip;
    c.frameCount = intArg(b, 1, c.frameCount);
    c.width = intArg(b, 2, c.width);
    c.height = intArg(b, 3, c.height);
    if (!b[4].empty()) {
        c.pixelType = pixelTypeFromName(b[4][0].text);
        if (!c.pixelType) return err = "BlankClip: pixel_type must be \"RGB32\", \"RGB24\", \"YUY2\" or \"YV12\"", false;
    }
    if (!b[5].empty()) {
        const Value& fps = b[5][0];
        if (!b[6].empty()) {
            if (fps.type != ValueType::Int || fps.integer <= 0 || b[6][0].integer <= 0 || b[6][0].integer > 1000000)
                return err = "BlankClip: invalid frame rate", false;
            c.fpsNumerator = static_cast<unsigned>(fps.integer);
            c.fpsDenominator = static_cast<unsigned>(b[6][0].integer);
        } else {
            double f = fps.asDouble();
            if (!(f > 0.0009) || !(f < 1000000.0)) return err = "BlankClip: invalid frame rate", false;
            // As AviSynth+ does: the rate over the largest power of two that keeps the numerator
            // below 2^25, in lowest terms (29.97 gives 31425823/1048576).
            uint64_t denominator = uint64_t(1) << 30;
            while (denominator > 1 && std::llround(f * static_cast<double>(denominator)) >= (1LL << 25)) denominator /= 2;
            uint64_t numerator = static_cast<uint64_t>(std::llround(f * static_cast<double>(denominator)));
            while (denominator > 1 && numerator % 2 == 0) numerator /= 2, denominator /= 2;
            if (numerator == 0 || numerator > 0xFFFFFFFFu) return err = "BlankClip: invalid frame rate", false;
            c.fpsNumerator = static_cast<unsigned>(numerator);
            c.fpsDenominator = static_cast<unsigned>(denominator);
        }
    }
    c.audioRate = intArg(b, 7, c.audioRate);
    c.channels = intArg(b, 8, c.channels);
    if (!b[9].empty()) {
        c.sampleType = sampleTypeFromName(b[9][0].text);
        if (!c.sampleType) return err = "BlankClip: sample_type must be \"8bit\", \"16bit\", \"24bit\", \"32bit\" or \"float\"", false;
    }
    if (c.frameCount < 0) return err = "BlankClip: length must not be negative", false;
    if (c.width < 0 || c.height < 0 || c.width > maxSide || c.height > maxSide)
        return err = "BlankClip: width and height must be between 0 and 16384", false;
    if (c.pixelType & (1u << 3) && (c.width % 2 || c.height % 2))
        return err = "BlankClip: YV12 width and height must be multiples of 2", false;
    if (c.pixelType & (1u << 2) && c.width % 2) return err = "BlankClip: YUY2 width must be a multiple of 2", false;
    if (c.audioRate < 0 || c.audioRate > 1000000 || c.channels < 0 || c.channels > 32)
        return err = "BlankClip: invalid audio_rate or channels", false;
    if (c.audioRate == 0 || c.channels == 0) {
        c.audioRate = 0;
        c.channels = 0;
        c.audioSamples = 0;
    } else if (!samplesForFrames(c, c.frameCount, c.audioSamples)) {
        return err = "BlankClip: the audio is too long", false;
    }
    if (c.width == 0 || c.height == 0) {
        c.width = c.height = 0;
        c.pixelType = 0;
    }
    out = c;
    return true;
}

// Out-of-range frame numbers are pulled into the clip rather than refused: a last frame below
// the first gives that one frame, and an empty clip still gives one frame (first is -1 then).
bool trim(const ClipInfo& in, int firstArg, int lastArg, bool pad, ClipInfo& out, std::string& err) {
    if (!in.hasVideo()) return err = "Trim: Cannot trim if there is no video.", false;
    int64_t count = in.frameCount;
    int64_t first = std::min<int64_t>(std::max<int64_t>(firstArg, 0), count - 1);
    int64_t last = lastArg;
    if (lastArg == 0) last = count - 1;
    else if (lastArg < 0) last = first - static_cast<int64_t>(lastArg) - 1;
    last = std::min<int64_t>(std::max<int64_t>(last, first), count - 1);
    out = in;
    out.frameCount = static_cast<int>(last + 1 - first);
    if (in.hasAudio()) {
        int64_t start = 0, end = 0;
        if (!samplesForFrames(in, first, start) || !samplesForFrames(in, last + 1, end))
            return err = "Trim: the audio is too long", false;
        if (!pad) end = lastArg == 0 ? in.audioSamples : std::min(end, in.audioSamples);
        out.audioSamples = pad ? end - start : std::max<int64_t>(0, end - start);
    }
    return true;
}

bool compatible(const ClipInfo& a, const ClipInfo& b, const char* who, std::string& err) {
    std::string w = who;
    if (a.hasVideo() != b.hasVideo()) return err = w + ": one clip has video and the other doesn't (not allowed)", false;
    if (a.hasVideo()) {
        if (a.width != b.width || a.height != b.height) return err = w + ": Frame sizes don't match", false;
        if (a.pixelType != b.pixelType) return err = w + ": video formats don't match", false;
        if (uint64_t(a.fpsNumerator) * b.fpsDenominator != uint64_t(b.fpsNumerator) * a.fpsDenominator)
            return err = w + ": Video framerate doesn't match", false;
    }
    if (a.hasAudio() != b.hasAudio()) return err = w + ": one clip has audio and the other doesn't (not allowed)", false;
    if (a.hasAudio()) {
        if (a.audioRate != b.audioRate) return err = w + ": sound rates don't match", false;
        if (a.channels != b.channels) return err = w + ": The number of audio channels doesn't match", false;
        if (a.sampleType != b.sampleType) return err = w + ": The type of audio samples doesn't match", false;
    }
    return true;
}

bool addFrames(int64_t total, ClipInfo& out, const char* who, std::string& err) {
    if (total > 2147483647LL) return err = std::string(who) + ": the resulting clip is too long", false;
    out.frameCount = static_cast<int>(std::max<int64_t>(total, 0));
    return true;
}

bool addSamples(int64_t total, ClipInfo& out, const char* who, std::string& err) {
    if (total > maxSamples) return err = std::string(who) + ": the audio is too long", false;
    out.audioSamples = std::max<int64_t>(total, 0);
    return true;
}

// Inputs by value: callers pass their output as one of them.
// Inputs by value: callers pass their output as one of them.
bool splice(const ClipInfo a, const ClipInfo b, bool aligned, ClipInfo& out, std::string& err) {
    const char* who = "Splice";
    if (!compatible(a, b, who, err)) return false;
    out = a;
    if (!addFrames(int64_t(a.frameCount) + b.frameCount, out, who, err)) return false;
    if (a.hasAudio()) {
        // Without frames there is nothing to align the sound to.
        int64_t firstPart = a.audioSamples;
        if (aligned && a.frameCount > 0 && !samplesForFrames(a, a.frameCount, firstPart))
            return err = "Splice: the audio is too long", false;
        if (!addSamples(firstPart + b.audioSamples, out, who, err)) return false;
    }
    return true;
}

// The second clip starts overlap frames before the end of the first, or at its start when the
// overlap is longer than the first clip.
bool dissolve(const ClipInfo a, const ClipInfo b, int overlap, ClipInfo& out, std::string& err) {
    const char* who = "Dissolve";
    if (a.hasVideo() != b.hasVideo()) return err = "Dissolve: one clip has video and the other doesn't (not allowed)", false;
    if (a.hasAudio() != b.hasAudio()) return err = "Dissolve: one clip has audio and the other doesn't (not allowed)", false;
    if (overlap < 0) return err = "Dissolve: Cannot dissolve if overlap is less than zero", false;
    if (!compatible(a, b, who, err)) return false;
    out = a;
    int64_t fadeStart = int64_t(a.frameCount) - overlap;
    if (!addFrames(std::max<int64_t>(fadeStart, 0) + b.frameCount, out, who, err)) return false;
    if (a.hasAudio()) {
        int64_t audioStart = 0;
        if (!samplesForFrames(a, fadeStart, audioStart)) return err = "Dissolve: the audio is too long", false;
        if (!addSamples(std::max<int64_t>(audioStart, 0) + b.audioSamples, out, who, err)) return false;
    }
    return true;
}

// A fade dissolves from or into a black clip of frames + extra frames made from the clip.
bool fade(const ClipInfo& in, int frames, int extra, bool fadeIn, bool fadeOut, ClipInfo& out, std::string& err) {
    ClipInfo black = in;
    if (!addFrames(int64_t(frames) + extra, black, "Fade", err)) return false;
    if (in.hasAudio() && !samplesForFrames(in, black.frameCount, black.audioSamples))
        return err = "Fade: the audio is too long", false;
    ClipInfo step = in;
    if (fadeIn && !dissolve(black, step, frames, step, err)) return false;
    if (fadeOut && !dissolve(step, black, frames, step, err)) return false;
    out = step;
    return true;
}

}  // namespace

bool samplesForFrames(const ClipInfo& clip, int64_t frames, int64_t& samples) {
    if (clip.fpsNumerator == 0) {
        samples = 0;
        return true;
    }
    __int128 s = static_cast<__int128>(frames) * clip.audioRate * clip.fpsDenominator / clip.fpsNumerator;
    if (s > maxSamples || s < -maxSamples) return false;
    samples = static_cast<int64_t>(s);
    return true;
}

bool readWholeFile(const std::string& path, std::string& text) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    text.clear();
    char buffer[4096];
    size_t n;
    bool ok = true;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        text.append(buffer, n);
        if (text.size() > maxScriptBytes) {
            ok = false;
            break;
        }
    }
    std::fclose(f);
    return ok;
}

// ---------------------------------------------------------------- evaluator

namespace {

class Evaluator {
public:
    Evaluator(ScriptEngine& engine, const std::vector<Token>& tokens, const std::string& file)
        : engine(engine), toks(tokens), file(file) {}

    bool run(Value& result) {
        result = Value();
        while (true) {
            while (at().kind == Tok::Newline) ++p;
            if (at().kind == Tok::End) return true;
            bool returned = false;
            if (!statement(result, returned)) return false;
            if (returned) return true;
            if (at().kind != Tok::Newline && at().kind != Tok::End) return syntaxError(at(), "syntax error");
        }
    }

private:
    ScriptEngine& engine;
    const std::vector<Token>& toks;
    std::string file;
    size_t p = 0;
    std::map<std::string, Value> locals;

    const Token& at(size_t ahead = 0) const {
        size_t k = std::min(p + ahead, toks.size() - 1);
        return toks[k];
    }
    bool isSymbol(const char* s, size_t ahead = 0) const {
        return at(ahead).kind == Tok::Symbol && at(ahead).text == s;
    }
    bool isName(const char* s) const { return at().kind == Tok::Name && lower(at().text) == s; }

    // Syntax errors name the place just after the token that did not fit.
    bool syntaxError(const Token& t, const std::string& what) {
        engine.error = "Script error: " + what + "\n(" + file + ", line " + std::to_string(t.line) + ", column " +
                       std::to_string(t.endColumn) + ")";
        return false;
    }
    bool runtimeError(const Token& t, const std::string& what) {
        engine.error = what + "\n(" + file + ", line " + std::to_string(t.line) + ")";
        return false;
    }

    bool statement(Value& result, bool& returned) {
        const Token& start = at();
        if (isName("return")) {
            ++p;
            if (!expression(result)) return false;
            returned = true;
            return true;
        }
        bool global = false;
        if (isName("global")) {
            global = true;
            ++p;
            if (at().kind != Tok::Name || !isSymbol("=", 1)) return syntaxError(at(), "`global' must be followed by a variable name");
        }
        if (at().kind == Tok::Name && isSymbol("=", 1)) {
            std::string name = lower(at().text);
            p += 2;
            Value value;
            if (!expression(value)) return false;
            if (value.type == ValueType::Void) return runtimeError(start, "Script error: the value assigned is void");
            if (global) engine.setGlobal(name, value);
            else locals[name] = value;
            result = Value();
            return true;
        }
        if (!expression(result)) return false;
        if (result.type == ValueType::Clip) locals["last"] = result;
        return true;
    }

    bool expression(Value& out) {
        if (engine.nestingDepth >= maxNesting) return syntaxError(at(), "the expression is nested too deeply");
        ++engine.nestingDepth;
        bool ok = additive(out);
        --engine.nestingDepth;
        return ok;
    }

    bool additive(Value& out) {
        if (!multiplicative(out)) return false;
        while (isSymbol("+") || isSymbol("++") || isSymbol("-")) {
            const Token& op = at();
            ++p;
            Value right;
            if (!multiplicative(right)) return false;
            if (!combine(op, out, right)) return false;
        }
        return true;
    }

    bool multiplicative(Value& out) {
        if (!unary(out)) return false;
        while (isSymbol("*") || isSymbol("/")) {
            const Token& op = at();
            ++p;
            Value right;
            if (!unary(right)) return false;
            if (!combine(op, out, right)) return false;
        }
        return true;
    }

    bool combine(const Token& op, Value& left, const Value& right) {
        const std::string& o = op.text;
        if (left.type == ValueType::Clip && right.type == ValueType::Clip && (o == "+" || o == "++")) {
            ClipInfo joined;
            std::string err;
            if (!splice(*left.clip, *right.clip, o == "++", joined, err)) return runtimeError(op, err);
            left = Value::ofClip(joined);
            return true;
        }
        if (o == "+" && left.type == ValueType::String && right.type == ValueType::String) {
            if (left.text.size() + right.text.size() > maxScriptBytes) return runtimeError(op, "Evaluate: string too long");
            left.text += right.text;
            return true;
        }
        if (o != "++" && left.isNumber() && right.isNumber()) {
            if (left.type == ValueType::Int && right.type == ValueType::Int) {
                int64_t a = left.integer, b = right.integer, r = 0;
                if (o == "+") r = a + b;
                else if (o == "-") r = a - b;
                else if (o == "*") r = a * b;
                else {
                    if (b == 0) return runtimeError(op, "Evaluate: division by zero");
                    r = a / b;
                }
                left = Value::ofInt(static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(r))));
                return true;
            }
            double a = left.asFloat(), b = right.asFloat(), r = 0;
            if (o == "+") r = a + b;
            else if (o == "-") r = a - b;
            else if (o == "*") r = a * b;
            else r = a / b;
            left = Value::ofFloat(static_cast<float>(r));
            return true;
        }
        if (o == "++") return runtimeError(op, "Evaluate: operands of `++' must be clips");
        return runtimeError(op, "Evaluate: operands of `" + o + "' must both be numbers, strings, or clips");
    }

    bool unary(Value& out) {
        if (isSymbol("-")) {
            const Token& op = at();
            ++p;
            if (engine.nestingDepth >= maxNesting) return syntaxError(op, "the expression is nested too deeply");
            ++engine.nestingDepth;
            bool ok = unary(out);
            --engine.nestingDepth;
            if (!ok) return false;
            if (out.type == ValueType::Int) out.integer = static_cast<int32_t>(0u - static_cast<uint32_t>(out.integer));
            else if (out.type == ValueType::Float) out = Value::ofFloat(-out.precise);
            else return runtimeError(op, "Evaluate: unary minus can only be used with numbers");
            return true;
        }
        return postfix(out);
    }

    bool postfix(Value& out) {
        if (!primary(out)) return false;
        while (isSymbol(".")) {
            ++p;
            if (at().kind != Tok::Name) return syntaxError(at(), "expected a function name after `.'");
            const Token& name = at();
            ++p;
            std::vector<Argument> args;
            args.push_back(Argument{"", out});
            if (isSymbol("(") && !arguments(args)) return false;
            Value result;
            if (!callNamed(name, args, result)) return false;
            out = result;
        }
        return true;
    }

    bool primary(Value& out) {
        const Token& t = at();
        switch (t.kind) {
        case Tok::Int: ++p; out = Value::ofInt(static_cast<int>(t.integer)); return true;
        case Tok::Float: ++p; out = Value::ofFloat(t.number); return true;
        case Tok::String: ++p; out = Value::ofString(t.text); return true;
        case Tok::Name: break;
        case Tok::Symbol:
            if (t.text == "(") {
                ++p;
                if (!expression(out)) return false;
                if (!isSymbol(")")) return syntaxError(at(), "expected a )");
                ++p;
                return true;
            }
            return syntaxError(t, "syntax error");
        default: return syntaxError(t, "syntax error");
        }
        std::string name = lower(t.text);
        ++p;
        if (name == "true" || name == "yes") return out = Value::ofBool(true), true;
        if (name == "false" || name == "no") return out = Value::ofBool(false), true;
        if (isSymbol("(")) {
            std::vector<Argument> args;
            if (!arguments(args)) return false;
            return callNamed(t, args, out);
        }
        auto local = locals.find(name);
        if (local != locals.end()) return out = local->second, true;
        if (engine.getVariable(name, out)) return true;
        if (findFunction(name)) return callNamed(t, {}, out);
        return runtimeError(t, "I don't know what '" + t.text + "' means.");
    }

    bool arguments(std::vector<Argument>& args) {
        ++p;  // "("
        if (isSymbol(")")) {
            ++p;
            return true;
        }
        while (true) {
            Argument a;
            if (at().kind == Tok::Name && isSymbol("=", 1)) {
                a.name = at().text;
                p += 2;
            }
            if (!expression(a.value)) return false;
            args.push_back(a);
            if (isSymbol(")")) {
                ++p;
                return true;
            }
            if (!isSymbol(",")) return syntaxError(at(), "expected a , or )");
            ++p;
        }
    }

    bool callNamed(const Token& name, const std::vector<Argument>& args, Value& out) {
        if (!findFunction(name.text)) return runtimeError(name, "Script error: There is no function named '" + name.text + "'.");
        auto last = locals.find("last");
        if (!engine.call(name.text, args, last != locals.end() ? &last->second : nullptr, out)) {
            // Errors from inside an imported script already carry their position; add ours.
            return runtimeError(name, engine.error);
        }
        return true;
    }
};

std::string folderOf(const std::string& path) {
    size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

bool isAbsolute(const std::string& path) {
    return (!path.empty() && (path[0] == '/' || path[0] == '\\')) || (path.size() > 1 && path[1] == ':');
}

}  // namespace

ScriptEngine::ScriptEngine() : readFile(readWholeFile) {}

bool ScriptEngine::evaluate(const std::string& text, const std::string& fileName, Value& result) {
    std::vector<Token> tokens;
    std::string message;
    int line = 0, column = 0;
    Lexer lexer(text);
    if (!lexer.run(tokens, message, line, column)) {
        error = message + "\n(" + fileName + ", line " + std::to_string(line) + ", column " +
                std::to_string(column) + ")";
        return false;
    }
    Evaluator evaluator(*this, tokens, fileName);
    return evaluator.run(result);
}

bool ScriptEngine::importFile(const std::string& path, Value& result) {
    if (importDepth >= maxImportDepth) {
        error = "Import: scripts import each other too deeply";
        return false;
    }
    std::string text;
    if (!readFile || !readFile(path, text)) {
        error = "Import: couldn't open \"" + path + "\"";
        return false;
    }
    std::string savedFolder = currentFolder;
    currentFolder = folderOf(path);
    ++importDepth;
    bool ok = evaluate(text, path, result);
    --importDepth;
    currentFolder = savedFolder;
    return ok;
}

bool ScriptEngine::functionExists(const std::string& name) const { return findFunction(name) != nullptr; }

bool ScriptEngine::getVariable(const std::string& name, Value& value) const {
    std::string key = lower(name);
    if (key == "$internalfunctions$") return value = Value::ofString(functionList(false)), true;
    if (key == "$pluginfunctions$") return value = Value::ofString(functionList(true)), true;
    if (key.size() > 15 && key.compare(0, 8, "$plugin!") == 0 && key.compare(key.size() - 7, 7, "!param$") == 0) {
        const FunctionEntry* f = findFunction(name.substr(8, name.size() - 15));
        if (!f) return false;
        value = Value::ofString(f->parameters);
        return true;
    }
    auto it = globals.find(key);
    if (it == globals.end()) return false;
    value = it->second;
    return true;
}

void ScriptEngine::setGlobal(const std::string& name, const Value& value) { globals[lower(name)] = value; }

bool ScriptEngine::invoke(const std::string& name, const std::vector<Value>& arguments, Value& result) {
    std::vector<Argument> args;
    for (const Value& v : arguments) args.push_back(Argument{"", v});
    return call(name, args, nullptr, result);
}

bool ScriptEngine::call(const std::string& name, std::vector<Argument> args, const Value* last, Value& result) {
    const FunctionEntry* f = findFunction(name);
    if (!f) {
        error = "Script error: There is no function named '" + name + "'.";
        return false;
    }
    std::vector<Param> params = parseParameterTypes(f->signature ? f->signature : f->parameters);
    Bound bound;
    bool firstIsClip = !params.empty() && params[0].type == 'c' && !params[0].named && params[0].repeat != '*';
    bool haveClipFirst = !args.empty() && args[0].name.empty() && args[0].value.type == ValueType::Clip;
    bool boundOk = false;
    if (firstIsClip && !haveClipFirst && last && last->type == ValueType::Clip) {
        std::vector<Argument> withLast = args;
        withLast.insert(withLast.begin(), Argument{"", *last});
        boundOk = bindArguments(params, withLast, bound);
    }
    if (!boundOk) boundOk = bindArguments(params, args, bound);
    if (!boundOk) {
        error = std::string("Script error: Invalid arguments to function '") + f->name + "'.";
        return false;
    }

    std::string n = lower(f->name);
    std::string err;
    ClipInfo out;
    auto clipAt = [&](size_t k) -> const ClipInfo& { return *bound[k][0].clip; };
    auto done = [&](bool ok) {
        if (!ok) {
            error = err;
            return false;
        }
        result = Value::ofClip(out);
        return true;
    };

    if (n == "import") {
        Value value;
        for (const Value& pathValue : bound[0]) {
            if (pathValue.text.empty()) {
                error = "Import: unable to locate \"\" (try specifying a path), error=0x57";
                return false;
            }
            // A relative path is taken from the folder of the script that imports it.
            std::string path = pathValue.text;
            if (!isAbsolute(path) && !currentFolder.empty()) path = currentFolder + path;
            if (!importFile(path, value)) return false;
        }
        result = value;
        return true;
    }
    if (n == "versionstring") return result = Value::ofString(versionText), true;
    if (n == "versionnumber") {
        char word[65];
        float number = 0.0f;
        if (std::sscanf(versionText.c_str(), "%64s%f", word, &number) != 2) number = 0.0f;
        result = Value::ofFloat(number);
        return true;
    }
    if (n == "blankclip") return done(blankClip(bound, out, err));
    if (n == "trim") return done(trim(clipAt(0), bound[1][0].integer, bound[2][0].integer, boolArg(bound, 3, true), out, err));
    if (n == "dissolve") {
        out = *bound[0][0].clip;
        for (size_t k = 1; k < bound[0].size(); ++k)
            if (!dissolve(out, *bound[0][k].clip, bound[1][0].integer, out, err)) return done(false);
        return done(true);
    }
    if (n.compare(0, 4, "fade") == 0) {
        int extra = n.back() == '0' ? 0 : n.back() == '2' ? 2 : 1;
        bool in = n.find("fadein") == 0 || n.find("fadeio") == 0;
        bool outFade = n.find("fadeout") == 0 || n.find("fadeio") == 0;
        return done(fade(clipAt(0), bound[1][0].integer, extra, in, outFade, out, err));
    }
    if (n == "alignedsplice" || n == "unalignedsplice") {
        out = *bound[0][0].clip;
        for (size_t k = 0; k < bound[1].size(); ++k)
            if (!splice(out, *bound[1][k].clip, n == "alignedsplice", out, err)) return done(false);
        return done(true);
    }
    if (n == "killaudio") {
        out = clipAt(0);
        out.audioRate = out.channels = out.sampleType = 0;
        out.audioSamples = 0;
        return done(true);
    }
    if (n == "killvideo") {
        out = clipAt(0);
        out.width = out.height = 0;
        out.pixelType = 0;
        return done(true);
    }
    if (n == "assumetff" || n == "assumebff" || n == "assumefieldbased" || n == "assumeframebased") {
        out = clipAt(0);
        if (n == "assumetff") out.imageType = (out.imageType & ~1) | 2;
        else if (n == "assumebff") out.imageType = (out.imageType & ~2) | 1;
        else if (n == "assumefieldbased") out.imageType = (out.imageType & ~3) | 4;
        else out.imageType &= ~7;
        return done(true);
    }
    error = std::string(f->name) + ": not available in this frame server";
    return false;
}

}  // namespace standin
