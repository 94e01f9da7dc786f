#include "app/command_line.h"

#include <cstring>

#include "app/bounded_text.h"

bool commandLineScript(const char* arguments, char* path, int cap) {
    if (path && cap > 0) path[0] = '\0';
    if (!arguments) return false;
    size_t len = strlen(arguments);
    if (len < 6) return false;
    // Taken as one path in double quotes: the extension ends before the closing quote.
    char extension[5];
    if (arguments[len - 6] == '.') copyTextN(extension, sizeof extension, arguments + len - 5, 4);
    else copyTextN(extension, sizeof extension, arguments + len - 4, 3);
    if (strcmp(extension, "avs") != 0 && strcmp(extension, "avsi") != 0) return false;
    if (path && cap > 0) copyTextN(path, static_cast<size_t>(cap), arguments + 1, len - 2);
    return true;
}
