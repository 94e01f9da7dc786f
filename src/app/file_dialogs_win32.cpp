#include "app/file_dialogs_win32.h"

#include <commdlg.h>
#include <shellapi.h>

#include "base/bounded_text.h"

namespace {

constexpr DWORD dialogFlags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_CREATEPROMPT;
constexpr char scriptFilter[] =
    "AviSynth Script Files (*.avs)\0*.avs\0Text Files (*.txt)\0*.txt\0All Files  (*.*)\0*.*\0";

void toLogFont(const FontDescription& f, LOGFONTA& font) {
    font = LOGFONTA{};
    font.lfHeight = f.height;
    font.lfWidth = f.width;
    font.lfEscapement = f.escapement;
    font.lfOrientation = f.orientation;
    font.lfWeight = f.weight;
    font.lfItalic = f.italic;
    font.lfUnderline = f.underline;
    font.lfStrikeOut = f.strikeOut;
    font.lfCharSet = f.charSet;
    font.lfOutPrecision = f.outPrecision;
    font.lfClipPrecision = f.clipPrecision;
    font.lfQuality = f.quality;
    font.lfPitchAndFamily = f.pitchAndFamily;
    copyText(font.lfFaceName, f.faceName);
}

void fromLogFont(const LOGFONTA& font, FontDescription& f) {
    f.height = font.lfHeight;
    f.width = font.lfWidth;
    f.escapement = font.lfEscapement;
    f.orientation = font.lfOrientation;
    f.weight = font.lfWeight;
    f.italic = font.lfItalic;
    f.underline = font.lfUnderline;
    f.strikeOut = font.lfStrikeOut;
    f.charSet = font.lfCharSet;
    f.outPrecision = font.lfOutPrecision;
    f.clipPrecision = font.lfClipPrecision;
    f.quality = font.lfQuality;
    f.pitchAndFamily = font.lfPitchAndFamily;
    copyText(f.faceName, font.lfFaceName);
}

int pointSizeOf(HWND owner, int height) {
    HDC dc = GetDC(owner);
    int size = -MulDiv(72, height, GetDeviceCaps(dc, LOGPIXELSY));
    ReleaseDC(owner, dc);
    return size;
}

}  // namespace

int scriptDialog(FileDialogs& d, HWND owner, const char* currentName, int mode) {
    d.scriptTitle = mode == scriptDialogOpen ? "Zandolin Open File" : "Zandolin Save File";
    char name[270] = {};
    if (mode == scriptDialogSave) copyText(name, currentName);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = scriptFilter;
    dialog.nFilterIndex = static_cast<DWORD>(d.scriptFilterIndex);
    dialog.lpstrFile = name;
    dialog.nMaxFile = sizeof name;
    dialog.lpstrTitle = d.scriptTitle;
    dialog.lpstrDefExt = "avs";
    dialog.Flags = dialogFlags;
    BOOL chosen = mode == scriptDialogOpen ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
    d.scriptFilterIndex = static_cast<int>(dialog.nFilterIndex);
    if (!chosen) return 1;
    (mode == scriptDialogOpen ? d.opened : d.saved) = 1;
    copyText(d.lastPath, name);
    return 0;
}

const char* generalDialog(FileDialogs& d, HWND owner, const char* title, const char* defaultExtension,
                          const char* filter, size_t length, int mode, const char* initialName) {
    DialogFilter list = generalDialogFilter(filter, length);
    char local[260] = {};
    if (initialName) copyText(local, initialName);
    // While a script name is known the dialog starts with it and writes its answer there.
    char* name = d.lastPath[0] && !initialName ? d.lastPath : local;
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = list.text;
    dialog.nFilterIndex = static_cast<DWORD>(startingFilterIndex(defaultExtension));
    dialog.lpstrFile = name;
    dialog.nMaxFile = 260;
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = defaultExtension;
    dialog.Flags = dialogFlags;
    BOOL chosen = mode == generalDialogOpen ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
    if (!chosen) return "";
    copyText(d.generalResult, name);
    return d.generalResult;
}

HFONT fontDialog(FileDialogs& d, HWND owner) {
    LOGFONTA font;
    toLogFont(d.font, font);
    CHOOSEFONTA choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
    choose.nFontType = SCREEN_FONTTYPE;
    if (!ChooseFontA(&choose)) return nullptr;
    HFONT created = CreateFontIndirectA(&font);
    fromLogFont(font, d.font);
    d.pointSize = pointSizeOf(owner, font.lfHeight);
    if (d.fontDescription) formatFontDescription(d.fontDescription, 64, d.font);
    if (d.fontFace) copyText(d.fontFace, 36, d.font.faceName);
    return created;
}

HFONT buildFont(FileDialogs& d, HWND owner) {
    d.font = FontDescription{};
    d.pointSize = 12;
    if (!d.fontDescription || !d.fontDescription[0]) return nullptr;
    if (!parseFontDescription(d.fontDescription, d.fontFace, d.font)) return nullptr;
    LOGFONTA font;
    toLogFont(d.font, font);
    d.pointSize = pointSizeOf(owner, font.lfHeight);
    return CreateFontIndirectA(&font);
}

const char* droppedFile(FileDialogs& d, HWND owner, HDROP drop) {
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    const char* result = nullptr;
    if (count >= 2) {
        MessageBoxA(owner, "Sorry, drop olny one file at a time please.", "You dropped a list of files", MB_OK);
    } else if (DragQueryFileA(drop, 0, nullptr, 0) >= sizeof d.droppedPath) {
        // A cut name would open some other file, or none: refuse it whole.
        MessageBoxA(owner, "The name of the dropped file is longer than 259 characters.\nThe file was not opened.",
                    "You dropped a file", MB_OK);
    } else if (DragQueryFileA(drop, 0, d.droppedPath, sizeof d.droppedPath) > 0) {
        result = d.droppedPath;
    }
    DragFinish(drop);
    return result;
}
