#include "editor/doc_lookup.h"

#include <cstring>

#include "base/bounded_text.h"

void formatDocPage(char* out, size_t cap, const char* docFolder, const char* name, bool plugin) {
    formatText(out, cap, plugin ? "%s\\externalfilters\\%s.htm" : "%s\\corefilters\\%s.htm",
               docFolder ? docFolder : "", name ? name : "");
}

DocLookupResult lookUpDocumentation(const std::string& selection, const char* docFolder,
                                    const FunctionNameTable& names, const DocLookupPlatform& platform,
                                    SelectedCall& call) {
    call = SelectedCall{};
    if (selection.size() < 2) return docNothing;
    if (selection.back() != ')') {
        if (platform.clipboard) platform.clipboard(selection.c_str(), platform.context);
        long index = names.find(selection);
        if (index < 0) return docNothing;
        const FunctionName& found = names.at(static_cast<size_t>(index));
        char page[600];
        formatDocPage(page, sizeof page, docFolder, found.name.c_str(), found.plugin);
        if (platform.shell && platform.shell("open", page, platform.context)) return docPageOpened;
        if (platform.shell && platform.shell("find", docFolder ? docFolder : "", platform.context))
            return docFolderOpened;
        return docFolderUnusable;
    }
    size_t open = selection.find('(');
    if (open == std::string::npos) return docNothing;
    long index = names.find(selection.data(), open);
    if (index < 0) return docNothing;
    const FunctionName& found = names.at(static_cast<size_t>(index));
    copyTextN(call.name, sizeof call.name, selection.data(), open);
    call.plugin = found.plugin;
    size_t close = selection.find(')', open + 1);
    call.arguments = selection.substr(open + 1, close - open - 1);
    return docCallSelected;
}

void folderOfFile(char* out, size_t cap, const char* path) {
    copyText(out, cap, path);
    char* cut = std::strrchr(out, '\\');
    char* slash = std::strrchr(out, '/');
    if (slash > cut) cut = slash;
    if (cut) *cut = '\0';
    else if (cap) out[0] = '\0';
}
