#include "viewer/media_player_win32.h"

#include <commctrl.h>
#include <dshow.h>

#include <cstring>

#include "base/bounded_text.h"
#include "base/message_box.h"
#include "viewer/avifile_source_win32.h"
#include "viewer/player_graph_win32.h"
#include "viewer/player_timing.h"

namespace {

constexpr UINT_PTR timerPlayback = 12522;
constexpr UINT_PTR timerTip = 25552;
constexpr UINT_PTR timerPropertyFrame = 2225;

HWND win(int index) { return static_cast<HWND>(windowTable.handle[index]); }

template <typename T>
void release(T*& p) {
    if (p) p->Release();
    p = nullptr;
}

template <typename T>
HRESULT query(IUnknown* from, const IID& iid, T** out) {
    *out = nullptr;
    return from ? from->QueryInterface(iid, reinterpret_cast<void**>(out)) : E_POINTER;
}

void drawText(HDC dc, int x, int y, const char* text, UINT align) {
    SetTextAlign(dc, align);
    TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
}

// The platform's text for a DirectShow error (quartz.dll is loaded by the graph anyway).
void errorText(HRESULT hr, char* out, DWORD cap) {
    using TextFunction = DWORD(WINAPI*)(HRESULT, char*, DWORD);
    HMODULE quartz = GetModuleHandleA("quartz.dll");
    if (!quartz) quartz = LoadLibraryA("quartz.dll");
    auto get = quartz ? reinterpret_cast<TextFunction>(reinterpret_cast<void*>(GetProcAddress(quartz, "AMGetErrorTextA")))
                      : nullptr;
    if (!get || get(hr, out, cap) == 0) formatText(out, cap, "Error 0x%08lx", static_cast<unsigned long>(hr));
}

// While a graph plays, this thread wakes often: a renderer drawing from its own thread reaches
// the screen only when the window's thread goes back to its messages (so on Wine).
UINT_PTR paintTimer = 0;
void CALLBACK paintTick(HWND, UINT, UINT_PTR, DWORD) {}

void keepPainting(bool on) {
    if (on && !paintTimer) paintTimer = SetTimer(nullptr, 0, 10, paintTick);
    if (!on && paintTimer) {
        KillTimer(nullptr, paintTimer);
        paintTimer = 0;
    }
}

// What the property-page thread works on: the filter it owns and the frame's caption.
struct PropertyJob {
    IBaseFilter* filter;
};

DWORD WINAPI propertyThread(void* param) {
    PropertyJob* job = static_cast<PropertyJob*>(param);
    IBaseFilter* filter = job->filter;
    delete job;
    OleInitialize(nullptr);
    DWORD cookie = registerClipPropertyPage();
    FILTER_INFO info{};
    ISpecifyPropertyPages* pages = nullptr;
    IUnknown* unknown = nullptr;
    CAUUID list{};
    bool ok = SUCCEEDED(filter->QueryFilterInfo(&info));
    if (info.pGraph) info.pGraph->Release();
    ok = ok && SUCCEEDED(filter->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)));
    ok = ok && SUCCEEDED(filter->QueryInterface(IID_ISpecifyPropertyPages, reinterpret_cast<void**>(&pages)));
    ok = ok && SUCCEEDED(pages->GetPages(&list));
    filter->Release();
    if (pages) pages->Release();
    if (ok) {
        OleCreatePropertyFrame(nullptr, 0, 0, info.achName, 1, &unknown, list.cElems, list.pElems, 0, 0, nullptr);
        CoTaskMemFree(list.pElems);
    } else {
        KillTimer(win(winMain), timerPropertyFrame);
    }
    if (unknown) unknown->Release();
    revokeClipPropertyPage(cookie);
    OleUninitialize();
    return 0;
}

}  // namespace

// The settings are only read here; switching them off during playback does not persist.
MediaPlayer::MediaPlayer() {
    BOOL on = FALSE;
    if (SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &on, 0)) screenSaver_ = on;
    on = FALSE;
    if (SystemParametersInfoA(SPI_GETLOWPOWERACTIVE, 0, &on, 0)) lowPower_ = on;
    on = FALSE;
    if (SystemParametersInfoA(SPI_GETPOWEROFFACTIVE, 0, &on, 0)) powerOff_ = on;
}

MediaPlayer::~MediaPlayer() {
    if (built_) closePlayer();
}

void MediaPlayer::setScriptClip(const ScriptClip& clip) {
    scriptClip_ = clip;
    scriptMode_ = true;
}

void MediaPlayer::setAviSynthErrorLogged(bool logged) { aviSynthErrorLogged_ = logged; }

bool MediaPlayer::reportFailure(long result, const char* text) {
    if (result == 0) return false;
    showMessageBox(win(winMain), text, "Direct Show Pointer Error", mbOk);
    closePlayer();
    return true;
}

void MediaPlayer::setPowerFeatures(bool on) {
    if (screenSaver_) SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, on, nullptr, 0);
    if (lowPower_) SystemParametersInfoA(SPI_SETLOWPOWERACTIVE, on, nullptr, 0);
    if (powerOff_) SystemParametersInfoA(SPI_SETPOWEROFFACTIVE, on, nullptr, 0);
}

void MediaPlayer::openMedia(const char* path, int view) {
    if (scriptMode_) {
        if (aviSynthErrorLogged_) {
            showMessageBox(win(winMain),
                           "Zandolin has logged an AviSynth error which could\ncause a fatal error.  Script will not load.",
                           "Direct Show Interface", mbOk);
            scriptMode_ = false;
            return;
        }
        OleInitialize(nullptr);
    }
    view_ = view;
    if (built_ || graph_) closePlayer();
    if (!path || !*path) {
        scriptMode_ = false;
        return;
    }
    copyText(mediaPath_, path);
    MultiByteToWideChar(CP_ACP, 0, mediaPath_, -1, widePath_, 540);
    widePath_[539] = L'\0';
    playing_ = false;
    alpha_.playing = false;

    HRESULT hr = CoInitialize(nullptr);
    if (hr == RPC_E_CHANGED_MODE) {
        showMessageBox(win(winMain), "Different concurrency model already resides on this thread.\n\nThere can be only one!",
                       "DirectShow", mbOk);
    } else if (FAILED(hr)) {
        showMessageBox(win(winMain), "ERROR - Could not initialize COM library", "DirectShow", mbOk);
        showMessageBox(win(winMain), "You may have to restart Zandolin", "DirectShow", mbOk);
        scriptMode_ = false;
        return;
    } else {
        comStarted_ = true;
    }

    if (!scriptMode_) {
        hasVideo_ = hasAudio_ = false;
        videoWidth_ = videoHeight_ = 0;
        framesPerSecond_ = 1.0f;
        lastFrame_ = 0;
    } else {
        hasAudio_ = scriptClip_.hasAudio;
        hasVideo_ = scriptClip_.hasVideo;
        framesPerSecond_ = scriptClip_.framesPerSecond;
        lastFrame_ = scriptClip_.frameCount - 1;
        if (scriptClip_.hasVideo) {
            videoWidth_ = scriptClip_.width;
            videoHeight_ = scriptClip_.height;
        }
        if (scriptClip_.width == 0) scriptMode_ = false;
    }

    if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                reinterpret_cast<void**>(&graph_)))) {
        graph_ = nullptr;
        showMessageBox(win(winMain), "ERROR - Could not create the Filter graph Manager.", "DirectX", mbOk);
        scriptMode_ = false;
        return;
    }
    if (registerRunning_) registerInRunningObjects();

    addGdiVideoRenderer(graph_);
    if (!scriptMode_) {
        hr = graph_->RenderFile(widePath_, nullptr);
        if (FAILED(hr)) {
            char platform[161] = {};
            errorText(hr, platform, 160);
            char message[128];
            formatText(message, sizeof message, "Can not render file, IGraphBuilder reports the following.\n\n\t%s", platform);
            showMessageBox(win(winMain), message, "Error:  Media File Error", mbOk);
            closePlayer();
            return;
        }
    } else {
        renderScriptSource(graph_, mediaPath_, widePath_, scriptClip_.hasVideo, scriptClip_.hasAudio);
    }
    removeUnconnectedFilters(graph_);

    IBasicVideo* basic = nullptr;
    if (reportFailure(query(graph_, IID_IBasicVideo, &basic), "IBasicVideo pointer error")) return;
    double reportedAverage = 0.0;
    if (!scriptMode_ || scriptClip_.hasVideo) {
        long w = 0, h = 0;
        if (FAILED(basic->GetVideoSize(&w, &h))) w = h = 0;
        videoWidth_ = static_cast<int>(w);
        videoHeight_ = static_cast<int>(h);
        if (FAILED(basic->get_AvgTimePerFrame(&reportedAverage))) reportedAverage = 0.0;
    }
    release(basic);
    hasVideo_ = videoHeight_ > 0;

    if (hasVideo_) {
        IVideoWindow* window = nullptr;
        if (reportFailure(query(graph_, IID_IVideoWindow, &window), "IVideoWindow pointer error")) return;
        window->put_Owner(reinterpret_cast<OAHWND>(win(winVideo)));
        window->put_MessageDrain(reinterpret_cast<OAHWND>(win(winVideo)));
        window->put_WindowStyle(WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
        window->put_Visible(OAFALSE);
        release(window);
    }

    IMediaControl* control = nullptr;
    if (reportFailure(query(graph_, IID_IMediaControl, &control), "IMediaControl pointer error")) return;
    control->Pause();
    release(control);
    layoutVideo();

    IMediaSeeking* seeking = nullptr;
    if (reportFailure(query(graph_, IID_IMediaSeeking, &seeking), "IMediaSeeking pointer error")) return;
    DWORD caps = 0;
    seeking->GetCapabilities(&caps);
    capabilities_ = caps;
    formatMediaTime_ = seeking->IsFormatSupported(&TIME_FORMAT_MEDIA_TIME) == S_OK;
    if (!formatMediaTime_) {
        formatFrame_ = seeking->IsFormatSupported(&TIME_FORMAT_FRAME) == S_OK;
        formatSample_ = seeking->IsFormatSupported(&TIME_FORMAT_SAMPLE) == S_OK;
        formatField_ = seeking->IsFormatSupported(&TIME_FORMAT_FIELD) == S_OK;
        formatByte_ = seeking->IsFormatSupported(&TIME_FORMAT_BYTE) == S_OK;
    }
    const GUID* format = formatMediaTime_ ? &TIME_FORMAT_MEDIA_TIME
                         : formatFrame_   ? &TIME_FORMAT_FRAME
                         : formatSample_  ? &TIME_FORMAT_SAMPLE
                         : formatField_   ? &TIME_FORMAT_FIELD
                         : formatByte_    ? &TIME_FORMAT_BYTE
                                          : nullptr;
    if (format) seeking->SetTimeFormat(format);
    LONGLONG current = 0, stop = 0;
    seeking->GetPositions(&current, &stop);
    if (stop <= 0) seeking->GetDuration(&stop);
    current_ = current;
    stop_ = stop;
    release(seeking);
    layoutVideo();

    if (!formatMediaTime_) {
        if (!(scriptMode_ && scriptClip_.hasVideo)) {
            showMessageBox(win(winMain),
                           "Sorry, Zandolin's implementation of Direct Show only\nsupports seeking using time.  The media "
                           "file you are trying\nto open does not support seeking using time or an error has\noccured.\n\n"
                           "Please report the file type you are trying to use.\n\nsupport@zandolin.example     Thanks",
                           "SEEK TIME FORMAT", mbOk);
            closePlayer();
            scriptMode_ = false;
            return;
        }
    }

    if (scriptMode_) {
        frameSeconds_ = scriptFrameSeconds(framesPerSecond_);
    } else if (hasVideo_) {
        // Media files count frames by the stream's own rate when the graph reports it.
        frameSeconds_ = mediaFrameSeconds(reportedAverage, frameSeconds_);
        framesPerSecond_ = static_cast<float>(1.0 / frameSeconds_);
    }
    if (videoHeight_ == 0) {
        frameSeconds_ = 1.0;
        videoWidth_ = videoHeight_ = 1;
        duration100ns_ = 1000000;
        timerTick_ = 99;
        drawNoVideoText();
    } else {
        duration100ns_ = ::frameDuration100ns(frameSeconds_);
        if (videoWidth_ > 0 && videoHeight_ > 0) videoShown_ = true;
        timerTick_ = 363;
    }


    built_ = true;
    if (scriptMode_ && scriptClip_.hasVideo) {
        togglePlay("main");
        layoutVideo();
    }
    lastFrame_ = static_cast<int>(positionToFrame(stop_, duration100ns_));
    scriptMode_ = false;

    if (neighbours && view_ == 3) {
        openAlpha("", 0);
        openBeta("", 0);
    }
}

void MediaPlayer::closePlayer() {
    HWND main = win(winMain);
    KillTimer(main, timerTip);
    if (playing_) togglePlay("main");
    if (graph_) {
        IMediaControl* control = nullptr;
        if (SUCCEEDED(query(graph_, IID_IMediaControl, &control))) {
            control->Stop();
            release(control);
        }
        closeAlpha();
        closeBeta();
        if (hasVideo_) {
            IVideoWindow* window = nullptr;
            if (SUCCEEDED(query(graph_, IID_IVideoWindow, &window))) {
                window->put_Visible(OAFALSE);
                window->put_Owner(0);
                release(window);
            }
        }
        if (propertyFrames_) {
            for (int i = 0; i <= filterCount_; ++i)
                if (propertyFrames_[i] && IsWindow(propertyFrames_[i])) SendMessageA(propertyFrames_[i], WM_CLOSE, 0, 0);
        }
        delete[] propertyFrames_;
        propertyFrames_ = nullptr;
        release(filterEnum_);
        release(selectedFilter_);
        revokeRunningObjects();
        release(graph_);
    }
    built_ = playing_ = hasVideo_ = hasAudio_ = videoShown_ = false;
    filtersListed_ = false;
    filterCount_ = framesOpened_ = propertyIndex_ = 0;
    videoWidth_ = videoHeight_ = 0;
    lastFrame_ = 0;
    frameSeconds_ = defaultFrameSeconds;
    duration100ns_ = defaultFrameDuration100ns;
    current_ = stop_ = 0;
    formatMediaTime_ = formatFrame_ = formatSample_ = formatField_ = formatByte_ = false;
    capabilities_ = 0;
    mediaPath_[0] = '\0';
    widePath_[0] = L'\0';
    if (comStarted_) CoUninitialize();
    comStarted_ = false;
    HWND video = win(winVideo);
    if (video) {
        InvalidateRect(video, nullptr, TRUE);
        UpdateWindow(video);
    }
}

void MediaPlayer::registerInRunningObjects() {
    IRunningObjectTable* table = nullptr;
    IMoniker* moniker = nullptr;
    if (FAILED(GetRunningObjectTable(0, &table))) return;
    char name[256];
    graphItemName(name, sizeof name, reinterpret_cast<uintptr_t>(graph_), GetCurrentProcessId());
    wchar_t wide[256];
    MultiByteToWideChar(CP_ACP, 0, name, -1, wide, 256);
    wide[255] = L'\0';
    if (SUCCEEDED(CreateItemMoniker(L"!", wide, &moniker))) {
        DWORD cookie = 0;
        if (SUCCEEDED(table->Register(ROTFLAGS_REGISTRATIONKEEPSALIVE, graph_, moniker, &cookie))) rotCookie_ = cookie;
        moniker->Release();
    }
    table->Release();
}

void MediaPlayer::revokeRunningObjects() {
    if (!rotCookie_) return;
    IRunningObjectTable* table = nullptr;
    if (SUCCEEDED(GetRunningObjectTable(0, &table))) {
        table->Revoke(rotCookie_);
        table->Release();
    }
    rotCookie_ = 0;
}

void MediaPlayer::togglePlay(const char* which) {
    if (which && std::strcmp(which, "Alpha") == 0) {
        if (!alpha_.control) return;
        if (alpha_.playing) {
            alpha_.control->Pause();
        } else {
            alpha_.control->Run();
        }
        alpha_.playing = !alpha_.playing;
        keepPainting(alpha_.playing || playing_);
        return;
    }
    if (!graph_) return;
    IMediaControl* control = nullptr;
    if (reportFailure(query(graph_, IID_IMediaControl, &control), "IMediaControl pointer error")) return;
    if (playing_) {
        control->Pause();
        playing_ = false;
        setPowerFeatures(true);
    } else {
        control->Run();
        playing_ = true;
        setPowerFeatures(false);
    }
    keepPainting(playing_ || alpha_.playing);
    release(control);
}

// Seeking a paused graph can hang when both an audio and a video renderer are connected:
// stop, set the positions, then pause again.
void MediaPlayer::restartAt(long long position) {
    IMediaControl* control = nullptr;
    IMediaSeeking* seeking = nullptr;
    if (FAILED(query(graph_, IID_IMediaControl, &control)) || FAILED(query(graph_, IID_IMediaSeeking, &seeking))) {
        release(control);
        release(seeking);
        return;
    }
    control->Stop();
    LONGLONG current = position, stop = stop_;
    seeking->SetPositions(&current, AM_SEEKING_AbsolutePositioning, &stop, AM_SEEKING_AbsolutePositioning);
    control->Pause();
    // Wait until the new frame is drawn: the window shows it once this thread goes back to
    // its messages, not at some later input.
    OAFilterState state;
    control->GetState(2000, &state);
    // Some renderers draw a paused frame only when asked to paint.
    if (HWND video = win(winVideo)) RedrawWindow(video, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    current_ = position;
    release(seeking);
    release(control);
}

void MediaPlayer::seekNeighbour(NeighbourGraph& n, long long position) {
    if (!n.built || !n.seeking || !n.control) return;
    n.control->Stop();
    LONGLONG current = position, stop = stop_;
    n.seeking->SetPositions(&current, AM_SEEKING_AbsolutePositioning, &stop, AM_SEEKING_AbsolutePositioning);
    n.control->Pause();
    OAFilterState state;
    n.control->GetState(2000, &state);
}

long long MediaPlayer::alphaFrame() {
    if (!alpha_.seeking) return 0;
    LONGLONG current = 0, stop = 0;
    alpha_.seeking->GetPositions(&current, &stop);
    return positionToFrame(current, duration100ns_);
}

long long MediaPlayer::seekToFrame(long long frame) {
    if (alphaOnly) {
        if (!alpha_.built) return 0;
        if (alpha_.playing) togglePlay("Alpha");
        if (frame != -10) seekNeighbour(alpha_, frameToPosition(clampFrame(frame, lastFrame_), duration100ns_));
        return alphaFrame();
    }
    if (!built_ || !graph_) return 0;
    IMediaSeeking* seeking = nullptr;
    if (reportFailure(query(graph_, IID_IMediaSeeking, &seeking), "IMediaSeeking pointer error")) return 0;
    if (playing_) {
        KillTimer(win(winMain), timerPlayback);
        togglePlay("main");
    }
    LONGLONG current = 0, stop = 0;
    if (frame == -10) {
        seeking->GetPositions(&current, &stop);
        current_ = current;
    } else {
        frame = clampFrame(frame, lastFrame_);
        restartAt(frameToPosition(frame, duration100ns_));
    }
    long long reached = positionToFrame(current_, duration100ns_);
    if (alpha_.built) seekNeighbour(alpha_, neighbourPosition(reached, -1, duration100ns_, stop_));
    if (beta_.built) seekNeighbour(beta_, neighbourPosition(reached, 1, duration100ns_, stop_));
    drawFrameInfo();
    release(seeking);
    return reached;
}

void MediaPlayer::mainPositions() {
    IMediaSeeking* seeking = nullptr;
    if (FAILED(query(graph_, IID_IMediaSeeking, &seeking))) return;
    LONGLONG current = 0, stop = 0;
    if (SUCCEEDED(seeking->GetPositions(&current, &stop))) {
        current_ = current;
        if (stop > 0) stop_ = stop;
    }
    release(seeking);
}

int MediaPlayer::updatePosition() {
    if (alphaOnly) return static_cast<int>(alphaFrame());
    if (!built_ || !graph_) return 0;
    mainPositions();
    int frame = static_cast<int>(positionToFrame(current_, duration100ns_));
    char text[16];
    formatText(text, sizeof text, "%8i", frame);
    if (frameSeconds_ == 1.0) drawNoVideoText();
    if (view_ == 4) {
        drawFrameInfo();
    } else if (HWND box = win(winFrameNumber)) {
        HDC dc = GetDC(box);
        RECT area{0, 0, 180, 200};
        FillRect(dc, &area, reinterpret_cast<HBRUSH>(GetClassLongPtrA(box, GCLP_HBRBACKGROUND)));
        SetBkMode(dc, TRANSPARENT);
        drawText(dc, 57, 3, text, TA_RIGHT | TA_TOP);
        ReleaseDC(box, dc);
    }
    SendMessageA(win(winTrackbar), TBM_SETPOS, TRUE, frame);
    return frame;
}

int MediaPlayer::readCurrentFrame() {
    if (playing_) togglePlay("main");
    return updatePosition();
}

void MediaPlayer::drawFrameInfo() {
    if (view_ != 4 || !graph_) return;
    HWND status = win(winStatusBar);
    if (!status) return;
    FrameInfoTexts texts;
    frameInfoTexts(texts, hasVideo_ && frameSeconds_ != 1.0, positionToFrame(current_, duration100ns_), lastFrame_,
                   frameSeconds_);
    HDC dc = GetDC(status);
    HGDIOBJ old = SelectObject(dc, GetStockObject(ANSI_VAR_FONT));
    SetBkMode(dc, TRANSPARENT);
    RECT area{150, 3, 470, 18};
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    if (hasVideo_ && frameSeconds_ != 1.0) {
        drawText(dc, 150, 5, texts.frames, TA_LEFT | TA_TOP);
        drawText(dc, 390, 5, texts.times, TA_RIGHT | TA_TOP);
        drawText(dc, 470, 5, texts.rate, TA_RIGHT | TA_TOP);
    } else {
        drawText(dc, 420, 5, texts.times, TA_RIGHT | TA_TOP);
    }
    SelectObject(dc, old);
    ReleaseDC(status, dc);
}

void MediaPlayer::drawNoVideoText() {
    HWND video = win(winVideo);
    if (!video) return;
    HDC dc = GetDC(video);
    RECT area{40, 50, 420, 150};
    FillRect(dc, &area, reinterpret_cast<HBRUSH>(GetClassLongPtrA(video, GCLP_HBRBACKGROUND)));
    SetBkMode(dc, TRANSPARENT);
    drawText(dc, 50, 60, "This clip has no video information, it may be", TA_LEFT | TA_TOP);
    drawText(dc, 50, 80, "a clip which contains only audio.  The interface", TA_LEFT | TA_TOP);
    drawText(dc, 50, 100, "as implemented supports wav audio, Dolby ac3, wma", TA_LEFT | TA_TOP);
    drawText(dc, 50, 120, "and others although I can make no guaranties.", TA_LEFT | TA_TOP);
    ReleaseDC(video, dc);
}

int MediaPlayer::pollEvents() {
    if (!playing_ && !alpha_.playing) return -1;
    IMediaEventEx* events = nullptr;
    IGraphBuilder* source = playing_ ? graph_ : alpha_.graph;
    if (FAILED(query(source, IID_IMediaEventEx, &events))) return 0;
    long code = 0;
    LONG_PTR p1 = 0, p2 = 0;
    int result = 0;
    if (SUCCEEDED(events->GetEvent(&code, &p1, &p2, 0))) {
        events->FreeEventParams(code, p1, p2);
        // Code 17 (a stream-control notice) needs nothing from the user: playback goes on.
        if (code == EC_COMPLETE) result = 1;
    }
    release(events);
    return result;
}

namespace {

// Places a renderer's window; true when it moved or was hidden. The renderer keeps no picture
// of its own across a hide or a resize, so an unchanged window is left alone.
bool placeVideoWindow(IVideoWindow* window, int width, int height) {
    long x = 0, y = 0, w = 0, h = 0, visible = OAFALSE;
    window->GetWindowPosition(&x, &y, &w, &h);
    window->get_Visible(&visible);
    bool moved = !(x == 0 && y == 0 && w == width && h == height) || visible != OATRUE;
    if (moved) window->SetWindowPosition(0, 0, width, height);
    window->put_Visible(OATRUE);  // showing a shown window changes nothing
    return moved;
}

}  // namespace

void MediaPlayer::layoutVideo() {
    if (!graph_) return;
    if (videoShown_) {
        IVideoWindow* window = nullptr;
        if (reportFailure(query(graph_, IID_IVideoWindow, &window), "Refresh Video Position:  IVideoWindow pointer error"))
            return;
        bool moved = false;
        if (videoHeight_ > 0) {
            RECT client{};
            GetClientRect(win(winVideo), &client);
            int height = videoWidth_ / videoHeight_ >= 3 ? videoHeight_ : client.bottom;
            moved = placeVideoWindow(window, client.right, height);
        }
        HWND alphaParent = alphaOnly && alphaOwner ? alphaOwner : win(winVideoAlpha);
        RECT r{};
        bool alphaMoved = alpha_.window && GetClientRect(alphaParent, &r) && placeVideoWindow(alpha_.window, r.right, r.bottom);
        bool betaMoved = beta_.window && GetClientRect(win(winVideoBeta), &r) && placeVideoWindow(beta_.window, r.right, r.bottom);
        drawFrameInfo();
        release(window);
        // A moved window is blank until its graph delivers the frame again.
        if (moved) RedrawWindow(win(winVideo), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        if (alpha_.built && !alpha_.playing && alphaMoved && alpha_.seeking) {
            LONGLONG current = 0, stop = 0;
            alpha_.seeking->GetPositions(&current, &stop);
            seekNeighbour(alpha_, current);
        }
        if (beta_.built && betaMoved && beta_.seeking) {
            LONGLONG current = 0, stop = 0;
            beta_.seeking->GetPositions(&current, &stop);
            seekNeighbour(beta_, current);
        }
    } else if (hasAudio_ || built_) {
        drawNoVideoText();
    }
}

bool MediaPlayer::openNeighbour(NeighbourGraph& n, const char* path, long long frame, bool alpha) {
    if (!built_) return false;
    closeNeighbour(n);
    const char* file = path && *path ? path : mediaPath_;
    wchar_t wide[540];
    MultiByteToWideChar(CP_ACP, 0, file, -1, wide, 540);
    wide[539] = L'\0';
    if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                reinterpret_cast<void**>(&n.graph)))) {
        n.graph = nullptr;
        showMessageBox(win(winMain),
                       alpha ? "ERROR - Could not create the Filter graph Manager for Alpha."
                             : "ERROR - Could not create the Filter graph Manager for Beta.",
                       alpha ? "Alpha video window" : "Beta video window", mbOk);
        return false;
    }
    addGdiVideoRenderer(n.graph);
    renderScriptSource(n.graph, file, wide, true, alpha && alphaOnly);
    removeUnconnectedFilters(n.graph);
    if (reportFailure(query(n.graph, IID_IMediaControl, &n.control), "IMediaControl pointer error")) return false;
    if (reportFailure(query(n.graph, IID_IMediaSeeking, &n.seeking), "IMediaSeeking pointer error")) return false;
    if (reportFailure(query(n.graph, IID_IVideoWindow, &n.window), "IVideoWindow pointer error")) return false;
    HWND owner = alpha ? (alphaOnly && alphaOwner ? alphaOwner : win(winVideoAlpha)) : win(winVideoBeta);
    n.window->put_Owner(reinterpret_cast<OAHWND>(owner));
    n.window->put_MessageDrain(reinterpret_cast<OAHWND>(owner));
    n.window->put_WindowStyle(WS_CHILD | WS_CLIPSIBLINGS);
    n.window->put_Visible(OAFALSE);
    RECT r{};
    GetClientRect(owner, &r);
    n.window->SetWindowPosition(0, 0, r.right, r.bottom);
    n.control->Run();
    n.control->Pause();
    n.playing = false;
    n.built = true;
    if (frame != 0) seekNeighbour(n, frameToPosition(frame, duration100ns_));
    layoutVideo();
    return true;
}

void MediaPlayer::closeNeighbour(NeighbourGraph& n) {
    if (&n == &alpha_ && n.playing) keepPainting(playing_);
    if (n.window) {
        n.window->put_Visible(OAFALSE);
        n.window->put_Owner(0);
    }
    if (n.control) n.control->Stop();
    release(n.window);
    release(n.seeking);
    release(n.control);
    release(n.graph);
    n.built = n.playing = false;
}

void MediaPlayer::openAlpha(const char* path, long long frame) { openNeighbour(alpha_, path, frame, true); }
void MediaPlayer::closeAlpha() { closeNeighbour(alpha_); }
void MediaPlayer::openBeta(const char* path, long long frame) { openNeighbour(beta_, path, frame, false); }
void MediaPlayer::closeBeta() { closeNeighbour(beta_); }

void MediaPlayer::listFilters(const char* name) {
    release(selectedFilter_);
    if (!graph_) return;
    release(filterEnum_);
    if (FAILED(graph_->EnumFilters(&filterEnum_))) return;
    bool full = !name || !*name;
    HWND list = win(winFilterGraphList);
    if (full && !filtersListed_ && list) SendMessageA(list, LB_RESETCONTENT, 0, 0);
    int count = 0;
    IBaseFilter* filter = nullptr;
    while (filterEnum_->Next(1, &filter, nullptr) == S_OK) {
        FILTER_INFO info{};
        if (FAILED(filter->QueryFilterInfo(&info))) {
            showMessageBox(win(winMain), "Could not get the filter info", "Enum Filters Error", mbOk);
            filter->Release();
            continue;
        }
        if (info.pGraph) info.pGraph->Release();
        char text[128];
        WideCharToMultiByte(CP_ACP, 0, info.achName, -1, text, sizeof text, nullptr, nullptr);
        text[127] = '\0';
        if (full) {
            if (!filtersListed_ && list) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
            ++count;
            filter->Release();
        } else if (std::strcmp(text, name) == 0) {
            selectedFilter_ = filter;
            propertyIndex_ = count;
            formatText(propertyTitle_, sizeof propertyTitle_, "%s Properties", text);
            return;
        } else {
            ++count;
            filter->Release();
        }
    }
    if (full) {
        delete[] propertyFrames_;
        filterCount_ = count;
        propertyFrames_ = new HWND[static_cast<size_t>(count) + 1]();
        filtersListed_ = true;
    }
}

void MediaPlayer::showFilterProperties() {
    if (!graph_ || !selectedFilter_) return;
    if (propertyFrames_ && propertyIndex_ <= filterCount_ && propertyFrames_[propertyIndex_] &&
        IsWindow(propertyFrames_[propertyIndex_]))
        return;
    // The thread takes over the selected filter's reference.
    PropertyJob* job = new PropertyJob{selectedFilter_};
    selectedFilter_ = nullptr;
    HANDLE thread = CreateThread(nullptr, 0, propertyThread, job, 0, nullptr);
    if (!thread) {
        job->filter->Release();
        delete job;
        showMessageBox(win(winMain), "CreateThread failed.", "Show Graph Filter Page", mbOk);
        return;
    }
    CloseHandle(thread);
    ++framesOpened_;
    SetTimer(win(winMain), timerPropertyFrame, 200, nullptr);
}

void MediaPlayer::onPropertyFrameTimer() {
    HWND frame = FindWindowA(nullptr, propertyTitle_);
    if (!frame) {
        // Some systems caption the frame "Properties for <name>".
        char other[300];
        formatText(other, sizeof other, "Properties for %.*s", static_cast<int>(std::strlen(propertyTitle_) > 11 ? std::strlen(propertyTitle_) - 11 : 0),
                   propertyTitle_);
        frame = FindWindowA(nullptr, other);
    }
    if (!frame) return;
    if (propertyFrames_ && propertyIndex_ <= filterCount_) propertyFrames_[propertyIndex_] = frame;
    KillTimer(win(winMain), timerPropertyFrame);
}
