#include "app/views_layout_win32.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/views_layout.h"
#include "base/bounded_text.h"
#include "storage/encoder_list.h"

namespace {

void moveTo(const Placement& p) {
    if (HWND w = windowAt(p.index)) MoveWindow(w, p.x, p.y, p.width, p.height, TRUE);
}

void apply(const Layout& layout) {
    for (int i = 0; i < layout.moveCount; ++i) moveTo(layout.moves[i]);
}

void showListed(Views& v, const Layout& layout) {
    for (int i = 0; i < layout.showCount; ++i)
        if (HWND w = windowAt(layout.show[i])) ShowWindow(w, SW_SHOW);
    v.allHidden = false;
}

void hideAll(Views& v) {
    if (v.allHidden) return;
    for (int index = windowCount - 1; index >= 1; --index)
        if (HWND w = windowAt(index)) ShowWindow(w, SW_HIDE);
    v.allHidden = true;
}

void setTipText(int tooltip, int window, const char* text) {
    HWND tip = windowAt(tooltip), target = windowAt(window);
    if (!tip || !target) return;
    TOOLINFOA info = {};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND;
    info.hwnd = target;
    info.uId = reinterpret_cast<UINT_PTR>(target);
    info.lpszText = const_cast<char*>(text);
    SendMessageA(tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

HICON navigationIcon(const Views& v, int resourceId) {
    static const int ids[6] = {101, 109, 104, 103, 105, 110};
    for (int i = 0; i < 6; ++i)
        if (ids[i] == resourceId) return static_cast<HICON>(v.navigationIcons[i]);
    return nullptr;
}

void updateViewTips(AppState& app) {
    Views& v = app.views;
    const ViewTip* tips = nullptr;
    const int count = viewTips(v.currentView, &tips);
    static char loaded[128];
    for (int i = 0; i < count; ++i) {
        const ViewTip& t = tips[i];
        if (t.stringId) {
            LoadStringA(app.instance, t.stringId, loaded, sizeof loaded);
            setTipText(t.tooltip, t.window, loaded);
        } else if (t.text) {
            setTipText(t.tooltip, t.window, t.text);
        }
        HICON icon = t.icon > 0 ? navigationIcon(v, t.icon)
                     : t.icon < 0 ? static_cast<HICON>(v.toolIcons[-t.icon - 1])
                                  : nullptr;
        if (t.icon != 0)
            SendMessageA(windowAt(t.window), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    }
    v.tipsView = v.currentView;
}

// A settings change: the encoder named in the encode tip and its icon, and the button icons.
void reloadIcons(AppState& app) {
    Views& v = app.views;
    EncoderEntry encoder;
    std::vector<std::string> names;
    if (v.programFolder[0] && readEncoder(v.programFolder, windowAt(winMain), &encoder, 0, &names)) {
        static char encodeTip[300];
        formatText(encodeTip, sizeof encodeTip, " Encode using:\n\n  %s \n", encoder.description);
        setTipText(winTooltip3, winEncode, encodeTip);
        HICON icon = encoder.path[0] ? ExtractIconA(app.instance, encoder.path, 0) : nullptr;
        if (reinterpret_cast<INT_PTR>(icon) == 1) icon = nullptr;  // not a program file
        SendMessageA(windowAt(winEncoderIcon), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }
    static const int ids[6] = {101, 109, 104, 103, 105, 110};
    for (int i = 0; i < 6; ++i)
        if (!v.navigationIcons[i])
            v.navigationIcons[i] = LoadImageA(app.instance, MAKEINTRESOURCEA(ids[i]), IMAGE_ICON, 32, 32, 0);
    for (int i = 0; i < toolButtonCount; ++i) {
        HICON icon = v.toolPath[i][0] ? ExtractIconA(app.instance, v.toolPath[i], 0) : nullptr;
        if (reinterpret_cast<INT_PTR>(icon) == 1) icon = nullptr;
        if (v.toolIcons[i]) DestroyIcon(static_cast<HICON>(v.toolIcons[i]));
        v.toolIcons[i] = icon;
    }
    v.tipsView = 0;  // the images are set again below
}

void switchTooltips(const Views& v) {
    SendMessageA(windowAt(winTooltip1), TTM_ACTIVATE, v.beginnerTips, 0);
    SendMessageA(windowAt(winTooltip2), TTM_ACTIVATE, v.normalTips, 0);
    // Asking the toolbar for its tooltip control creates it; a new one is active, so it is
    // only fetched to be switched off, or on again after that.
    static bool toolbarTipsOff = false;
    if (!v.normalTips || toolbarTipsOff) {
        if (HWND own = reinterpret_cast<HWND>(SendMessageA(windowAt(winToolbar), TB_GETTOOLTIPS, 0, 0)))
            SendMessageA(own, TTM_ACTIVATE, v.normalTips, 0);
        toolbarTipsOff = !v.normalTips;
    }
    SendMessageA(windowAt(winTooltip3), TTM_ACTIVATE, v.advancedTips, 0);
}

void layoutTabs(AppState& app) {
    HWND tab = windowAt(winTab);
    Views& v = app.views;
    if (!tab) return;
    if (v.hasProjectScript && !v.tabsExist) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>("Source Script");
        SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        item.pszText = const_cast<char*>("Project Script");
        SendMessageA(tab, TCM_INSERTITEMA, 1, reinterpret_cast<LPARAM>(&item));
        v.tabsExist = true;
    } else if (!v.hasProjectScript && v.tabsExist) {
        SendMessageA(tab, TCM_DELETEALLITEMS, 0, 0);
        v.tabsExist = false;
    }
    RECT r;
    GetClientRect(tab, &r);
    RECT display = r;
    TabCtrl_AdjustRect(tab, FALSE, &display);
    moveTo(editorInTab(r.right, r.bottom, display.top));
}

// Clip data exists only while the preview shows the editor's script.
bool sidePanelShown(const AppState& app) { return app.views.sidePanel && app.previewShown; }

void layoutPreview(AppState& app, int& W, int& H) {
    Views& v = app.views;
    PreviewSwitches s;
    s.previewMode = v.effectivePreviewMode;
    s.sidePanel = sidePanelShown(app);
    s.thumbLength = static_cast<int>(SendMessageA(windowAt(winTrackbar), TBM_GETTHUMBLENGTH, 0, 0));
    Layout layout;
    scriptPreviewLayout(W, H, s, layout);
    apply(layout);
    if (s.sidePanel) SetWindowTextA(windowAt(winClipDataText), app.avisynth.clipData);
    if (v.lockedToActualSize) {
        if (GetSystemMetrics(SM_CXFULLSCREEN) < lockedMinimumDesktop) {
            MessageBoxA(windowAt(winMain),
                        "Zandolin does not support \"Locked Actual Size\"with screen\nsize less than 1024 x 768.",
                        "Zandolin view control", MB_OK);
        } else {
            HWND main = windowAt(winMain);
            if (W < lockedWidth(v.clipWidth) || H < lockedHeight(v.clipHeight)) {
                MoveWindow(main, GetSystemMetrics(SM_CXFULLSCREEN) / 2 - lockedWidth(v.clipWidth) / 2, 5,
                           lockedWidth(v.clipWidth), lockedHeight(v.clipHeight), TRUE);
                RECT r;
                GetClientRect(main, &r);
                W = r.right;
                H = r.bottom;
            }
            Layout locked;
            lockedLayout(W, H, v.clipWidth, v.clipHeight, s.sidePanel, locked);
            apply(locked);
        }
    }
    showListed(v, layout);
}

void layoutVideoEditor(AppState& app, int& W, int& H) {
    HWND main = windowAt(winMain);
    Views& v = app.views;
    if (W < videoEditorMinWidth || H < videoEditorMinHeight) {
        RECT wr;
        GetWindowRect(main, &wr);
        const int width = wr.right - wr.left, height = wr.bottom - wr.top;
        MoveWindow(main, wr.left, wr.top, width > videoEditorMinWidth ? width : videoEditorMinWidth,
                   height > videoEditorMinHeight ? height : videoEditorMinHeight, TRUE);
        RECT cr;
        GetClientRect(main, &cr);
        W = cr.right;
        H = cr.bottom;
    }
    Layout layout;
    videoEditorLayout(W, H, v.rowEditMode, v.multiFrameEditor, layout);
    apply(layout);
    EnableWindow(windowAt(10), FALSE);
    EnableWindow(windowAt(4), FALSE);
    SetWindowTextA(windowAt(winEncode), v.viewingProject ? "Encode Project" : "Encode Source");
    if (!v.hasProjectScript && !v.viewingProject)
        SendMessageA(windowAt(winSourceRadio), BM_SETCHECK, BST_CHECKED, 0);
    if (HWND rows = windowAt(winRowList)) {
        RECT cr;
        GetClientRect(rows, &cr);
        Layout header;
        rowHeaderLayout(cr.right, header);
        apply(header);
    }
    showListed(v, layout);
}

}  // namespace

bool clientSizeChanged(const AppState& app) {
    RECT r;
    GetClientRect(windowAt(winMain), &r);
    return r.right != app.lastClientRect.right || r.bottom != app.lastClientRect.bottom;
}

void updateStatusBar(AppState& app) {
    HWND status = windowAt(winStatusBar);
    if (!status) return;
    RECT r;
    GetClientRect(windowAt(winMain), &r);
    int edges[4];
    statusEdges(r.right, edges);
    SendMessageA(status, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(edges));
    const Views& v = app.views;
    StatusInput in;
    in.view = v.currentView;
    in.playing = v.playing;
    in.viewingProject = v.viewingProject;
    in.previewOfEditor = app.previewShown;
    in.titleMark = v.titleMark;
    in.projectFile = v.projectFilePath;
    in.projectScript = v.projectScriptPath;
    in.sourceTitle = v.sourceTitle;
    char parts[4][statusPartSize];
    statusTexts(in, parts);
    for (int i = 0; i < 4; ++i) SendMessageA(status, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(parts[i]));
    SendMessageA(windowAt(winTab), TCM_SETCURSEL, v.viewingProject ? 1 : 0, 0);
}

void placeVideoWindow(AppState& app) {
    Views& v = app.views;
    HWND video = windowAt(winVideo);
    if (!video) return;
    ShowWindow(video, SW_HIDE);
    if (v.sourceAspect && v.clipHeight > 0) v.aspectRatio = static_cast<double>(v.clipWidth) / v.clipHeight;
    if (v.aspectRatio == 1.0 && app.player.videoWidth() > 0 && app.player.videoHeight() > 0)
        v.aspectRatio = static_cast<double>(app.player.videoWidth()) / app.player.videoHeight();
    RECT r;
    GetClientRect(windowAt(winMain), &r);
    if (v.currentView == viewVideoEditor && v.multiFrameEditor) {
        Area areas[3];
        multiFrameAreas(r.right, v.aspectRatio, areas);
        const int windows[3] = {winVideoAlpha, winVideo, winVideoBeta};
        for (int i = 0; i < 3; ++i) moveTo({windows[i], areas[i].x, areas[i].y, areas[i].width, areas[i].height});
    } else {
        VideoAreaInput in;
        in.view = v.currentView;
        in.W = r.right;
        in.H = r.bottom;
        in.sidePanel = sidePanelShown(app);
        in.previewMode = v.effectivePreviewMode;
        in.locked = v.lockedToActualSize;
        if (in.view == viewScriptPreview && in.previewMode == 2) {
            RECT editor, main;
            GetWindowRect(windowAt(winEditor), &editor);
            GetWindowRect(windowAt(winMain), &main);
            in.editorTopOffset = editor.top - main.top;
        }
        Area area;
        if (videoArea(in, area)) {
            const Area fit = fitVideo(v.aspectRatio, area.x, area.y, area.width, area.height);
            moveTo({winVideo, fit.x, fit.y, fit.width, fit.height});
        }
    }
    if (v.currentView != viewScriptEditor) ShowWindow(video, SW_SHOW);
}

void applyView(AppState& app) {
    Views& v = app.views;
    HWND main = windowAt(winMain);
    const bool refresh = v.layoutRefresh;
    if (refresh) reloadIcons(app);
    RECT r;
    GetClientRect(main, &r);
    int W = r.right, H = r.bottom;
    if (v.currentView) {
        hideAll(v);
        if (v.tipsView != v.currentView) updateViewTips(app);
        Layout layout;
        switch (v.currentView) {
        case viewScriptEditor:
            scriptEditorLayout(W, H, layout);
            apply(layout);
            SendMessageA(windowAt(winToolbar), TB_AUTOSIZE, 0, 0);
            layoutTabs(app);
            showListed(v, layout);
            break;
        case viewScriptPreview: layoutPreview(app, W, H); break;
        case viewVideoEditor: layoutVideoEditor(app, W, H); break;
        default:
            mediaViewerLayout(W, H, layout);
            apply(layout);
            showListed(v, layout);
            break;
        }
        placeVideoWindow(app);
    }
    if (HWND status = windowAt(winStatusBar)) MoveWindow(status, 0, 0, 0, 0, TRUE);
    if (refresh) switchTooltips(v);
    updateStatusBar(app);
    GetWindowRect(main, &r);
    v.currentRect = {r.left, r.top, r.right, r.bottom};
    GetClientRect(main, &app.lastClientRect);
    v.layoutRefresh = false;
}

void layoutRefresh(AppState& app) {
    app.views.layoutRefresh = true;
    applyView(app);
}

void toggleButtonState(HWND button) {
    if (button == windowAt(4) || button == windowAt(10)) {
        const bool pushed = SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED;
        SendMessageA(button, BM_SETSTATE, !pushed, 0);
    } else if (button == windowAt(winPlay)) {
        const bool checked = SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
        SendMessageA(button, BM_SETCHECK, checked ? BST_UNCHECKED : BST_CHECKED, 0);
    }
}

void initialPlacement(AppState& app) {
    HWND main = windowAt(winMain);
    const Views& v = app.views;
    if (v.applySavedPlacement && v.windowWidth > 0 && v.windowHeight > 0) {
        MoveWindow(main, v.windowLeft, v.windowTop, v.windowWidth, v.windowHeight, FALSE);
    } else {
        const int frameWidth = GetSystemMetrics(SM_CXFRAME);
        const int frameHeight = GetSystemMetrics(SM_CYFRAME);
        const int screenWidth = GetSystemMetrics(SM_CXFULLSCREEN);
        const int screenHeight = GetSystemMetrics(SM_CYFULLSCREEN);
        MoveWindow(main, (screenWidth - 790 - 2 * frameHeight) / 2, (screenHeight - 500 - 2 * frameWidth) / 4,
                   790 + 2 * frameWidth, 500 + 2 * frameHeight, FALSE);
    }
    ShowWindow(main, SW_SHOW);
    if (HWND rows = windowAt(winRowList)) SetScrollRange(rows, SB_VERT, 1, 1, FALSE);
}
