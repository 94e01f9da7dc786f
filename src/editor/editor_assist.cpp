#include "editor/editor_assist.h"

EditorAssist editorAssist;
