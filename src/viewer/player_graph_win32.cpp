#include "viewer/player_graph_win32.h"

#include <vector>

#include "viewer/avifile_source_win32.h"

namespace {

std::vector<IPin*> outputPins(IBaseFilter* filter) {
    std::vector<IPin*> pins;
    IEnumPins* list = nullptr;
    if (FAILED(filter->EnumPins(&list))) return pins;
    IPin* pin = nullptr;
    while (list->Next(1, &pin, nullptr) == S_OK) {
        PIN_DIRECTION dir;
        if (SUCCEEDED(pin->QueryDirection(&dir)) && dir == PINDIR_OUTPUT) {
            pins.push_back(pin);
        } else {
            pin->Release();
        }
    }
    list->Release();
    return pins;
}

void releaseAll(std::vector<IPin*>& pins) {
    for (IPin* p : pins) p->Release();
    pins.clear();
}

// Renders the first pin for video and the next one for audio; true when any rendered.
HRESULT renderPins(IGraphBuilder* graph, IBaseFilter* source, bool renderVideo, bool renderAudio) {
    std::vector<IPin*> pins = outputPins(source);
    HRESULT hr = VFW_E_CANNOT_RENDER;
    size_t next = 0;
    bool any = false;
    if (renderVideo && next < pins.size()) {
        hr = graph->Render(pins[next++]);
        any = any || SUCCEEDED(hr);
    }
    if (renderAudio && next < pins.size()) {
        hr = graph->Render(pins[next]);
        any = any || SUCCEEDED(hr);
    }
    releaseAll(pins);
    return any ? S_OK : hr;
}

bool anyPinConnected(IBaseFilter* filter) {
    bool connected = false;
    IEnumPins* list = nullptr;
    if (FAILED(filter->EnumPins(&list))) return false;
    IPin* pin = nullptr;
    while (!connected && list->Next(1, &pin, nullptr) == S_OK) {
        IPin* peer = nullptr;
        if (SUCCEEDED(pin->ConnectedTo(&peer)) && peer) {
            connected = true;
            peer->Release();
        }
        pin->Release();
    }
    list->Release();
    return connected;
}

// Removes what a failed render left behind, keeping the renderers we added ourselves.
void removeFilter(IGraphBuilder* graph, IBaseFilter* filter) {
    graph->RemoveFilter(filter);
    filter->Release();
}

}  // namespace

bool addGdiVideoRenderer(IGraphBuilder* graph) {
    IBaseFilter* renderer = nullptr;
    if (FAILED(CoCreateInstance(CLSID_VideoRenderer, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                reinterpret_cast<void**>(&renderer))))
        return false;
    HRESULT hr = graph->AddFilter(renderer, L"Video Renderer");
    renderer->Release();
    return SUCCEEDED(hr);
}

HRESULT renderScriptSource(IGraphBuilder* graph, const char* path, const wchar_t* widePath, bool renderVideo,
                           bool renderAudio) {
    IBaseFilter* source = nullptr;
    HRESULT hr = graph->AddSourceFilter(widePath, widePath, &source);
    if (SUCCEEDED(hr)) {
        hr = renderPins(graph, source, renderVideo, renderAudio);
        if (SUCCEEDED(hr) && anyPinConnected(source)) {
            source->Release();
            return hr;
        }
        // The system's source cannot serve this file (a script needs an AVIFile handler):
        // take it out with whatever it dragged in, and use ours.
        removeFilter(graph, source);
        removeUnconnectedFilters(graph);
        addGdiVideoRenderer(graph);
    }
    source = createAviFileSource(path);
    if (!source) return FAILED(hr) ? hr : VFW_E_CANNOT_RENDER;
    hr = graph->AddFilter(source, widePath);
    if (SUCCEEDED(hr)) hr = renderPins(graph, source, renderVideo, renderAudio);
    source->Release();
    return hr;
}

void removeUnconnectedFilters(IGraphBuilder* graph) {
    std::vector<IBaseFilter*> idle;
    IEnumFilters* list = nullptr;
    if (FAILED(graph->EnumFilters(&list))) return;
    IBaseFilter* filter = nullptr;
    while (list->Next(1, &filter, nullptr) == S_OK) {
        if (anyPinConnected(filter)) {
            filter->Release();
        } else {
            idle.push_back(filter);
        }
    }
    list->Release();
    for (IBaseFilter* f : idle) removeFilter(graph, f);
}
