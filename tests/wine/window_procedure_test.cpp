// The main window procedure only records what happened; these tests send it messages and
// read the record.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "app/shell_events.h"
#include "app/window_builder_win32.h"
#include "app/window_table.h"

namespace {

class WindowProcedureTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSEXA wc = {sizeof wc};
        wc.lpfnWndProc = mainWindowProcedure;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "ProcedureTestClass";
        RegisterClassExA(&wc);
        INITCOMMONCONTROLSEX cc = {sizeof cc, ICC_BAR_CLASSES};
        InitCommonControlsEx(&cc);
        main = CreateWindowExA(0, "ProcedureTestClass", "t", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                               wc.hInstance, nullptr);
        trackbar = CreateWindowExA(0, TRACKBAR_CLASSA, nullptr, WS_CHILD, 0, 0, 50, 20, main, nullptr, wc.hInstance,
                                   nullptr);
        button = CreateWindowExA(0, "Button", "b", WS_CHILD, 0, 0, 10, 10, main, nullptr, wc.hInstance, nullptr);
        toolbar = CreateWindowExA(0, "Button", "toolbar", WS_CHILD, 0, 0, 10, 10, main, nullptr, wc.hInstance, nullptr);
        windowTable = {};
        windowTable.handle[winMain] = main;
        windowTable.handle[winTrackbar] = trackbar;
        windowTable.handle[winToolbar] = toolbar;
        shellEvents = ShellEvents{};
        shellEvents.active = &windowTable;
    }
    void TearDown() override {
        shellEvents.panelBeingDestroyed = 1;
        DestroyWindow(main);
        shellEvents = ShellEvents{};
        windowTable = {};
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    LRESULT command(WORD id, WORD notification, HWND from) {
        return SendMessageA(main, WM_COMMAND, MAKEWPARAM(id, notification), reinterpret_cast<LPARAM>(from));
    }
    HWND main = nullptr, trackbar = nullptr, button = nullptr, toolbar = nullptr;
};

}  // namespace

TEST_F(WindowProcedureTest, CommandNotificationsSetTheirFlagsAndTheSender) {
    ShellEvents& e = shellEvents;
    struct Case {
        WORD notification;
        int ShellEvents::*flag;
    };
    const Case cases[] = {{0, &ShellEvents::buttonClicked}, {1, &ShellEvents::selectionChange},
                          {2, &ShellEvents::doubleClick},   {3, &ShellEvents::notification3},
                          {6, &ShellEvents::notification6}, {8, &ShellEvents::closeUp},
                          {9, &ShellEvents::selectEndOk},   {768, &ShellEvents::editChanged}};
    for (const Case& c : cases) {
        e = ShellEvents{};
        e.active = &windowTable;
        command(0, c.notification, button);
        EXPECT_EQ(e.*(c.flag), 1) << c.notification;
        EXPECT_EQ(e.eventSender, reinterpret_cast<intptr_t>(button)) << c.notification;
    }
    // The toolbar's commands carry their id and go nowhere else.
    e = ShellEvents{};
    e.active = &windowTable;
    EXPECT_EQ(command(10006, 0, toolbar), 0);
    EXPECT_EQ(e.toolbarCommand, 1);
    EXPECT_EQ(e.toolbarCommandId, 10006u);
    EXPECT_EQ(e.buttonClicked, 0);
}

TEST_F(WindowProcedureTest, AcceleratorsAreRecordedAndOnlyTwoFallThrough) {
    ShellEvents& e = shellEvents;
    command(1584, 1, nullptr);
    EXPECT_EQ(e.accelerator1584, 1);
    EXPECT_EQ(e.selectionChange, 0);  // returned at once
    command(1580, 1, nullptr);
    EXPECT_EQ(e.accelerator1580, 1);
    EXPECT_EQ(e.selectionChange, 1);  // fell through to the notification tests
    e.selectionChange = 0;
    command(1550, 1, nullptr);
    EXPECT_EQ(e.accelerator1550, 1);
    EXPECT_EQ(e.selectionChange, 0);  // 1550 is never a selection change
}

TEST_F(WindowProcedureTest, ScrollsTimersAndClose) {
    ShellEvents& e = shellEvents;
    // The trackbar's first scroll only raises the flag; the next one names the sender.
    SendMessageA(main, WM_HSCROLL, 0, reinterpret_cast<LPARAM>(trackbar));
    EXPECT_EQ(e.horizontalScroll, 1);
    EXPECT_EQ(e.eventSender, 0);
    SendMessageA(main, WM_HSCROLL, 0, reinterpret_cast<LPARAM>(trackbar));
    EXPECT_EQ(e.eventSender, reinterpret_cast<intptr_t>(trackbar));

    SendMessageA(main, WM_VSCROLL, MAKEWPARAM(5, 17), 0);
    EXPECT_EQ(e.thumbTrack, 1);
    EXPECT_EQ(e.eventSender, 17);
    SendMessageA(main, WM_VSCROLL, 2, 0);
    EXPECT_EQ(e.pageUp, 1);

    EXPECT_EQ(SendMessageA(main, WM_TIMER, 25555, 0), 0);
    EXPECT_EQ(e.timer25555, 1);
    SendMessageA(main, WM_TIMER, 12522, 0);
    EXPECT_EQ(e.timer12522, 1);
    SendMessageA(main, WM_TIMER, 13556, 0);
    EXPECT_EQ(e.eventSender, 13556);

    EXPECT_EQ(SendMessageA(main, WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(e.closeRequested, 1);
    EXPECT_TRUE(IsWindow(main));  // only recorded; the loop decides
}

TEST_F(WindowProcedureTest, DestroyEndsTheProgramUnlessAPanelIsBeingDestroyed) {
    HWND panel = CreateWindowExA(0, "ProcedureTestClass", "panel", WS_CHILD, 0, 0, 10, 10, main, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    shellEvents.panelBeingDestroyed = 1;
    DestroyWindow(panel);
    shellEvents.panelBeingDestroyed = 0;
    MSG m;
    EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));

    HWND other = CreateWindowExA(0, "ProcedureTestClass", "other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    DestroyWindow(other);
    EXPECT_TRUE(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(m.wParam, 0u);
}

TEST_F(WindowProcedureTest, NothingIsRecordedBeforeStartUpActivatesIt) {
    shellEvents.active = nullptr;
    command(0, 0, button);
    SendMessageA(main, WM_TIMER, 25555, 0);
    EXPECT_EQ(shellEvents.buttonClicked, 0);
    EXPECT_EQ(shellEvents.timer25555, 0);
}
