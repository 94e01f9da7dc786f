#include "app/shell_events.h"

ShellEvents shellEvents;
int syntaxHighlightingOn = 1;
