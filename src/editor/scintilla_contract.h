#pragma once
// The messages and notifications of the editing component that the program relies on, with the
// component's own numbers. Everything goes through these names.

enum ScintillaMessage : unsigned {
    sciInsertText = 2003,
    sciGetLength = 2006,
    sciGetCharAt = 2007,
    sciGetCurrentPos = 2008,
    sciGetStyleAt = 2010,
    sciGetAnchor = 2009,
    sciRedo = 2011,
    sciSelectAll = 2013,
    sciSetSavePoint = 2014,
    sciCanRedo = 2016,
    sciGotoPos = 2025,
    sciGetCurLine = 2027,
    sciGetEndStyled = 2028,
    sciStartStyling = 2032,
    sciSetStyling = 2033,
    sciStyleClearAll = 2050,
    sciStyleSetFore = 2051,
    sciStyleSetSize = 2055,
    sciStyleSetFont = 2056,
    sciBeginUndoAction = 2078,
    sciEndUndoAction = 2079,
    sciGetLineEndPosition = 2136,
    sciSetSelectionStart = 2142,
    sciGetSelectionStart = 2143,
    sciSetSelectionEnd = 2144,
    sciGetSelectionEnd = 2145,
    sciGetModify = 2159,
    sciSetSel = 2160,
    sciGetSelText = 2161,
    sciLineFromPosition = 2166,
    sciPositionFromLine = 2167,
    sciScrollCaret = 2169,
    sciReplaceSel = 2170,
    sciCanUndo = 2174,
    sciEmptyUndoBuffer = 2175,
    sciUndo = 2176,
    sciCut = 2177,
    sciCopy = 2178,
    sciPaste = 2179,
    sciClear = 2180,
    sciSetText = 2181,
    sciGetText = 2182,
    sciGetDirectFunction = 2184,
    sciGetDirectPointer = 2185,
    sciCallTipShow = 2200,
    sciCallTipCancel = 2201,
    sciCallTipActive = 2202,
    sciCallTipSetFore = 2206,
    sciSetMarginWidthN = 2242,
    sciSetMouseDwellTime = 2264,
    sciWordStartPosition = 2266,
    sciWordEndPosition = 2267,
    sciAppendText = 2282,
    sciSetCursor = 2386,
    sciGetRangePointer = 2643,
    sciSetLexer = 4001,
};

enum ScintillaNotification : unsigned {
    scnStyleNeeded = 2000,
    scnCharAdded = 2001,
};

// Style numbers of the script text.
enum ScriptStyle : unsigned char {
    styleDefault = 0,
    stylePlain = 1,
    styleInternalName = 2,
    stylePluginName = 3,
    styleComment = 4,
    styleString = 5,
};

constexpr int styleGlobalDefault = 32;  // the component's default style
constexpr int cursorNormal = -1;
constexpr int cursorArrow = 2;
