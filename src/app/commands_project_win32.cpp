// New Project, Open Project, Save Project and Save Project As.
#include <cstdio>
#include <cstring>

#include "app/command_groups_win32.h"
#include "app/command_helpers_win32.h"
#include "app/control_events_win32.h"
#include "app/file_dialogs_win32.h"
#include "app/menu_set_win32.h"
#include "app/project_probe.h"
#include "app/scene_list_refresh_win32.h"
#include "app/shell_events.h"
#include "app/views_layout_win32.h"
#include "base/bounded_text.h"
#include "editor/script_editor.h"
#include "scenes/project_script_writer.h"
#include "scenes/row_file.h"
#include "storage/project_file.h"

namespace {

constexpr char projectSaveFilter[] = "Zandolin project file (*.jvl)\0*.jvl\0";
constexpr char projectOpenFilter[] = "Zandolin file (*.jvl)\0*.jvl\0";

void projectFileKnown(AppState& app) {
    app.views.hasProjectFile = true;
    enableMenuItem(app.menus, 10016, true);
}

// The project script named by the project, where the layout and the tools read it.
void takeProjectScript(AppState& app) {
    copyText(app.views.projectScriptPath, app.project.projectScriptPath);
    app.views.hasProjectScript = app.views.projectScriptPath[0] != '\0';
}

void setRadio(int index, bool checked) {
    SendMessageA(windowAt(index), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

void saveProject(AppState& app, bool showNothingToSave) {
    if (!app.views.projectFilePath[0]) {
        if (showNothingToSave) showBox("Nothing to save", "Save project", MB_OK);
        return;
    }
    HWND main = windowAt(winMain);
    ProjectNames& names = app.project;
    copyText(names.projectFilePath, app.views.projectFilePath);
    copyText(names.sourceScriptPath, app.views.sourceScriptPath);
    const bool saved = saveProject(app.views.programFolder, names, main);
    takeProjectScript(app);
    if (!saved) return;
    loadProject(app.views.programFolder, names, main);
    takeProjectScript(app);
    writeProjectScript(app.sceneList, names.sourceScriptPath, names.projectScriptPath);
    layOutAndRefresh(app);
}

void saveProjectAs(AppState& app) {
    if (!app.views.sourceScriptPath[0]) {
        showBox("A project must have a Source Script.\nPlease open a .avs script.", "Save project", MB_OK);
        return;
    }
    const char* name = generalDialog(app.fileDialogs, windowAt(winMain), "Save Zandolin Project File", "jvl",
                                     projectSaveFilter, sizeof projectSaveFilter, generalDialogSave,
                                     app.views.projectFilePath);
    if (!name[0]) return;
    copyText(app.views.projectFilePath, name);
    projectFileKnown(app);
    saveProject(app, false);
}

void openProject(AppState& app) {
    pausePlayer(app);
    HWND main = windowAt(winMain);
    const char* name = generalDialog(app.fileDialogs, main, "Zandolin Project File", "jvl", projectOpenFilter,
                                     sizeof projectOpenFilter, generalDialogOpen);
    if (name[0]) {
        if (!looksLikeProjectFile(name)) {
            // Loading would empty the scene rows; another file is refused before anything changes.
            char text[400];
            formatText(text, sizeof text, "The file:\n%s\nis not a Zandolin project file.\nNothing was opened.", name);
            showBox(text, "Open Project", MB_OK | MB_ICONEXCLAMATION);
            updateStatusBar(app);
            return;
        }
        ProjectNames& names = app.project;
        names = ProjectNames{};
        copyText(names.projectFilePath, name);
        loadProject(app.views.programFolder, names, main);
        copyText(app.views.projectFilePath, names.projectFilePath);
        takeProjectScript(app);
        app.rowCount = app.sceneList.rowCount = countRows(app.views.programFolder);
        const char* source = names.sourceScriptPath;
        if (source[0] && checkScriptForPlayer(app, source)) {
            app.player.openMedia(source, app.views.currentView);
            app.views.viewingProject = false;
            takeSourceScript(app, source);
            projectFileKnown(app);
            takeClipFromPlayer(app);
            if (app.document.load(source) != 0) showBox("Unknow error while opening file", "Open file", MB_OK);
            markScriptClean(app, true);
            app.firstVisibleRow = 1;
            app.sceneList.firstShownRow = 1;
            SetScrollPos(windowAt(winRowList), SB_VERT, 1, TRUE);
            EnableWindow(windowAt(winSourceRadio), TRUE);
            EnableWindow(windowAt(winProjectRadio), TRUE);
            refreshSceneListDisplay(app);
            layOutAndRefresh(app);
        }
    }
    updateStatusBar(app);
}

void newProject(AppState& app) {
    if (app.scriptModified)
        showBox("The file in the script editor has been changed. If you wish to save it,\nclick Cancel on the next "
                "message.",
                "Zandolin New Project", MB_OK);
    if (showBox("Selecting new project will clear all data and\nfile-names", "Zandolin New Project", MB_OKCANCEL) !=
        IDOK)
        return;
    app.player.closePlayer();
    app.lastFrame = 0;
    scriptEditor.setText("");
    app.views.hasProjectFile = false;
    enableMenuItem(app.menus, 10016, false);
    markScriptClean(app, false);
    takeSourceScript(app, "");
    copyText(app.views.sourceTitle, "untitled");
    app.views.projectFilePath[0] = '\0';
    app.project = ProjectNames{};
    takeProjectScript(app);
    if (app.document.previewScriptPath()[0]) remove(app.document.previewScriptPath());
    if (app.views.programFolder[0]) emptyRowFile(app.views.programFolder, windowAt(winMain));
    app.views.viewingProject = false;
    app.encodeProject = false;
    setRadio(winSourceRadio, true);
    setRadio(winProjectRadio, false);
    app.sceneList.rowCount = app.rowCount = 0;
    app.sceneList.firstShownRow = app.firstVisibleRow = 1;
    resetSceneList(app);
    applyView(app);
}
