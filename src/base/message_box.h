#pragma once
// Portable code asks the user through this one function. The program implements it with
// MessageBoxA; the tests link a recorder that answers from a script.

using WindowHandle = void*;

// The values are the platform's own, so the program passes them through unchanged.
enum MessageBoxFlags : unsigned {
    mbOk = 0x0,
    mbOkCancel = 0x1,
    mbYesNoCancel = 0x3,
    mbYesNo = 0x4,
    mbIconStop = 0x10,
    mbIconQuestion = 0x20,
    mbIconExclamation = 0x30,
    mbIconInformation = 0x40,
    mbTaskModal = 0x2000,
};

enum MessageBoxAnswer { answerOk = 1, answerCancel = 2, answerYes = 6, answerNo = 7 };

int showMessageBox(WindowHandle owner, const char* text, const char* title, unsigned flags);
