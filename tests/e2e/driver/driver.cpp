#include "e2e/driver/driver.h"
