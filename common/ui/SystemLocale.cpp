#include "SystemLocale.h"

#include <windows.h>

bool IsKoreanSystemLocale() { return ::GetSystemDefaultLCID() == kKoreanLcid; }
