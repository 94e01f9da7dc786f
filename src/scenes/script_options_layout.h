#pragma once
// The script writing options panel: how the project script joins its scenes, "++"
// (AlignedSplice) or "+" (UnAlignedSplice), and where its controls go.
#include "dialogs/panel_geometry.h"

struct ScriptOptionsLayout {
    PanelRect cancel, ok, explanation, plusPlus, plus, alignedLabel, unalignedLabel;
};
ScriptOptionsLayout scriptOptionsLayout(int clientWidth, int clientHeight);

// The "++" radio is checked only for choice 2; anything else (0 never set, 1) shows "+".
inline bool spliceShowsPlusPlus(int spliceChoice) { return spliceChoice == 2; }
inline int spliceChoiceFromRadio(bool plusPlusChecked) { return plusPlusChecked ? 2 : 1; }
