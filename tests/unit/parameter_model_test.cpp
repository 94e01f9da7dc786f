#include <gtest/gtest.h>

#include <string>

#include "editor/parameter_model.h"
#include "support/box_expect.h"
#include "support/message_box_recorder.h"

namespace {

ParameterModel opened(const char* parameters, const char* name = "Sharpen") {
    ParameterModel m;
    m.open(parameters, name);
    return m;
}

TEST(ParameterModel, CountsFieldsOutsideBrackets) {
    EXPECT_EQ(countParameterFields("c[radius]i[strength]f"), 3u);
    EXPECT_EQ(countParameterFields("[]c*[length]i[colors]f+"), 3u);
    EXPECT_EQ(countParameterFields("c.[x]i"), 2u);
    EXPECT_EQ(countParameterFields("cq"), 2u);
    EXPECT_EQ(countParameterFields(""), 0u);
}

TEST(ParameterModel, LabelsAndTypes) {
    ParameterModel m = opened("c[radius]i[strength]fbs[x].[mode]s");
    ASSERT_EQ(m.fieldCount(), 6u);
    const char* labels[] = {"clip", "radius", "strength", "", "", "mode"};
    const char* types[] = {"clip", "int", "float", "bool", "string", "string"};
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_STREQ(m.field(i).label, labels[i]) << i;
        EXPECT_STREQ(parameterTypeName(m.field(i).type), types[i]) << i;
    }
}

TEST(ParameterModel, ANoticeBecomesTheNote) {
    ParameterModel m = opened("Not Available Until 2.57");
    EXPECT_EQ(m.fieldCount(), 0u);
    EXPECT_STREQ(m.note(), "Not Available Until 2.57");
    EXPECT_STREQ(m.parameterString(), "");
}

TEST(ParameterModel, ScrollRange) {
    EXPECT_EQ(opened("iiiii").scrollMaximum(), 0);
    EXPECT_EQ(opened("iiiiiiiiiiiiiiiiiiii").scrollMaximum(), 9);
}

TEST(ParameterModel, ComposesTheCallText) {
    boxes::reset();
    ParameterModel m = opened("c[radius]i[strength]f");
    m.field(1).include = true;
    m.field(1).value = "3";
    m.compose(nullptr);
    EXPECT_EQ(m.callText(), "Sharpen(radius=3)");

    m.field(1).include = false;
    m.field(2).include = true;
    m.compose(nullptr);
    EXPECT_EQ(m.callText(), "Sharpen(strength=float)");

    m.field(0).include = true;
    m.field(0).value = "src";
    m.field(1).include = true;
    m.compose(nullptr);
    EXPECT_EQ(m.callText(), "Sharpen(src, radius=3, strength=float)");

    ParameterModel clipOnly = opened("c", "Invert");
    clipOnly.field(0).include = true;
    clipOnly.compose(nullptr);
    EXPECT_EQ(clipOnly.callText(), "Invert()");

    ParameterModel strings = opened("[file]s[n]is", "Load");
    for (size_t i = 0; i < 3; ++i) strings.field(i).include = true;
    strings.field(0).value = "a.avi";
    strings.compose(nullptr);
    EXPECT_EQ(strings.callText(), "Load(file=\"a.avi\", n=int, \"string\")");
    EXPECT_TRUE(boxes::shown().empty());
}

TEST(ParameterModel, TooLongAValueStopsTheComposition) {
    boxes::reset();
    ParameterModel m = opened("[a]s");
    m.field(0).include = true;
    m.field(0).value = std::string(257, 'x');
    ASSERT_EQ(m.compose(nullptr), composeDone);
    std::string before = m.callText();
    m.field(0).value = std::string(258, 'x');
    EXPECT_EQ(m.compose(nullptr), composeTooLong);
    EXPECT_EQ(m.callText(), before);
    ASSERT_TRUE(onlyBox("The parameter string you are trying to use is larger than allowed.", "Error: String Length"));
}

// Quotes dropped on reading back and too many arguments are part of the parameter panel's
// end-to-end run.
TEST(ParameterModel, OneFewerArgumentWithAndWithoutAKnownClip) {
    std::string clips = collectAssignedNames("src = AviSource(\"a.avi\")\nv=src\n");
    EXPECT_EQ(clips, "src,v,");
    ParameterModel known = opened("c[radius]i[strength]f");
    known.readBack("src,2", clips, nullptr);
    EXPECT_EQ(known.field(0).value, "src");
    EXPECT_EQ(known.field(1).value, "2");
    EXPECT_FALSE(known.field(2).include);

    ParameterModel unknown = opened("c[radius]i[strength]f");
    unknown.readBack("2,0.5", clips, nullptr);
    EXPECT_FALSE(unknown.field(0).include);
    EXPECT_EQ(unknown.field(1).value, "2");
    EXPECT_EQ(unknown.field(2).value, "0.5");
}

TEST(ParameterModel, NamedArgumentsFindTheirFields) {
    ParameterModel m = opened("c[file]s[a]i[b]f[c]b[d]i");
    m.readBack("last,\"x.avs\",c=true,a=4", "", nullptr);
    EXPECT_EQ(m.field(0).value, "last");
    EXPECT_EQ(m.field(1).value, "x.avs");
    EXPECT_EQ(m.field(2).value, "4");
    EXPECT_FALSE(m.field(3).include);
    EXPECT_EQ(m.field(4).value, "true");
    EXPECT_FALSE(m.field(5).include);
    // Blanks are part of the name: " a" is not "a".
    ParameterModel spaced = opened("c[file]s[a]i[b]f[c]b[d]i");
    spaced.readBack("last, a=4", "", nullptr);
    EXPECT_FALSE(spaced.field(2).include);
}

TEST(ParameterModel, ReadBackCutsLongNamesAndValues) {
    ParameterModel m = opened("[s]s");
    m.readBack(std::string(400, 'v'), "", nullptr);
    EXPECT_EQ(m.field(0).value.size(), 260u);
}

TEST(AssignedNames, SkipsParenthesesAndRestartsAtDotsBlanksAndLineBreaks) {
    EXPECT_EQ(collectAssignedNames("a = Blur(x=1)\nb.c= 2\nd e=3\r\nf\n=4\n"), "a,c,e,");
    EXPECT_EQ(collectAssignedNames("Trim(0,(10)) x=1"), "x,");
    EXPECT_EQ(collectAssignedNames("Blur(x=1"), "");
    EXPECT_TRUE(clipNameKnown("src,v,", "SRC"));
    EXPECT_FALSE(clipNameKnown("src,v", "v"));
    EXPECT_FALSE(clipNameKnown("src,v,", "sr"));
}

}  // namespace
