// The compressor list: the video and audio compressors installed, as the encoder command lines
// may name them. Nothing to set; only Cancel.
#include <windows.h>
#include <dshow.h>
#include <mmreg.h>
#include <msacm.h>

#include "app/panels_win32.h"
#include "dialogs/panel_layouts.h"
#include "dialogs/panel_open_win32.h"

namespace {

// Adds the friendly name of every filter of the category; returns how many were added.
int fillCompressorList(HWND list, REFCLSID category) {
    ICreateDevEnum* devices = nullptr;
    if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, IID_ICreateDevEnum,
                                reinterpret_cast<void**>(&devices))))
        return 0;
    int added = 0;
    IEnumMoniker* monikers = nullptr;
    // S_FALSE means the category is empty, and leaves no enumerator.
    if (devices->CreateClassEnumerator(category, &monikers, 0) == S_OK && monikers) {
        IMoniker* moniker = nullptr;
        while (monikers->Next(1, &moniker, nullptr) == S_OK) {
            IPropertyBag* bag = nullptr;
            if (SUCCEEDED(moniker->BindToStorage(nullptr, nullptr, IID_IPropertyBag, reinterpret_cast<void**>(&bag)))) {
                VARIANT name;
                VariantInit(&name);
                if (SUCCEEDED(bag->Read(L"FriendlyName", &name, nullptr)) && name.vt == VT_BSTR) {
                    char text[256] = {};
                    if (WideCharToMultiByte(CP_ACP, 0, name.bstrVal, -1, text, sizeof text, nullptr, nullptr) == 0)
                        text[sizeof text - 1] = '\0';  // too long: keep what fitted
                    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
                    ++added;
                }
                VariantClear(&name);
                bag->Release();
            }
            moniker->Release();
        }
        monikers->Release();
    }
    devices->Release();
    return added;
}

BOOL CALLBACK addAcmCodec(HACMDRIVERID driver, DWORD_PTR listHandle, DWORD) {
    ACMDRIVERDETAILSA details = {};
    details.cbStruct = sizeof details;
    if (acmDriverDetailsA(driver, &details, 0) == 0 && (details.fdwSupport & ACMDRIVERDETAILS_SUPPORTF_CODEC))
        SendMessageA(reinterpret_cast<HWND>(listHandle), LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(details.szShortName));
    return TRUE;
}

// Some systems register their audio codecs only with the audio compression manager, so the
// category above stays empty although codecs are there; list those instead.
void fillWithAcmCodecs(HWND list) { acmDriverEnum(addAcmCodec, reinterpret_cast<DWORD_PTR>(list), 0); }

}  // namespace

void openCompressorPanel(AppState& app) {
    int w = 0, h = 0;
    if (!beginPanel(app, panelCompressors, "Audio and Video Compression Dialog", 1.3, w, h)) return;
    PanelHost& host = app.panelHost;
    PanelRect cancel = cancelButtonRect(w, h);
    host.createCancelButton(cancel.x, cancel.y, cancel.width, cancel.height);
    CompressorLayout l = compressorLayout(w, h);
    // COM may not be up yet on this thread; a balanced initialise keeps it as it was.
    HRESULT com = CoInitialize(nullptr);

    useDialogFont(host, host.createStaticText("Installed video compressors", l.videoLabel.x, l.videoLabel.y,
                                              l.videoLabel.width, l.videoLabel.height));
    HWND video = host.createListBox(l.videoList.x, l.videoList.y, l.videoList.width, l.videoList.height);
    host.panelControls[0] = video;
    useDialogFont(host, video);
    if (video) fillCompressorList(video, CLSID_VideoCompressorCategory);

    useDialogFont(host, host.createStaticText("Installed audio compressors", l.audioLabel.x, l.audioLabel.y,
                                              l.audioLabel.width, l.audioLabel.height));
    HWND audio = host.createListBox(l.audioList.x, l.audioList.y, l.audioList.width, l.audioList.height);
    host.panelControls[1] = audio;
    useDialogFont(host, audio);
    if (audio && fillCompressorList(audio, CLSID_AudioCompressorCategory) == 0) fillWithAcmCodecs(audio);

    if (SUCCEEDED(com)) CoUninitialize();
    showPanel(app);
}

// Cancel is the only control, and the loop closes the panel on it.
void handleCompressorPanel(AppState&) {}
