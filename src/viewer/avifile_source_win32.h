#pragma once
// Our own DirectShow source filter over AVIFile. DirectShow cannot reach AVIFile handlers on
// every system (no AVI/WAV file source there), so scripts are served by this filter: a video
// pin in the stream's own format (RGB32 converted as a fallback) and an audio pin (PCM or
// float), time stamps from the stream's rate, flushing seeks, end of stream.
#include <windows.h>

#include <dshow.h>

// The filter for the file, opened through AVIFile. Returns null when AVIFile cannot open it
// or it has neither a video nor an audio stream. Pins: 0 video (when present), then audio.
IBaseFilter* createAviFileSource(const char* path);

// The class of the clip's property page, which the filter names through ISpecifyPropertyPages.
extern const CLSID clsidClipPropertyPage;
// Registers the property page's class object for the calling thread's apartment, so the
// property frame can create the page without any registry entry. Returns the cookie or 0.
DWORD registerClipPropertyPage();
void revokeClipPropertyPage(DWORD cookie);
