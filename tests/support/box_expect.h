#pragma once
// Checks on the recorded message boxes, for tests that expect exactly one box.
#include <gtest/gtest.h>

#include <string>

#include "support/message_box_recorder.h"

// Exactly one box was shown, with this text and title (and these flags, unless -1).
inline ::testing::AssertionResult onlyBox(const std::string& text, const std::string& title, long flags = -1) {
    const auto& shown = boxes::shown();
    if (shown.size() != 1) return ::testing::AssertionFailure() << shown.size() << " boxes shown";
    const RecordedBox& box = shown[0];
    if (box.text != text)
        return ::testing::AssertionFailure() << "text\n  " << ::testing::PrintToString(box.text) << "\nwanted\n  "
                                             << ::testing::PrintToString(text);
    if (box.title != title)
        return ::testing::AssertionFailure() << "title " << ::testing::PrintToString(box.title) << ", wanted "
                                             << ::testing::PrintToString(title);
    if (flags != -1 && box.flags != unsigned(flags))
        return ::testing::AssertionFailure() << "flags " << box.flags << ", wanted " << flags;
    return ::testing::AssertionSuccess();
}

// Exactly one box was shown, with this text.
inline ::testing::AssertionResult onlyBoxSaying(const std::string& text) {
    if (boxes::shown().size() != 1) return ::testing::AssertionFailure() << boxes::shown().size() << " boxes shown";
    return onlyBox(text, boxes::shown()[0].title);
}
