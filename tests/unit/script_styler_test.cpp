#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/function_names.h"
#include "editor/script_styler.h"

namespace {

FunctionNameTable sampleNames() {
    FunctionNameTable t;
    for (const char* n : {"Blur", "BlurMore", "Crop", "CropBottom", "Trim", "AviSource", "Levels", "Sharpen"})
        t.add(n, false);
    for (const char* n : {"MDegrain", "Deblock"}) t.add(n, true);
    t.sort();
    return t;
}

// One character per byte of text: P plain, I internal, X plug-in, C comment, S string.
std::string styleCodes(const std::string& text, const FunctionNameTable& names, size_t to = std::string::npos,
                       bool atEnd = true) {
    std::vector<unsigned char> styles(text.size(), 0);
    size_t n = styleScript(text.data(), text.size(), to == std::string::npos ? text.size() : to, atEnd, names,
                           styles.data());
    std::string codes;
    for (size_t i = 0; i < n; ++i) codes += " PIXCS"[styles[i] < 6 ? styles[i] : 0];
    return codes;
}

struct StyleCase {
    const char* what;
    std::string text;
    std::string codes;
};

TEST(ScriptStyler, StylesTheTableOfScripts) {
    FunctionNameTable names = sampleNames();
    const StyleCase cases[] = {
        {"comment to the line end", "# Blur(\r\nx", "CCCCCCCPPP"},
        {"comment after code", "a #x\ny", "PPCCPP"},
        {"# inside a string", "\"a#b\" #c", "SSSSSPCC"},
        {"quote inside a comment", "# \"x\nBlur(", "CCCCPIIIIP"},
        {"triple quotes hold a single quote", "\"\"\"a\"b\"\"\" x", "SSSSSSSSSPP"},
        {"empty string", "\"\" x", "SSPP"},
        {"name in other capitals before (", "bLUR(", "IIIIP"},
        {"name followed by letters", "Blurry(", "PPPPPPP"},
        {"name after _", "x_Blur(", "PPPPPPP"},
        {"name after )", ")Blur(", "PPPPPP"},
        {"name at the end of the text", "x = Blur", "PPPPIIII"},
        {"name before each ending character", "Blur.Blur Blur)Blur\rBlur\nBlur=",
         "IIIIPIIIIPIIIIPPPPPPIIIIPIIIIP"},
        {"nested prefix: the short name", "Crop(", "IIIIP"},
        {"nested prefix: the long name", "CropBottom(", "IIIIIIIIIIP"},
        {"nested prefix: neither", "CropBo(", "PPPPPPP"},
        {"unfinished prefix at the end", "Blu", "PPP"},
        {"plug-in name", "MDegrain(", "XXXXXXXXP"},
        {"name inside a word is still a name", "myTrim(", "PPIIIIP"},
        {"name in a string is a string", "\"Blur(\"", "SSSSSSS"},
        {"empty text", "", ""},
    };
    for (const StyleCase& c : cases) EXPECT_EQ(styleCodes(c.text, names), c.codes) << c.what;
}

TEST(ScriptStyler, NameAtTheWindowEndIsOnlyANameAtTheDocumentEnd) {
    FunctionNameTable names = sampleNames();
    EXPECT_EQ(styleCodes("Blur", names, 4, true), "IIII");
    EXPECT_EQ(styleCodes("Blur", names, 4, false), "PPPP");
}

TEST(ScriptStyler, FinishesARunThatStartsBeforeTheRequestedEnd) {
    FunctionNameTable names = sampleNames();
    EXPECT_EQ(styleCodes("Levels(x)", names, 2), "IIIIII");
    // A string stops where styling was asked to stop; a comment runs to its line end.
    EXPECT_EQ(styleCodes("\"abcdef\"", names, 3), "SSS");
    EXPECT_EQ(styleCodes("#abc\nx", names, 2), "CCCC");
}

TEST(FunctionNames, NarrowsPrefixesWithoutRegardToCase) {
    FunctionNameTable names = sampleNames();
    EXPECT_EQ(names.size(), 10u);
    EXPECT_FALSE(names.withPrefix("BLU", 3).empty());
    EXPECT_TRUE(names.withPrefix("Blx", 3).empty());
    EXPECT_GE(names.find("blurmore", 8), 0);
    EXPECT_LT(names.find("blurm", 5), 0);
    EXPECT_EQ(names.at(static_cast<size_t>(names.find("deblock", 7))).plugin, true);
    EXPECT_EQ(names.longest(), std::string("CropBottom").size());
}

TEST(FunctionNames, KeepsTheFirstOfNamesEqualButForCase) {
    FunctionNameTable names;
    names.add("Blur", false);
    names.add("BLUR", true);
    names.add("", true);
    names.sort();
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names.at(0).name, "Blur");
    EXPECT_FALSE(names.at(0).plugin);
}

}  // namespace
