#pragma once
// Native build only: what the list control calls act on when there are no windows. A test
// passes the address of one of these records as the window handle.
#include <string>
#include <vector>

struct NativeComboBox {
    struct Item {
        std::string text;
        long data = 0;
    };
    std::vector<Item> items;  // kept sorted without regard to case, as a sorted combo box does
};

struct NativeEditor {
    std::string text;
};
