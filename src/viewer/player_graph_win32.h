#pragma once
// Building the player's filter graphs: the GDI video renderer (the default renderer draws
// black on some systems), the script source with our AVIFile filter as the fallback, and the
// clean-up of renderers that stayed unconnected.
#include <windows.h>

#include <dshow.h>

// Adds the GDI video renderer so rendering prefers it. False when it cannot be created.
bool addGdiVideoRenderer(IGraphBuilder* graph);
// Adds a source for the file and renders its video pin (renderVideo) and audio pin
// (renderAudio). Tries the system's source first; when nothing of it renders, replaces it
// with our AVIFile source. Returns the result of the last attempt.
HRESULT renderScriptSource(IGraphBuilder* graph, const char* path, const wchar_t* widePath, bool renderVideo,
                           bool renderAudio);
// Removes filters none of whose pins is connected (a renderer left over for an audio-only file).
void removeUnconnectedFilters(IGraphBuilder* graph);
