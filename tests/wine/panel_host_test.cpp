// The control factory against real windows: the handles kept per kind, the radio row, and
// the error box of every operation when the frame is gone.
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
        {[&] { return host.createTextButton("a", 0, 0, 9, 9); }, "Could not create Text button!"},
        {[&] { return host.createStaticText("a", 0, 0, 9, 9); }, "Could not create Static Title !"},
        {[&] { return host.createCheckBox(gone, "a", 0, 0, 9, 9); }, "Could not create Check Box !"},
        {[&] { return host.createRadioOne("a", 0, 0, 9, 9); }, "Could not create RadioButton One !"},
        {[&] { return host.createComboBox(0, 0, 9, 9); }, "Could not create ComboBox !"},
        {[&] { return host.createListBox(0, 0, 9, 9); }, "Could not create ListBox !"},
        {[&] { return host.createEditBox(0, 0, 9, 9); }, "Could not create edit box !"},
        {[&] { return host.createStaticWindow("a", 0, 0, 9, 9); }, "Could not create Static Window !"},
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
