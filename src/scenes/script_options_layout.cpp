#include "scenes/script_options_layout.h"

#include "dialogs/panel_layouts.h"

ScriptOptionsLayout scriptOptionsLayout(int w, int h) {
    ScriptOptionsLayout l;
    l.cancel = cancelButtonRect(w, h);
    l.ok = okButtonRect(w, h);
    l.explanation = {15, 15, 450, 50};
    l.plusPlus = {250, 75, 48, 32};
    l.plus = {250, 107, 48, 32};
    l.alignedLabel = {130, 82, 105, 32};
    l.unalignedLabel = {130, 114, 105, 32};
    return l;
}
