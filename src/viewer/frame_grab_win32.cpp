// Frame grabs: the Media Detector writes the bitmap where it can; where it cannot, a
// script's frame is read through AVIFile and a media file's frame through a sample grabber
// graph positioned exactly as the player positions, so the bitmap holds the frame shown.
#include <dshow.h>
#include <qedit.h>
#include <vfw.h>

#include <cstdio>
#include <vector>

#include "base/bounded_text.h"
#include "base/message_box.h"
#include "viewer/frame_pixels.h"
#include "viewer/media_player_win32.h"
#include "viewer/player_timing.h"

extern "C" const CLSID CLSID_SampleGrabber;
extern "C" const CLSID CLSID_NullRenderer;

namespace {

HWND mainWindow() { return static_cast<HWND>(windowTable.handle[winMain]); }

enum GrabResult { grabDone, grabUnavailable, grabWriteFailed };

GrabResult writeFile(const char* path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path, "wb");
    if (!f) return grabWriteFailed;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    if (!ok) DeleteFileA(path);
    return ok ? grabDone : grabWriteFailed;
}

// A frame straight from the file's video stream, in its own layout.
GrabResult grabThroughAviFile(const char* mediaPath, long long frame, const char* bitmapPath) {
    AVIFileInit();
    PAVIFILE file = nullptr;
    PAVISTREAM stream = nullptr;
    GrabResult result = grabUnavailable;
    if (AVIFileOpenA(&file, mediaPath, OF_READ | OF_SHARE_DENY_NONE, nullptr) == 0 &&
        AVIFileGetStream(file, &stream, streamtypeVIDEO, 0) == 0) {
        BITMAPINFOHEADER bih{};
        LONG size = sizeof bih;
        if (AVIStreamReadFormat(stream, 0, &bih, &size) == 0 || size >= LONG(sizeof bih)) {
            int height = bih.biHeight < 0 ? -bih.biHeight : bih.biHeight;
            PixelLayout layout = pixelLayoutOf(bih.biCompression, bih.biBitCount);
            std::vector<uint8_t> raw(layoutFrameBytes(layout, bih.biWidth, height));
            LONG bytes = 0, samples = 0;
            if (!raw.empty() && frame >= 0 && frame < AVIStreamLength(stream) &&
                AVIStreamRead(stream, static_cast<LONG>(frame), 1, raw.data(), static_cast<LONG>(raw.size()), &bytes,
                              &samples) == 0)
                result = writeFile(bitmapPath, frameToBitmapFile(layout, raw.data(), bih.biWidth, height));
        }
    }
    if (stream) AVIStreamRelease(stream);
    if (file) AVIFileRelease(file);
    AVIFileExit();
    return result;
}

template <typename T>
void release(T*& p) {
    if (p) p->Release();
    p = nullptr;
}

IPin* pinOf(IBaseFilter* filter, PIN_DIRECTION wanted) {
    IEnumPins* pins = nullptr;
    IPin* pin = nullptr;
    if (FAILED(filter->EnumPins(&pins))) return nullptr;
    while (pins->Next(1, &pin, nullptr) == S_OK) {
        PIN_DIRECTION dir;
        if (SUCCEEDED(pin->QueryDirection(&dir)) && dir == wanted) break;
        pin->Release();
        pin = nullptr;
    }
    pins->Release();
    return pin;
}

// A media file's frame through a decoding graph that ends in a sample grabber taking RGB.
GrabResult grabThroughGraph(const wchar_t* widePath, long long position, long long stop, const char* bitmapPath,
                            const GUID& subtype, PixelLayout layout) {
    IGraphBuilder* graph = nullptr;
    IBaseFilter* grabberFilter = nullptr;
    IBaseFilter* nullRenderer = nullptr;
    ISampleGrabber* grabber = nullptr;
    IMediaControl* control = nullptr;
    IMediaSeeking* seeking = nullptr;
    GrabResult result = grabUnavailable;
    do {
        if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                    reinterpret_cast<void**>(&graph))))
            break;
        if (FAILED(CoCreateInstance(CLSID_SampleGrabber, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                    reinterpret_cast<void**>(&grabberFilter))) ||
            FAILED(CoCreateInstance(CLSID_NullRenderer, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                    reinterpret_cast<void**>(&nullRenderer))))
            break;
        grabberFilter->QueryInterface(IID_ISampleGrabber, reinterpret_cast<void**>(&grabber));
        if (!grabber) break;
        AM_MEDIA_TYPE want{};
        want.majortype = MEDIATYPE_Video;
        want.subtype = subtype;
        grabber->SetMediaType(&want);
        grabber->SetBufferSamples(TRUE);
        grabber->SetOneShot(FALSE);
        // The grabber is the only filter in the graph while the file renders, so the video goes
        // through it; the renderer the graph then puts behind it gives way to a null renderer.
        graph->AddFilter(grabberFilter, L"Grabber");
        IBaseFilter* source = nullptr;
        if (FAILED(graph->AddSourceFilter(widePath, widePath, &source))) break;
        IEnumPins* pins = nullptr;
        IPin* pin = nullptr;
        source->EnumPins(&pins);
        while (pins && pins->Next(1, &pin, nullptr) == S_OK) {
            graph->Render(pin);
            pin->Release();
        }
        release(pins);
        release(source);
        IPin* out = pinOf(grabberFilter, PINDIR_OUTPUT);
        IPin* peer = nullptr;
        if (out && SUCCEEDED(out->ConnectedTo(&peer)) && peer) {
            PIN_INFO info{};
            peer->QueryPinInfo(&info);
            if (info.pFilter) {
                graph->RemoveFilter(info.pFilter);
                info.pFilter->Release();
            }
            peer->Release();
        }
        graph->AddFilter(nullRenderer, L"Null Renderer");
        IPin* in = pinOf(nullRenderer, PINDIR_INPUT);
        bool joined = out && in && SUCCEEDED(graph->ConnectDirect(out, in, nullptr));
        release(out);
        release(in);
        if (!joined) break;
        AM_MEDIA_TYPE got{};
        if (FAILED(grabber->GetConnectedMediaType(&got))) break;
        int width = 0, height = 0;
        if (IsEqualGUID(got.formattype, FORMAT_VideoInfo) && got.cbFormat >= sizeof(VIDEOINFOHEADER)) {
            auto* vih = reinterpret_cast<VIDEOINFOHEADER*>(got.pbFormat);
            width = vih->bmiHeader.biWidth;
            height = vih->bmiHeader.biHeight < 0 ? -vih->bmiHeader.biHeight : vih->bmiHeader.biHeight;
        }
        if (got.pbFormat) CoTaskMemFree(got.pbFormat);
        if (got.pUnk) got.pUnk->Release();
        if (width <= 0) break;
        graph->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&control));
        graph->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(&seeking));
        if (!control || !seeking) break;
        LONGLONG current = position, end = stop > position ? stop : position + 1;
        seeking->SetPositions(&current, AM_SEEKING_AbsolutePositioning, &end, AM_SEEKING_AbsolutePositioning);
        control->Pause();
        OAFilterState state;
        control->GetState(5000, &state);
        long size = 0;
        if (FAILED(grabber->GetCurrentBuffer(&size, nullptr)) || size <= 0) break;
        std::vector<uint8_t> pixels(static_cast<size_t>(size));
        if (FAILED(grabber->GetCurrentBuffer(&size, reinterpret_cast<long*>(pixels.data())))) break;
        if (pixels.size() < layoutFrameBytes(layout, width, height)) break;
        result = writeFile(bitmapPath, frameToBitmapFile(layout, pixels.data(), width, height));
        control->Stop();
    } while (false);
    release(seeking);
    release(control);
    release(grabber);
    release(nullRenderer);
    release(grabberFilter);
    release(graph);
    return result;
}

}  // namespace

bool MediaPlayer::grabFrame(long long frame, const char* bitmapPath) {
    if (playing_ || !hasVideo_ || !built_) return false;
    char name[270];
    if (bitmapPath && *bitmapPath) {
        copyText(name, bitmapPath);
    } else {
        grabBitmapName(name, sizeof name, mediaPath_, static_cast<long>(frame));
    }
    IMediaDet* detector = nullptr;
    if (FAILED(CoCreateInstance(CLSID_MediaDet, nullptr, CLSCTX_INPROC_SERVER, IID_IMediaDet,
                                reinterpret_cast<void**>(&detector)))) {
        showMessageBox(mainWindow(), "ERROR - Could not create the Media Detector for screen grab", "DirectShow", mbOk);
        return false;
    }
    GrabResult result = grabUnavailable;
    BSTR file = SysAllocString(widePath_);
    AM_MEDIA_TYPE type{};
    if (SUCCEEDED(detector->put_Filename(file)) && SUCCEEDED(detector->put_CurrentStream(0)) &&
        SUCCEEDED(detector->get_StreamMediaType(&type))) {
        if (IsEqualGUID(type.majortype, MEDIATYPE_Video)) {
            wchar_t wideName[270];
            MultiByteToWideChar(CP_ACP, 0, name, -1, wideName, 270);
            wideName[269] = L'\0';
            BSTR target = SysAllocString(wideName);
            double seconds = framesPerSecond_ > 0 ? double(frame) / framesPerSecond_ : 0.0;
            if (SUCCEEDED(detector->WriteBitmapBits(seconds, videoWidth_, videoHeight_, target)))
                result = GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES ? grabDone : grabWriteFailed;
            SysFreeString(target);
        }
        if (type.pbFormat) CoTaskMemFree(type.pbFormat);
        if (type.pUnk) type.pUnk->Release();
    }
    SysFreeString(file);
    detector->Release();
    if (result == grabUnavailable) result = grabThroughAviFile(mediaPath_, frame, name);
    // Decoders offer RGB32 more often than RGB24.
    if (result == grabUnavailable)
        result = grabThroughGraph(widePath_, frameToPosition(frame, duration100ns_), stop_, name, MEDIASUBTYPE_RGB32,
                                  layoutRgb32);
    if (result == grabUnavailable)
        result = grabThroughGraph(widePath_, frameToPosition(frame, duration100ns_), stop_, name, MEDIASUBTYPE_RGB24,
                                  layoutRgb24);
    if (result == grabWriteFailed) {
        char text[400];
        formatText(text, sizeof text, "The frame could not be written to\n%s", name);
        showMessageBox(mainWindow(), text, "Save Frame as BitMap", mbOk);
    }
    return result == grabDone;
}
