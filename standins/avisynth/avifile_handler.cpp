#include "avifile_handler.h"

#include <mmreg.h>
#include <vfw.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "frame_source.h"
#include "script_engine.h"
#include "standin_version.h"

namespace standin {

std::atomic<long> objectCount{0};

namespace {

const GUID subtypePcm = {0x00000001, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
const GUID subtypeFloat = {0x00000003, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::string narrowPath(LPCOLESTR wide) {
    int n = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::string();
    std::string path(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, -1, path.data(), n, nullptr, nullptr);
    path.resize(static_cast<size_t>(n - 1));
    return path;
}

bool globalIsTrue(const ScriptEngine& engine, const char* name) {
    Value v;
    if (!engine.getVariable(name, v)) return false;
    return (v.type == ValueType::Bool && v.boolean) || (v.type == ValueType::Int && v.integer != 0);
}

// What AviSynth shows for a script that fails: a wide, short picture of the message, no audio.
// AviSynth+ draws 24 rows per line of text and about 12 columns per character.
ClipInfo errorPicture(const std::string& message) {
    size_t longest = 0, current = 0, lines = 1;
    for (char c : message) {
        if (c == '\n') ++lines;
        current = c == '\n' ? 0 : current + 1;
        longest = std::max(longest, current);
    }
    ClipInfo c;
    c.width = static_cast<int>(std::min<size_t>(4096, std::max<size_t>(392, (longest * 12 + 24 + 7) & ~size_t(7))));
    c.height = static_cast<int>(std::min<size_t>(40, lines) * 24 + 10);
    c.fpsNumerator = 24;
    c.fpsDenominator = 1;
    c.frameCount = 240;
    c.pixelType = (1u << 1) | (1u << 28) | (1u << 30);  // RGB32
    return c;
}

// "int, 42" and the like, as AviSynth+ names a value that is not a clip.
std::string typeAndValue(const Value& v) {
    switch (v.type) {
    case ValueType::Int: return "int, " + std::to_string(v.integer);
    case ValueType::Float: return "float, " + std::to_string(v.floating);
    case ValueType::Bool: return std::string("bool, ") + (v.boolean ? "true" : "false");
    case ValueType::String: return "string, " + v.text;
    default: return "void, ";
    }
}

class ScriptFile;

class ScriptStream : public IAVIStream {
public:
    ScriptStream(ScriptFile* file, bool video);
    ~ScriptStream();

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(riid, iidUnknown) || IsEqualIID(riid, iidAviStream)) {
            *out = static_cast<IAVIStream*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++refs); }
    STDMETHODIMP_(ULONG) Release() override {
        long left = --refs;
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }
    STDMETHODIMP Create(LPARAM, LPARAM) override { return AVIERR_UNSUPPORTED; }
    STDMETHODIMP Info(AVISTREAMINFOW* info, LONG size) override;
    STDMETHODIMP_(LONG) FindSample(LONG position, LONG flags) override;
    STDMETHODIMP ReadFormat(LONG position, LPVOID format, LONG* formatSize) override;
    STDMETHODIMP SetFormat(LONG, LPVOID, LONG) override { return AVIERR_READONLY; }
    STDMETHODIMP Read(LONG start, LONG samples, LPVOID buffer, LONG bufferSize, LONG* bytesRead,
                      LONG* samplesRead) override;
    STDMETHODIMP Write(LONG, LONG, LPVOID, LONG, DWORD, LONG*, LONG*) override { return AVIERR_READONLY; }
    STDMETHODIMP Delete(LONG, LONG) override { return AVIERR_READONLY; }
    STDMETHODIMP ReadData(DWORD, LPVOID, LONG*) override { return AVIERR_NODATA; }
    STDMETHODIMP WriteData(DWORD, LPVOID, LONG) override { return AVIERR_READONLY; }
    STDMETHODIMP SetInfo(AVISTREAMINFOW*, LONG) override { return AVIERR_READONLY; }

private:
    std::atomic<long> refs{1};
    ScriptFile* file;
    bool video;
    LONG length() const;
    std::vector<uint8_t> format() const;
};

class ScriptFile : public IAVIFile, public IPersistFile {
public:
    ScriptFile() { ++objectCount; }
    ~ScriptFile() { --objectCount; }

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(riid, iidUnknown) || IsEqualIID(riid, iidAviFile)) {
            *out = static_cast<IAVIFile*>(this);
        } else if (IsEqualIID(riid, iidPersistFile) || IsEqualIID(riid, iidPersist)) {
            *out = static_cast<IPersistFile*>(this);
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++refs); }
    STDMETHODIMP_(ULONG) Release() override {
        long left = --refs;
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IAVIFile
    STDMETHODIMP Info(AVIFILEINFOW* info, LONG size) override {
        if (!info || size < 0) return AVIERR_BADPARAM;
        AVIFILEINFOW fi{};
        fi.dwCaps = AVIFILECAPS_CANREAD | AVIFILECAPS_ALLKEYFRAMES | AVIFILECAPS_NOCOMPRESSION;
        fi.dwStreams = streamCount();
        // As AviSynth+'s handler: no buffer size, and no rate or length without video.
        fi.dwWidth = static_cast<DWORD>(clip.width);
        fi.dwHeight = static_cast<DWORD>(clip.height);
        if (clip.hasVideo()) {
            fi.dwScale = clip.fpsDenominator;
            fi.dwRate = clip.fpsNumerator;
            fi.dwLength = static_cast<DWORD>(clip.frameCount);
        }
        lstrcpynW(fi.szFileType, L"Avisynth", 64);
        std::memcpy(info, &fi, std::min<size_t>(static_cast<size_t>(size), sizeof fi));
        return S_OK;
    }
    STDMETHODIMP GetStream(PAVISTREAM* stream, DWORD type, LONG index) override {
        if (!stream) return AVIERR_BADPARAM;
        *stream = nullptr;
        LONG found = 0;
        for (int k = 0; k < 2; ++k) {
            bool isVideo = k == 0;
            if (isVideo ? !clip.hasVideo() : !clip.hasAudio()) continue;
            DWORD streamType = isVideo ? streamtypeVIDEO : streamtypeAUDIO;
            if (type != 0 && type != streamType) continue;
            if (found++ == index) {
                *stream = new ScriptStream(this, isVideo);
                return S_OK;
            }
        }
        return AVIERR_NODATA;
    }
    STDMETHODIMP CreateStream(PAVISTREAM*, AVISTREAMINFOW*) override { return AVIERR_READONLY; }
    STDMETHODIMP WriteData(DWORD, LPVOID, LONG) override { return AVIERR_READONLY; }
    STDMETHODIMP ReadData(DWORD, LPVOID, LONG*) override { return AVIERR_NODATA; }
    STDMETHODIMP EndRecord() override { return AVIERR_READONLY; }
    STDMETHODIMP DeleteStream(DWORD, LONG) override { return AVIERR_READONLY; }

    // IPersistFile
    STDMETHODIMP GetClassID(CLSID* id) override {
        if (!id) return E_POINTER;
        *id = handlerClsid;
        return S_OK;
    }
    STDMETHODIMP IsDirty() override { return S_FALSE; }
    STDMETHODIMP Load(LPCOLESTR name, DWORD) override {
        if (!name) return E_POINTER;
        ScriptEngine engine;
        engine.versionText = currentVersionText();
        Value result;
        std::string path = narrowPath(name);
        if (!engine.importFile(path, result)) {
            clip = errorPicture(engine.error);
        } else if (result.type != ValueType::Clip) {
            clip = errorPicture("The script's return value was not a video clip, (Is a " + typeAndValue(result) + ").");
        } else {
            clip = *result.clip;
            allowFloat = globalIsTrue(engine, "OPT_AllowFloatAudio");
            extensible = globalIsTrue(engine, "OPT_UseWaveExtensible");
        }
        return S_OK;
    }
    STDMETHODIMP Save(LPCOLESTR, BOOL) override { return E_FAIL; }
    STDMETHODIMP SaveCompleted(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP GetCurFile(LPOLESTR* name) override {
        if (name) *name = nullptr;
        return E_FAIL;
    }

    DWORD streamCount() const { return (clip.hasVideo() ? 1 : 0) + (clip.hasAudio() ? 1 : 0); }

    ClipInfo clip;
    bool allowFloat = false;
    bool extensible = false;

private:
    std::atomic<long> refs{1};
};

ScriptStream::ScriptStream(ScriptFile* owner, bool isVideo) : file(owner), video(isVideo) {
    file->AddRef();
    ++objectCount;
}

ScriptStream::~ScriptStream() {
    file->Release();
    --objectCount;
}

LONG ScriptStream::length() const {
    const ClipInfo& c = file->clip;
    int64_t n = video ? c.frameCount : c.audioSamples;
    return static_cast<LONG>(std::min<int64_t>(n, LONG_MAX));
}

std::vector<uint8_t> ScriptStream::format() const {
    const ClipInfo& c = file->clip;
    if (video) {
        VideoFormat vf = videoFormatOf(c);
        BITMAPINFOHEADER bih{};
        bih.biSize = sizeof bih;
        bih.biWidth = c.width;
        bih.biHeight = c.height;
        bih.biPlanes = 1;
        bih.biBitCount = static_cast<WORD>(vf.bitCount);
        bih.biCompression = vf.compression;
        bih.biSizeImage = static_cast<DWORD>(vf.frameBytes);
        const uint8_t* p = reinterpret_cast<const uint8_t*>(&bih);
        return std::vector<uint8_t>(p, p + sizeof bih);
    }
    int type = deliveredSampleType(c, file->allowFloat);
    WAVEFORMATEXTENSIBLE w{};
    w.Format.nChannels = static_cast<WORD>(c.channels);
    w.Format.nSamplesPerSec = static_cast<DWORD>(c.audioRate);
    w.Format.wBitsPerSample = static_cast<WORD>(bytesPerSample(type) * 8);
    w.Format.nBlockAlign = static_cast<WORD>(bytesPerSample(type) * c.channels);
    w.Format.nAvgBytesPerSec = w.Format.nSamplesPerSec * w.Format.nBlockAlign;
    size_t size = sizeof(WAVEFORMATEX);
    if (file->extensible) {
        w.Format.wFormatTag = WAVE_FORMAT_EXTENSIBLE;
        w.Format.cbSize = sizeof(WAVEFORMATEXTENSIBLE) - sizeof(WAVEFORMATEX);
        w.Samples.wValidBitsPerSample = w.Format.wBitsPerSample;
        w.dwChannelMask = c.channels >= 32 ? 0xFFFFFFFFu : (1u << c.channels) - 1;
        w.SubFormat = type == 16 ? subtypeFloat : subtypePcm;
        size = sizeof(WAVEFORMATEXTENSIBLE);
    } else {
        w.Format.wFormatTag = type == 16 ? WAVE_FORMAT_IEEE_FLOAT : WAVE_FORMAT_PCM;
    }
    const uint8_t* p = reinterpret_cast<const uint8_t*>(&w);
    return std::vector<uint8_t>(p, p + size);
}

STDMETHODIMP ScriptStream::Info(AVISTREAMINFOW* info, LONG size) {
    if (!info || size < 0) return AVIERR_BADPARAM;
    const ClipInfo& c = file->clip;
    AVISTREAMINFOW si{};
    si.dwQuality = static_cast<DWORD>(-1);
    si.dwLength = static_cast<DWORD>(length());
    if (video) {
        VideoFormat vf = videoFormatOf(c);
        si.fccType = streamtypeVIDEO;
        si.fccHandler = vf.handler;
        si.dwScale = c.fpsDenominator;
        si.dwRate = c.fpsNumerator;
        si.dwSampleSize = static_cast<DWORD>(vf.frameBytes);
        si.dwSuggestedBufferSize = static_cast<DWORD>(vf.frameBytes);
        si.rcFrame = RECT{0, 0, c.width, c.height};
        lstrcpynW(si.szName, L"Avisynth video #1", 64);
    } else {
        int bytes = bytesPerSample(deliveredSampleType(c, file->allowFloat)) * c.channels;
        si.fccType = streamtypeAUDIO;
        si.dwScale = static_cast<DWORD>(bytes);
        si.dwRate = static_cast<DWORD>(c.audioRate) * static_cast<DWORD>(bytes);
        si.dwSampleSize = static_cast<DWORD>(bytes);
        lstrcpynW(si.szName, L"Avisynth audio #1", 64);
    }
    std::memcpy(info, &si, std::min<size_t>(static_cast<size_t>(size), sizeof si));
    return S_OK;
}

STDMETHODIMP_(LONG) ScriptStream::FindSample(LONG position, LONG flags) {
    if (flags & FIND_FORMAT) return (flags & FIND_PREV) ? 0 : -1;
    if (position < 0 || position >= length()) return -1;
    return position;  // every frame is a key frame
}

STDMETHODIMP ScriptStream::ReadFormat(LONG, LPVOID buffer, LONG* size) {
    if (!size) return AVIERR_BADPARAM;
    std::vector<uint8_t> f = format();
    LONG needed = static_cast<LONG>(f.size());
    if (!buffer) {
        *size = needed;
        return S_OK;
    }
    LONG copied = std::min(*size, needed);
    if (copied > 0) std::memcpy(buffer, f.data(), static_cast<size_t>(copied));
    *size = copied;
    return copied < needed ? AVIERR_BUFFERTOOSMALL : S_OK;
}

STDMETHODIMP ScriptStream::Read(LONG start, LONG samples, LPVOID buffer, LONG bufferSize, LONG* bytesRead,
                                LONG* samplesRead) {
    if (bytesRead) *bytesRead = 0;
    if (samplesRead) *samplesRead = 0;
    const ClipInfo& c = file->clip;
    LONG total = length();
    if (start < 0 || start > total) return AVIERR_BADPARAM;
    if (video) {
        if (start >= total) return AVIERR_BADPARAM;
        VideoFormat vf = videoFormatOf(c);
        LONG bytes = static_cast<LONG>(vf.frameBytes);
        if (buffer) {
            if (bufferSize < bytes) return AVIERR_BUFFERTOOSMALL;
            renderFrame(c, start, static_cast<uint8_t*>(buffer), static_cast<size_t>(bufferSize));
        }
        if (bytesRead) *bytesRead = bytes;
        if (samplesRead) *samplesRead = 1;
        return S_OK;
    }
    int type = deliveredSampleType(c, file->allowFloat);
    LONG frameBytes = bytesPerSample(type) * c.channels;
    LONG count = samples == AVISTREAMREAD_CONVENIENT || samples < 0 ? total - start : std::min(samples, total - start);
    if (buffer) {
        LONG fits = bufferSize > 0 ? bufferSize / frameBytes : 0;
        if (count > 0 && fits == 0) return AVIERR_BUFFERTOOSMALL;
        count = std::min(count, fits);
        renderAudio(c, type, start, count, static_cast<uint8_t*>(buffer));
    }
    if (bytesRead) *bytesRead = count * frameBytes;
    if (samplesRead) *samplesRead = count;
    return S_OK;
}

}  // namespace

HRESULT createAviFile(REFIID riid, void** out) {
    ScriptFile* file = new ScriptFile;
    HRESULT hr = file->QueryInterface(riid, out);
    file->Release();
    return hr;
}

}  // namespace standin
