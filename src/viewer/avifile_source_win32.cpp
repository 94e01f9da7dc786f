#include "viewer/avifile_source_win32.h"

#include <mmreg.h>
#include <vfw.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <vector>

#include "base/bounded_text.h"
#include "viewer/frame_pixels.h"

// {0EFC28CC-5792-455A-BD51-8AB19A3AA16A}
const CLSID clsidClipPropertyPage = {0x0efc28cc, 0x5792, 0x455a, {0xbd, 0x51, 0x8a, 0xb1, 0x9a, 0x3a, 0xa1, 0x6a}};

namespace {

// {FEBE9DC3-BBDB-4620-8269-AD3C4E6464DB}
const CLSID clsidAviFileSource = {0xfebe9dc3, 0xbbdb, 0x4620, {0x82, 0x69, 0xad, 0x3c, 0x4e, 0x64, 0x64, 0xdb}};
// Private: lets the property page find the filter behind the IUnknown it is given.
// {824452E6-060D-4CA6-BDC3-42CD362820E1}
const IID iidAviFileSourceSelf = {0x824452e6, 0x060d, 0x4ca6, {0xbd, 0xc3, 0x42, 0xcd, 0x36, 0x28, 0x20, 0xe1}};

const GUID subtypePcm = {0x00000001, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
const GUID subtypeFloat = {0x00000003, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

constexpr LONGLONG unitsPerSecond = 10000000;

void freeTypeContents(AM_MEDIA_TYPE& mt) {
    if (mt.pbFormat) CoTaskMemFree(mt.pbFormat);
    if (mt.pUnk) mt.pUnk->Release();
    mt.pbFormat = nullptr;
    mt.cbFormat = 0;
    mt.pUnk = nullptr;
}

bool copyType(AM_MEDIA_TYPE& dst, const AM_MEDIA_TYPE& src) {
    dst = src;
    dst.pbFormat = nullptr;
    if (src.cbFormat) {
        dst.pbFormat = static_cast<BYTE*>(CoTaskMemAlloc(src.cbFormat));
        if (!dst.pbFormat) {
            dst.cbFormat = 0;
            return false;
        }
        std::memcpy(dst.pbFormat, src.pbFormat, src.cbFormat);
    }
    if (dst.pUnk) dst.pUnk->AddRef();
    return true;
}

AM_MEDIA_TYPE* allocCopy(const AM_MEDIA_TYPE& src) {
    auto* mt = static_cast<AM_MEDIA_TYPE*>(CoTaskMemAlloc(sizeof(AM_MEDIA_TYPE)));
    if (mt && !copyType(*mt, src)) {
        CoTaskMemFree(mt);
        return nullptr;
    }
    return mt;
}

class SourceFilter;

// The pins' types, kept as plain records; the enumerator hands out copies.
struct TypeList {
    std::vector<AM_MEDIA_TYPE> types;
    std::vector<std::vector<BYTE>> formats;
    void add(const GUID& major, const GUID& sub, const GUID& formatType, const void* format, size_t size,
             bool fixed, ULONG sampleSize) {
        formats.emplace_back(static_cast<const BYTE*>(format), static_cast<const BYTE*>(format) + size);
        AM_MEDIA_TYPE mt{};
        mt.majortype = major;
        mt.subtype = sub;
        mt.formattype = formatType;
        mt.bFixedSizeSamples = fixed;
        mt.bTemporalCompression = FALSE;
        mt.lSampleSize = sampleSize;
        mt.cbFormat = static_cast<ULONG>(size);
        types.push_back(mt);
    }
    AM_MEDIA_TYPE at(size_t i) const {
        AM_MEDIA_TYPE mt = types[i];
        mt.pbFormat = const_cast<BYTE*>(formats[i].data());
        return mt;
    }
};

class TypeEnum : public IEnumMediaTypes {
public:
    TypeEnum(IUnknown* owner, const TypeList* list, ULONG pos) : owner_(owner), list_(list), pos_(pos) { owner_->AddRef(); }
    virtual ~TypeEnum() { owner_->Release(); }
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IEnumMediaTypes)) {
            *out = static_cast<IEnumMediaTypes*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        ULONG left = --refs_;
        if (!left) delete this;
        return left;
    }
    STDMETHODIMP Next(ULONG count, AM_MEDIA_TYPE** out, ULONG* fetched) override {
        if (!out) return E_POINTER;
        ULONG n = 0;
        while (n < count && pos_ < list_->types.size()) {
            out[n] = allocCopy(list_->at(pos_));
            if (!out[n]) break;
            ++n;
            ++pos_;
        }
        if (fetched) *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override {
        pos_ = std::min<size_t>(pos_ + count, list_->types.size());
        return pos_ < list_->types.size() ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override {
        pos_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumMediaTypes** out) override {
        if (!out) return E_POINTER;
        *out = new TypeEnum(owner_, list_, pos_);
        return S_OK;
    }

private:
    std::atomic<ULONG> refs_{1};
    IUnknown* owner_;
    const TypeList* list_;
    size_t pos_;
};

class SourcePin : public IPin, public IMediaSeeking {
public:
    SourcePin(SourceFilter* filter, bool video, PAVISTREAM stream);
    virtual ~SourcePin();

    // IUnknown: the pin lives as long as its filter, so it counts on the filter.
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IPin
    STDMETHODIMP Connect(IPin* receiver, const AM_MEDIA_TYPE* mt) override;
    STDMETHODIMP ReceiveConnection(IPin*, const AM_MEDIA_TYPE*) override { return E_UNEXPECTED; }
    STDMETHODIMP Disconnect() override;
    STDMETHODIMP ConnectedTo(IPin** pin) override;
    STDMETHODIMP ConnectionMediaType(AM_MEDIA_TYPE* mt) override;
    STDMETHODIMP QueryPinInfo(PIN_INFO* info) override;
    STDMETHODIMP QueryDirection(PIN_DIRECTION* dir) override {
        if (!dir) return E_POINTER;
        *dir = PINDIR_OUTPUT;
        return S_OK;
    }
    STDMETHODIMP QueryId(LPWSTR* id) override;
    STDMETHODIMP QueryAccept(const AM_MEDIA_TYPE* mt) override { return mt && typeIndex(*mt) >= 0 ? S_OK : S_FALSE; }
    STDMETHODIMP EnumMediaTypes(IEnumMediaTypes** out) override {
        if (!out) return E_POINTER;
        *out = new TypeEnum(static_cast<IPin*>(this), &types_, 0);
        return S_OK;
    }
    STDMETHODIMP QueryInternalConnections(IPin**, ULONG*) override { return E_NOTIMPL; }
    STDMETHODIMP EndOfStream() override { return E_UNEXPECTED; }
    STDMETHODIMP BeginFlush() override { return E_UNEXPECTED; }
    STDMETHODIMP EndFlush() override { return E_UNEXPECTED; }
    STDMETHODIMP NewSegment(REFERENCE_TIME, REFERENCE_TIME, double) override { return E_UNEXPECTED; }

    // IMediaSeeking: the filter's positions, shared by both pins.
    STDMETHODIMP GetCapabilities(DWORD* caps) override;
    STDMETHODIMP CheckCapabilities(DWORD* caps) override;
    STDMETHODIMP IsFormatSupported(const GUID* format) override {
        return format && IsEqualGUID(*format, TIME_FORMAT_MEDIA_TIME) ? S_OK : S_FALSE;
    }
    STDMETHODIMP QueryPreferredFormat(GUID* format) override {
        if (!format) return E_POINTER;
        *format = TIME_FORMAT_MEDIA_TIME;
        return S_OK;
    }
    STDMETHODIMP GetTimeFormat(GUID* format) override { return QueryPreferredFormat(format); }
    STDMETHODIMP IsUsingTimeFormat(const GUID* format) override { return IsFormatSupported(format); }
    STDMETHODIMP SetTimeFormat(const GUID* format) override {
        return format && IsEqualGUID(*format, TIME_FORMAT_MEDIA_TIME) ? S_OK : E_INVALIDARG;
    }
    STDMETHODIMP GetDuration(LONGLONG* duration) override;
    STDMETHODIMP GetStopPosition(LONGLONG* stop) override;
    STDMETHODIMP GetCurrentPosition(LONGLONG* current) override;
    STDMETHODIMP ConvertTimeFormat(LONGLONG* target, const GUID* targetFormat, LONGLONG source,
                                   const GUID* sourceFormat) override {
        if (!target) return E_POINTER;
        if ((targetFormat && !IsEqualGUID(*targetFormat, TIME_FORMAT_MEDIA_TIME)) ||
            (sourceFormat && !IsEqualGUID(*sourceFormat, TIME_FORMAT_MEDIA_TIME)))
            return E_INVALIDARG;
        *target = source;
        return S_OK;
    }
    STDMETHODIMP SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG* stop, DWORD stopFlags) override;
    STDMETHODIMP GetPositions(LONGLONG* current, LONGLONG* stop) override;
    STDMETHODIMP GetAvailable(LONGLONG* earliest, LONGLONG* latest) override;
    STDMETHODIMP SetRate(double rate) override { return rate == 1.0 ? S_OK : E_NOTIMPL; }
    STDMETHODIMP GetRate(double* rate) override {
        if (!rate) return E_POINTER;
        *rate = 1.0;
        return S_OK;
    }
    STDMETHODIMP GetPreroll(LONGLONG* preroll) override {
        if (!preroll) return E_POINTER;
        *preroll = 0;
        return S_OK;
    }

    bool connected() const { return peer_ != nullptr; }
    bool isVideo() const { return video_; }
    LONGLONG duration() const;
    void startStreaming(LONGLONG start, LONGLONG stop);
    void stopStreaming();
    void commit() {
        if (allocator_) allocator_->Commit();
    }
    void decommit() {
        if (allocator_) allocator_->Decommit();
    }
    void beginFlush() {
        if (peer_) peer_->BeginFlush();
    }
    void endFlush() {
        if (peer_) peer_->EndFlush();
    }

    // What the property page shows of this stream.
    int width = 0, height = 0;
    DWORD rate = 0, scale = 1;  // video frames per second = rate / scale
    LONG length = 0;            // frames, or audio sample frames
    WAVEFORMATEX wave{};
    PixelLayout layout = layoutUnknown;

private:
    static DWORD WINAPI threadMain(void* self);
    void deliverVideo();
    void deliverAudio();
    HRESULT deliver(IMediaSample* sample);
    int typeIndex(const AM_MEDIA_TYPE& mt) const;
    HRESULT decideAllocator(IPin* receiver);
    LONGLONG frameTime(LONGLONG frame) const { return frame * scale * unitsPerSecond / (rate ? rate : 1); }

    SourceFilter* filter_;
    bool video_;
    PAVISTREAM stream_;
    TypeList types_;
    std::vector<BYTE> rawFormat_;
    IPin* peer_ = nullptr;
    IMemInputPin* input_ = nullptr;
    IMemAllocator* allocator_ = nullptr;
    AM_MEDIA_TYPE mt_{};
    bool convert_ = false;  // deliver RGB32 made from the stream's own layout
    size_t rawBytes_ = 0;   // one frame, or one audio chunk
    size_t outBytes_ = 0;
    HANDLE thread_ = nullptr;
    std::atomic<bool> quit_{false};
    LONGLONG segStart_ = 0, segStop_ = 0;
};

class SourceFilter : public IBaseFilter, public ISpecifyPropertyPages {
public:
    explicit SourceFilter(const char* path) {
        InitializeCriticalSection(&lock_);
        InitializeCriticalSection(&readLock);
        copyText(path_, path);
        MultiByteToWideChar(CP_ACP, 0, path, -1, name_, 128);
        name_[127] = L'\0';
    }
    virtual ~SourceFilter() {
        for (SourcePin* p : pins_) delete p;
        if (clock_) clock_->Release();
        if (file_) AVIFileRelease(file_);
        AVIFileExit();
        DeleteCriticalSection(&readLock);
        DeleteCriticalSection(&lock_);
    }

    bool open() {
        AVIFileInit();
        if (AVIFileOpenA(&file_, path_, OF_READ | OF_SHARE_DENY_NONE, nullptr) != 0) {
            file_ = nullptr;
            return false;
        }
        PAVISTREAM video = nullptr, audio = nullptr;
        if (AVIFileGetStream(file_, &video, streamtypeVIDEO, 0) == 0) pins_.push_back(new SourcePin(this, true, video));
        if (AVIFileGetStream(file_, &audio, streamtypeAUDIO, 0) == 0) pins_.push_back(new SourcePin(this, false, audio));
        // A pin whose format could not be read offers nothing; drop it.
        pins_.erase(std::remove_if(pins_.begin(), pins_.end(),
                                   [](SourcePin* p) {
                                       bool bad = p->layout == layoutUnknown && p->isVideo();
                                       bad = bad || (!p->isVideo() && p->wave.nBlockAlign == 0);
                                       if (bad) delete p;
                                       return bad;
                                   }),
                    pins_.end());
        for (SourcePin* p : pins_) stop_ = std::max(stop_, p->duration());
        return !pins_.empty();
    }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPersist) || IsEqualIID(riid, IID_IMediaFilter) ||
            IsEqualIID(riid, IID_IBaseFilter) || IsEqualIID(riid, iidAviFileSourceSelf)) {
            *out = static_cast<IBaseFilter*>(this);
        } else if (IsEqualIID(riid, IID_ISpecifyPropertyPages)) {
            *out = static_cast<ISpecifyPropertyPages*>(this);
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        ULONG left = --refs_;
        if (!left) {
            stopThreads();
            delete this;
        }
        return left;
    }

    // IPersist, IMediaFilter
    STDMETHODIMP GetClassID(CLSID* id) override {
        if (!id) return E_POINTER;
        *id = clsidAviFileSource;
        return S_OK;
    }
    STDMETHODIMP Stop() override {
        EnterCriticalSection(&lock_);
        if (state_ != State_Stopped) {
            for (SourcePin* p : pins_) p->decommit();
            stopThreads();
        }
        state_ = State_Stopped;
        LeaveCriticalSection(&lock_);
        return S_OK;
    }
    STDMETHODIMP Pause() override {
        EnterCriticalSection(&lock_);
        if (state_ == State_Stopped) {
            state_ = State_Paused;
            startThreads();
        }
        state_ = State_Paused;
        LeaveCriticalSection(&lock_);
        return S_OK;
    }
    STDMETHODIMP Run(REFERENCE_TIME start) override {
        EnterCriticalSection(&lock_);
        if (state_ == State_Stopped) startThreads();
        state_ = State_Running;
        runStart_ = start;
        LeaveCriticalSection(&lock_);
        return S_OK;
    }
    STDMETHODIMP GetState(DWORD, FILTER_STATE* state) override {
        if (!state) return E_POINTER;
        *state = state_;
        return S_OK;
    }
    STDMETHODIMP SetSyncSource(IReferenceClock* clock) override {
        EnterCriticalSection(&lock_);
        if (clock) clock->AddRef();
        if (clock_) clock_->Release();
        clock_ = clock;
        LeaveCriticalSection(&lock_);
        return S_OK;
    }
    STDMETHODIMP GetSyncSource(IReferenceClock** clock) override {
        if (!clock) return E_POINTER;
        *clock = clock_;
        if (clock_) clock_->AddRef();
        return S_OK;
    }

    // IBaseFilter
    STDMETHODIMP EnumPins(IEnumPins** out) override;
    STDMETHODIMP FindPin(LPCWSTR id, IPin** pin) override {
        if (!id || !pin) return E_POINTER;
        for (SourcePin* p : pins_) {
            if (lstrcmpW(id, p->isVideo() ? L"Video" : L"Audio") == 0) {
                *pin = p;
                p->AddRef();
                return S_OK;
            }
        }
        *pin = nullptr;
        return VFW_E_NOT_FOUND;
    }
    STDMETHODIMP QueryFilterInfo(FILTER_INFO* info) override {
        if (!info) return E_POINTER;
        lstrcpynW(info->achName, name_, MAX_FILTER_NAME);
        info->pGraph = graph_;
        if (graph_) graph_->AddRef();
        return S_OK;
    }
    STDMETHODIMP JoinFilterGraph(IFilterGraph* graph, LPCWSTR name) override {
        graph_ = graph;  // not counted: the graph owns the filter
        if (name) lstrcpynW(name_, name, 128);
        return S_OK;
    }
    STDMETHODIMP QueryVendorInfo(LPWSTR*) override { return E_NOTIMPL; }

    // ISpecifyPropertyPages
    STDMETHODIMP GetPages(CAUUID* pages) override {
        if (!pages) return E_POINTER;
        pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof(GUID)));
        if (!pages->pElems) return E_OUTOFMEMORY;
        pages->cElems = 1;
        pages->pElems[0] = clsidClipPropertyPage;
        return S_OK;
    }

    // Seeking, from the pins. The video pin leads when connected, so two renderers seeking
    // through their own pins move the file once.
    bool leads(const SourcePin* pin) const {
        for (SourcePin* p : pins_)
            if (p->connected()) return p == pin;
        return false;
    }
    HRESULT setPositions(const SourcePin* pin, LONGLONG* current, DWORD currentFlags, LONGLONG* stop, DWORD stopFlags) {
        EnterCriticalSection(&lock_);
        LONGLONG newStart = start_, newStop = stop_;
        DWORD how = currentFlags & AM_SEEKING_PositioningBitsMask;
        if (current && how == AM_SEEKING_AbsolutePositioning) newStart = *current;
        if (current && how == AM_SEEKING_RelativePositioning) newStart += *current;
        how = stopFlags & AM_SEEKING_PositioningBitsMask;
        if (stop && how == AM_SEEKING_AbsolutePositioning) newStop = *stop;
        if (stop && how == AM_SEEKING_RelativePositioning) newStop += *stop;
        LONGLONG total = duration();
        newStart = std::clamp<LONGLONG>(newStart, 0, total);
        newStop = std::clamp<LONGLONG>(newStop, newStart, total);
        bool moved = newStart != start_ || newStop != stop_ || (currentFlags & AM_SEEKING_PositioningBitsMask);
        if (leads(pin) && moved) {
            if (state_ != State_Stopped) {
                // Flush: unblock the renderers and our threads, then deliver from the new place.
                for (SourcePin* p : pins_) p->beginFlush();
                for (SourcePin* p : pins_) p->decommit();
                stopThreads();
                for (SourcePin* p : pins_) p->endFlush();
                start_ = newStart;
                stop_ = newStop;
                startThreads();
            } else {
                start_ = newStart;
                stop_ = newStop;
            }
        }
        if (current && (currentFlags & AM_SEEKING_ReturnTime)) *current = start_;
        if (stop && (stopFlags & AM_SEEKING_ReturnTime)) *stop = stop_;
        LeaveCriticalSection(&lock_);
        return S_OK;
    }
    void positions(LONGLONG* current, LONGLONG* stop) const {
        if (current) *current = start_;
        if (stop) *stop = stop_;
    }
    LONGLONG duration() const {
        LONGLONG d = 0;
        for (SourcePin* p : pins_) d = std::max(d, p->duration());
        return d;
    }

    // The text the property page shows.
    void describe(char* out, size_t cap) const {
        formatText(out, cap, "%s\r\n\r\n", path_);
        for (SourcePin* p : pins_) {
            char line[256];
            if (p->isVideo()) {
                const char* layouts[] = {"unknown", "RGB32", "RGB24", "YUY2", "YV12"};
                formatText(line, sizeof line,
                           "Video: %d x %d, %s, %.3f frames per second, %ld frames\r\n", p->width, p->height,
                           layouts[p->layout], p->scale ? double(p->rate) / p->scale : 0.0, static_cast<long>(p->length));
            } else {
                formatText(line, sizeof line, "Audio: %u channels, %lu Hz, %u bits%s, %ld samples\r\n",
                           unsigned(p->wave.nChannels), static_cast<unsigned long>(p->wave.nSamplesPerSec),
                           unsigned(p->wave.wBitsPerSample),
                           p->wave.wFormatTag == WAVE_FORMAT_IEEE_FLOAT ? " float" : "", static_cast<long>(p->length));
            }
            appendText(out, cap, line);
        }
    }

    IBaseFilter* self() { return this; }
    const std::vector<SourcePin*>& pins() const { return pins_; }
    const wchar_t* name() const { return name_; }
    CRITICAL_SECTION readLock;  // AVIFile reads from the two streaming threads

private:
    void startThreads() {
        for (SourcePin* p : pins_) {
            if (!p->connected()) continue;
            p->commit();
            p->startStreaming(start_, stop_);
        }
    }
    void stopThreads() {
        for (SourcePin* p : pins_) p->stopStreaming();
    }

    std::atomic<ULONG> refs_{1};
    CRITICAL_SECTION lock_;
    char path_[270] = {};
    wchar_t name_[128] = {};
    PAVIFILE file_ = nullptr;
    std::vector<SourcePin*> pins_;
    IFilterGraph* graph_ = nullptr;
    IReferenceClock* clock_ = nullptr;
    FILTER_STATE state_ = State_Stopped;
    REFERENCE_TIME runStart_ = 0;
    LONGLONG start_ = 0, stop_ = 0;
};

class PinEnum : public IEnumPins {
public:
    PinEnum(SourceFilter* filter, size_t pos) : filter_(filter), pos_(pos) { filter_->AddRef(); }
    virtual ~PinEnum() { filter_->Release(); }
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IEnumPins)) {
            *out = static_cast<IEnumPins*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        ULONG left = --refs_;
        if (!left) delete this;
        return left;
    }
    STDMETHODIMP Next(ULONG count, IPin** out, ULONG* fetched) override {
        if (!out) return E_POINTER;
        ULONG n = 0;
        while (n < count && pos_ < filter_->pins().size()) {
            out[n] = filter_->pins()[pos_++];
            out[n++]->AddRef();
        }
        if (fetched) *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override {
        pos_ = std::min(pos_ + count, filter_->pins().size());
        return pos_ < filter_->pins().size() ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override {
        pos_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumPins** out) override {
        if (!out) return E_POINTER;
        *out = new PinEnum(filter_, pos_);
        return S_OK;
    }

private:
    std::atomic<ULONG> refs_{1};
    SourceFilter* filter_;
    size_t pos_;
};

STDMETHODIMP SourceFilter::EnumPins(IEnumPins** out) {
    if (!out) return E_POINTER;
    *out = new PinEnum(this, 0);
    return S_OK;
}

SourcePin::SourcePin(SourceFilter* filter, bool video, PAVISTREAM stream) : filter_(filter), video_(video), stream_(stream) {
    AVISTREAMINFOA info{};
    AVIStreamInfoA(stream_, &info, sizeof info);
    length = AVIStreamLength(stream_);
    LONG size = 0;
    AVIStreamReadFormat(stream_, 0, nullptr, &size);
    if (size <= 0) return;
    rawFormat_.resize(static_cast<size_t>(size));
    if (AVIStreamReadFormat(stream_, 0, rawFormat_.data(), &size) != 0) return;
    if (video_) {
        if (rawFormat_.size() < sizeof(BITMAPINFOHEADER)) return;
        BITMAPINFOHEADER bih;
        std::memcpy(&bih, rawFormat_.data(), sizeof bih);
        width = bih.biWidth;
        height = bih.biHeight < 0 ? -bih.biHeight : bih.biHeight;
        rate = info.dwRate ? info.dwRate : 25;
        scale = info.dwScale ? info.dwScale : 1;
        layout = pixelLayoutOf(bih.biCompression, bih.biBitCount);
        rawBytes_ = layoutFrameBytes(layout, width, height);
        if (layout == layoutUnknown || rawBytes_ == 0) {
            layout = layoutUnknown;
            return;
        }
        REFERENCE_TIME perFrame = frameTime(1);
        VIDEOINFOHEADER vih{};
        vih.rcSource = RECT{0, 0, width, height};
        vih.rcTarget = vih.rcSource;
        vih.AvgTimePerFrame = perFrame;
        vih.bmiHeader = bih;
        vih.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        vih.bmiHeader.biHeight = height;
        vih.bmiHeader.biSizeImage = static_cast<DWORD>(rawBytes_);
        vih.dwBitRate = static_cast<DWORD>(std::min<double>(4e9, double(rawBytes_) * 8 * rate / scale));
        GUID sub = MEDIASUBTYPE_RGB32;
        if (layout == layoutRgb24) sub = MEDIASUBTYPE_RGB24;
        if (layout == layoutYuy2) sub = MEDIASUBTYPE_YUY2;
        if (layout == layoutYv12) sub = MEDIASUBTYPE_YV12;
        types_.add(MEDIATYPE_Video, sub, FORMAT_VideoInfo, &vih, sizeof vih, true, vih.bmiHeader.biSizeImage);
        if (layout != layoutRgb32) {
            // Renderers that cannot take the stream's own layout get RGB32 made by us.
            vih.bmiHeader.biCompression = BI_RGB;
            vih.bmiHeader.biBitCount = 32;
            vih.bmiHeader.biSizeImage = static_cast<DWORD>(layoutFrameBytes(layoutRgb32, width, height));
            types_.add(MEDIATYPE_Video, MEDIASUBTYPE_RGB32, FORMAT_VideoInfo, &vih, sizeof vih, true,
                       vih.bmiHeader.biSizeImage);
        }
    } else {
        if (rawFormat_.size() < 16) return;
        std::memcpy(&wave, rawFormat_.data(), std::min(rawFormat_.size(), sizeof wave));
        if (rawFormat_.size() < sizeof(WAVEFORMATEX)) {
            wave.cbSize = 0;
            rawFormat_.resize(sizeof(WAVEFORMATEX), 0);
        }
        GUID sub = wave.wFormatTag == WAVE_FORMAT_IEEE_FLOAT ? subtypeFloat : subtypePcm;
        if (wave.wFormatTag == WAVE_FORMAT_EXTENSIBLE && rawFormat_.size() >= sizeof(WAVEFORMATEXTENSIBLE)) {
            WAVEFORMATEXTENSIBLE ext;
            std::memcpy(&ext, rawFormat_.data(), sizeof ext);
            sub = ext.SubFormat;
        } else if (wave.wFormatTag != WAVE_FORMAT_PCM && wave.wFormatTag != WAVE_FORMAT_IEEE_FLOAT) {
            wave.nBlockAlign = 0;  // compressed audio: not ours to serve
            return;
        }
        if (wave.nBlockAlign == 0 || wave.nSamplesPerSec == 0) {
            wave.nBlockAlign = 0;
            return;
        }
        // One chunk is a twentieth of a second.
        rawBytes_ = std::max<size_t>(1, wave.nSamplesPerSec / 20) * wave.nBlockAlign;
        types_.add(MEDIATYPE_Audio, sub, FORMAT_WaveFormatEx, rawFormat_.data(), rawFormat_.size(), true,
                   wave.nBlockAlign);
    }
}

SourcePin::~SourcePin() {
    stopStreaming();
    Disconnect();
    if (stream_) AVIStreamRelease(stream_);
}

STDMETHODIMP SourcePin::QueryInterface(REFIID riid, void** out) {
    if (!out) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPin)) {
        *out = static_cast<IPin*>(this);
    } else if (IsEqualIID(riid, IID_IMediaSeeking)) {
        *out = static_cast<IMediaSeeking*>(this);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}
STDMETHODIMP_(ULONG) SourcePin::AddRef() { return filter_->AddRef(); }
STDMETHODIMP_(ULONG) SourcePin::Release() { return filter_->Release(); }

LONGLONG SourcePin::duration() const {
    if (video_) return frameTime(length);
    return wave.nSamplesPerSec ? LONGLONG(length) * unitsPerSecond / wave.nSamplesPerSec : 0;
}

int SourcePin::typeIndex(const AM_MEDIA_TYPE& mt) const {
    for (size_t i = 0; i < types_.types.size(); ++i) {
        const AM_MEDIA_TYPE& t = types_.types[i];
        if (!IsEqualGUID(mt.majortype, t.majortype) && !IsEqualGUID(mt.majortype, GUID_NULL)) continue;
        if (!IsEqualGUID(mt.subtype, t.subtype) && !IsEqualGUID(mt.subtype, GUID_NULL)) continue;
        if (!IsEqualGUID(mt.formattype, t.formattype) && !IsEqualGUID(mt.formattype, GUID_NULL)) continue;
        return static_cast<int>(i);
    }
    return -1;
}

STDMETHODIMP SourcePin::Connect(IPin* receiver, const AM_MEDIA_TYPE* wanted) {
    if (!receiver) return E_POINTER;
    if (peer_) return VFW_E_ALREADY_CONNECTED;
    FILTER_STATE state;
    filter_->GetState(0, &state);
    if (state != State_Stopped) return VFW_E_NOT_STOPPED;
    for (size_t i = 0; i < types_.types.size(); ++i) {
        AM_MEDIA_TYPE mt = types_.at(i);
        if (wanted && typeIndex(*wanted) < 0) break;
        if (wanted && !IsEqualGUID(wanted->subtype, GUID_NULL) && !IsEqualGUID(wanted->subtype, mt.subtype)) continue;
        if (wanted && !IsEqualGUID(wanted->majortype, GUID_NULL) && !IsEqualGUID(wanted->majortype, mt.majortype)) continue;
        if (FAILED(receiver->ReceiveConnection(this, &mt)) ) continue;
        peer_ = receiver;
        peer_->AddRef();
        copyType(mt_, mt);
        convert_ = video_ && layout != layoutRgb32 && IsEqualGUID(mt.subtype, MEDIASUBTYPE_RGB32);
        outBytes_ = convert_ ? layoutFrameBytes(layoutRgb32, width, height) : rawBytes_;
        if (SUCCEEDED(decideAllocator(receiver))) return S_OK;
        receiver->Disconnect();
        Disconnect();
    }
    return VFW_E_NO_ACCEPTABLE_TYPES;
}

HRESULT SourcePin::decideAllocator(IPin* receiver) {
    if (FAILED(receiver->QueryInterface(IID_IMemInputPin, reinterpret_cast<void**>(&input_)))) return E_NOINTERFACE;
    ALLOCATOR_PROPERTIES wanted{}, actual{};
    input_->GetAllocatorRequirements(&wanted);
    if (FAILED(input_->GetAllocator(&allocator_)) &&
        FAILED(CoCreateInstance(CLSID_MemoryAllocator, nullptr, CLSCTX_INPROC_SERVER, IID_IMemAllocator,
                                reinterpret_cast<void**>(&allocator_))))
        return E_FAIL;
    wanted.cBuffers = std::max<long>(wanted.cBuffers, video_ ? 2 : 8);
    wanted.cbBuffer = std::max<long>(wanted.cbBuffer, static_cast<long>(outBytes_));
    wanted.cbAlign = std::max<long>(wanted.cbAlign, 1);
    if (FAILED(allocator_->SetProperties(&wanted, &actual)) || actual.cbBuffer < static_cast<long>(outBytes_))
        return E_FAIL;
    return input_->NotifyAllocator(allocator_, FALSE);
}

STDMETHODIMP SourcePin::Disconnect() {
    if (!peer_) return S_FALSE;
    if (allocator_) allocator_->Release();
    if (input_) input_->Release();
    peer_->Release();
    allocator_ = nullptr;
    input_ = nullptr;
    peer_ = nullptr;
    freeTypeContents(mt_);
    mt_ = AM_MEDIA_TYPE{};
    return S_OK;
}

STDMETHODIMP SourcePin::ConnectedTo(IPin** pin) {
    if (!pin) return E_POINTER;
    *pin = peer_;
    if (!peer_) return VFW_E_NOT_CONNECTED;
    peer_->AddRef();
    return S_OK;
}

STDMETHODIMP SourcePin::ConnectionMediaType(AM_MEDIA_TYPE* mt) {
    if (!mt) return E_POINTER;
    if (!peer_) {
        *mt = AM_MEDIA_TYPE{};
        return VFW_E_NOT_CONNECTED;
    }
    return copyType(*mt, mt_) ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP SourcePin::QueryPinInfo(PIN_INFO* info) {
    if (!info) return E_POINTER;
    info->pFilter = filter_->self();
    info->pFilter->AddRef();
    info->dir = PINDIR_OUTPUT;
    lstrcpynW(info->achName, video_ ? L"Video" : L"Audio", MAX_PIN_NAME);
    return S_OK;
}

STDMETHODIMP SourcePin::QueryId(LPWSTR* id) {
    if (!id) return E_POINTER;
    const wchar_t* name = video_ ? L"Video" : L"Audio";
    *id = static_cast<LPWSTR>(CoTaskMemAlloc(sizeof(wchar_t) * 6));
    if (!*id) return E_OUTOFMEMORY;
    lstrcpyW(*id, name);
    return S_OK;
}

STDMETHODIMP SourcePin::GetCapabilities(DWORD* caps) {
    if (!caps) return E_POINTER;
    *caps = AM_SEEKING_CanSeekAbsolute | AM_SEEKING_CanSeekForwards | AM_SEEKING_CanSeekBackwards |
            AM_SEEKING_CanGetCurrentPos | AM_SEEKING_CanGetStopPos | AM_SEEKING_CanGetDuration;
    return S_OK;
}
STDMETHODIMP SourcePin::CheckCapabilities(DWORD* caps) {
    if (!caps) return E_POINTER;
    DWORD ours = 0;
    GetCapabilities(&ours);
    DWORD asked = *caps;
    *caps &= ours;
    return *caps == asked ? S_OK : (*caps ? S_FALSE : E_FAIL);
}
STDMETHODIMP SourcePin::GetDuration(LONGLONG* d) {
    if (!d) return E_POINTER;
    *d = filter_->duration();
    return S_OK;
}
STDMETHODIMP SourcePin::GetStopPosition(LONGLONG* stop) {
    if (!stop) return E_POINTER;
    filter_->positions(nullptr, stop);
    return S_OK;
}
STDMETHODIMP SourcePin::GetCurrentPosition(LONGLONG* current) {
    if (!current) return E_POINTER;
    filter_->positions(current, nullptr);
    return S_OK;
}
STDMETHODIMP SourcePin::SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG* stop, DWORD stopFlags) {
    return filter_->setPositions(this, current, currentFlags, stop, stopFlags);
}
STDMETHODIMP SourcePin::GetPositions(LONGLONG* current, LONGLONG* stop) {
    filter_->positions(current, stop);
    return S_OK;
}
STDMETHODIMP SourcePin::GetAvailable(LONGLONG* earliest, LONGLONG* latest) {
    if (earliest) *earliest = 0;
    if (latest) *latest = filter_->duration();
    return S_OK;
}

void SourcePin::startStreaming(LONGLONG start, LONGLONG stop) {
    if (thread_ || !peer_) return;
    segStart_ = start;
    segStop_ = stop;
    quit_ = false;
    thread_ = CreateThread(nullptr, 0, threadMain, this, 0, nullptr);
}

void SourcePin::stopStreaming() {
    if (!thread_) return;
    quit_ = true;
    decommit();  // a thread waiting for a buffer wakes up with an error
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    thread_ = nullptr;
}

DWORD WINAPI SourcePin::threadMain(void* self) {
    auto* pin = static_cast<SourcePin*>(self);
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    pin->peer_->NewSegment(pin->segStart_, pin->segStop_, 1.0);
    if (pin->video_) {
        pin->deliverVideo();
    } else {
        pin->deliverAudio();
    }
    CoUninitialize();
    return 0;
}

// The graph may pause us before the renderer downstream: a sample it refuses while still
// stopped is offered again for a moment instead of ending the stream.
HRESULT SourcePin::deliver(IMediaSample* sample) {
    HRESULT hr = input_->Receive(sample);
    for (int tries = 0; hr == VFW_E_WRONG_STATE && !quit_ && tries < 200; ++tries) {
        Sleep(5);
        hr = input_->Receive(sample);
    }
    return hr;
}

void SourcePin::deliverVideo() {
    std::vector<BYTE> scratch(convert_ ? rawBytes_ : 0);
    LONGLONG frame = segStart_ * rate / (scale * unitsPerSecond);
    bool first = true;
    while (!quit_) {
        if (frame >= length || frameTime(frame) >= segStop_) {
            peer_->EndOfStream();
            return;
        }
        IMediaSample* sample = nullptr;
        if (FAILED(allocator_->GetBuffer(&sample, nullptr, nullptr, 0))) return;
        if (quit_) {
            sample->Release();
            return;
        }
        BYTE* data = nullptr;
        sample->GetPointer(&data);
        LONG bytes = 0, frames = 0;
        EnterCriticalSection(&filter_->readLock);
        HRESULT hr = AVIStreamRead(stream_, static_cast<LONG>(frame), 1, convert_ ? scratch.data() : data,
                                   static_cast<LONG>(rawBytes_), &bytes, &frames);
        LeaveCriticalSection(&filter_->readLock);
        if (hr != 0) std::memset(convert_ ? scratch.data() : data, 0, rawBytes_);
        if (convert_) frameToRgb32(layout, scratch.data(), width, height, data);
        REFERENCE_TIME from = std::max<LONGLONG>(0, frameTime(frame) - segStart_);
        REFERENCE_TIME to = std::max<LONGLONG>(from + 1, frameTime(frame + 1) - segStart_);
        sample->SetTime(&from, &to);
        sample->SetActualDataLength(static_cast<long>(outBytes_));
        sample->SetSyncPoint(TRUE);
        sample->SetDiscontinuity(first);
        first = false;
        hr = deliver(sample);
        sample->Release();
        if (hr != S_OK) return;  // flushing, stopping, or the renderer wants no more
        ++frame;
    }
}

void SourcePin::deliverAudio() {
    LONGLONG rateHz = wave.nSamplesPerSec;
    LONGLONG position = segStart_ * rateHz / unitsPerSecond;
    LONGLONG end = std::min<LONGLONG>(length, (segStop_ * rateHz + unitsPerSecond - 1) / unitsPerSecond);
    LONG chunk = static_cast<LONG>(rawBytes_ / wave.nBlockAlign);
    bool first = true;
    while (!quit_) {
        if (position >= end) {
            peer_->EndOfStream();
            return;
        }
        IMediaSample* sample = nullptr;
        if (FAILED(allocator_->GetBuffer(&sample, nullptr, nullptr, 0))) return;
        if (quit_) {
            sample->Release();
            return;
        }
        BYTE* data = nullptr;
        sample->GetPointer(&data);
        LONG want = static_cast<LONG>(std::min<LONGLONG>(chunk, end - position));
        LONG bytes = 0, got = 0;
        EnterCriticalSection(&filter_->readLock);
        HRESULT hr = AVIStreamRead(stream_, static_cast<LONG>(position), want, data,
                                   static_cast<LONG>(rawBytes_), &bytes, &got);
        LeaveCriticalSection(&filter_->readLock);
        if (hr != 0 || got <= 0) {
            got = want;
            bytes = want * wave.nBlockAlign;
            std::memset(data, 0, static_cast<size_t>(bytes));
        }
        REFERENCE_TIME from = position * unitsPerSecond / rateHz - segStart_;
        REFERENCE_TIME to = (position + got) * unitsPerSecond / rateHz - segStart_;
        from = std::max<LONGLONG>(0, from);
        sample->SetTime(&from, &to);
        sample->SetActualDataLength(bytes);
        sample->SetSyncPoint(TRUE);
        sample->SetDiscontinuity(first);
        first = false;
        hr = deliver(sample);
        sample->Release();
        if (hr != S_OK) return;
        position += got;
    }
}

// The clip's property page: one read-only text with what the filter serves.
class ClipPage : public IPropertyPage {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPropertyPage)) {
            *out = static_cast<IPropertyPage*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        ULONG left = --refs_;
        if (!left) delete this;
        return left;
    }
    STDMETHODIMP SetPageSite(IPropertyPageSite* site) override {
        if (site) site->AddRef();
        if (site_) site_->Release();
        site_ = site;
        return S_OK;
    }
    STDMETHODIMP Activate(HWND parent, LPCRECT rect, BOOL) override {
        window_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", text_,
                                  WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL,
                                  rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, parent,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
        return window_ ? S_OK : E_FAIL;
    }
    STDMETHODIMP Deactivate() override {
        if (window_) DestroyWindow(window_);
        window_ = nullptr;
        return S_OK;
    }
    STDMETHODIMP GetPageInfo(PROPPAGEINFO* info) override {
        if (!info) return E_POINTER;
        static const wchar_t title[] = L"Clip";
        info->cb = sizeof *info;
        info->pszTitle = static_cast<LPOLESTR>(CoTaskMemAlloc(sizeof title));
        if (info->pszTitle) std::memcpy(info->pszTitle, title, sizeof title);
        info->size = SIZE{360, 160};
        info->pszDocString = nullptr;
        info->pszHelpFile = nullptr;
        info->dwHelpContext = 0;
        return S_OK;
    }
    STDMETHODIMP SetObjects(ULONG count, IUnknown** objects) override {
        text_[0] = '\0';
        for (ULONG i = 0; i < count; ++i) {
            SourceFilter* filter = nullptr;
            if (objects[i] && SUCCEEDED(objects[i]->QueryInterface(iidAviFileSourceSelf, reinterpret_cast<void**>(&filter)))) {
                filter->describe(text_, sizeof text_);
                filter->Release();
            }
        }
        return S_OK;
    }
    STDMETHODIMP Show(UINT show) override {
        if (window_) ShowWindow(window_, show);
        return S_OK;
    }
    STDMETHODIMP Move(LPCRECT rect) override {
        if (window_) MoveWindow(window_, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, TRUE);
        return S_OK;
    }
    STDMETHODIMP IsPageDirty() override { return S_FALSE; }
    STDMETHODIMP Apply() override { return S_OK; }
    STDMETHODIMP Help(LPCOLESTR) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(MSG*) override { return S_FALSE; }
    virtual ~ClipPage() {
        Deactivate();
        if (site_) site_->Release();
    }

private:
    std::atomic<ULONG> refs_{1};
    IPropertyPageSite* site_ = nullptr;
    HWND window_ = nullptr;
    char text_[1024] = {};
};

class ClipPageFactory : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
            *out = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    // Static object: lives for the whole run.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        ClipPage* page = new ClipPage;
        HRESULT hr = page->QueryInterface(riid, out);
        page->Release();
        return hr;
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }
};

ClipPageFactory pageFactory;

}  // namespace

IBaseFilter* createAviFileSource(const char* path) {
    auto* filter = new SourceFilter(path);
    if (!filter->open()) {
        filter->Release();
        return nullptr;
    }
    return filter;
}

DWORD registerClipPropertyPage() {
    DWORD cookie = 0;
    if (FAILED(CoRegisterClassObject(clsidClipPropertyPage, &pageFactory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie)))
        return 0;
    return cookie;
}

void revokeClipPropertyPage(DWORD cookie) {
    if (cookie) CoRevokeClassObject(cookie);
}
