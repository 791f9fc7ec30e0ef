#include "ButtonFont.h"

ButtonFontSpec ButtonFontFor(bool korean) {
    // "Gulim" in code page 949, which is the system code page whenever this face is chosen.
    if (korean) return ButtonFontSpec{"\xB1\xBC\xB8\xB2", 12};
    return ButtonFontSpec{"Tahoma", 14};
}

HFONT CreateButtonFont(bool korean) {
    const ButtonFontSpec spec = ButtonFontFor(korean);
    return ::CreateFontA(spec.height, 0, 0, 0, 900, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0x50, spec.face);
}
