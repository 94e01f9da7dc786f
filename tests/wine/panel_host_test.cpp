// The panel frame and its control factory against real windows: placement, the handles kept
// per kind, the radio row, and the error box of every operation when the frame is gone.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "dialogs/panel_host_win32.h"
#include "support/box_expect.h"
#include "support/message_box_recorder.h"

namespace {

struct PanelHostWine : ::testing::Test {
    PanelHost host;
    HWND owner = nullptr;

    void SetUp() override {
        boxes::reset();
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TheWinClass";
        RegisterClassA(&wc);  // may exist from an earlier test
        host.instance = wc.hInstance;
        owner = CreateWindowA("TheWinClass", "main", WS_POPUP | WS_VISIBLE, 0, 0, 1280, 1024, nullptr, nullptr,
                              host.instance, nullptr);
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override { DestroyWindow(owner); }
};

TEST_F(PanelHostWine, FrameCentredOnAnOwnerAtTheTopOfTheScreen) {
    ASSERT_TRUE(host.createFrame(owner, "Script Writing Options", 1.0));
    RECT r;
    GetWindowRect(host.frame, &r);
    EXPECT_EQ(r.left, 390);
    EXPECT_EQ(r.top, 352);
    EXPECT_EQ(r.right - r.left, 500);
    EXPECT_EQ(r.bottom - r.top, 320);
    EXPECT_EQ(GetWindow(host.frame, GW_OWNER), owner);
    EXPECT_TRUE(GetWindowLongA(host.frame, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    EXPECT_TRUE(boxes::shown().empty());
}

TEST_F(PanelHostWine, HandlesPerKindAndTheRadioRow) {
    ASSERT_TRUE(host.createFrame(owner, "t", 1.3));
    HWND first = host.createRadioOne("++", 10, 10, 40, 20);
    HWND second = host.createRadioOne("+", 10, 40, 40, 20);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(host.radioOne, second);
    EXPECT_NE(first, second);

    EXPECT_EQ(host.createRadioGroup(host.frame, 0, 100, 40, 80, 20), 0);
    EXPECT_EQ(host.radioButtons[0], nullptr);
    ASSERT_EQ(host.createRadioGroup(host.frame, 3, 100, 40, 80, 20), 3);
    for (int i = 0; i < 3; ++i) {
        RECT r;
        GetWindowRect(host.radioButtons[i], &r);
        MapWindowPoints(nullptr, host.frame, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.top, 40 + i * 20) << i;
        EXPECT_FALSE(IsWindowEnabled(host.radioButtons[i])) << i;
    }
    HWND list = host.createListBox(10, 100, 100, 100);
    for (const char* name : {"Video 1", "Cinepak", "MS-RLE"}) SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)name);
    char top[32] = {};
    SendMessageA(list, LB_GETTEXT, 0, (LPARAM)top);
    EXPECT_STREQ(top, "Cinepak");
    EXPECT_TRUE(boxes::shown().empty());
}

TEST_F(PanelHostWine, EveryFailureIsToldInItsOwnBox) {
    ASSERT_TRUE(host.createFrame(owner, "t", 1.0));
    DestroyWindow(host.frame);  // every child creation now fails
    HWND gone = host.frame;
    struct Case {
        std::function<HWND()> make;
        const char* text;
    } cases[] = {
        {[&] { return host.createCancelButton(0, 0, 9, 9); }, "Could not create cancel button!"},
        {[&] { return host.createOkButton(0, 0, 9, 9); }, "Could not create OK button!"},
        {[&] { return host.createIconButton(0, 0, 9, 9); }, "Could not create Icon button!"},
        {[&] { return host.createTextButton("a", 0, 0, 9, 9); }, "Could not create Text button!"},
        {[&] { return host.createTextButton2("a", 0, 0, 9, 9); }, "Could not create Text button2!"},
        {[&] { return host.createStaticText("a", 0, 0, 9, 9); }, "Could not create Static Title !"},
        {[&] { return host.createGroupBox("a", 0, 0, 9, 9); }, "Could not create Group Box!"},
        {[&] { return host.createCheckBox(gone, "a", 0, 0, 9, 9); }, "Could not create Check Box !"},
        {[&] { return host.createRadioOne("a", 0, 0, 9, 9); }, "Could not create RadioButton One !"},
        {[&] { return host.createRadioTwo("a", 0, 0, 9, 9); }, "Could not create RadioButton Two !"},
        {[&] { return host.createComboBox(0, 0, 9, 9); }, "Could not create ComboBox !"},
        {[&] { return host.createSecondComboBox(0, 0, 9, 9); }, "Could not create ComboBox !"},
        {[&] { return host.createListBox(0, 0, 9, 9); }, "Could not create ListBox !"},
        {[&] { return host.createEditBox(0, 0, 9, 9); }, "Could not create edit box !"},
        {[&] { return host.createEditBox2("a", 0, 0, 9, 9); }, "Could not create edit box !"},
        {[&] { return host.createStaticWindow("a", 0, 0, 9, 9); }, "Could not create Static Window !"},
        {[&] { return host.createContainerWindow(0, 0, 9, 9); }, "Could not create Container Window !"},
        {[&] { return host.createProgressBar(0, 0, 9, 9); }, "Could not create Progress Bar!"},
    };
    for (const Case& c : cases) {
        boxes::reset();
        EXPECT_EQ(c.make(), nullptr) << c.text;
        EXPECT_TRUE(onlyBox(c.text, "ERROR", MB_OK | MB_ICONSTOP)) << c.text;
        EXPECT_EQ(boxes::shown()[0].owner, owner);
    }
    // A radio row stops at its first failure with one box.
    boxes::reset();
    EXPECT_EQ(host.createRadioGroup(gone, 4, 0, 0, 9, 9), 0);
    EXPECT_TRUE(onlyBox("Could not create radio buttons !", "ERROR"));
}

}  // namespace
