#pragma once
// The face of the panel's item labels and of the display-output dialog's tile captions, which
// follows the system default locale.
#include <windows.h>

struct FontFaceAndHeight {
    const char* face;  // in the system code page
    int height;
};

FontFaceAndHeight ButtonFontFor(bool koreanSystemLocale);
// A new font for one paint; the caller deletes it.
HFONT CreateButtonFont(bool koreanSystemLocale);
