#include "storage/project_file.h"

#include <cstdio>
#include <cstring>

#include "base/bounded_text.h"
#include "base/line_file.h"

namespace {

bool folderFile(char* out, size_t cap, const char* folder, const char* name) {
    size_t length = strlen(folder ? folder : "") + strlen(name);
    if (length + 1 > cap) return false;
    formatText(out, cap, "%s%s", folder ? folder : "", name);
    return true;
}

// The title less its extension: up to its last dot.
void projectFileTitleOf(char* out, size_t cap, const char* path) {
    fileTitleOf(out, cap, path);
    char* dot = strrchr(out, '.');
    if (dot) *dot = '\0';
}

}  // namespace

size_t projectScriptPathFor(char* out, size_t cap, const char* projectFilePath) {
    size_t length = projectFilePath ? strlen(projectFilePath) : 0;
    char stem[260];
    copyTextN(stem, sizeof stem, projectFilePath, length >= 4 ? length - 4 : 0);
    return formatText(out, cap, "%s_vlprj.avs", stem);
}

size_t fileTitleOf(char* out, size_t cap, const char* path) {
    const char* title = path ? path : "";
    for (const char* p = title; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':') title = p + 1;
    return copyText(out, cap, title);
}

bool saveProject(const char* programFolder, ProjectNames& names, WindowHandle owner) {
    projectFileTitleOf(names.projectFileTitle, sizeof names.projectFileTitle, names.projectFilePath);
    char scriptPath[260];
    projectScriptPathFor(scriptPath, sizeof scriptPath, names.projectFilePath);

    char tempPath[300];
    FileRewrite out;
    if (!names.projectFilePath[0] || !folderFile(tempPath, sizeof tempPath, names.projectFilePath, ".tmp") ||
        !out.open(tempPath, names.projectFilePath)) {
        names.projectScriptPath[0] = '\0';
        names.projectScriptTitle[0] = '\0';
        showMessageBox(owner, "not open 3", "Api Create Project File", mbOk);
        return false;
    }
    bool good = out.line("Project File Name") && out.line(names.projectFilePath) && out.line("") &&
                out.line("Script Source File") && out.line(names.sourceScriptPath) && out.line("") &&
                out.line("Project Script File") && out.line(scriptPath) && out.line("") &&
                out.line("Frame Editor Data");
    char rowPath[300];
    FILE* rows = folderFile(rowPath, sizeof rowPath, programFolder, "rowdat.vlr") ? openForReading(rowPath)
                                                                                 : nullptr;
    if (rows) {
        char line[256];
        while (readLine(rows, line))
            if (line[0]) good = out.line(line) && good;
        fclose(rows);
    }
    good = out.line("End Project File") && good;
    if (!good || !out.commit()) {
        out.abandon();
        names.projectScriptPath[0] = '\0';
        names.projectScriptTitle[0] = '\0';
        showMessageBox(owner, "not open 3", "Api Create Project File", mbOk);
        return false;
    }
    copyText(names.projectScriptPath, scriptPath);
    fileTitleOf(names.projectScriptTitle, sizeof names.projectScriptTitle, scriptPath);
    return true;
}

bool loadProject(const char* programFolder, ProjectNames& names, WindowHandle owner) {
    char rowPath[300], tempPath[300];
    FileRewrite rows;
    bool rowFileOpen = folderFile(rowPath, sizeof rowPath, programFolder, "rowdat.vlr") &&
                       folderFile(tempPath, sizeof tempPath, programFolder, "rowtemp.vlr") &&
                       rows.open(tempPath, rowPath);
    FILE* in = names.projectFilePath[0] ? openForReading(names.projectFilePath) : nullptr;
    if (!in) {
        rows.commit();  // the scene list of a project that cannot be read is empty
        showMessageBox(owner, "not open 3", "Api Read Project File", mbOk);
        return false;
    }
    names.sourceScriptPath[0] = '\0';
    names.projectScriptPath[0] = '\0';
    char line[256];
    bool good = true;
    while (readLine(in, line)) {
        char* value = nullptr;
        if (strcmp(line, "Project File Name") == 0)
            value = names.projectFilePath;
        else if (strcmp(line, "Script Source File") == 0)
            value = names.sourceScriptPath;
        else if (strcmp(line, "Project Script File") == 0)
            value = names.projectScriptPath;
        if (value) {
            if (!readLine(in, line)) line[0] = '\0';
            copyText(value, sizeof names.projectFilePath, line);
        } else if (strcmp(line, "Frame Editor Data") == 0) {
            while (readLine(in, line) && strcmp(line, "End Project File") != 0)
                good = rows.line(line) && good;
        }
    }
    fclose(in);
    bool replaced = rowFileOpen && good && rows.commit();
    projectFileTitleOf(names.projectFileTitle, sizeof names.projectFileTitle, names.projectFilePath);
    fileTitleOf(names.sourceScriptTitle, sizeof names.sourceScriptTitle, names.sourceScriptPath);
    fileTitleOf(names.projectScriptTitle, sizeof names.projectScriptTitle, names.projectScriptPath);
    return replaced;
}
